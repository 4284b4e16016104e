#pragma once
// The kernel's string functions and the entry points of a Win32 program.

#include "platform/base/WinTypes.h"

#include <cstdarg>

extern "C" {

// Compare, copy, append and measure zero-terminated strings. Null arguments are answered as
// Windows answers them without crashing: a null string compares as empty, copies return null.
int lstrcmpW(LPCWSTR a, LPCWSTR b);
int lstrcmpiW(LPCWSTR a, LPCWSTR b);
LPWSTR lstrcpyW(LPWSTR destination, LPCWSTR source);
// Copies at most maxLength - 1 characters and always terminates.
LPWSTR lstrcpynW(LPWSTR destination, LPCWSTR source, int maxLength);
LPWSTR lstrcatW(LPWSTR destination, LPCWSTR source);
int lstrlenW(LPCWSTR text);
int lstrcmpA(LPCSTR a, LPCSTR b);
int lstrcmpiA(LPCSTR a, LPCSTR b);
LPSTR lstrcpyA(LPSTR destination, LPCSTR source);
LPSTR lstrcpynA(LPSTR destination, LPCSTR source, int maxLength);
LPSTR lstrcatA(LPSTR destination, LPCSTR source);
int lstrlenA(LPCSTR text);

// printf-style formatting into a buffer of at most 1024 characters, as the Windows functions
// promise; returns the number of characters written, without the terminator.
int wsprintfW(LPWSTR buffer, LPCWSTR format, ...);
int wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args);

// A program's entry point, defined by the program: the library's winmain target supplies the
// main function that calls whichever of the two the program defines.
int WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);
int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);
}

// The library is a Unicode build: the generic names are the wide functions.
#define lstrcmp lstrcmpW
#define lstrcmpi lstrcmpiW
#define lstrcpy lstrcpyW
#define lstrcpyn lstrcpynW
#define lstrcat lstrcatW
#define lstrlen lstrlenW
#define wsprintf wsprintfW
#define wvsprintf wvsprintfW
