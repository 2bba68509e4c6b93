// Locale-independent number text for TSC files, built on std::to_chars / std::from_chars, which
// follow the C locale whatever the program's locale is.
#include "storage/TSCNumber.h"

#include "storage/TSCChars.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

constexpr int significantDigits = 9;

std::string toChars(double value, std::chars_format format, int precision) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

// The decimal exponent of the first significant digit of a number text that overflowed or
// underflowed a double; only its sign matters to the caller.
long roughExponent(const std::string& text, size_t start) {
    size_t i = start;
    long integerDigits = 0;
    long leadingFractionZeros = 0;
    bool significant = false;
    while (i < text.size() && IsCharNumeric(text[i])) {
        if (text[i] != '0') significant = true;
        if (significant) ++integerDigits;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] == '0' && !significant) {
            ++leadingFractionZeros;
            ++i;
        }
        while (i < text.size() && IsCharNumeric(text[i])) ++i;
    }
    long exponent = integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1);
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        long e = 0;
        while (i < text.size() && IsCharNumeric(text[i]) && e < 100000) e = e * 10 + (text[i++] - '0');
        exponent += negative ? -e : e;
    }
    return exponent;
}

} // namespace

std::string FormatTSCNumber(float value) {
    if (std::isnan(value)) value = 0.0f;
    if (std::isinf(value)) value = value > 0 ? FLT_MAX : -FLT_MAX;
    const double v = value;
    // As printf's %g: the exponent of the rounded value picks fixed or scientific form; "#" keeps
    // the trailing zeros and the point.
    const std::string scientific = toChars(v, std::chars_format::scientific, significantDigits - 1);
    const size_t e = scientific.find('e');
    int exponent = 0;
    const char* digits = scientific.c_str() + e + 1;
    if (*digits == '+') ++digits;
    std::from_chars(digits, scientific.c_str() + scientific.size(), exponent);
    if (exponent < -4 || exponent >= significantDigits) return scientific;
    std::string fixed = toChars(v, std::chars_format::fixed, significantDigits - 1 - exponent);
    if (fixed.find('.') == std::string::npos) fixed += '.';
    return fixed;
}

float ParseTSCNumber(const std::string& text) {
    const char* first = text.c_str();
    const char* last = first + text.size();
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = !text.empty() && text[0] == '-';
        if (roughExponent(text, negative ? 1 : 0) < 0) return 0.0f;
        return negative ? -FLT_MAX : FLT_MAX;
    }
    if (result.ec != std::errc() || !std::isfinite(value)) return 0.0f;
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

bool IsTSCNumberText(const std::string& text) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsCharNumeric(text[i])) {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (i == 0) return false;
    if (i == text.size()) return true;
    if (!digits || (text[i] != 'e' && text[i] != 'E')) return false;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i)
        if (!IsCharNumeric(text[i])) return false;
    return true;
}
