// The Windows headers, as every file of this backend includes them.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

// windows.h maps DrawText to DrawTextW; the surface's DrawText must keep its own name.
#undef DrawText
