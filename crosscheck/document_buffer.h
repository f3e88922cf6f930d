#ifndef ZVK_CROSSCHECK_DOCUMENT_BUFFER_H_
#define ZVK_CROSSCHECK_DOCUMENT_BUFFER_H_

#include <charconv>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string_view>
#include <vector>

namespace crosscheck {

// The document's text, gathered in one buffer that goes to the file when
// the next piece does not fit: the bulk of a large contest's output, so no
// piece pays for a string's bookkeeping. Each piece is checked against the
// room left where it is put, so no writer counts bytes ahead.
class DocumentBuffer {
 public:
  // The document goes to the file in pieces of about this size: few, large
  // writes from one buffer that is used again.
  static constexpr std::size_t kFlushBytes = 4 << 20;

  // `capacity` of at least one byte.
  explicit DocumentBuffer(std::ostream& out, std::size_t capacity = kFlushBytes)
      : out_(out), buffer_(capacity), cursor_(buffer_.data()), end_(cursor_ + capacity) {}

  void put(char c) {
    if (cursor_ == end_) flush();
    *cursor_++ = c;
  }
  void put(std::string_view text) {
    if (room() < text.size()) {
      putPastTheRoom(text);
      return;
    }
    // An empty view may hold no pointer at all, which memcpy may not take.
    if (text.empty()) return;
    std::memcpy(cursor_, text.data(), text.size());
    cursor_ += text.size();
  }
  void putNumber(std::int64_t value) {
    if (room() >= kLongestNumber) {
      cursor_ = std::to_chars(cursor_, end_, value).ptr;
      return;
    }
    char digits[kLongestNumber];
    put(std::string_view(
        digits, static_cast<std::size_t>(std::to_chars(digits, digits + kLongestNumber, value).ptr -
                                         digits)));
  }
  void flush() {
    out_.write(buffer_.data(), cursor_ - buffer_.data());
    cursor_ = buffer_.data();
  }

 private:
  static constexpr std::size_t kLongestNumber = 20;  // "-9223372036854775808"

  std::size_t room() const { return static_cast<std::size_t>(end_ - cursor_); }

  // A piece longer than the buffer goes to the file on its own.
  void putPastTheRoom(std::string_view text) {
    flush();
    if (text.size() > buffer_.size()) {
      out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    } else {
      put(text);
    }
  }

  std::ostream& out_;
  std::vector<char> buffer_;
  char* cursor_;
  char* end_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_DOCUMENT_BUFFER_H_
