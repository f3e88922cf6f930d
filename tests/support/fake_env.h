#ifndef ZVK_TESTS_SUPPORT_FAKE_ENV_H_
#define ZVK_TESTS_SUPPORT_FAKE_ENV_H_

#include <string>
#include <vector>

#include "platform/env.h"

namespace testing_support {

// The build's own backend with a fixed clock, scripted dialogs and recorded
// message boxes; files and profiles go to the real (temporary) directory.
class FakeEnv : public platform::Env {
 public:
  struct Message {
    std::string text;
    std::string caption;  // "(default)" for a null caption
    unsigned style;
    platform::MessageOwner owner;
  };

  CString readProfileString(const char* section, const char* key, const char* defaultValue,
                            const char* path) override;
  bool writeProfileString(const char* section, const char* key, const char* value,
                          const char* path) override;
  int showMessageBox(const char* text, const char* caption, unsigned style,
                     platform::MessageOwner owner) override;
  platform::DialogResult runDialog(platform::DialogForm& form) override;
  std::vector<CString> findFiles(const char* pattern) override;
  bool readFileVersion(const char* path, std::uint32_t* versionMs,
                       std::uint32_t* versionLs) override;
  std::int64_t nowUtcSeconds() override { return now; }
  std::unique_ptr<platform::WritableFile> openForWriting(const char* path,
                                                         platform::WriteMode mode) override;

  // Sets the clock to a UTC calendar time.
  void setNow(int year, int month, int day, int hour, int minute);

  std::int64_t now = 0;
  platform::DialogHandler dialog;  // unset: the dialog cannot be shown
  int dialogRuns = 0;
  std::vector<Message> messages;
  int failWritesAfter = -1;  // >= 0: that many opens succeed, later ones fail
};

}  // namespace testing_support

#endif  // ZVK_TESTS_SUPPORT_FAKE_ENV_H_
