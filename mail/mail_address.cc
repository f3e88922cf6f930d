#include "mail/mail_address.h"

#include <cctype>

namespace mail {
namespace {

constexpr std::size_t kLongestAddress = 254;
constexpr std::size_t kLongestLocalPart = 64;
constexpr std::string_view kBlanks = " \t";
// The characters of a local part besides letters, digits and dots; no
// quoting, so nothing can close the address early.
constexpr std::string_view kLocalSymbols = "!#$%&'*+-/=?^_`{|}~";

bool isLocalChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) ||
         kLocalSymbols.find(c) != std::string_view::npos;
}

// Dot-separated non-empty runs of characters `allowed` takes.
template <typename Allowed>
bool isDotted(std::string_view text, Allowed allowed) {
  if (text.empty() || text.front() == '.' || text.back() == '.') return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '.' ? text[i + 1] == '.' : !allowed(text[i])) return false;
  }
  return true;
}

bool isDomainChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; }

}  // namespace

std::optional<std::string> mailAddressOf(std::string_view value) {
  const std::size_t first = value.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  value = value.substr(first, value.find_last_not_of(kBlanks) - first + 1);
  const std::size_t at = value.find('@');
  if (at == std::string_view::npos || value.size() > kLongestAddress) return std::nullopt;
  const std::string_view local = value.substr(0, at);
  const std::string_view domain = value.substr(at + 1);
  if (local.size() > kLongestLocalPart || !isDotted(local, isLocalChar)) return std::nullopt;
  // A domain of one label is no address on the Internet.
  if (domain.find('.') == std::string_view::npos || !isDotted(domain, isDomainChar)) {
    return std::nullopt;
  }
  return std::string(value);
}

}  // namespace mail
