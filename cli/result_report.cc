#include "cli/result_report.h"

#include <filesystem>

#include "cli/json_text.h"

namespace cli {
namespace {

std::string underFolder(const std::string& outDir, const std::string& name) {
  return (std::filesystem::path(outDir) / name).lexically_normal().string();
}

std::string fileRole(const std::string& name, const std::string& ubnFile) {
  if (name == ubnFile) return "UBN file: rejected and duplicate QSOs";
  std::filesystem::path path(name);
  return path.extension() == ".cbr" ? "Cabrillo log" : "settings";
}

std::string jsonRow(const BandRow& row) {
  return "{\"qsos\": " + std::to_string(row.qsos) + ", \"points\": " + std::to_string(row.points) +
         ", \"members\": " + std::to_string(row.members) + "}";
}

std::string jsonBands(const std::vector<BandRow>& bands) {
  std::string out = "[";
  for (std::size_t i = 0; i < bands.size(); ++i) {
    std::string row = jsonRow(bands[i]);
    out += (i ? ",\n    " : "\n    ") + ("{\"band\": " + jsonString(bands[i].band) + ", ") +
           row.substr(1);
  }
  return out + (bands.empty() ? "]" : "\n  ]");
}

std::string jsonUbn(const std::string& ubnFile, const std::vector<UbnGroup>& groups,
                    const std::string& outDir) {
  std::string out = "{\"file\": " + jsonString(underFolder(outDir, ubnFile)) + ", \"lines\": {";
  for (std::size_t i = 0; i < groups.size(); ++i) {
    out += (i ? ",\n    " : "\n    ") + jsonString(groups[i].reason) + ": [";
    for (std::size_t j = 0; j < groups[i].lines.size(); ++j) {
      out += (j ? ",\n      " : "\n      ") + jsonString(groups[i].lines[j]);
    }
    out += groups[i].lines.empty() ? "]" : "\n    ]";
  }
  return out + "\n  }}";
}

std::string jsonFiles(const std::vector<std::string>& files, const std::string& outDir) {
  std::string out = "[";
  for (std::size_t i = 0; i < files.size(); ++i) {
    out += (i ? ", " : "") + jsonString(underFolder(outDir, files[i]));
  }
  return out + "]";
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
  return "{\n  \"contest\": " + jsonString(summary.title) +
         ",\n  \"period\": {\"from\": " + jsonString(summary.periodFrom) +
         ", \"to\": " + jsonString(summary.periodTo) +
         "},\n  \"contestant\": " + jsonString(summary.contestant) +
         ",\n  \"bands\": " + jsonBands(summary.bands) +
         ",\n  \"total\": " + jsonRow(summary.total) +
         ",\n  \"claimedScore\": " + std::to_string(summary.claimedScore) +
         ",\n  \"ubn\": " + jsonUbn(ubnFile, ubnGroups, outDir) +
         ",\n  \"files\": " + jsonFiles(filesWritten, outDir) + "\n}\n";
}

}  // namespace cli
