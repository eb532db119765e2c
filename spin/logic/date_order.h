// From the regional short-date pattern to the order and form of the three date fields, and
// from a field number to the date component and form it shows.
#pragma once

#include <ruzav32/spin_types.h>

namespace ruzav::spin {

// The kind of one pattern piece, judged by its first characters, case-insensitively: d or dd,
// M or MM, yy or yyyy. So ddd counts as dd, MMMM as MM, yyy as yy, and a lone y as unknown.
// A null piece is unknown.
eDatePos DatePiecePos(const char* pszPiece);

// The order from the kinds of the three pieces; 0 when a piece is unknown or two are the same
// kind. d together with dd passes (d, dd, yy gives 18).
eDateOrder DateOrderOf(eDatePos ePos1, eDatePos ePos2, eDatePos ePos3);

// The order of a short-date pattern as the control reads it: the pattern and the delimiters
// ("sDate") as 10-byte buffers hold them (at most 9 characters of each count), every non-letter
// turned into the first delimiter, then split at any delimiter; the first three pieces count
// and a missing piece is unknown. Examples: dd.MM.yy gives 26; yyyy-MM-dd is cut to yyyy-MM-d
// and gives 46; with an empty "sDate", M/d/yy is cut at the first / and gives 0.
eDateOrder DateOrderFromPattern(const char* pszPattern, const char* pszDelimiters);

// The component (day, month, year) that a field 1..3 holds under an order; eFocusNone for
// another field number. An order outside 0..47 is read as 0.
eDateFocus DateFieldComponent(eDateOrder eOrder, int nField);

// The form (ePosD ... ePosYYYY) in which a field 1..3 shows its component; ePosUnknown for
// another field number.
eDatePos DateFieldForm(eDateOrder eOrder, int nField);

// The field 1..3 that holds a component under an order; 0 for eFocusNone.
int DateFieldOf(eDateOrder eOrder, eDateFocus eComponent);

} // namespace ruzav::spin
