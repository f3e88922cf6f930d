#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/file_stem.h"
#include "cabrillo/header_dialog.h"
#include "cabrillo/soapbox.h"
#include "cabrillo/station_data.h"

namespace cabrillo {
namespace {

// One section of the settings file.
class SettingsSection {
 public:
  SettingsSection(const char* file, const char* section, platform::Env& env)
      : file_(file), section_(section), env_(env) {}

  CString read(const char* key, const char* defaultValue = "") const {
    return env_.readProfileString(section_, key, defaultValue, file_);
  }
  // Failures are not reported: the operator's values stay in the record.
  void write(const char* key, const CString& value) const {
    env_.writeProfileString(section_, key, value, file_);
  }

 private:
  const char* file_;
  const char* section_;
  platform::Env& env_;
};

void loadSettings(CStationData& station, const SettingsSection& settings) {
  station.operators = settings.read(kKeyOperators, station.callsign);
  station.location = settings.read(kKeyLocation, station.location);
  station.name = settings.read(kKeyName);
  station.address = settings.read(kKeyAddress);
  station.addressCity = settings.read(kKeyAddressCity);
  station.addressPostalCode = settings.read(kKeyAddressPostalCode);
  station.addressCountry = settings.read(kKeyAddressCountry);
  station.claimed = settings.read(kKeyClaimed);
  station.contest = kContestName;
  station.categoryOperator = kInitialCategoryOperator;
  station.categoryPower = kInitialCategoryPower;
  station.categoryBand = kInitialCategoryBand;
  station.email = settings.read(kKeyEmail);
  station.club = settings.read(kKeyClub);
  station.soapbox = soapboxEditForm(settings.read(kKeySoapBox));
}

Cabrillo dialogFor(const CStationData& station) {
  Cabrillo dialog;
  dialog.callsign = station.callsign;
  dialog.operators = station.operators;
  dialog.categoryOperator = station.categoryOperator;
  dialog.categoryBand = station.categoryBand;
  dialog.categoryPower = station.categoryPower;
  dialog.name = station.name;
  dialog.address = station.address;
  dialog.addressCity = station.addressCity;
  dialog.addressPostalCode = station.addressPostalCode;
  dialog.addressCountry = station.addressCountry;
  dialog.claimed = station.claimed;
  dialog.contest = station.contest;
  dialog.email = station.email;
  dialog.club = station.club;
  dialog.soapbox = station.soapbox;
  return dialog;
}

// The claimed score is shown for reference only: the dialog's text is dropped.
void takeDialogValues(CStationData& station, const Cabrillo& dialog) {
  station.callsign = dialog.callsign;
  station.operators = dialog.operators;
  station.categoryOperator = dialog.categoryOperator;
  station.categoryBand = dialog.categoryBand;
  station.categoryPower = dialog.categoryPower;
  station.name = dialog.name;
  station.address = dialog.address;
  station.addressCity = dialog.addressCity;
  station.addressPostalCode = dialog.addressPostalCode;
  station.addressCountry = dialog.addressCountry;
  station.contest = dialog.contest;
  station.email = dialog.email;
  station.club = dialog.club;
  station.soapbox = dialog.soapbox;
}

// Expects the soapbox in stored form.
void storeSettings(const CStationData& station, const SettingsSection& settings) {
  settings.write(kKeyOperators, station.operators);
  settings.write(kKeyName, station.name);
  settings.write(kKeyAddress, station.address);
  settings.write(kKeyAddressCity, station.addressCity);
  settings.write(kKeyAddressPostalCode, station.addressPostalCode);
  settings.write(kKeyAddressCountry, station.addressCountry);
  settings.write(kKeyCategory, station.categoryOperator);
  settings.write(kKeyLocation, station.location);
  settings.write(kKeyPower, station.categoryPower);
  settings.write(kKeyContest, station.contest);
  settings.write(kKeyEmail, station.email);
  settings.write(kKeyClub, station.club);
  settings.write(kKeySoapBox, station.soapbox);
}

}  // namespace
}  // namespace cabrillo

// A cancelled dialog still leaves the soapbox in Cabrillo form, so every
// soapbox line of the Cabrillo header keeps its "SOAPBOX: " tag.
void CStationData::EditStationSettings(const CString& contestant, const char* iniFile,
                                       const char* iniSection, platform::Env& env) {
  const cabrillo::SettingsSection settings(iniFile, iniSection, env);
  callsign = contestant;
  fileStem = cabrillo::makeFileStem(contestant);
  cabrillo::loadSettings(*this, settings);
  Cabrillo dialog = cabrillo::dialogFor(*this);
  const bool accepted = dialog.DoModal(env) == platform::kDialogOk;
  if (accepted) cabrillo::takeDialogValues(*this, dialog);
  soapbox = cabrillo::soapboxStoredForm(soapbox);
  if (accepted) {
    cabrillo::storeSettings(*this, settings);
    cabrilloLines.RemoveAll();
  }
  soapbox = cabrillo::soapboxCabrilloForm(soapbox);
}
