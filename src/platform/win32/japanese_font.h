#pragma once

#include <windows.h>

namespace kebo::win32 {

// A regular Japanese proportional Gothic font of `points` at `dpi`, Shift-JIS character set:
// "ＭＳ Ｐゴシック" where it is installed, otherwise the first installed of its usual stand-ins,
// otherwise the Shift-JIS font the font mapper picks. The caller deletes it.
HFONT createJapaneseFont(double points, UINT dpi);

}  // namespace kebo::win32
