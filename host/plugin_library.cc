#include "host/plugin_library.h"

#include <dlfcn.h>

#include <filesystem>
#include <limits>

#include "errors/tool_error.h"
#include "plugin/export_calls.h"

namespace host {
namespace {

constexpr const char* kLibraryName = "libStats.so";
constexpr std::size_t kExchangeBufferSize = 50;  // the host's buffer for CheckCall0

// The host's own frequency field has 32 bits: a frequency above 4.29 GHz goes
// over as 0, and its band still tells the plug-in where it was made.
unsigned hostFrequency(std::uint64_t hz) {
  return hz > std::numeric_limits<unsigned>::max() ? 0u : static_cast<unsigned>(hz);
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path)
    : path_(path), handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (!handle_) {
    throw errors::ToolError(errors::ErrorKind::kIo, {},
                            std::string("cannot load the plug-in: ") + dlerror());
  }
  resetStats_ = reinterpret_cast<decltype(resetStats_)>(lookUp("ResetStats0"));
  addData_ = reinterpret_cast<decltype(addData_)>(lookUp("AddData0"));
  checkCall_ = reinterpret_cast<decltype(checkCall_)>(lookUp("CheckCall0"));
  getResult_ = reinterpret_cast<decltype(getResult_)>(lookUp("GetResult0"));
}

PluginLibrary::~PluginLibrary() { dlclose(handle_); }

void* PluginLibrary::lookUp(const char* name) {
  void* symbol = dlsym(handle_, name);
  if (!symbol) {
    dlclose(handle_);
    throw errors::ToolError(errors::ErrorKind::kIo, {path_, 0, ""},
                            std::string("the plug-in does not export ") + name);
  }
  return symbol;
}

void PluginLibrary::resetStats(bool makeCabrillo, const std::string& contestant,
                               const COleDateTime& start, const COleDateTime& end) {
  export_calls::ResetArguments a;
  a.makeCabrillo = makeCabrillo ? 1 : 0;
  a.contestant = contestant.c_str();
  a.periodStart = &start;
  a.periodEnd = &end;
  export_calls::call(resetStats_, a);
}

bool PluginLibrary::addData(const imports::Qso& qso, const std::string& myCall) {
  export_calls::QsoArguments a({"", &qso.time});
  a.myCall = myCall.c_str();
  a.call = qso.call.c_str();
  a.qsoTime = &qso.time;
  a.frequency = hostFrequency(qso.frequencyHz);
  a.mode = qso.mode.c_str();
  a.rstSent = qso.rstSent.c_str();
  a.rstRcvd = qso.rstRcvd.c_str();
  a.exchSent = qso.exchSent.c_str();
  a.exchRcvd = qso.exchRcvd.c_str();
  a.band = qso.band.c_str();
  return export_calls::call(addData_, a) == 1;
}

CallCheck PluginLibrary::checkCall(const std::string& call, const std::string& mode,
                                   const std::string& band, std::string* exchange) {
  char exchOut[kExchangeBufferSize] = {};
  char unused[kExchangeBufferSize] = {};
  export_calls::CheckCallArguments a;
  a.call = call.c_str();
  a.mode = mode.c_str();
  a.band = a.otherBand = band.c_str();
  a.exchOut = exchOut;
  a.buffer28 = unused;
  int answer = export_calls::call(checkCall_, a);
  exchOut[kExchangeBufferSize - 1] = '\0';
  *exchange = exchOut;
  return static_cast<CallCheck>(answer);
}

std::string PluginLibrary::getResult() {
  int out = 0;
  const char* text = getResult_(&out);
  return text ? text : "";
}

std::string defaultPluginPath() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  std::filesystem::path beside = program.parent_path() / kLibraryName;
  if (!error && std::filesystem::exists(beside, error)) return beside.string();
  return kLibraryName;
}

}  // namespace host
