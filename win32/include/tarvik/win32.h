// Our stand-ins for the few Windows services the gauge modules call. They live in one shared library,
// as the real ones live in the system's libraries, so that every module and the host see one state.
//
// [SECTION] Types
// [SECTION] Module entry
// [SECTION] Text formatting
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#define TARVIK_WIN32_API extern "C" __attribute__((visibility("default")))

// [SECTION] Types

using BOOL = int32_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using HANDLE = void*;
using HMODULE = void*;
using HINSTANCE = void*;
using HWND = void*;
using LPSTR = char*;
using LPCSTR = const char*;

// [SECTION] Module entry

// Records that the module asked for no thread notifications; returns 1 for any non-null handle.
TARVIK_WIN32_API BOOL DisableThreadLibraryCalls(HMODULE module);

// How many modules have made that call since the library was loaded (the host and tests read it).
TARVIK_WIN32_API uint32_t tarvik_thread_library_calls_disabled();

// The calling module's own handle: its shared object's unique address.
extern "C" void* __dso_handle;
inline HMODULE tarvik_module_self() { return &__dso_handle; }

// [SECTION] Text formatting

// The Windows formatter: %c %d %i %u %x %X %s with the flags '-', '0' and '#', widths and
// precisions, the size prefixes h and l; no floating point and no '+' or ' ' flag (such a
// conversion is copied out as text). A null %s argument prints nothing. The output is cut at 1023
// characters, as the Windows routine's, and always terminated.
TARVIK_WIN32_API int wsprintfA(LPSTR out, LPCSTR format, ...) __attribute__((format(printf, 2, 3)));
TARVIK_WIN32_API int wvsprintfA(LPSTR out, LPCSTR format, va_list args);

// The same rules with a bound: never writes more than `capacity` bytes, terminator included.
// Returns the number of characters written.
TARVIK_WIN32_API int tarvik_wvsnprintf(LPSTR out, size_t capacity, LPCSTR format, va_list args);
