#ifndef ZVK_CROSSCHECK_ENTRANT_FILES_H_
#define ZVK_CROSSCHECK_ENTRANT_FILES_H_

#include <vector>

#include "crosscheck/results.h"

namespace crosscheck {

// Gives each entrant the name of its files below reports/ and entrants/: the
// call made safe as the plug-in makes its Cabrillo file name. Calls that
// become one name (Q1AB/P and Q1AB_P) each keep a file of their own: the
// call that is its own safe name keeps it, the others, in call order, get
// "-2", "-3", ... Names are compared without regard to case, since the
// organiser's file system may not tell case apart.
void nameEntrantFiles(std::vector<Entrant>* entrants);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_ENTRANT_FILES_H_
