#ifndef ZVK_PLATFORM_ENV_H_
#define ZVK_PLATFORM_ENV_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/cstring.h"
#include "platform/dialog_form.h"

namespace platform {

// A file open for writing; closed (and flushed) when destroyed.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  // Writes the bytes as they are (no line-end translation) and flushes them.
  // Returns false when not every byte reached the file.
  virtual bool write(const char* data, std::size_t size) = 0;
  // Closes the file. Returns false when a write or the close failed.
  virtual bool close() = 0;
};

enum class WriteMode { kTruncate, kAppend };

// Who owns a message box.
enum class MessageOwner { kNone, kActiveWindow };

// The operating-system services the plug-in uses. `current()` gives this
// build's backend; it is never destroyed, so it outlives every global object.
class Env {
 public:
  virtual ~Env() = default;
  static Env& current();

  // Value of `key` in `section` of the profile file `path`, read whole.
  // Section and key match without regard to case. Returns `defaultValue` when
  // the file, the section or the key is missing.
  virtual CString readProfileString(const char* section, const char* key, const char* defaultValue,
                                    const char* path) = 0;
  // Sets `key`=`value` in `section`, creating the file, section or key as
  // needed and keeping every other line. `path` may use "\" as separator.
  // Returns false when the file could not be written; it then keeps its
  // earlier contents.
  virtual bool writeProfileString(const char* section, const char* key, const char* value,
                                  const char* path) = 0;

  // Shows a modal message box and returns the button pressed (1 = OK). A null
  // `caption` gives the system's default caption.
  virtual int showMessageBox(const char* text, const char* caption, unsigned style,
                             MessageOwner owner) = 0;
  // Runs `form` modally. On kDialogOk every field's value holds the control's
  // text; otherwise the values are untouched.
  virtual DialogResult runDialog(DialogForm& form) = 0;

  // Names of the files in the current directory matching `pattern` ("*.exe"),
  // in the order the directory returns them; empty when none match.
  virtual std::vector<CString> findFiles(const char* pattern) = 0;
  // File version words of a program file's fixed version information.
  // Returns false when the file has no readable version resource.
  virtual bool readFileVersion(const char* path, std::uint32_t* versionMs,
                               std::uint32_t* versionLs) = 0;

  // Seconds since 1970-01-01 00:00 UTC.
  virtual std::int64_t nowUtcSeconds() = 0;

  // Opens `path` for writing, shared with other readers and writers: created
  // or truncated (kTruncate) or appended to (kAppend). nullptr on failure.
  virtual std::unique_ptr<WritableFile> openForWriting(const char* path, WriteMode mode) = 0;
};

// Installs a handler that answers every dialog instead of the backend's own
// dialog (nullptr removes it). Used by tests and embedding programs.
void installDialogHandler(DialogHandler handler);
const DialogHandler& installedDialogHandler();

}  // namespace platform

#endif  // ZVK_PLATFORM_ENV_H_
