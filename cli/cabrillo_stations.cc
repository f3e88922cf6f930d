#include "cli/cabrillo_stations.h"

namespace cli {
namespace {

using Tokens = std::vector<std::string_view>;

constexpr std::size_t kSmallestHalfWithTransmitter = 3;  // call, report, exchange

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool looksLikeCall(std::string_view token) {
  bool letter = false;
  bool digit = false;
  for (char c : token) {
    letter = letter || isLetter(c);
    digit = digit || isDigit(c);
  }
  return letter && digit && token.size() >= 3;
}

// "599", "59", "579": readability 1-5, strength and tone 1-9.
bool looksLikeReport(std::string_view token) {
  if (token.size() < 2 || token.size() > 3) return false;
  if (token[0] < '1' || token[0] > '5') return false;
  for (std::size_t i = 1; i < token.size(); ++i) {
    if (token[i] < '1' || token[i] > '9') return false;
  }
  return true;
}

bool isTransmitterId(std::string_view token) { return token == "0" || token == "1"; }

std::size_t countWithoutTransmitter(const Tokens& tokens) {
  std::size_t count = tokens.size();
  if (count % 2 == 0 || count < 2 * kSmallestHalfWithTransmitter + 1) return count;
  std::size_t half = (count - 1) / 2;
  return isTransmitterId(tokens.back()) && looksLikeCall(tokens[half]) ? count - 1 : count;
}

std::size_t theirCallIndex(const Tokens& tokens, std::size_t count) {
  if (count > 0 && count % 2 == 0 && looksLikeCall(tokens[count / 2])) return count / 2;
  for (std::size_t i = 2; i + 1 < count; ++i) {
    if (looksLikeCall(tokens[i]) && looksLikeReport(tokens[i + 1])) return i;
  }
  return (count + 1) / 2;
}

StationColumns readColumns(const Tokens& tokens, std::size_t first, std::size_t end) {
  StationColumns columns;
  if (first < end) columns.call = std::string(tokens[first]);
  if (first + 1 < end) columns.rst = std::string(tokens[first + 1]);
  for (std::size_t i = first + 2; i < end; ++i) {
    if (!columns.exchange.empty()) columns.exchange += ' ';
    columns.exchange += tokens[i];
  }
  return columns;
}

}  // namespace

StationPair splitStations(const Tokens& tokens) {
  std::size_t count = countWithoutTransmitter(tokens);
  std::size_t theirs = theirCallIndex(tokens, count);
  return {readColumns(tokens, 0, theirs), readColumns(tokens, theirs, count)};
}

}  // namespace cli
