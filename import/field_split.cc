#include "import/field_split.h"

#include <algorithm>

#include "import/qso_tokens.h"
#include "import/text_case.h"

namespace imports {
namespace {

using Tokens = std::vector<std::string_view>;

// The tokens without a transmitter id, which can only follow two full halves.
std::size_t countWithoutTransmitter(const Tokens& tokens, std::size_t fields) {
  const std::size_t full = 2 * (fields + 1);
  return tokens.size() == full + 1 && isTransmitterId(tokens.back()) ? full : tokens.size();
}

bool isWorkedCall(std::string_view token, std::string_view ownCall) {
  return looksLikeCall(token) && toUpper(token) != toUpper(ownCall);
}

// The worked call's token, `count` when the line holds none: preferably the
// one leaving exactly a full half after it.
std::size_t workedCallIndex(const Tokens& tokens, std::size_t first, std::size_t count,
                            std::size_t fields, std::string_view ownCall) {
  std::size_t found = count;
  for (std::size_t i = first; i < count && i <= first + fields; ++i) {
    if (!isWorkedCall(tokens[i], ownCall)) continue;
    if (count - i - 1 == fields) return i;
    if (found == count) found = i;
  }
  return found;
}

void append(std::string* columns, std::string_view token) {
  if (token.empty()) return;
  if (!columns->empty()) *columns += ' ';
  *columns += token;
}

// Tokens `from` to `to` as one half's fields; tokens beyond the list are kept
// in the exchange rather than dropped.
StationColumns fieldColumns(const Tokens& tokens, std::size_t from, std::size_t to,
                            const std::vector<FieldRole>& fields) {
  StationColumns columns;
  const bool shortHalf = to - from < fields.size();
  std::size_t next = from;
  for (FieldRole role : fields) {
    const bool report = role == FieldRole::kReport;
    const bool holds = next < to && !(report && shortHalf && !looksLikeReport(tokens[next]));
    const std::string_view token = holds ? tokens[next++] : std::string_view();
    if (report) {
      append(&columns.rst, token);
    } else {
      append(&columns.exchange, holds ? token : std::string_view(kMissingField));
    }
  }
  for (; next < to; ++next) append(&columns.exchange, tokens[next]);
  return columns;
}

}  // namespace

bool lacksField(std::string_view exchange) {
  // Asked of every line's exchanges, nearly all short and without the mark.
  if (std::find(exchange.begin(), exchange.end(), kMissingField[0]) == exchange.end()) return false;
  for (std::size_t start = 0; start <= exchange.size();) {
    std::size_t end = std::min(exchange.find(' ', start), exchange.size());
    if (exchange.substr(start, end - start) == kMissingField) return true;
    start = end + 1;
  }
  return false;
}

StationPair splitByFields(const Tokens& tokens, const std::vector<FieldRole>& fields,
                          std::string_view ownCall) {
  const std::size_t count = countWithoutTransmitter(tokens, fields.size());
  const std::size_t first = !tokens.empty() && looksLikeCall(tokens[0]) ? 1 : 0;
  const std::size_t worked = workedCallIndex(tokens, first, count, fields.size(), ownCall);
  const std::size_t mineEnd = worked < count ? worked : std::min(first + fields.size(), count);
  const std::size_t theirsFrom = worked < count ? worked + 1 : mineEnd;
  StationPair pair{fieldColumns(tokens, first, mineEnd, fields),
                   fieldColumns(tokens, theirsFrom, count, fields)};
  if (first == 1) pair.mine.call = std::string(tokens[0]);
  if (worked < count) pair.theirs.call = std::string(tokens[worked]);
  return pair;
}

}  // namespace imports
