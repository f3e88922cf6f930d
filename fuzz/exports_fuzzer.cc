// Drives the exports with a sequence of calls decoded from the input, as a
// host could make them, and checks every answer against a model of the
// contest. Each input starts as if the library had just been loaded, in an
// empty working directory whose Plugins folder is present, missing, a plain
// file, or holds a settings file that points at a full disk.
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "cabrillo/cabrillo_texts.h"
#include "fuzz/check.h"
#include "fuzz/contest_model.h"
#include "fuzz/host_inputs.h"
#include "fuzz/qso_arguments.h"
#include "fuzz/scratch_dir.h"
#include "platform/env.h"
#include "plugin/state.h"
#include "plugin/stats_exports.h"

namespace {

constexpr int kMaxCalls = 64;
constexpr std::size_t kExchOutBytes = 50;
constexpr char kUntouched = 0x7f;
constexpr std::int32_t kHostOut = 0x5a5a5a5a;

HostInputs* currentInputs = nullptr;  // the input being run, for the dialog

platform::DialogResult answerDialog(platform::DialogForm& form) {
  switch (currentInputs->pick(3)) {
    case 0:
      return platform::kDialogCancel;
    case 1:
      return platform::kDialogFailed;
  }
  for (platform::FormField& field : form.fields) {
    if (field.value && currentInputs->flag()) *field.value = currentInputs->presentText();
  }
  return platform::kDialogOk;
}

void restoreLoadState() {
  g_log.RemoveAll();
  g_workedBands.RemoveAll();
  for (CString* text :
       {&g_ubnPath, &g_contestant, &g_periodFrom, &g_periodTo, &g_fileDate, &g_resultText}) {
    text->Empty();
  }
  g_claimedScore = 0;
  g_cabrilloEnabled = 0;
  g_station = CStationData();
}

// Returns true when the settings file can be written.
bool prepareSettingsFolder(HostInputs& in) {
  namespace fs = std::filesystem;
  switch (in.pick(4)) {
    case 0:
      return fs::create_directory("Plugins");
    case 1:
      return false;
    case 2:
      ::close(::creat("Plugins", 0644));
      return false;
    default:
      fs::create_directory("Plugins");
      fs::create_symlink("/dev/full", "Plugins/ZVK-CW.ini");
      return false;
  }
}

bool untouched(const char* buffer) {
  for (std::size_t i = 0; i < kExchOutBytes; ++i) {
    if (buffer[i] != kUntouched) return false;
  }
  return true;
}

std::unique_ptr<char[]> hostBuffer() {
  std::unique_ptr<char[]> buffer(new char[kExchOutBytes]);
  std::memset(buffer.get(), kUntouched, kExchOutBytes);
  return buffer;
}

class ExportCalls {
 public:
  ExportCalls(HostInputs& in, bool settingsWritable)
      : in_(in), settingsWritable_(settingsWritable) {}

  void runOne() {
    switch (in_.pick(7)) {
      case 0:
        return setQueries();
      case 1:
        return addData();
      case 2:
        return removeData();
      case 3:
        return resetStats();
      case 4:
        return checkCall();
      case 5:
        return require(isValidExchange() <= 1u, "IsValidExchg0 answered neither 0 nor 1");
      default:
        return getResult();
    }
  }

 private:
  void setQueries() {
    require(c_names::GetNumberOfSets() == 1 && ::GetNumberOfSets() == 1, "set count is not 1");
    require(c_names::GetExchgCount0(in_.text(), in_.text(), in_.text()) == 1,
            "exchange count is not 1");
    int index = in_.integer();
    require(std::strcmp(GetSetName(index), index == 0 ? "ZVK-CW-CONTEST (C)" : "") == 0,
            "wrong set name");
    if (in_.pick(8) == 0) SetupSet0();
  }

  void addData() {
    QsoArguments a = readQsoArguments(in_);
    int result = export_calls::call(in_.flag() ? &c_names::AddData0 : &::AddData0, a);
    require(result == 0 || result == 1, "AddData0 answered neither 0 nor 1");
    if (result == 1) model_.store(recordOf(a));
    model_.requireSameAs(g_log);
    model_.requireStatisticsLines(result == 1);
  }

