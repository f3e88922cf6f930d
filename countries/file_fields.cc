#include "countries/file_fields.h"

#include <array>
#include <charconv>

#include "countries/text.h"
#include "errors/tool_error.h"

namespace countries {

namespace {

constexpr int kCqZones = 40;
constexpr int kItuZones = 90;
constexpr std::array<std::string_view, 7> kContinents = {"AF", "AN", "AS", "EU", "NA", "OC", "SA"};

[[noreturn]] void reject(const FilePlace& place, const char* field, std::string_view text,
                         const std::string& expected) {
  throw errors::ToolError(errors::ErrorKind::kBadInput, {place.file, place.line, field},
                          "'" + std::string(text) + "' is not " + expected);
}

int readZone(std::string_view text, int zones, const FilePlace& place, const char* field) {
  std::string_view digits = trimmed(text);
  int zone = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), zone);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || zone < 1 ||
      zone > zones) {
    reject(place, field, digits, "a zone from 1 to " + std::to_string(zones));
  }
  return zone;
}

}  // namespace

int readCqZone(std::string_view text, const FilePlace& place) {
  return readZone(text, kCqZones, place, "CQ zone");
}

int readItuZone(std::string_view text, const FilePlace& place) {
  return readZone(text, kItuZones, place, "ITU zone");
}

std::string readContinent(std::string_view text, const FilePlace& place) {
  std::string_view continent = trimmed(text);
  for (std::string_view known : kContinents) {
    if (continent == known) return std::string(continent);
  }
  reject(place, "continent", continent, "one of AF AN AS EU NA OC SA");
}

}  // namespace countries
