// The document comes out whole whatever room is left: pieces that cross the
// buffer's end, numbers at its last bytes, and lines longer than the buffer.
#include "crosscheck/document_buffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace {

using Piece = std::variant<std::string, char, std::int64_t>;

std::string written(std::size_t capacity, const std::vector<Piece>& pieces) {
  std::ostringstream out;
  crosscheck::DocumentBuffer buffer(out, capacity);
  for (const Piece& piece : pieces) {
    if (const auto* text = std::get_if<std::string>(&piece)) buffer.put(*text);
    if (const auto* c = std::get_if<char>(&piece)) buffer.put(*c);
    if (const auto* number = std::get_if<std::int64_t>(&piece)) buffer.putNumber(*number);
  }
  buffer.flush();
  return out.str();
}

TEST(DocumentBuffer, WritesEveryPieceWhateverTheRoomLeft) {
  struct Case {
    std::size_t capacity;
    std::vector<Piece> pieces;
    std::string document;
  };
  const Case cases[] = {
      {8,
       {std::string("{\"line\":"), std::int64_t{INT64_MIN}, ',', std::string("\"call\":\"Q0AA\""),
        '}'},
       "{\"line\":-9223372036854775808,\"call\":\"Q0AA\"}"},
      {4,
       {'[', std::string("1234"), std::int64_t{56789}, ',', std::string(""), ']'},
       "[123456789,]"},
      {1, {std::string("ab"), 'c', std::int64_t{0}, std::string("d")}, "abc0d"},
  };
  for (const Case& c : cases) EXPECT_EQ(written(c.capacity, c.pieces), c.document);
}

// A line of a text longer than the whole buffer, begun near its end.
TEST(DocumentBuffer, WritesALineLongerThanTheBuffer) {
  const std::size_t capacity = crosscheck::DocumentBuffer::kFlushBytes;
  const std::string before(capacity - 3, 'x');
  const std::string call(capacity + 5, 'Q');
  const std::string document =
      written(capacity, {before, std::string("{\"call\":\""), call, '"', std::int64_t{42}, '}'});
  EXPECT_EQ(document, before + "{\"call\":\"" + call + "\"42}");
}

}  // namespace
