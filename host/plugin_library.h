#ifndef ZVK_HOST_PLUGIN_LIBRARY_H_
#define ZVK_HOST_PLUGIN_LIBRARY_H_

#include <string>

#include "import/qso.h"
#include "plugin/stats_exports.h"

namespace host {

// CheckCall0's answers.
enum class CallCheck { kDupe = 0, kCounts = 1, kNoContestQso = 4 };

// The plug-in loaded as a host loads it: the shared library opened at run
// time and its plain exports looked up by name. Only one may exist at a time:
// the library keeps its contest state in process-wide objects.
class PluginLibrary {
 public:
  // Throws errors::ToolError (kIo) naming the library when it cannot be loaded or
  // lacks an export.
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  void resetStats(bool makeCabrillo, const std::string& contestant, const COleDateTime& start,
                  const COleDateTime& end);
  // Hands over one QSO; `myCall` stands in for the QSO's own call. True when stored.
  bool addData(const imports::Qso& qso, const std::string& myCall);
  // The answer, and in `exchange` the exchange that station sent before.
  CallCheck checkCall(const std::string& call, const std::string& mode, const std::string& band,
                      std::string* exchange);
  std::string getResult();

 private:
  void* lookUp(const char* name);

  std::string path_;
  void* handle_;
  decltype(&::ResetStats0) resetStats_;
  decltype(&::AddData0) addData_;
  decltype(&c_names::CheckCall0) checkCall_;
  decltype(&::GetResult0) getResult_;
};

// libStats.so beside this program when it is there, else the bare name for
// the dynamic loader's search path.
std::string defaultPluginPath();

}  // namespace host

#endif  // ZVK_HOST_PLUGIN_LIBRARY_H_
