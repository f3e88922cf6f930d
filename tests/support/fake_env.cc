#include "tests/support/fake_env.h"

#include "platform/ole_date_time.h"

namespace testing_support {

using platform::Env;

CString FakeEnv::readProfileString(const char* section, const char* key, const char* defaultValue,
                                   const char* path) {
  return Env::current().readProfileString(section, key, defaultValue, path);
}

bool FakeEnv::writeProfileString(const char* section, const char* key, const char* value,
                                 const char* path) {
  return Env::current().writeProfileString(section, key, value, path);
}

int FakeEnv::showMessageBox(const char* text, const char* caption, unsigned style,
                            platform::MessageOwner owner) {
  messages.push_back({text ? text : "", caption ? caption : "(default)", style, owner});
  return 1;
}

platform::DialogResult FakeEnv::runDialog(platform::DialogForm& form) {
  ++dialogRuns;
  return dialog ? dialog(form) : platform::kDialogFailed;
}

std::vector<CString> FakeEnv::findFiles(const char* pattern) {
  return Env::current().findFiles(pattern);
}

bool FakeEnv::readFileVersion(const char* path, std::uint32_t* versionMs,
                              std::uint32_t* versionLs) {
  return Env::current().readFileVersion(path, versionMs, versionLs);
}

std::unique_ptr<platform::WritableFile> FakeEnv::openForWriting(const char* path,
                                                                platform::WriteMode mode) {
  if (failWritesAfter == 0) return nullptr;
  if (failWritesAfter > 0) --failWritesAfter;
  return Env::current().openForWriting(path, mode);
}

void FakeEnv::setNow(int year, int month, int day, int hour, int minute) {
  platform::SystemTime time;
  time.year = year;
  time.month = month;
  time.day = day;
  time.hour = hour;
  constexpr std::int64_t kUnixEpochHour = 25569 * 24;
  now = (platform::hourNumber(time) - kUnixEpochHour) * 3600 + minute * 60;
}

}  // namespace testing_support
