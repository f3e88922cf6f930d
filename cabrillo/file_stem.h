#ifndef ZVK_CABRILLO_FILE_STEM_H_
#define ZVK_CABRILLO_FILE_STEM_H_

#include "platform/cstring.h"

namespace cabrillo {

// Name stem of the Cabrillo file for a station call sign: a plain file name
// in the current directory that every file system accepts. Path separators,
// the characters < > : " | ? * and control characters become "_", white space
// around it is trimmed, an empty stem becomes "VOXA", and a device name (CON,
// COM1, ...) gets "_" appended.
CString makeFileStem(const CString& callsign);
// The Cabrillo file written for a stem: "<fileStem>.cbr".
CString cabrilloFileName(const CString& fileStem);

}  // namespace cabrillo

#endif  // ZVK_CABRILLO_FILE_STEM_H_
