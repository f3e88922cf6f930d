#ifndef ZVK_ROBOT_ROBOT_SETTINGS_H_
#define ZVK_ROBOT_ROBOT_SETTINGS_H_

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "crosscheck/contest_definition.h"
#include "crosscheck/station_files.h"
#include "mail/smtp_relay.h"
#include "robot/clock.h"
#include "robot/upload_limit.h"

namespace robot {

constexpr std::size_t kDefaultSizeLimit = 5 * 1024 * 1024;

// How the robot receives a contest's logs.
struct RobotSettings {
  crosscheck::ContestDefinition definition;
  // The country file the definition reads, loaded once; null: none.
  std::shared_ptr<const crosscheck::LoadedStationFiles> stationFiles;
  std::string logsDir = "received";
  // The first and the last second logs are taken in; unset: no such end.
  std::optional<imports::UnixTime> opens;
  std::optional<imports::UnixTime> deadline;
  std::string organiserKey;                   // empty: the organiser pages are off
  std::size_t sizeLimit = kDefaultSizeLimit;  // bytes of a log
  // Connections served at once: a slow or idle client holds a worker until
  // its read times out, so there are many more than the cores.
  int threads = 64;
  UploadRate uploadRate;  // per client address
  Clock clock = systemClock;
  // Unset: no receipt is mailed.
  std::optional<mail::RelaySettings> mail;
};

}  // namespace robot

#endif  // ZVK_ROBOT_ROBOT_SETTINGS_H_
