#include "crosscheck/qso_facts.h"

#include <unordered_map>

#include "countries/wpx_prefix.h"
#include "import/cabrillo_stations.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

constexpr TextId kUnset = ~TextId{0};
constexpr std::int32_t kNoPlace = -1;
constexpr std::int32_t kPlaceUnset = -2;

// A field as one multiplier: upper case, and a number without its leading
// zeros, as a zone sent as 05 is zone 5.
std::string fieldValue(std::string_view field) {
  if (field == imports::kMissingField) return {};
  std::string value = imports::toUpper(field);
  const bool number = !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
  if (number) value.erase(0, std::min(value.find_first_not_of('0'), value.size() - 1));
  return value;
}

std::string callValue(MultiplierKind kind, std::string_view call, const Place* place) {
  switch (kind) {
    case MultiplierKind::kWpxPrefix:
      return countries::wpxPrefix(call);
    case MultiplierKind::kCall:
      return std::string(call);
    case MultiplierKind::kField:
      break;
    default:
      if (!place) return {};
  }
  switch (kind) {
    case MultiplierKind::kCountry: {
      const std::string& prefix = place->entity->prefix;
      return prefix.substr(!prefix.empty() && prefix[0] == '*');
    }
    case MultiplierKind::kCqZone:
      return std::to_string(place->cqZone);
    case MultiplierKind::kItuZone:
      return std::to_string(place->ituZone);
    case MultiplierKind::kContinent:
      return std::string(continentName(place->continent));
    default:
      return {};
  }
}

}  // namespace

std::string_view exchangeWord(std::string_view exchange, std::size_t index) {
  std::size_t start = 0;
  for (std::size_t k = 0; k < index; ++k) {
    start = exchange.find(' ', start);
    if (start == std::string_view::npos) return {};
    ++start;
  }
  return exchange.substr(start, exchange.find(' ', start) - start);
}

class QsoFacts::Builder {
 public:
  Builder(const ContestLogs& contest, const ContestDefinition& definition,
          const StationFiles& files, QsoFacts* out)
      : contest_(contest),
        definition_(definition),
        rules_(definition.multipliers),
        files_(files),
        out_(*out) {
    const std::vector<ExchangeKind> kinds = comparedFields(definition);
    for (const MultiplierRule& rule : rules_) {
      const std::size_t index = comparedIndex(definition, rule.field).value_or(0);
      fieldIndex_.push_back(index);
      // A word field's values are the organiser's list, where one is given.
      checked_.push_back(rule.kind == MultiplierKind::kField && definition.allowedValues &&
                         index < kinds.size() && kinds[index] == ExchangeKind::kWord);
      cache_.emplace_back(contest.texts.size(), kUnset);
    }
    out_.placeOfCall_.assign(contest.texts.size(), files.countries ? kPlaceUnset : kNoPlace);
  }

  void build() {
    for (const LogHeader& log : contest_.entrants) placeSlot(log.callId);
    out_.ruleCount_ = rules_.size();
    out_.values_.resize(contest_.lines.size() * rules_.size());
    out_.placeKeys_.resize(files_.countries ? contest_.lines.size() : 0);
    for (std::size_t i = 0; i < contest_.lines.size(); ++i) {
      const Line& line = contest_.lines[i];
      placeSlot(line.call);
      if (files_.countries) out_.placeKeys_[i] = placeKey(line);
      for (std::size_t k = 0; k < rules_.size(); ++k) {
        out_.values_[i * rules_.size() + k] = valueOf(line, k);
      }
    }
  }

 private:
  TextId valueOf(const Line& line, std::size_t k) {
    const bool byField = rules_[k].kind == MultiplierKind::kField;
    const TextId source = byField ? line.exchRcvd : line.call;
    TextId& value = cache_[k][source];
    if (value == kUnset) {
      const std::string_view text = contest_.texts.view(source);
      value =
          out_.valueTexts_.intern(byField ? fieldValue(exchangeWord(text, fieldIndex_[k]))
                                          : callValue(rules_[k].kind, text, out_.placeOf(source)));
    }
    if (!checked_[k] || value == kNoValue) return value;
    return allowed(line.call, value) ? value : kNoValue;
  }

  // Whether the worked station's country may send `value`, by the
  // definition's allowed values: looked up once for each country and value.
  bool allowed(TextId call, TextId value) {
    const AllowedValues& values = *definition_.allowedValues;
    const std::string_view country = values.countryByPrefix(contest_.texts.view(call));
    const std::uint64_t key =
        std::uint64_t{out_.valueTexts_.intern(country)} << 32 | std::uint64_t{value};
    auto found = allowed_.find(key);
    if (found != allowed_.end()) return found->second;
    const bool allows = values.allows(country, out_.valueTexts_.view(value));
    allowed_.emplace(key, allows);
    return allows;
  }

  std::uint8_t placeKey(const Line& line) const {
    const Place* own = out_.placeOf(contest_.entrants[line.owner].callId);
    const Place* theirs = out_.placeOf(line.call);
    if (!own || !theirs) return kNoPlaceKey;
    return static_cast<std::uint8_t>((own->entity == theirs->entity) * kContinentCodes *
                                         kContinentCodes +
                                     own->continent * kContinentCodes + theirs->continent);
  }

  void placeSlot(TextId call) {
    std::int32_t& slot = out_.placeOfCall_[call];
    if (slot != kPlaceUnset) return;
    std::optional<countries::Location> found = files_.countries->locate(contest_.texts.view(call));
    slot = found ? static_cast<std::int32_t>(out_.places_.size()) : kNoPlace;
    if (found) {
      out_.places_.push_back(
          {found->entity, found->cqZone, found->ituZone, continentCode(found->continent)});
    }
  }

  const ContestLogs& contest_;
  const ContestDefinition& definition_;
  const std::vector<MultiplierRule>& rules_;
  const StationFiles& files_;
  QsoFacts& out_;
  std::vector<std::size_t> fieldIndex_;
  std::vector<bool> checked_;               // by rule: its values must be allowed
  std::vector<std::vector<TextId>> cache_;  // by rule, then the call's or exchange's TextId
  std::unordered_map<std::uint64_t, bool> allowed_;
};

QsoFacts::QsoFacts(const ContestLogs& contest, const ContestDefinition& definition,
                   const StationFiles& files) {
  Builder(contest, definition, files, this).build();
}

const Place* QsoFacts::placeOf(TextId call) const {
  const std::int32_t slot = call < placeOfCall_.size() ? placeOfCall_[call] : kNoPlace;
  return slot >= 0 ? &places_[static_cast<std::size_t>(slot)] : nullptr;
}

}  // namespace crosscheck
