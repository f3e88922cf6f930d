#include <cstring>

#include "cabrillo/station_data.h"
#include "platform/text.h"

CString CStationData::ReplaceText(const CString& source, const char* search,
                                  const char* replacement) {
  const std::size_t searchLength = search ? std::strlen(search) : 0;
  if (searchLength == 0) return source;
  std::string result;
  const char* rest = source.GetString();
  while (const char* match = platform::findText(rest, search)) {
    result.append(rest, static_cast<std::size_t>(match - rest));
    result += replacement ? replacement : "";
    rest = match + searchLength;
  }
  result += rest;
  return CString(std::move(result));
}
