#ifndef ZVK_PLATFORM_COLLECTIONS_H_
#define ZVK_PLATFORM_COLLECTIONS_H_

#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/cstring.h"

// Ordered array of values. Indices outside 0..size-1 throw
// std::invalid_argument, as the framework's arrays do.
template <class T, class ARG>
class CArray {
 public:
  int GetSize() const { return static_cast<int>(items_.size()); }
  bool IsEmpty() const { return items_.empty(); }
  const T& GetAt(int index) const { return items_[checked(index)]; }
  T& ElementAt(int index) { return items_[checked(index)]; }
  const T& operator[](int index) const { return GetAt(index); }
  T& operator[](int index) { return ElementAt(index); }

  void SetAt(int index, ARG value) { ElementAt(index) = value; }
  // Grows the array as needed, default-constructing new elements, then assigns.
  void SetAtGrow(int index, ARG value) {
    if (index < 0) throw std::invalid_argument("CArray index");
    if (static_cast<std::size_t>(index) >= items_.size()) items_.resize(index + 1);
    items_[index] = value;
  }
  int Add(ARG value) {
    SetAtGrow(GetSize(), value);
    return GetSize() - 1;
  }
  void RemoveAt(int index, int count = 1) {
    if (count < 0 || index < 0 || index + count > GetSize()) {
      throw std::invalid_argument("CArray index");
    }
    items_.erase(items_.begin() + index, items_.begin() + index + count);
  }
  // Size 0 frees the storage as well.
  void SetSize(int size) {
    if (size < 0) throw std::invalid_argument("CArray size");
    items_.resize(size);
    if (size == 0) items_.shrink_to_fit();
  }
  void RemoveAll() { SetSize(0); }

  typename std::vector<T>::iterator begin() { return items_.begin(); }
  typename std::vector<T>::iterator end() { return items_.end(); }
  typename std::vector<T>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<T>::const_iterator end() const { return items_.end(); }

 private:
  std::size_t checked(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
      throw std::invalid_argument("CArray index");
    }
    return static_cast<std::size_t>(index);
  }

  std::vector<T> items_;
};

class CStringArray : public CArray<CString, const CString&> {};

#endif  // ZVK_PLATFORM_COLLECTIONS_H_
