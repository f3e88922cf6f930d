#ifndef ZVK_IMPORT_ADIF_READER_H_
#define ZVK_IMPORT_ADIF_READER_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "import/input_error.h"

namespace imports {

// One `<NAME:length[:type]>value` field; the value points into the buffer read.
struct AdifField {
  std::string name;  // upper case
  std::string_view value;
  int line = 0;
};

// The fields of one record, in file order, and the line where it starts.
struct AdifRecord {
  std::vector<AdifField> fields;
  int line = 0;

  // The first field of that (upper-case) name, or nullptr.
  const AdifField* find(std::string_view name) const;
};

using AdifRecordHandler = std::function<void(const AdifRecord&)>;

// Reads the ADIF text `buffer` in one pass and hands every record ended by
// <EOR> to `onRecord`; fields before <EOH> form the header, handed to
// `onHeader` when it is given and the header has any.
// Stops at a tag without '>', a missing or malformed length, a value
// running past the end and a last record that <EOR> does not end, adding
// the problem (`fileName`, the line and the field) to `problems`.
void readAdif(std::string_view buffer, const std::string& fileName,
              const AdifRecordHandler& onRecord, LogProblems* problems,
              const AdifRecordHandler& onHeader = {});

}  // namespace imports

#endif  // ZVK_IMPORT_ADIF_READER_H_
