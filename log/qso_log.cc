#include "log/qso_log.h"

#include <algorithm>

#include "log/dupe_window.h"

namespace {

// The index key of a call or band: its text up to the first zero byte, so
// that keys are equal exactly when the texts compare equal.
std::string keyOf(const char* call) { return call ? call : ""; }

}  // namespace

std::uint32_t CQsoLog::findBandId(const char* band) const {
  auto found = bandIds_.find(keyOf(band));
  return found == bandIds_.end() ? kNoBand : found->second;
}

std::uint32_t CQsoLog::bandIdOf(const CString& band) {
  return bandIds_.emplace(band.str(), static_cast<std::uint32_t>(bandIds_.size())).first->second;
}

const std::vector<CQsoLog::CallRecord>& CQsoLog::recordsOfCall(const char* call) const {
  static const std::vector<CallRecord> kNone;
  auto found = positionsByCall_.find(keyOf(call));
  return found == positionsByCall_.end() ? kNone : found->second;
}

void CQsoLog::Add(const CInfo& record) {
  Position added = records_.insert(records_.end(), record);
  positionsByCall_[keyOf(record.call)].push_back(
      {added, bandIdOf(record.band), dupe_window::hourOfStoredQso(record.time), record.exchRcvd});
}

void CQsoLog::RemoveAt(Position position) {
  auto call = positionsByCall_.find(keyOf(position->call));
  std::vector<CallRecord>& records = call->second;
  records.erase(std::find_if(records.begin(), records.end(),
                             [&](const CallRecord& entry) { return entry.record == position; }));
  if (records.empty()) positionsByCall_.erase(call);
  records_.erase(position);
}

void CQsoLog::RemoveAll() {
  std::list<CInfo>().swap(records_);
  decltype(positionsByCall_)().swap(positionsByCall_);
  decltype(bandIds_)().swap(bandIds_);
}
