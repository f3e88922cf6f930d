#include "crosscheck/text_pool.h"

#include <algorithm>
#include <cstring>

namespace crosscheck {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

TextPool::TextPool() {
  texts_.push_back(std::string_view());
  ids_.emplace(std::string_view(), kEmpty);
}

TextId TextPool::intern(std::string_view text) {
  auto found = ids_.find(text);
  if (found != ids_.end()) return found->second;
  TextId id = static_cast<TextId>(texts_.size());
  std::string_view stored = store(text);
  texts_.push_back(stored);
  ids_.emplace(stored, id);
  return id;
}

bool TextPool::find(std::string_view text, TextId* id) const {
  auto found = ids_.find(text);
  if (found == ids_.end()) return false;
  *id = found->second;
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
