#ifndef ZVK_CROSSCHECK_TEXT_POOL_H_
#define ZVK_CROSSCHECK_TEXT_POOL_H_

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace crosscheck {

using TextId = std::uint32_t;

// Every distinct text of a contest (calls, exchanges, bands, modes) stored
// once, named by a small number. The characters live in fixed chunks, so a
// view handed out stays valid while the pool lives, moves included.
class TextPool {
 public:
  static constexpr TextId kEmpty = 0;  // the empty text

  TextPool();
  TextPool(TextPool&&) = default;
  TextPool& operator=(TextPool&&) = default;
  TextPool(const TextPool&) = delete;
  TextPool& operator=(const TextPool&) = delete;

  // The number of `text`, adding it when new.
  TextId intern(std::string_view text);
  // The number of `text`, or nothing when the pool does not hold it.
  bool find(std::string_view text, TextId* id) const;
  std::string_view view(TextId id) const { return texts_[id]; }
  std::size_t size() const { return texts_.size(); }

 private:
  std::string_view store(std::string_view text);
  std::size_t slotOf(std::string_view text, std::size_t hash) const;
  void grow();

  std::vector<std::unique_ptr<char[]>> chunks_;
  std::size_t chunkUsed_ = 0;
  std::size_t chunkSize_ = 0;
  std::vector<std::string_view> texts_;
  // Open addressing, a power of two long: each slot holds a text's hash and
  // its number + 1 (0: free), so a look-up touches one place, mostly.
  std::vector<std::size_t> hashes_;
  std::vector<TextId> slots_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_TEXT_POOL_H_
