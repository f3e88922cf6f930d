// The country file reader on any text, then locating and WPX prefixes for any calls: the
// input is a country file, a NUL byte, and calls one per line. A malformed file is refused
// with a ToolError, and nothing else escapes.
#include <algorithm>
#include <optional>
#include <string_view>

#include "countries/country_file.h"
#include "countries/wpx_prefix.h"
#include "errors/tool_error.h"
#include "fuzz/check.h"

namespace {

void locateEachLine(std::string_view calls, const std::optional<countries::CountryFile>& file) {
  for (size_t end = 0; !calls.empty(); calls.remove_prefix(std::min(end + 1, calls.size()))) {
    end = std::min(calls.find('\n'), calls.size());
    std::string_view call = calls.substr(0, end);
    countries::wpxPrefix(call);
    if (!file) continue;
    std::optional<countries::Location> location = file->locate(call);
    if (!location) continue;
    const std::vector<countries::Entity>& entities = file->entities();
    require(
        location->entity >= entities.data() && location->entity < entities.data() + entities.size(),
        "a call located outside the file's entities");
    const countries::Entity& dxcc = file->dxccEntityOf(*location->entity);
    require(&dxcc == location->entity || dxcc.prefix[0] != '*',
            "a WAE-only entity given as another's DXCC entity");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t split = std::min(input.find('\0'), input.size());
  std::optional<countries::CountryFile> file;
  try {
    file = countries::CountryFile::parse(input.substr(0, split), "fuzz.dat");
  } catch (const errors::ToolError& error) {
    require(error.kind() == errors::ErrorKind::kBadInput, "a country file refused as no input");
  }
  locateEachLine(input.substr(std::min(split + 1, input.size())), file);
  return 0;
}
