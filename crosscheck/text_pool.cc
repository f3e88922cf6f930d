#include "crosscheck/text_pool.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace crosscheck {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;
constexpr std::size_t kFirstSlots = 1 << 12;

std::size_t hashOf(std::string_view text) { return std::hash<std::string_view>()(text); }

}  // namespace

TextPool::TextPool() : hashes_(kFirstSlots), slots_(kFirstSlots) {
  texts_.push_back(std::string_view());
  const std::size_t hash = hashOf(std::string_view());
  std::size_t slot = slotOf(std::string_view(), hash);
  hashes_[slot] = hash;
  slots_[slot] = kEmpty + 1;
}

// The slot holding `text`, or the free slot where it belongs.
std::size_t TextPool::slotOf(std::string_view text, std::size_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  while (slots_[slot] != 0 && (hashes_[slot] != hash || texts_[slots_[slot] - 1] != text)) {
    slot = (slot + 1) & mask;
  }
  return slot;
}

// Doubled when half full, so that probes stay short.
void TextPool::grow() {
  std::vector<TextId> old = std::move(slots_);
  slots_.assign(old.size() * 2, 0);
  hashes_.assign(old.size() * 2, 0);
  for (TextId id = 0; id < texts_.size(); ++id) {
    const std::size_t hash = hashOf(texts_[id]);
    const std::size_t slot = slotOf(texts_[id], hash);
    hashes_[slot] = hash;
    slots_[slot] = id + 1;
  }
}

TextId TextPool::intern(std::string_view text) {
  const std::size_t hash = hashOf(text);
  const std::size_t slot = slotOf(text, hash);
  if (slots_[slot] != 0) return slots_[slot] - 1;
  const auto id = static_cast<TextId>(texts_.size());
  texts_.push_back(store(text));
  hashes_[slot] = hash;
  slots_[slot] = id + 1;
  if (2 * texts_.size() > slots_.size()) grow();
  return id;
}

bool TextPool::find(std::string_view text, TextId* id) const {
  const std::size_t slot = slotOf(text, hashOf(text));
  if (slots_[slot] == 0) return false;
  *id = slots_[slot] - 1;
  return true;
}

std::string_view TextPool::store(std::string_view text) {
  if (chunkUsed_ + text.size() > chunkSize_) {
    chunkSize_ = std::max(kChunkBytes, text.size());
    chunks_.push_back(std::make_unique<char[]>(chunkSize_));
    chunkUsed_ = 0;
  }
  char* place = chunks_.back().get() + chunkUsed_;
  std::memcpy(place, text.data(), text.size());
  chunkUsed_ += text.size();
  return std::string_view(place, text.size());
}

}  // namespace crosscheck
