#include "crosscheck/contest_definition.h"

#include <tuple>

#include "crosscheck/category_rules.h"
#include "crosscheck/contest_names.h"
#include "crosscheck/definition_keys.h"
#include "crosscheck/definition_values.h"
#include "crosscheck/scoring_keys.h"
#include "crosscheck/zvk_cw_ini.h"
#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "import/utc_time.h"
#include "platform/posix/ini_text.h"
#include "platform/text.h"

namespace crosscheck {
namespace {

constexpr char kZvkCwFile[] = "contests/zvk-cw.ini";

constexpr char kNotADate[] = "is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM, UTC)";

imports::UtcTime readTime(const Setting& setting) {
  return orReject(imports::parseDateTimeOption(setting.value), setting, kNotADate);
}

// A date alone is its last minute: the whole day is in the contest.
imports::UtcTime readEnd(const Setting& setting) {
  return orReject(imports::parsePeriodEndOption(setting.value), setting, kNotADate);
}

std::size_t readWord(const Setting& setting, const std::vector<std::string>& words) {
  return orReject(parseWord(setting.value, words), setting,
                  "is not " + words[0] + " or " + words[1]);
}

// Exchange= words, in the order of ExchangeKind.
const std::vector<std::string> kExchangeKinds = {"fixed", "serial", "rst",
                                                 "text",  "number", "word"};

// "fixed" and "serial" alone are the one-word form; anything else is a list.
void readExchange(const Setting& setting, ContestDefinition* definition) {
  const std::vector<std::size_t> kinds =
      orReject(parseWordList(setting.value, kExchangeKinds), setting,
               "is not fixed, serial or a list of rst, serial, fixed, text, number and word");
  std::vector<ExchangeKind> list;
  for (std::size_t kind : kinds) list.push_back(static_cast<ExchangeKind>(kind));
  if (list.size() == 1 && (list[0] == ExchangeKind::kFixed || list[0] == ExchangeKind::kSerial)) {
    definition->exchange = list[0];
    return;
  }
  definition->exchangeList = list;
  if (comparedFields(*definition).empty()) reject(setting, "names no field to compare");
}

void readDupes(const Setting& setting, ContestDefinition* definition) {
  if (std::optional<int> minutes = parseDupeMinutes(setting.value)) {
    definition->dupeMinutes = *minutes;
    return;
  }
  definition->rules.dupe =
      orReject(parseDupes(setting.value), setting, "is not hours:N, minutes:N or band");
}

void readErrors(const Setting& setting, ContestDefinition* definition) {
  if (!parseErrorVoids(setting.value, &definition->errors)) {
    reject(setting, "is not own, both or a list such as busted-call:both,busted-exchange:own");
  }
}

void readPenalty(const Setting& setting, ContestDefinition* definition) {
  if (!parsePenalties(setting.value, &definition->errors)) {
    reject(setting,
           "is not a whole number from 0 to 100 or a list such as "
           "busted-call:1,not-in-log:10points");
  }
}

void readUnlogged(const Setting& setting, ContestDefinition* definition) {
  const std::optional<std::int32_t> points = definition->unlogged.points;
  definition->unlogged = orReject(parseUnloggedCredit(setting.value), setting,
                                  "is not logs:N or lines:N, N at least 1");
  definition->unlogged.points = points;
}

void readAllowedValues(const Setting& setting, ContestDefinition* definition) {
  try {
    definition->allowedValues = AllowedValues::read(besideDefinition(setting));
  } catch (const errors::ToolError& error) {
    failDefinition(keyPlace(setting.file, setting.key), error.what());
  }
}

const Key kLayoutKeys[] = {
    {"Name", true, [](const Setting& s, ContestDefinition* d) { d->name = s.value; }},
    {"Bands", true,
     [](const Setting& s, ContestDefinition* d) {
       d->rules.bands =
           orReject(parseBandList(s.value), s, "is not a list of bands such as 80m,40m");
     }},
    {"Modes", true,
     [](const Setting& s, ContestDefinition* d) {
       d->rules.modes = orReject(parseModeList(s.value), s, "is not a list of modes such as CW");
     }},
    {"From", false, [](const Setting& s, ContestDefinition* d) { d->from = readTime(s); }},
    {"To", false, [](const Setting& s, ContestDefinition* d) { d->to = readEnd(s); }},
    {"Exchange", true, readExchange},
    {"Points", false,
     [](const Setting& s, ContestDefinition* d) {
       d->rules.points = orReject(parsePoints(s.value), s, "is not N or EXCHANGE=N,...,*=N");
     }},
    {"Dupes", true, readDupes},
    {"MatchWindowMinutes", false,
     [](const Setting& s, ContestDefinition* d) {
       d->matchWindowMinutes = readCount(s, 0, imports::kMinutesPerDay);
     }},
    {"SerialTolerance", false,
     [](const Setting& s, ContestDefinition* d) { d->serialTolerance = readCount(s, 0, 9999); }},
    {"Uniques", false,
     [](const Setting& s, ContestDefinition* d) {
       d->creditUniques = readWord(s, {"credit", "remove"}) == 0;
     }},
    {"Penalty", false, readPenalty},
    {"ExchangeFields", false,
     [](const Setting& s, ContestDefinition* d) { d->exchangeFields = readCount(s, 1, 8); }},
    {"Errors", false, readErrors},
    {"ClockCorrection", false,
     [](const Setting& s, ContestDefinition* d) {
       d->clockCorrection = readWord(s, {"yes", "no"}) == 0;
     }},
    {"PeriodEnd", false,
     [](const Setting& s, ContestDefinition* d) {
       d->endExclusive = readWord(s, {"inclusive", "exclusive"}) == 1;
     }},
    {"Frequencies", false,
     [](const Setting& s, ContestDefinition* d) {
       d->frequencies = orReject(FrequencyLimits::parse(s.value), s,
                                 "is not a list such as 80m:3510-3560,40m/CW:7000-7030 (kHz)");
     }},
    {"ExchangeErrorPoints", false,
     [](const Setting& s, ContestDefinition* d) {
       d->errors.exchangeErrorPoints = readCount(s, 0, 1000);
     }},
    {"ExchangeErrorMultiplier", false,
     [](const Setting& s, ContestDefinition* d) {
       d->errors.exchangeErrorMultiplier = readWord(s, {"yes", "no"}) == 0;
     }},
    {"Unlogged", false, readUnlogged},
    {"UnloggedPoints", false,
     [](const Setting& s, ContestDefinition* d) { d->unlogged.points = readCount(s, 0, 1000); }},
    {"AllowedValues", false, readAllowedValues},
    {"ContestNames", false,
     [](const Setting& s, ContestDefinition* d) {
       d->contestNames = orReject(parseContestNames(s.value), s,
                                  "is not a list of names such as CQ-WW-CW,CQ WW CW");
     }},
    {"Categories", false,
     [](const Setting& s, ContestDefinition* d) {
       d->categories = orReject(parseCategoryLists(s.value), s,
                                "is not a list such as operator:SINGLE-OP CHECKLOG,power:HIGH LOW, "
                                "each a Cabrillo category field once");
     }},
};

// Every key, the layout's and then the scoring's, in the order a message lists them.
const std::vector<const Key*>& allKeys() {
  static const std::vector<const Key*> kAll = [] {
    std::vector<const Key*> all;
    for (const Key& key : kLayoutKeys) all.push_back(&key);
    for (const Key& key : scoringKeys()) all.push_back(&key);
    return all;
  }();
  return kAll;
}

const Key* findKey(const std::string& name) {
  for (const Key* key : allKeys()) {
    if (platform::equalNoCase(key->name, name.c_str())) return key;
  }
  return nullptr;
}

std::string keyList() {
  std::string list;
  for (const Key* key : allKeys()) list += (list.empty() ? "" : ", ") + std::string(key->name);
  return list;
}

// The keys of the section, each known and given once.
std::vector<const Key*> givenKeys(const platform::IniText& ini, const std::string& file) {
  std::vector<std::string> names;
  if (!ini.keys(kDefinitionSection, &names)) {
    failDefinition({file, 0, ""}, "no [" + std::string(kDefinitionSection) + "] section");
  }
  std::vector<const Key*> keys;
  for (const std::string& name : names) {
    const Key* key = findKey(name);
    if (!key) failDefinition(keyPlace(file, name), "unknown key (known: " + keyList() + ")");
    for (const Key* earlier : keys) {
      if (earlier == key) failDefinition(keyPlace(file, name), "given twice");
    }
    keys.push_back(key);
  }
  return keys;
}

void requireKeys(const std::vector<const Key*>& given, const std::string& file) {
  for (const Key* key : allKeys()) {
    bool found = false;
    for (const Key* entry : given) found = found || entry == key;
    if (key->required && !found) failDefinition(keyPlace(file, key->name), "missing");
  }
}

void requirePeriod(const ContestDefinition& definition, const platform::IniText& ini,
                   const std::string& file) {
  if (!definition.from || !definition.to) return;
  auto fields = [](const imports::UtcTime& t) {
    return std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second);
  };
  if (fields(*definition.from) < fields(*definition.to)) return;
  std::string to;
  ini.find(kDefinitionSection, "To", &to);
  reject({file, "To", to}, "is not after From");
}

// A list gives every field, so ExchangeFields belongs to the one-word form only.
void requireOneExchangeForm(const ContestDefinition& definition, const platform::IniText& ini,
                            const std::string& file) {
  std::string fields;
  if (definition.exchangeList.empty() || !ini.find(kDefinitionSection, "ExchangeFields", &fields))
    return;
  reject({file, "ExchangeFields", fields}, "goes with Exchange=fixed or serial, not a list");
}

ContestDefinition definitionFromText(const std::string& text, const std::string& file) {
  platform::IniText ini(text);
  std::vector<const Key*> keys = givenKeys(ini, file);
  requireKeys(keys, file);
  ContestDefinition definition;
  for (const Key* key : keys) {
    std::string value;
    ini.find(kDefinitionSection, key->name, &value);
    const std::string name = key->name;
    if (value.empty()) failDefinition(keyPlace(file, name), "no value");
    key->read({file, name, value}, &definition);
  }
  requirePeriod(definition, ini, file);
  requireOneExchangeForm(definition, ini, file);
  requireScoring(&definition, ini, file);
  return definition;
}

}  // namespace

