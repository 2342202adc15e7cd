// The shortest decimal text of a float that reads back as the very same float: the digits and
// the choice between plain and exponent notation are those of std::to_chars(float), which not
// every C++ library provides.
#pragma once

#include <cstddef>

namespace kelmora {

// Room for the longest text, "-1.17549435e-38", and more.
inline constexpr std::size_t kFloatTextSize = 24;

// Writes the text of value at out (no terminating zero) and returns its length: the fewest
// significant digits that read back as value (the nearest such digits when there are several,
// the even one on a tie), in plain notation when that is no longer than the exponent notation
// d.ddde+XX. A whole number in plain notation is written exactly ("123456792", not "123456790").
// Zero keeps its sign ("-0"); infinities are "inf" and "-inf", NaNs "nan" and "-nan".
std::size_t ShortestFloatText(float value, char* out);

}  // namespace kelmora
