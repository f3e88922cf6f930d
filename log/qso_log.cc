#include "log/qso_log.h"

#include <algorithm>

namespace {

// The index key of a call: its text up to the first zero byte, so that keys
// are equal exactly when the texts compare equal.
std::string keyOf(const char* call) { return call ? call : ""; }

}  // namespace

const std::vector<CQsoLog::Position>& CQsoLog::recordsOfCall(const char* call) const {
  static const std::vector<Position> kNone;
  auto found = positionsByCall_.find(keyOf(call));
  return found == positionsByCall_.end() ? kNone : found->second;
}

void CQsoLog::Add(const CInfo& record) {
  Position added = records_.insert(records_.end(), record);
  positionsByCall_[keyOf(record.call)].push_back(added);
}

void CQsoLog::RemoveAt(Position position) {
  auto call = positionsByCall_.find(keyOf(position->call));
  std::vector<Position>& positions = call->second;
  positions.erase(std::find(positions.begin(), positions.end(), position));
  if (positions.empty()) positionsByCall_.erase(call);
  records_.erase(position);
}

void CQsoLog::RemoveAll() {
  std::list<CInfo>().swap(records_);
  decltype(positionsByCall_)().swap(positionsByCall_);
}
