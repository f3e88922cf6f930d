#include "cli/serve_command.h"

#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <memory>
#include <thread>

#include "cli/options.h"
#include "cli/run_command.h"
#include "cli/serve_options.h"
#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "import/utc_time.h"
#include "mail/mail_address.h"
#include "robot/organiser_key.h"
#include "robot/relay_login.h"
#include "robot/robot_server.h"

namespace cli {
namespace {

constexpr char kProgram[] = "zvk-score serve";

mail::RelaySettings relayOf(const ServeOptions& options) {
  mail::RelaySettings relay;
  relay.url = options.smtpUrl;
  // Checked here, in the robot's program alone, which has the mail library.
  const std::optional<std::string> from = mail::mailAddressOf(options.mailFrom);
  if (!from) failUsage("\"" + options.mailFrom + "\" is not one e-mail address", "--mail-from");
  relay.from = *from;
  if (!options.smtpLoginFile.empty()) robot::readRelayLogin(options.smtpLoginFile, &relay);
  return relay;
}

robot::RobotSettings settingsOf(const ServeOptions& options) {
  robot::RobotSettings settings;
  settings.definition = options.contestFile.empty()
                            ? crosscheck::zvkCwDefinition()
                            : crosscheck::readContestDefinition(options.contestFile);
  if (options.from) settings.definition.from = options.from;
  if (options.to) settings.definition.to = options.to;
  settings.stationFiles =
      std::make_shared<const crosscheck::LoadedStationFiles>(settings.definition, std::string());
  settings.logsDir = options.logsDir;
  settings.opens = options.opens;
  settings.deadline = options.deadline;
  if (!options.organiserKeyFile.empty()) {
    settings.organiserKey = robot::readOrganiserKey(options.organiserKeyFile);
  }
  settings.sizeLimit = options.sizeLimitKib * 1024;
  settings.uploadRate = {options.uploadBurst, options.uploadsPerMinute};
  if (!options.smtpUrl.empty()) settings.mail = relayOf(options);
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

// Re-reads every file the store keeps and compares it with its row, which
// the start-up check leaves to sizes.
int verifyStore(const std::string& logsDir) {
  if (!files::defaultFileSystem().isFolder(logsDir)) {
    throw errors::ToolError(errors::ErrorKind::kIo, {logsDir, 0, ""}, "no such folder of logs");
  }
  const robot::LogStore store(logsDir, robot::systemClock);
  const std::vector<std::string> differences = store.differences(robot::CheckDepth::kDigests);
  for (const std::string& difference : differences) std::cout << difference << "\n";
  std::cout << kProgram << ": " << store.submissions().size() << " submissions checked, "
            << differences.size() << " differences" << std::endl;
  return differences.empty() ? 0 : errors::exitCodeOf(errors::ErrorKind::kBadInput);
}

int serve(const ServeOptions& options) {
  if (options.verify) return verifyStore(options.logsDir);
  // Blocked before any thread starts, so every thread inherits the mask.
  const sigset_t signals = stopSignals();
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  robot::RobotServer server(settingsOf(options));
  for (const std::string& difference : server.differences()) {
    std::cerr << kProgram << ": " << difference << "\n";
  }
  const int port = server.bind(options.host, options.port);
  if (port < 0) {
    throw errors::ToolError(
        errors::ErrorKind::kIo, {},
        "cannot listen at " + options.host + ":" + std::to_string(options.port));
  }
  std::cout << kProgram << ": receiving logs into " << options.logsDir << " at http://"
            << options.host << ":" << port << "/" << std::endl;
  serveUntilSignalled(server);
  std::cout << kProgram << ": stopped" << std::endl;
  return 0;
}

}  // namespace

int runServeCommand(const std::vector<std::string>& arguments) {
  return runCommand(kProgram, serveCommand(), serveCommand().help(), arguments, serve);
}

}  // namespace cli
