#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace reelmoor {

double numberFromText(std::string_view text) noexcept {
    std::size_t start = std::min(text.find_first_not_of(" \t"), text.size());
    if (start < text.size() && text[start] == '+') {
        ++start;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + text.size(), value,
                                        std::chars_format::fixed);
    return result.ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

std::string textFromNumber(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    // Fixed notation never switches to an exponent, however large the balance grows.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

} // namespace reelmoor
