#include "publish/publish_contest.h"

#include "publish/results_folder.h"

namespace publish {

crosscheck::Results publishContest(const crosscheck::Request& request, const std::string& outDir) {
  crosscheck::Results results = crosscheck::crosscheckContest(request);
  writeResultsFolder(results, outDir);
  return results;
}

}  // namespace publish
