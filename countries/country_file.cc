#include "countries/country_file.h"

#include <utility>

#include "countries/country_tables.h"
#include "countries/portable_call.h"
#include "countries/read_country_tables.h"
#include "countries/text.h"

namespace countries {

namespace {

const CallMatch* matchCall(const CountryTables& tables, std::string_view call) {
  const CallMatch* match = tables.exactCall(call);
  return match ? match : tables.longestPrefix(call);
}

// W1ABC signing /4 is located as W4ABC would be: only the file's prefixes can tell, so the
// exact calls are not consulted.
const CallMatch* matchMovedArea(const CountryTables& tables, std::string_view home,
                                std::string_view area) {
  AreaDigits digits = areaDigitsOf(home);
  if (digits.begin == digits.end) return matchCall(tables, home);
  std::string moved(home.substr(0, digits.begin));
  moved += area;
  moved += home.substr(digits.end);
  return tables.longestPrefix(moved);
}

const CallMatch* matchPortable(const CountryTables& tables, std::string_view upperCall) {
  PortableCall parts = splitPortable(upperCall);
  if (parts.maritime || parts.home.empty()) return nullptr;
  if (!parts.designator.empty()) return matchCall(tables, parts.designator);
  if (!parts.area.empty()) return matchMovedArea(tables, parts.home, parts.area);
  // A call without marks had its exact entry tried already.
  if (parts.home.size() == upperCall.size()) return tables.longestPrefix(upperCall);
  return matchCall(tables, parts.home);
}

}  // namespace

CountryFile::CountryFile(std::shared_ptr<const CountryTables> tables)
    : tables_(std::move(tables)) {}

CountryFile CountryFile::parse(std::string_view text, const std::string& fileName) {
  return CountryFile(readCountryTables(text, fileName));
}

// The file's exact calls come first, whole: they include portable forms such as 3D2AG/P.
std::optional<Location> CountryFile::locate(std::string_view call) const {
  std::string upper = upperCase(trimmed(call));
  const CallMatch* match = tables_->exactCall(upper);
  if (!match) match = matchPortable(*tables_, upper);
  if (!match) return std::nullopt;
  return Location{&tables_->entities[match->entity], match->cqZone, match->ituZone,
                  match->continent};
}

const std::vector<Entity>& CountryFile::entities() const { return tables_->entities; }

const Entity& CountryFile::dxccEntityOf(const Entity& entity) const {
  return tables_->entities[tables_->dxccEntities[&entity - tables_->entities.data()]];
}

}  // namespace countries