std::vector<ExchangeKind> comparedFields(const ContestDefinition& definition) {
  if (definition.exchangeList.empty()) return {definition.exchange};
  std::vector<ExchangeKind> compared;
  for (ExchangeKind kind : definition.exchangeList) {
    if (kind != ExchangeKind::kRst) compared.push_back(kind);
  }
  return compared;
}

std::optional<std::size_t> comparedIndex(const ContestDefinition& definition, int field) {
  if (field < 1) return std::nullopt;
  const std::size_t at = static_cast<std::size_t>(field - 1);
  if (definition.exchangeList.empty()) return at;
  if (at >= definition.exchangeList.size() || definition.exchangeList[at] == ExchangeKind::kRst) {
    return std::nullopt;
  }
  std::size_t index = 0;
  for (std::size_t k = 0; k < at; ++k) index += definition.exchangeList[k] != ExchangeKind::kRst;
  return index;
}

imports::Period contestPeriod(const ContestDefinition& definition, const imports::Period& unset) {
  imports::Period period = imports::periodOf(definition.from, definition.to, unset);
  if (definition.to && definition.endExclusive) --period.to;
  return period;
}

ContestDefinition readContestDefinition(const std::string& path) {
  std::string text;
  try {
    text = files::defaultFileSystem().readWhole(path);
  } catch (const errors::ToolError& error) {
    failDefinition({path, 0, ""}, "cannot read: " + error.reason());
  }
  return definitionFromText(text, path);
}

const ContestDefinition& zvkCwDefinition() {
  static const ContestDefinition kDefinition = definitionFromText(kZvkCwIni, kZvkCwFile);
  return kDefinition;
}

}  // namespace crosscheck
