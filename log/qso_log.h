#ifndef ZVK_LOG_QSO_LOG_H_
#define ZVK_LOG_QSO_LOG_H_

#include <list>
#include <string>
#include <unordered_map>
#include <vector>

#include "log/info.h"

// The contest log: stored QSOs in the order they were added, and for each
// call sign the positions of its records in that order, so that the dupe
// test, the call check and the removal visit one station's QSOs instead of
// the whole log. Appending or removing a record never moves another.
class CQsoLog {
 public:
  using Position = std::list<CInfo>::const_iterator;

  CQsoLog() = default;
  CQsoLog(const CQsoLog&) = delete;
  CQsoLog& operator=(const CQsoLog&) = delete;

  int GetSize() const { return static_cast<int>(records_.size()); }
  bool IsEmpty() const { return records_.empty(); }
  Position begin() const { return records_.begin(); }
  Position end() const { return records_.end(); }
  // The records whose call equals `call` byte for byte (null counts as
  // empty), in log order. Valid until the log next changes.
  const std::vector<Position>& recordsOfCall(const char* call) const;

  // Appends a copy of `record` at the end of the log.
  void Add(const CInfo& record);
  // Removes the record at `position` (not end()); the others keep their order.
  void RemoveAt(Position position);
  // Removes every record and frees the storage.
  void RemoveAll();

 private:
  std::list<CInfo> records_;
  std::unordered_map<std::string, std::vector<Position>> positionsByCall_;
};

#endif  // ZVK_LOG_QSO_LOG_H_
