// The one place that includes <windows.h>, with the settings every file of Pellora shares:
// the ANSI API, strict handle types, no min/max macros.
#pragma once

#ifndef STRICT
#define STRICT
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601
#endif
#undef UNICODE
#undef _UNICODE

#include <windows.h>
