#include "cli/options.h"

#include "import/text_case.h"
#include "zvk_version.h"

namespace cli {
namespace {

std::optional<imports::UtcTime> readDate(const std::string& option, const std::string& value) {
  std::optional<imports::UtcTime> date = imports::parseDateTimeOption(value);
  if (!date) {
    throw UsageError(option + ": \"" + value +
                     "\" is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM, UTC)");
  }
  return date;
}

// Walks the arguments, taking "--name value" and "--name=value" alike.
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  Options read() {
    Options options;
    std::vector<std::string> operands;
    if (!arguments_.empty() && arguments_[0] == "check") {
      options.check = true;
      ++next_;
    }
    while (next_ < arguments_.size()) {
      const std::string& argument = arguments_[next_++];
      if (argument.size() > 2 && argument.compare(0, 2, "--") == 0) {
        readOption(argument, &options);
      } else {
        operands.push_back(argument);
      }
    }
    if (!options.help && !options.version) takeOperands(operands, &options);
    return options;
  }

 private:
  std::string value(const std::string& name, const std::string& inlineValue, bool hasInline) {
    if (hasInline) return inlineValue;
    // A following option is a forgotten value, not the value itself.
    if (next_ >= arguments_.size() || arguments_[next_].compare(0, 2, "--") == 0) {
      throw UsageError(name + " needs a value");
    }
    return arguments_[next_++];
  }

  void readOption(const std::string& argument, Options* options) {
    std::size_t equals = argument.find('=');
    std::string name = argument.substr(0, equals);
    bool hasInline = equals != std::string::npos;
    std::string inlineValue = hasInline ? argument.substr(equals + 1) : std::string();
    if (readFlag(name, options)) {
      if (hasInline) throw UsageError(name + " takes no value");
      return;
    }
    std::string* target = name == "--call"     ? &options->call
                          : name == "--out"    ? &options->outDir
                          : name == "--plugin" ? &options->pluginPath
                          : name == "--html"   ? &options->htmlFile
                                               : nullptr;
    if (target) {
      *target = value(name, inlineValue, hasInline);
    } else if (name == "--from") {
      options->from = readDate(name, value(name, inlineValue, hasInline));
    } else if (name == "--to") {
      options->to = readDate(name, value(name, inlineValue, hasInline));
    } else {
      throw UsageError("unknown option " + name);
    }
  }

  static bool readFlag(const std::string& name, Options* options) {
    bool* flag = name == "--cabrillo"  ? &options->cabrillo
                 : name == "--yes"     ? &options->yes
                 : name == "--json"    ? &options->json
                 : name == "--help"    ? &options->help
                 : name == "--version" ? &options->version
                                       : nullptr;
    if (flag) *flag = true;
    return flag != nullptr;
  }

  static void takeOperands(const std::vector<std::string>& operands, Options* options) {
    if (!options->check) {
      if (operands.empty()) throw UsageError("no log file given");
      options->logs = operands;
      return;
    }
    if (operands.size() < 3 || operands.size() > 4) {
      throw UsageError("check needs LOG CALL BAND [MODE]");
    }
    options->logs = {operands[0]};
    options->checkCall = operands[1];
    options->checkBand = imports::toLower(operands[2]);
    if (operands.size() == 4) options->checkMode = imports::toUpper(operands[3]);
  }

  const std::vector<std::string>& arguments_;
  std::size_t next_ = 0;
};

}  // namespace

const char* const kUsage =
    "usage: zvk-score [options] LOG...\n"
    "       zvk-score check [options] LOG CALL BAND [MODE]\n"
    "       zvk-score crosscheck [options] LOG_OR_FOLDER...\n"
    "       zvk-score serve [options]\n"
    "Scores ADIF or Cabrillo logs with the ZVK CW Contest plug-in.\n"
    "  --call CALL      contestant (default: the log's own call)\n"
    "  --from DATE      contest start, YYYY-MM-DD[THH:MM] UTC (default: first QSO)\n"
    "  --to DATE        contest end (default: last QSO)\n"
    "  --cabrillo       also write the Cabrillo log CALL.cbr\n"
    "  --out DIR        folder for the files written (default: .)\n"
    "  --yes            accept the Cabrillo header settings as they are\n"
    "  --json           print the result as JSON\n"
    "  --html FILE      also write the result as a web page to FILE\n"
    "  --plugin PATH    plug-in library (default: the one installed with zvk-score)\n"
    "  --help           print this text\n"
    "  --version        print the version\n"
    "crosscheck checks every log of a contest against the others (a folder: every\n"
    "file in it) and writes results.json, results.csv, reports/CALL.txt and the\n"
    "pages index.html and entrants/CALL.html.\n"
    "  --from, --to     contest period (default: the contest's, else first/last QSO)\n"
    "  --contest FILE   contest definition (default: the built-in ZVK CW Contest)\n"
    "  --out DIR        output folder, replaced whole (default: crosscheck)\n"
    "  --overrides FILE judgements by hand, one a line: CALL LINE RESULT reason\n"
    "  --country-file FILE  country file for countries, zones and continents\n"
    "                   (default: the definition's, else hamradio-files' cty.dat)\n"
    "serve runs the log robot: operators upload their logs on a web page and get\n"
    "a receipt or every problem at once; it stops on SIGINT or SIGTERM.\n"
    "  --contest FILE   contest definition (default: the built-in ZVK CW Contest)\n"
    "  --logs DIR       folder the logs are kept in (default: received)\n"
    "  --listen HOST:PORT  address to serve at (default: 127.0.0.1:8073)\n"
    "  --deadline DATE  logs later than this are refused, YYYY-MM-DD[THH:MM] UTC\n"
    "  --organiser-key-file FILE  the key that opens the organiser pages (default: off)\n"
    "  --max-log-kib N  largest log taken, in KiB (default: 5120)\n";

const char* const kVersionLine = "zvk-score " ZVK_VERSION_TEXT "\n";

Options parseOptions(const std::vector<std::string>& arguments) {
  return ArgumentReader(arguments).read();
}

}  // namespace cli
