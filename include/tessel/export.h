// Export macro for the public API of the tessel shared library.
//
// Everything is hidden by default; TESSEL_API marks the classes, functions
// and data that callers may use. TESSEL_BUILDING is defined only while the
// library's own sources compile; TESSEL_STATIC builds and uses a static copy.
#ifndef TESSEL_EXPORT_H
#define TESSEL_EXPORT_H

#if defined(TESSEL_STATIC)
#define TESSEL_API
#elif defined(_WIN32) || defined(__CYGWIN__)
#if defined(TESSEL_BUILDING)
#define TESSEL_API __declspec(dllexport)
#else
#define TESSEL_API __declspec(dllimport)
#endif
#else
#define TESSEL_API __attribute__((visibility("default")))
#endif

// TESSEL_LOCAL keeps a member of an exported class (a private helper) out
// of the export list.
#if defined(_WIN32) || defined(__CYGWIN__)
#define TESSEL_LOCAL
#else
#define TESSEL_LOCAL __attribute__((visibility("hidden")))
#endif

#endif  // TESSEL_EXPORT_H
