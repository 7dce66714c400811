// Built, never run: the onTop module compiles where <winuser.h> came first, as in a
// unity build or behind a precompiled header, and leaves that header's macros as it
// found them.
#ifdef _WIN32
#include <windows.h>
#else
#define HWND_TOPMOST ((void *)-1) // as <winuser.h> defines them
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#endif

#include "modules/onTop.cpp"

#ifndef HWND_TOPMOST
#error "HWND_TOPMOST is no longer defined after the onTop module"
#endif
static_assert(SWP_NOSIZE == 0x0001 && SWP_NOMOVE == 0x0002);
