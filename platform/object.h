#ifndef ZVK_PLATFORM_OBJECT_H_
#define ZVK_PLATFORM_OBJECT_H_

// Root of the framework's class tree: only the virtual destructor is used.
class CObject {
 public:
  virtual ~CObject() = default;
};

// The library's application object; it carries no behaviour of its own.
class CWinApp : public CObject {};

#endif  // ZVK_PLATFORM_OBJECT_H_
