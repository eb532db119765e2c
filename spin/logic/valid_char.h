// Which characters may appear in a spin control's fields.
#pragma once

#include <ruzav32/spin_types.h>

namespace ruzav::spin {

// A blank, hyphen, full stop or colon always; a character of either designator only in a time
// control; otherwise a digit or the first character of the date or time separator. The
// terminating zero of a text is not one of its characters, so '\0' is never valid.
bool IsValidSpinChar(char c, eSpinValueTypes eKind, const char* pszAM, const char* pszPM,
                     const char* pszDateSep, const char* pszTimeSep);

} // namespace ruzav::spin
