#include "cli/serve_command.h"

#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <thread>

#include "cli/options.h"
#include "cli/serve_options.h"
#include "import/utc_time.h"
#include "robot/organiser_key.h"
#include "robot/robot_server.h"

namespace cli {
namespace {

enum ExitCode { kOk = 0, kBadUsage = 2, kCannotServe = 3 };

int fail(ExitCode code, const std::string& message) {
  std::cerr << "zvk-score serve: " << message << "\n";
  if (code == kBadUsage) std::cerr << kUsage;
  return code;
}

robot::RobotSettings settingsOf(const ServeOptions& options) {
  robot::RobotSettings settings;
  settings.definition = options.contestFile.empty()
                            ? crosscheck::zvkCwDefinition()
                            : crosscheck::readContestDefinition(options.contestFile);
  settings.logsDir = options.logsDir;
  if (options.deadline) settings.deadline = imports::unixTimeOf(*options.deadline);
  if (!options.organiserKeyFile.empty()) {
    settings.organiserKey = robot::readOrganiserKey(options.organiserKeyFile);
  }
  settings.sizeLimit = options.sizeLimitKib * 1024;
  return settings;
}

sigset_t stopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  return signals;
}

// Serves in this thread; another waits for the signal and stops the server,
// which then finishes the requests in flight.
void serveUntilSignalled(robot::RobotServer& server) {
  const sigset_t signals = stopSignals();
  std::thread waiter([&server, signals] {
    int received = 0;
    sigwait(&signals, &received);
    server.stop();
  });
  server.run();
  // A server that stopped by itself leaves the waiter waiting: wake it.
  pthread_kill(waiter.native_handle(), SIGTERM);
  waiter.join();
}

int serve(const ServeOptions& options) {
  // Blocked before any thread starts, so every thread inherits the mask.
  const sigset_t signals = stopSignals();
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  robot::RobotServer server(settingsOf(options));
  for (const std::string& difference : server.differences()) {
    std::cerr << "zvk-score serve: " << difference << "\n";
  }
  const int port = server.bind(options.host, options.port);
  if (port < 0) {
    return fail(kCannotServe,
                "cannot listen at " + options.host + ":" + std::to_string(options.port));
  }
  std::cout << "zvk-score serve: receiving logs into " << options.logsDir << " at http://"
            << options.host << ":" << port << "/" << std::endl;
  serveUntilSignalled(server);
  std::cout << "zvk-score serve: stopped" << std::endl;
  return kOk;
}

}  // namespace

int runServeCommand(const std::vector<std::string>& arguments) {
  try {
    ServeOptions options = parseServeOptions(arguments);
    if (options.help) {
      std::cout << kUsage;
      return kOk;
    }
    return serve(options);
  } catch (const UsageError& error) {
    return fail(kBadUsage, error.what());
  } catch (const crosscheck::DefinitionError& error) {
    return fail(kBadUsage, error.what());
  } catch (const robot::StoreError& error) {
    return fail(kCannotServe, error.what());
  } catch (const std::runtime_error& error) {
    return fail(kBadUsage, error.what());
  }
}

}  // namespace cli
