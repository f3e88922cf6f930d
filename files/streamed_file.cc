#include "files/streamed_file.h"

#include <memory>
#include <optional>
#include <streambuf>
#include <vector>

#include "errors/tool_error.h"

namespace files {
namespace {

// A stream buffer over a WritableFile. The file's error is kept, not thrown
// through the stream, and raised once the writing is done.
class FileBuffer : public std::streambuf {
 public:
  explicit FileBuffer(WritableFile& file) : file_(file), room_(kRoom) {
    setp(room_.data(), room_.data() + room_.size());
  }

  // Writes what is buffered and closes the file; throws the first error.
  void finish() {
    sync();
    if (!error_) tryTo([this] { file_.close(); });
    if (error_) throw *error_;
  }

 protected:
  int_type overflow(int_type c) override {
    if (sync() != 0) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }

  // A text longer than the room goes to the file at once, not through it.
  std::streamsize xsputn(const char* text, std::streamsize size) override {
    if (size < static_cast<std::streamsize>(room_.size()))
      return std::streambuf::xsputn(text, size);
    if (sync() != 0) return 0;
    tryTo([&] { file_.append(std::string_view(text, static_cast<std::size_t>(size))); });
    return error_ ? 0 : size;
  }

  int sync() override {
    const std::string_view buffered(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    if (!error_ && !buffered.empty()) tryTo([&] { file_.append(buffered); });
    setp(room_.data(), room_.data() + room_.size());
    return error_ ? -1 : 0;
  }

 private:
  static constexpr std::size_t kRoom = 1 << 16;

  template <typename Step>
  void tryTo(Step step) {
    try {
      step();
    } catch (const errors::ToolError& error) {
      error_ = error;
    }
  }

  WritableFile& file_;
  std::vector<char> room_;
  std::optional<errors::ToolError> error_;
};

}  // namespace

void writeStreamed(FileSystem& files, const std::string& path,
                   const std::function<void(std::ostream&)>& write) {
  std::unique_ptr<WritableFile> file = files.create(path);
  FileBuffer buffer(*file);
  std::ostream out(&buffer);
  write(out);
  buffer.finish();
}

}  // namespace files
