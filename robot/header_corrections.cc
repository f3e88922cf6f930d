#include "robot/header_corrections.h"

#include <algorithm>

#include "import/cabrillo_categories.h"
#include "import/log_header.h"
#include "import/log_import.h"
#include "import/text_case.h"
#include "import/text_encoding.h"

namespace robot {
namespace {

constexpr char kUploadName[] = "upload";
constexpr std::string_view kStartOfLog = "START-OF-LOG";
constexpr std::string_view kEndOfHeader = "<EOH>";

std::string lineEndOf(std::string_view text) {
  const std::size_t end = text.find('\n');
  return end != std::string_view::npos && end > 0 && text[end - 1] == '\r' ? "\r\n" : "\n";
}

// The tag of a Cabrillo line, upper case; empty for a line without one.
std::string tagOf(std::string_view line) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return std::string();
  std::string tag = imports::toUpper(line.substr(0, colon));
  tag.erase(std::remove_if(tag.begin(), tag.end(), [](char c) { return c == ' ' || c == '\t'; }),
            tag.end());
  return tag;
}

bool isReplaced(const std::string& tag) {
  const std::vector<std::string>& tags = reviewedTags();
  return tag == "CATEGORY" || std::find(tags.begin(), tags.end(), tag) != tags.end();
}

std::string cabrilloLines(const std::vector<imports::HeaderValue>& header, const std::string& end) {
  std::string lines;
  for (const imports::HeaderValue& value : header) {
    if (!value.value.empty()) lines += value.tag + ": " + value.value + end;
  }
  return lines;
}

std::string correctedCabrillo(std::string_view text,
                              const std::vector<imports::HeaderValue>& header) {
  const std::string end = lineEndOf(text);
  std::string out;
  bool inserted = false;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t next = text.find('\n', start);
    next = next == std::string_view::npos ? text.size() : next + 1;
    const std::string_view line = text.substr(start, next - start);
    const std::string tag = tagOf(line);
    // The new lines go after START-OF-LOG:, or first when the log has none.
    if (!inserted && tag != kStartOfLog) {
      out += cabrilloLines(header, end);
      inserted = true;
    }
    if (!isReplaced(tag)) out += line;
    if (tag == kStartOfLog && line.back() != '\n') out += end;
    start = next;
  }
  return inserted ? out : out + cabrilloLines(header, end);
}

std::string adifFields(const std::vector<imports::HeaderValue>& header, const std::string& end) {
  std::string fields;
  for (const imports::HeaderValue& value : header) {
    if (value.value.empty()) continue;
    fields += "<" + imports::adifHeaderField(value.tag) + ":" + std::to_string(value.value.size()) +
              ">" + value.value + end;
  }
  return fields;
}

std::string correctedAdif(std::string_view text, const std::vector<imports::HeaderValue>& header) {
  const std::string end = lineEndOf(text);
  const std::size_t eoh = imports::toUpper(text).find(kEndOfHeader);
  if (eoh == std::string::npos) {
    return "Header corrected on the log robot's review page" + end + adifFields(header, end) +
           std::string(kEndOfHeader) + end + std::string(text);
  }
  return std::string(text.substr(0, eoh)) + adifFields(header, end) + std::string(text.substr(eoh));
}

std::string_view trimmedLine(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return std::string_view();
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A header value holds no line break: one would start a line of its own.
std::string oneLine(std::string_view text) {
  std::string line(trimmedLine(text));
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

bool sameHeader(const std::vector<imports::HeaderValue>& a,
                const std::vector<imports::HeaderValue>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const imports::HeaderValue& x, const imports::HeaderValue& y) {
                      return x.tag == y.tag && x.value == y.value;
                    });
}

}  // namespace

std::string headerValue(const imports::ImportedLog& log, const std::string& tag) {
  if (tag == "CALLSIGN") return log.ownCall;
  std::string value;
  auto take = [&](const imports::HeaderValue& line) {
    if (line.tag != tag) return;
    value = tag == kSoapboxTag && !value.empty() ? value + "\n" + line.value : line.value;
  };
  std::for_each(log.categories.begin(), log.categories.end(), take);
  std::for_each(log.otherHeader.begin(), log.otherHeader.end(), take);
  return value;
}

const std::vector<std::string>& reviewedTags() {
  static const std::vector<std::string> kTags = [] {
    std::vector<std::string> tags = {"CALLSIGN"};
    for (const imports::CategoryField& field : imports::cabrilloCategories()) {
      tags.push_back(field.tag);
    }
    for (const char* tag : {"OPERATORS", "EMAIL", "CLUB", kSoapboxTag}) tags.push_back(tag);
    return tags;
  }();
  return kTags;
}

std::vector<imports::HeaderValue> headerFromForm(
    const std::function<std::string(const std::string& tag)>& valueOf) {
  std::vector<imports::HeaderValue> header;
  for (const std::string& tag : reviewedTags()) {
    const std::string value = valueOf(tag);
    if (tag != kSoapboxTag) {
      header.push_back({tag, oneLine(value)});
      continue;
    }
    for (std::size_t start = 0; start <= value.size();) {
      std::size_t end = value.find('\n', start);
      if (end == std::string::npos) end = value.size();
      const std::string_view line = trimmedLine(std::string_view(value).substr(start, end - start));
      if (!line.empty()) header.push_back({tag, std::string(line)});
      start = end + 1;
    }
  }
  return header;
}

std::string correctedLog(std::string_view text, const std::vector<imports::HeaderValue>& header) {
  const std::optional<std::string> utf8 = imports::utf8FromUtf16(text, kUploadName);
  const std::string_view log = utf8 ? std::string_view(*utf8) : text;
  // A header sent back as it was read leaves the log byte for byte as sent.
  const imports::ImportedLog asRead = imports::readLog(log, kUploadName).log;
  if (sameHeader(header, headerFromForm(
                             [&](const std::string& tag) { return headerValue(asRead, tag); }))) {
    return std::string(text);
  }
  if (imports::detectLogFormat(log) == imports::LogFormat::kAdif) return correctedAdif(log, header);
  return correctedCabrillo(log, header);
}

}  // namespace robot
