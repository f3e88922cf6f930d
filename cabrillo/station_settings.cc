#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/file_stem.h"
#include "cabrillo/header_dialog.h"
#include "cabrillo/header_fields.h"
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

CString valueWhenMissing(const HeaderField& field, const CStationData& station) {
  switch (field.whenMissing) {
    case WhenMissing::kCallsign:
      return station.callsign;
    case WhenMissing::kKept:
      return station.*field.value;
    case WhenMissing::kEmpty:
      break;
  }
  return CString();
}

void loadSettings(CStationData& station, const SettingsSection& settings) {
  for (const HeaderField& field : headerFields()) {
    if (field.startValue) {
      station.*field.value = field.startValue;
    } else if (field.settingsKey) {
      station.*field.value = settings.read(field.settingsKey, valueWhenMissing(field, station));
    }
  }
  station.soapbox = soapboxEditForm(station.soapbox);
}

Cabrillo dialogFor(const CStationData& station) {
  Cabrillo dialog;
  static_cast<HeaderValues&>(dialog) = station;
  return dialog;
}

void takeDialogValues(CStationData& station, const Cabrillo& dialog) {
  for (const HeaderField& field : headerFields()) {
    if (field.controlId != 0 && !field.shownOnly) station.*field.value = dialog.*field.value;
  }
}

// Expects the soapbox in stored form.
void storeSettings(const CStationData& station, const SettingsSection& settings) {
  for (const HeaderField* field : fieldsInStoreOrder()) {
    settings.write(field->settingsKey, station.*field->value);
  }
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
