#ifndef ZVK_CROSSCHECK_DOCUMENT_BUFFER_H_
#define ZVK_CROSSCHECK_DOCUMENT_BUFFER_H_

#include <charconv>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string_view>
#include <vector>

namespace crosscheck {

// The document's text, written through a cursor into one buffer that goes
// to the file whenever the next piece might not fit: the bulk of a large
// contest's output, so no piece pays for a string's bookkeeping.
class DocumentBuffer {
 public:
  // The document goes to the file in pieces of about this size: few, large
  // writes from one buffer that is used again.
  static constexpr std::size_t kFlushBytes = 4 << 20;

  explicit DocumentBuffer(std::ostream& out) : out_(out), buffer_(kFlushBytes) {}

  // Room for `bytes` more at the cursor.
  void makeRoom(std::size_t bytes) {
    if (buffer_.size() - used_ >= bytes) return;
    flush();
    if (buffer_.size() < bytes) buffer_.resize(bytes);
  }
  void put(char c) { buffer_[used_++] = c; }
  void put(std::string_view text) {
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
  }
  void putNumber(std::int64_t value) {
    char* at = buffer_.data() + used_;
    used_ = static_cast<std::size_t>(std::to_chars(at, at + 24, value).ptr - buffer_.data());
  }
  // A piece of unknown length, made elsewhere.
  void putWhole(std::string_view text) {
    makeRoom(text.size());
    put(text);
  }
  void flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
  }

 private:
  std::ostream& out_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_DOCUMENT_BUFFER_H_
