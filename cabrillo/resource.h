#ifndef ZVK_CABRILLO_RESOURCE_H_
#define ZVK_CABRILLO_RESOURCE_H_

// Ids of the Cabrillo header dialog template and its controls. The resource
// compiler reads this file too: plain #defines only.
#define IDD_CABRILLO 101
#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1002
#define IDC_ADDRESS_CITY 1003
#define IDC_EMAIL 1004
#define IDC_CLUB 1005
#define IDC_OPERATORS 1006
#define IDC_NAME 1007
#define IDC_CLAIMED 1008
#define IDC_CONTEST 1009
#define IDC_CALLSIGN 1010
#define IDC_ADDRESS_POSTALCODE 1011
#define IDC_ADDRESS_COUNTRY 1012
#define IDC_CATEGORY_OPERATOR 1013
#define IDC_CATEGORY_BAND 1014
#define IDC_CATEGORY_POWER 1015

#endif  // ZVK_CABRILLO_RESOURCE_H_
