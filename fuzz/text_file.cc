#include "fuzz/text_file.h"

#include <fstream>
#include <sstream>

#include "fuzz/check.h"

std::string readTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> crLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    require(end != std::string::npos && text.compare(end, 2, "\r\n") == 0,
            "a line break that is not CR LF, or a last line without one");
    lines.push_back(text.substr(start, end + 2 - start));
    start = end + 2;
  }
  return lines;
}
