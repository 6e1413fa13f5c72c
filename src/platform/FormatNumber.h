#pragma once

#include <string>
#include <string_view>

namespace pelcor {

// Writes a real after a pattern such as "###.###": as many places after the point as the
// pattern has (none for a pattern without a point), cut, never rounded. The value is first
// taken in the general form with at most 15 significant digits (FormatGeneral); a whole
// number gets the point and the pattern's zeros ("5.000"), a number with a fraction keeps
// at most the pattern's places and gets no zeros added ("12.5", "3.141"). The sign and every
// digit before the point are always kept, whatever the pattern's width ("1234.5",
// "-123.5"), and a value too small for the plain form is written without an exponent, so
// 0.000001 gives "0.000". Not-a-number and infinities are written as 0.
std::string FormatNumber(double value, std::string_view pattern);

} // namespace pelcor
