#ifndef ZVK_CABRILLO_CABRILLO_TEXTS_H_
#define ZVK_CABRILLO_CABRILLO_TEXTS_H_

// Fixed texts of the station settings and the Cabrillo output.
namespace cabrillo {

constexpr char kContestName[] = "ZVK CW Contest";
constexpr char kInitialCategoryOperator[] = "SINGLE-OP";
constexpr char kInitialCategoryBand[] = "ALL";
constexpr char kInitialCategoryPower[] = "HIGH";

// The station settings file, relative to the host's working folder, as the
// profile functions take it (a Windows path; the POSIX build maps it).
constexpr char kSettingsFile[] = "Plugins\\ZVK-CW.ini";
constexpr char kSettingsSection[] = "Settings";
constexpr char kKeyOperators[] = "Operators";
constexpr char kKeyLocation[] = "Location";
constexpr char kKeyName[] = "Name";
constexpr char kKeyAddress[] = "Address";
constexpr char kKeyAddressCity[] = "Address-City";
constexpr char kKeyAddressPostalCode[] = "Address-PostalCode";
constexpr char kKeyAddressCountry[] = "Address-Country";
constexpr char kKeyClaimed[] = "Claimed";
constexpr char kKeyCategory[] = "Category";
constexpr char kKeyPower[] = "Power";
constexpr char kKeyContest[] = "Contest";
constexpr char kKeyEmail[] = "Email";
constexpr char kKeyClub[] = "Club";
constexpr char kKeySoapBox[] = "SoapBox";

// Line breaks of the soapbox as the settings file keeps them.
constexpr char kStoredCr[] = "<CR>";
constexpr char kStoredLf[] = "<LF>";
constexpr char kSoapboxLineBreak[] = "\r\nSOAPBOX: ";

constexpr char kDefaultFileStem[] = "VOXA";
constexpr char kCabrilloExtension[] = ".cbr";
constexpr char kFileProduced[] = "File produced: ";
constexpr char kFileNotWritten[] = "File not written: ";

constexpr char kProgramPattern[] = "*.exe";
constexpr char kProgramExtension[] = ".exe";
constexpr char kHostName[] = "Vylo";

}  // namespace cabrillo

#endif  // ZVK_CABRILLO_CABRILLO_TEXTS_H_