  void removeData() {
    QsoArguments a = readQsoArguments(in_);
    int result = export_calls::call(in_.flag() ? &c_names::RemoveData0 : &::RemoveData0, a);
    require(result == 0 || result == 1, "RemoveData0 answered neither 0 nor 1");
    if (result == 0) return model_.requireSameAs(g_log);
    model_.followRemoval(recordOf(a), g_log);
  }

  void resetStats() {
    export_calls::ResetArguments a({in_.text()});
    a.makeCabrillo = in_.flag() ? 0 : in_.integer();
    a.contestant = in_.text();
    a.periodStart = in_.date();
    a.periodEnd = in_.date();
    a.texts6to15[2] = in_.text();
    a.texts6to15[9] = in_.text();
    a.ints16to18[0] = in_.integer();
    a.doubles19to20[0] = in_.number();
    int result = export_calls::call(&c_names::ResetStats0, a);
    require(result == 1, "ResetStats0 answered other than 1");
    require(g_ubnPath.Find("/") < 0 && g_ubnPath.Find("\\") < 0,
            "statistics file outside the working directory");
    model_.reset(g_ubnPath.str());
    model_.requireSameAs(g_log);
  }

  void checkCall() {
    const char* call = in_.textOr({"Q2QQ", "q2qq"});
    const char* mode = in_.textOr({"CW", "cw"});
    const char* band = in_.textOr({"20m", "20M", "80m"});
    const char* otherBand = in_.flag() ? band : in_.text();
    std::unique_ptr<char[]> exchOut = in_.pick(5) == 0 ? nullptr : hostBuffer();
    std::unique_ptr<char[]> second = hostBuffer();
    export_calls::CheckCallArguments a({in_.text()});
    a.call = call;
    a.mode = mode;
    a.band = band;
    a.otherBand = otherBand;
    a.exchOut = exchOut.get();
    a.buffer28 = second.get();
    a.counts2to3[0] = in_.unsignedInteger();
    a.ints15to17[0] = in_.integer();
    a.doubles18to19[0] = in_.number();
    int result = export_calls::call(in_.flag() ? &c_names::CheckCall0 : &::CheckCallFunc0, a);
    require(result == 0 || result == 1 || result == 4, "CheckCall0 answered outside 0, 1, 4");
    require(untouched(second.get()), "CheckCall0 wrote the second buffer");
    if (exchOut && result == 4) require(untouched(exchOut.get()), "no contest QSO wrote exchOut");
    if (exchOut && result != 4) {
      require(std::memchr(exchOut.get(), 0, kExchOutBytes), "exchOut not zero-terminated");
    }
    model_.requireSameAs(g_log);
  }

  unsigned isValidExchange() {
    const char* t = in_.text();
    auto function = in_.flag() ? &c_names::IsValidExchg0 : &::StatsIsValidExchg0;
    return static_cast<unsigned>(function(in_.text(), t, t, t, in_.integer(), 0, 0));
  }

  void getResult() {
    std::int32_t out = kHostOut;
    const char* text = GetResult0(in_.flag() ? &out : nullptr);
    require(text != nullptr, "GetResult0 gave no text");
    model_.requireSummary(text);
    require(g_claimedScore == model_.score(), "claimed score differs");
    if (g_cabrilloEnabled == 0) require(out == kHostOut, "out written without Cabrillo output");
    if (g_cabrilloEnabled != 0) {
      require(out == kHostOut || out == -1, "out is neither kept nor -1");
      model_.requireCabrilloFile(g_station.fileStem.str());
    }
    if (settingsWritable_) {
      CString claimed = platform::Env::current().readProfileString(
          cabrillo::kSettingsSection, cabrillo::kKeyClaimed, "", cabrillo::kSettingsFile);
      require(claimed.str() == std::to_string(model_.score()), "Claimed key not the score");
    }
  }

  HostInputs& in_;
  const bool settingsWritable_;
  ContestModel model_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  scratch_dir::enter(argc, argv);
  platform::installDialogHandler(answerDialog);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  HostInputs in(provider);
  currentInputs = &in;
  scratch_dir::clear();
  restoreLoadState();
  ExportCalls calls(in, prepareSettingsFolder(in));
  for (int call = 0; call < kMaxCalls && !in.exhausted(); ++call) calls.runOne();
  require(scratch_dir::nothingOutsideWork(), "a file was written outside the working directory");
  return 0;
}
