#include "countries/country_file.h"

#include <gtest/gtest.h>

#include <string>

#include "errors/tool_error.h"

namespace {

// Real entities with their zones, a few prefixes and calls each; the overrides, the
// exact calls and the entities listing one call twice are made up to be told apart.
constexpr const char kCountryFile[] =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DL,=DL0ANT(38)[67]{AN};\n"
    "United States of America: 05:  08:  NA:   37.53:    91.67:     5.0:  K:\n"
    "    K,N,W,\n"
    "    =W1AW(4)[7];\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
    "    KH6,KH7;\n"
    "Canada:                   05:  09:  NA:   44.35:    78.75:     5.0:  VE:\n"
    "    VE,VE2(5)[4],VE3(4)[4]<44.0/79.0>~5.0~;\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    UA,UA3;\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
    "    UA9,UA0(19)[34];\n"
    "England:                  14:  27:  EU:   52.77:     1.47:     0.0:  G:\n"
    "    G,M,2E;\n"
    "France:                   14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n"
    "    F;\n"
    "Fiji:                     32:  56:  OC:  -17.78:  -177.92:   -12.0:  3D2:\n"
    "    3D2;\n"
    "Rotuma Island:            32:  56:  OC:  -12.48:  -177.08:   -12.0:  3D2/r:\n"
    "    =3D2AG/P;\n"
    "Vienna Intl Ctr:          15:  28:  EU:   48.20:   -16.30:    -1.0:  *4U1V:\n"
    "    =4U1A;\n"
    "Austria:                  15:  28:  EU:   47.33:   -13.33:    -1.0:  OE:\n"
    "    OE,=4U1A;\n"
    "Scotland:                 14:  27:  EU:   56.82:     4.18:     0.0:  GM:\n"
    "    GM,=GM3ZET;\n"
    "Shetland Islands:         14:  27:  EU:   60.50:     1.50:     0.0:  *GM/s:\n"
    "    =GM3ZET;\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IT9;\n"
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
    "    I;\n";

std::string where(const std::optional<countries::Location>& location) {
  if (!location) return "none";
  return location->entity->prefix + " " + location->continent + " " +
         std::to_string(location->cqZone) + "/" + std::to_string(location->ituZone);
}

std::string entitiesOf(const std::string& text) {
  countries::CountryFile file = countries::CountryFile::parse(text, "cty.dat");
  std::string entities;
  for (const countries::Entity& entity : file.entities()) {
    entities += entity.name + "|" + entity.prefix + "|" + std::to_string(entity.cqZone) + "|" +
                std::to_string(entity.ituZone) + "|" + entity.continent + " in " +
                file.dxccEntityOf(entity).prefix + "\n";
  }
  return entities;
}

TEST(CountryFile, ReadsEachEntityAndItsDxccEntityWithAnyLineEnd) {
  std::string crlf;
  for (char c : std::string(kCountryFile)) crlf += c == '\n' ? "\r\n" : std::string(1, c);
  EXPECT_EQ(entitiesOf(crlf), entitiesOf(kCountryFile));
  EXPECT_EQ(
      entitiesOf(kCountryFile),
      "Fed. Rep. of Germany|DL|14|28|EU in DL\nUnited States of America|K|5|8|NA in K\n"
      "Hawaii|KH6|31|61|OC in KH6\nCanada|VE|5|9|NA in VE\nEuropean Russia|UA|16|29|EU in UA\n"
      "Asiatic Russia|UA9|17|30|AS in UA9\nEngland|G|14|27|EU in G\nFrance|F|14|27|EU in F\n"
      "Fiji|3D2|32|56|OC in 3D2\nRotuma Island|3D2/r|32|56|OC in 3D2/r\n"
      "Vienna Intl Ctr|*4U1V|15|28|EU in OE\nAustria|OE|15|28|EU in OE\n"
      "Scotland|GM|14|27|EU in GM\nShetland Islands|*GM/s|14|27|EU in GM\nSicily|*IT9|15|28|EU in "
      "I\n"
      "Italy|I|15|28|EU in I\n");
}

TEST(CountryFile, LocatesCallsAsContestCheckersDo) {
  countries::CountryFile file = countries::CountryFile::parse(kCountryFile, "cty.dat");
  struct Case {
    const char* call;
    const char* where;
  } cases[] = {
      {"DL1ABC", "DL EU 14/28"},
      {" dl1abc ", "DL EU 14/28"},  // any case, blanks
      {"KH6XX", "KH6 OC 31/61"},    // longest prefix: not K
      {"DL0ANT", "DL AN 38/67"},
      {"DL0ANTA", "DL EU 14/28"},  // exact calls, whole only
      {"W1AW", "K NA 4/7"},
      {"VE3ABC", "VE NA 4/4"},  // overrides
      {"VE1ABC", "VE NA 5/9"},
      {"UA0AA", "UA9 AS 19/34"},
      {"3D2AG/P", "3D2/r OC 32/56"},
      {"3D2AG", "3D2 OC 32/56"},  // the file's portable call
      {"4U1A", "*4U1V EU 15/28"},
      {"GM3ZET", "*GM/s EU 14/27"},  // WAE beats DXCC
      {"DL/G3ABC", "DL EU 14/28"},
      {"G3ABC/DL", "DL EU 14/28"},  // the designator counts
      {"F/G3ABC", "F EU 14/27"},
      {"KH6/W1ABC", "KH6 OC 31/61"},
      {"W1ABC/KH6", "KH6 OC 31/61"},
      {"KH6/W1ABC/P", "KH6 OC 31/61"},
      {"G3ABC/P", "G EU 14/27"},
      {"G3ABC/M", "G EU 14/27"},  // operating marks
      {"G3ABC/QRP", "G EU 14/27"},
      {"G3ABC/A", "G EU 14/27"},
      {"G3ABC/J", "G EU 14/27"},
      {"G3ABC/E", "G EU 14/27"},
      {"W1AW/P", "K NA 4/7"},  // an exact call marked
      {"VE1ABC/3", "VE NA 4/4"},
      {"UA9AA/3", "UA EU 16/29"},  // the area moves
      {"UA3AA/9", "UA9 AS 17/30"},
      {"W1ABC/6", "K NA 5/8"},  // K6 is no KH6
      {"W1AW/4", "K NA 5/8"},   // W4 is not W1AW
      {"G3ABC/MM", "none"},
      {"DL/G3ABC/AM", "none"},  // no country
      {"ZZ1ABC", "none"},
      {"", "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(where(file.locate(c.call)), c.where) << c.call;
}

TEST(CountryFile, RefusesMalformedTextNamingFileLineAndField) {
  const char* germany = "Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n";
  struct Case {
    std::string text;
    const char* message;
  } cases[] = {
      {"", "cty.dat: entity: the file holds no entity"},
      {"    DL;\n", "cty.dat:1: entity: a prefix list without an entity line before it"},
      {"Germany: 14: 28: EU: 51.00: -10.00: DL:\n    DL;\n",
       "cty.dat:1: entity: expected 8 fields each ended by ':' (name, CQ zone, ITU zone, "
       "continent, latitude, longitude, UTC offset, prefix)"},
      {"Germany: 41: 28: EU: 51.00: -10.00: -1.0: DL:\n    DL;\n",
       "cty.dat:1: CQ zone: '41' is not a zone from 1 to 40"},
      {"Germany: 14: 2x: EU: 51.00: -10.00: -1.0: DL:\n    DL;\n",
       "cty.dat:1: ITU zone: '2x' is not a zone from 1 to 90"},
      {"Germany: 14: 28: XX: 51.00: -10.00: -1.0: DL:\n    DL;\n",
       "cty.dat:1: continent: 'XX' is not one of AF AN AS EU NA OC SA"},
      {":  14: 28: EU: 51.00: -10.00: -1.0: DL:\n    DL;\n",
       "cty.dat:1: name: the entity has no name"},
      {std::string("\n") + germany + "    DA,\n    DL\n",
       "cty.dat:2: prefix list: not ended by ';'"},
      {std::string(germany) + "    DA,\n    DL\n" + germany + "    DL;\n",
       "cty.dat:4: prefix list: the list begun on line 1 is not ended by ';'"},
      {std::string(germany) + "    DL; DA\n",
       "cty.dat:2: prefix list: text after the ';' that ends the list"},
      {std::string(germany) + "    DA,\n    DL(14;\n",
       "cty.dat:3: prefix list: 'DL(14' leaves an override open"},
      {std::string(germany) + "    DL(99);\n",
       "cty.dat:2: CQ zone: '99' is not a zone from 1 to 40"},
      {std::string(germany) + "    DL{E};\n",
       "cty.dat:2: continent: 'E' is not one of AF AN AS EU NA OC SA"},
      {std::string(germany) + "    D-L;\n",
       "cty.dat:2: prefix list: 'D-L' holds '-', which no call has"},
      {std::string(germany) + "    DL#;\n",
       "cty.dat:2: prefix list: 'DL#' holds '#', which no call has"},
      {std::string(germany) + "    =(14);\n",
       "cty.dat:2: prefix list: '=(14)' names no prefix or call"},
  };
  for (const Case& c : cases) {
    try {
      countries::CountryFile::parse(c.text, "cty.dat");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const errors::ToolError& error) {
      EXPECT_EQ(error.kind(), errors::ErrorKind::kBadInput);
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
}

}  // namespace
