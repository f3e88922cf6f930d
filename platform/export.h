#ifndef ZVK_PLATFORM_EXPORT_H_
#define ZVK_PLATFORM_EXPORT_H_

// Marks a function as exported from the plug-in library, with the C calling
// convention the host uses.
#if defined(_WIN32)
#define ZVK_EXPORT __declspec(dllexport)
#define ZVK_CDECL __cdecl
#else
#define ZVK_EXPORT __attribute__((visibility("default")))
#define ZVK_CDECL
#endif

#endif  // ZVK_PLATFORM_EXPORT_H_
