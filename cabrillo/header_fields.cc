#include "cabrillo/header_fields.h"

#include <algorithm>

#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/resource.h"

namespace cabrillo {
namespace {

using platform::ControlKind;
using V = HeaderValues;
constexpr WhenMissing kEmpty = WhenMissing::kEmpty;
constexpr ControlKind kEdit = ControlKind::kEdit;
constexpr ControlKind kCombo = ControlKind::kComboBox;

}  // namespace

// A plain static: unloading the library frees it.
const std::vector<HeaderField>& headerFields() {
  // clang-format off
  static const std::vector<HeaderField> table{
    // member, settings key, when missing, start value, store position,
    // control, label, kind, choices, shown only, Cabrillo tag, header line
    {&V::callsign, nullptr, kEmpty, nullptr, 0,
     IDC_CALLSIGN, "CALLSIGN", kEdit, {}, false, "CALLSIGN: ", 3},
    {&V::claimed, kKeyClaimed, kEmpty, nullptr, 0,
     IDC_CLAIMED, "CLAIMED", kEdit, {}, true, "CLAIMED-SCORE: ", 7},
    {&V::club, kKeyClub, kEmpty, nullptr, 12,
     IDC_CLUB, "CLUB", kEdit, {}, false, "CLUB: ", 8},
    {&V::categoryOperator, kKeyCategory, kEmpty, kInitialCategoryOperator, 7,
     IDC_CATEGORY_OPERATOR, "CATEGORY-OPERATOR", kCombo, {"SINGLE-OP", "MULTI-ONE", "CHECKLOG"},
     false, "CATEGORY-OPERATOR: ", 4},
    {&V::contest, kKeyContest, kEmpty, kContestName, 10,
     IDC_CONTEST, "CONTEST", kEdit, {}, false, "CONTEST: ", 2},
    {&V::email, kKeyEmail, kEmpty, nullptr, 11,
     IDC_EMAIL, "E-MAIL", kEdit, {}, false, "EMAIL: ", 15},
    {&V::name, kKeyName, kEmpty, nullptr, 2,
     IDC_NAME, "NAME", kEdit, {}, false, "NAME: ", 10},
    {&V::operators, kKeyOperators, WhenMissing::kCallsign, nullptr, 1,
     IDC_OPERATORS, "OPERATORS", kEdit, {}, false, "OPERATORS: ", 16},
    {&V::soapbox, kKeySoapBox, kEmpty, nullptr, 13,
     IDC_SOAPBOX, "SOAPBOX", ControlKind::kMultiLineEdit, {}, false, "SOAPBOX: ", 17},
    {&V::address, kKeyAddress, kEmpty, nullptr, 3,
     IDC_ADDRESS, "ADDRESS", kEdit, {}, false, "ADDRESS: ", 11},
    {&V::categoryBand, nullptr, kEmpty, kInitialCategoryBand, 0,
     IDC_CATEGORY_BAND, "CATEGORY-BAND", kCombo, {"ALL"}, false, "CATEGORY-BAND: ", 5},
    {&V::addressCity, kKeyAddressCity, kEmpty, nullptr, 4,
     IDC_ADDRESS_CITY, "ADDRESS-CITY", kEdit, {}, false, "ADDRESS-CITY: ", 12},
    {&V::addressPostalCode, kKeyAddressPostalCode, kEmpty, nullptr, 5,
     IDC_ADDRESS_POSTALCODE, "ADDRESS-POSTALCODE", kEdit, {}, false, "ADDRESS-POSTALCODE: ", 13},
    {&V::addressCountry, kKeyAddressCountry, kEmpty, nullptr, 6,
     IDC_ADDRESS_COUNTRY, "ADDRESS-COUNTRY", kEdit, {}, false, "ADDRESS-COUNTRY: ", 14},
    {&V::categoryPower, kKeyPower, kEmpty, kInitialCategoryPower, 9,
     IDC_CATEGORY_POWER, "CATEGORY-POWER", kCombo, {"HIGH", "QRP"}, false, "CATEGORY-POWER: ", 6},
    {&V::location, kKeyLocation, WhenMissing::kKept, nullptr, 8,
     0, "", kEdit, {}, false, nullptr, 0},
  };
  // clang-format on
  return table;
}

std::vector<const HeaderField*> fieldsInStoreOrder() {
  std::vector<const HeaderField*> stored;
  for (const HeaderField& field : headerFields()) {
    if (field.storePosition > 0) stored.push_back(&field);
  }
  std::sort(stored.begin(), stored.end(), [](const HeaderField* a, const HeaderField* b) {
    return a->storePosition < b->storePosition;
  });
  return stored;
}

}  // namespace cabrillo
