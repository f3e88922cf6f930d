#include "import/adif_reader.h"

#include <algorithm>

#include "import/input_error.h"
#include "import/text_case.h"

namespace imports {
namespace {

constexpr std::size_t kMaxLengthDigits = 9;  // keeps the length inside an int

// Walks the buffer once, keeping the line number of the current position.
class AdifScanner {
 public:
  AdifScanner(std::string_view buffer, const std::string& fileName,
              const AdifRecordHandler& handler, const AdifRecordHandler& headerHandler)
      : buffer_(buffer),
        fileName_(fileName),
        handler_(handler),
        headerHandler_(headerHandler),
        inHeader_(startsWithHeader(buffer)) {}

  void run() {
    for (std::size_t open = buffer_.find('<'); open != std::string_view::npos;
         open = buffer_.find('<', position_)) {
      advanceLineTo(open);
      readTag(open);
    }
    if (!record_.fields.empty()) {
      throw inputError(
          {fileName_, record_.line, record_.fields.front().name, "record not ended by <EOR>"});
    }
  }

 private:
  void advanceLineTo(std::size_t position) {
    line_ +=
        static_cast<int>(std::count(buffer_.begin() + counted_, buffer_.begin() + position, '\n'));
    counted_ = position;
  }

  void readTag(std::size_t open) {
    std::size_t close = buffer_.find('>', open + 1);
    std::string_view tag = buffer_.substr(open + 1, close - open - 1);
    if (close == std::string_view::npos) {
      throw inputError({fileName_, line_, toUpper(tag.substr(0, 20)), "tag not closed by '>'"});
    }
    position_ = close + 1;
    std::size_t colon = tag.find(':');
    std::string name = toUpper(tag.substr(0, colon));
    if (colon == std::string_view::npos) return readMarker(name);
    readField(name, tag.substr(colon + 1));
  }

  // A file whose first character is not '<' starts with a header.
  static bool startsWithHeader(std::string_view buffer) {
    std::size_t first = buffer.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    return first != std::string_view::npos && buffer[first] != '<';
  }

  void readMarker(const std::string& name) {
    if (name == "EOH") {
      if (headerHandler_ && !record_.fields.empty()) headerHandler_(record_);
      record_.fields.clear();
      inHeader_ = false;
    } else if (name == "EOR") {
      if (!record_.fields.empty()) handler_(record_);
      record_.fields.clear();
    } else if (!inHeader_) {  // the header's free text may hold "<...>"
      throw inputError({fileName_, line_, name, "field without a length (<" + name + ":length>)"});
    }
  }

  void readField(const std::string& name, std::string_view lengthAndType) {
    if (name.empty()) throw inputError({fileName_, line_, "", "field without a name"});
    std::string_view length = lengthAndType.substr(0, lengthAndType.find(':'));
    if (length.empty() || length.size() > kMaxLengthDigits ||
        length.find_first_not_of("0123456789") != std::string_view::npos) {
      throw inputError(
          {fileName_, line_, name, "malformed length \"" + std::string(length) + "\""});
    }
    std::size_t size = std::stoul(std::string(length));
    if (size > buffer_.size() - position_) {
      throw inputError({fileName_, line_, name,
                        "length " + std::string(length) + " runs past the end of the file"});
    }
    if (record_.fields.empty()) record_.line = line_;
    record_.fields.push_back({name, buffer_.substr(position_, size), line_});
    position_ += size;
  }

  std::string_view buffer_;
  const std::string& fileName_;
  const AdifRecordHandler& handler_;
  const AdifRecordHandler& headerHandler_;
  AdifRecord record_;
  std::size_t position_ = 0;
  std::size_t counted_ = 0;
  int line_ = 1;
  bool inHeader_;
};

}  // namespace

const AdifField* AdifRecord::find(std::string_view name) const {
  for (const AdifField& field : fields) {
    if (field.name == name) return &field;
  }
  return nullptr;
}

void readAdif(std::string_view buffer, const std::string& fileName,
              const AdifRecordHandler& onRecord, LogProblems* problems,
              const AdifRecordHandler& onHeader) {
  // A broken tag leaves no place to go on from: the problem ends the reading.
  try {
    AdifScanner(buffer, fileName, onRecord, onHeader).run();
  } catch (const errors::ToolError& error) {
    problems->push_back(problemOf(error));
  }
}

}  // namespace imports
