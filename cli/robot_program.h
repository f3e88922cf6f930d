#ifndef ZVK_CLI_ROBOT_PROGRAM_H_
#define ZVK_CLI_ROBOT_PROGRAM_H_

namespace cli {

// zvk-score serve: runs the log robot's program, zvk-robot, installed beside
// zvk-score, with the arguments that follow "serve". The robot is a program
// of its own so that the other commands start without loading its libraries
// (HTTP, TLS, SQLite), which took over half of their start-up. Returns only
// when the program cannot be started: exit status 3.
int runRobotProgram(int argc, char** argv);

}  // namespace cli

#endif  // ZVK_CLI_ROBOT_PROGRAM_H_
