#pragma once

#include <string>

namespace dawnrule {

// A number as the pie progress bar writes it in its caption; "." as decimal
// separator always. 100 stands for a width or a number of decimals that is not given:
//  - decimals other than 100: fixed point with `decimals` digits after the point (no
//    point for 0), halves rounded away from zero, right-aligned in a field of `width`
//    characters; a longer text is not cut. (12, 0, 0) gives "12", (2.5, 4, 0) "   3",
//    (0.125, 2, 2) "0.13". A value that rounds to zero carries no minus sign.
//  - decimals 100 and width 100: the default exponent form, 15 significant digits and
//    a signed exponent of four digits: 12 gives "1.20000000000000E+0001".
//  - decimals 100 and another width: the exponent form with as many digits as fill
//    `width` characters, at least one and at most 16 after the point, right-aligned:
//    (12, 10, 100) gives "1.20E+0001".
// Infinities and NaN read "inf", "-inf" and "nan", right-aligned.
std::string FormatReal(double value, int width, int decimals);

} // namespace dawnrule
