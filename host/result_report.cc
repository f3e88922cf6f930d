#include "host/result_report.h"

#include <filesystem>

#include "host/json_text.h"

namespace host {
namespace {

std::string underFolder(const std::string& outDir, const std::string& name) {
  return (std::filesystem::path(outDir) / name).lexically_normal().string();
}

std::string fileRole(const std::string& name, const std::string& ubnFile) {
  if (name == ubnFile) return "UBN file: rejected and duplicate QSOs";
  std::filesystem::path path(name);
  return path.extension() == ".cbr" ? "Cabrillo log" : "settings";
}

using Json = nlohmann::ordered_json;

// The report's own layout, kept since it was first printed: the top, the
// bands and the UBN lines one item a line, all else on one line.
const std::vector<JsonPath> kReportLayout = {
    {}, {"bands"}, {"ubn", "lines"}, {"ubn", "lines", "*"}};

Json jsonRow(const BandRow& row) {
  return {{"qsos", row.qsos}, {"points", row.points}, {"members", row.members}};
}

Json jsonBands(const std::vector<BandRow>& bands) {
  Json rows = Json::array();
  for (const BandRow& row : bands) {
    Json band = {{"band", row.band}};
    band.update(jsonRow(row));
    rows.push_back(std::move(band));
  }
  return rows;
}

Json jsonUbn(const std::string& ubnFile, const std::vector<UbnGroup>& groups,
             const std::string& outDir) {
  Json lines = Json::object();
  for (const UbnGroup& group : groups) lines[group.reason] = group.lines;
  return {{"file", underFolder(outDir, ubnFile)}, {"lines", std::move(lines)}};
}

Json jsonFiles(const std::vector<std::string>& files, const std::string& outDir) {
  Json names = Json::array();
  for (const std::string& name : files) names.push_back(underFolder(outDir, name));
  return names;
}

}  // namespace

std::string textReport(const std::string& summary, const std::string& ubnFile,
                       const std::vector<std::string>& filesWritten, const std::string& outDir) {
  std::string out = summary + "\n\nFiles written:\n";
  for (const std::string& name : filesWritten) {
    out += "  " + underFolder(outDir, name) + "  (" + fileRole(name, ubnFile) + ")\n";
  }
  if (filesWritten.empty()) out += "  none (is the output folder writable?)\n";
  return out;
}

std::string jsonReport(const Summary& summary, const std::string& ubnFile,
                       const std::vector<UbnGroup>& ubnGroups,
                       const std::vector<std::string>& filesWritten, const std::string& outDir) {
  const Json report = {
      {"contest", summary.title},
      {"period", {{"from", summary.periodFrom}, {"to", summary.periodTo}}},
      {"contestant", summary.contestant},
      {"bands", jsonBands(summary.bands)},
      {"total", jsonRow(summary.total)},
      {"claimedScore", summary.claimedScore},
      {"ubn", jsonUbn(ubnFile, ubnGroups, outDir)},
      {"files", jsonFiles(filesWritten, outDir)},
  };
  return layoutJson(report, kReportLayout) + "\n";
}

}  // namespace host
