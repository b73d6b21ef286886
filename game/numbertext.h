#pragma once

#include <string>
#include <string_view>

namespace reelmoor {

// The decimal number the text begins with, blanks before it skipped; 0 when
// there is none. Never throws.
double numberFromText(std::string_view text) noexcept;

// Plain decimal digits of a whole number: no exponent, separator or decimal point.
std::string textFromNumber(double value);

} // namespace reelmoor
