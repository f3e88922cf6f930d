#include "import/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

#include "import/input_error.h"

namespace imports {
namespace {

constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";
// Non-ASCII letters in a row that make a word of another script.
constexpr std::size_t kLettersInAWord = 3;

// `text` converted from `codePage` to UTF-8, or nothing when it is not valid in it.
std::optional<std::string> convert(std::string_view text, const char* codePage) {
  iconv_t handle = iconv_open("UTF-8", codePage);
  if (handle == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::unique_ptr<void, int (*)(iconv_t)> owner(handle, &iconv_close);
  std::string out(text.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  std::size_t done = 0;
  while (inLeft > 0) {
    char* next = &out[done];
    std::size_t outLeft = out.size() - done;
    const std::size_t result = iconv(handle, &in, &inLeft, &next, &outLeft);
    done = static_cast<std::size_t>(next - out.data());
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno != E2BIG) return std::nullopt;
    out.resize(out.size() * 2);
  }
  out.resize(done);
  return out;
}

// The length of the UTF-8 sequence starting with `lead`, 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool isUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = sequenceLength(static_cast<unsigned char>(text[i]));
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

bool holdsNonAsciiWords(std::string_view text) {
  std::size_t run = 0;
  for (char c : text) {
    run = static_cast<unsigned char>(c) >= 0xC0 ? run + 1 : 0;
    if (run >= kLettersInAWord) return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> utf8FromUtf16(std::string_view text, const std::string& fileName) {
  const bool little = text.substr(0, 2) == kLittleEndianMark;
  if (!little && text.substr(0, 2) != kBigEndianMark) return std::nullopt;
  std::optional<std::string> utf8 = convert(text.substr(2), little ? "UTF-16LE" : "UTF-16BE");
  if (!utf8) throw inputError({fileName, 0, "", "not valid UTF-16 after its byte-order mark"});
  return utf8;
}

std::optional<std::string> utf8FromEightBit(std::string_view text) {
  if (isUtf8(text)) return std::nullopt;
  for (const char* codePage : {holdsNonAsciiWords(text) ? "CP1251" : "CP1252", "ISO-8859-1"}) {
    if (std::optional<std::string> utf8 = convert(text, codePage)) return utf8;
  }
  return std::nullopt;
}

}  // namespace imports
