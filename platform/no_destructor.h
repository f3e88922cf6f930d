#ifndef ZVK_PLATFORM_NO_DESTRUCTOR_H_
#define ZVK_PLATFORM_NO_DESTRUCTOR_H_

#include <new>
#include <utility>

namespace platform {

// An object built in static storage and never destroyed: it outlives every
// global object at unload, and unloading the library leaks no heap memory.
template <class T>
class NoDestructor {
 public:
  template <class... Args>
  explicit NoDestructor(Args&&... args) {
    new (storage_) T(std::forward<Args>(args)...);
  }
  NoDestructor(const NoDestructor&) = delete;
  NoDestructor& operator=(const NoDestructor&) = delete;

  T& get() { return *std::launder(reinterpret_cast<T*>(storage_)); }

 private:
  alignas(T) unsigned char storage_[sizeof(T)];
};

}  // namespace platform

#endif  // ZVK_PLATFORM_NO_DESTRUCTOR_H_
