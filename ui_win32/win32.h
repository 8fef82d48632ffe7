// The Windows headers as every file of the Win32 window includes them: wide
// (W) functions only, no min/max macros, Windows 10 declarations (the
// per-monitor DPI functions are still looked up at run time, so that older
// systems and Wine start too).
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>
// windows.h first.
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
