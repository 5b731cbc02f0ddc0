// Reading a setting typed into a text box: the number at the start of the text, rounded half to even.
#include "NumberReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace surabe {

namespace {

// Full-width forms (U+FF01..U+FF5E) stand for the ASCII characters 0x21..0x7E.
char AsciiOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0xFF01 && u <= 0xFF5E)
        return static_cast<char>(u - 0xFF01 + 0x21);
    if (u == 0x3000)
        return ' ';
    return u < 0x80 ? static_cast<char>(u) : '\0';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The power of ten of the first significant digit of a well-formed number ("123" gives 2,
// "0.05e-3" gives -5), saturated far beyond what a double holds. A number out of a double's
// range overflowed when this is positive and underflowed when it is negative.
long long DecimalMagnitude(const std::string &number)
{
    constexpr long long kFar = 1'000'000;
    std::size_t pos = number[0] == '-' ? 1 : 0;
    long long magnitude = -1;
    bool significant = false;
    for (; pos < number.size() && IsDigit(number[pos]); ++pos) {
        significant = significant || number[pos] != '0';
        if (significant && magnitude < kFar)
            ++magnitude;
    }
    if (pos < number.size() && number[pos] == '.') {
        for (++pos; pos < number.size() && IsDigit(number[pos]); ++pos) {
            if (significant)
                continue;
            significant = number[pos] != '0';
            if (!significant && magnitude > -kFar)
                --magnitude;
        }
    }
    if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
        ++pos;
        const bool negativeExponent = pos < number.size() && number[pos] == '-';
        if (pos < number.size() && (number[pos] == '+' || number[pos] == '-'))
            ++pos;
        long long exponent = 0;
        for (; pos < number.size() && IsDigit(number[pos]); ++pos)
            exponent = std::min(kFar, exponent * 10 + (number[pos] - '0'));
        magnitude += negativeExponent ? -exponent : exponent;
    }
    return magnitude;
}

} // namespace

double ReadLeadingNumber(const QString &text)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (QChar c : text) {
        const char a = AsciiOf(c);
        if (a == '\0')
            break; // nothing past a character that is no ASCII twin can continue a number
        ascii += a;
    }

    std::size_t pos = 0;
    while (pos < ascii.size() && (ascii[pos] == ' ' || ascii[pos] == '\t'))
        ++pos;
    const std::size_t start = pos;
    if (pos < ascii.size() && (ascii[pos] == '+' || ascii[pos] == '-'))
        ++pos;
    const std::size_t digitsStart = pos;
    while (pos < ascii.size() && IsDigit(ascii[pos]))
        ++pos;
    bool anyDigit = pos > digitsStart;
    if (pos < ascii.size() && ascii[pos] == '.') {
        const std::size_t fraction = pos + 1;
        std::size_t end = fraction;
        while (end < ascii.size() && IsDigit(ascii[end]))
            ++end;
        if (anyDigit || end > fraction) {
            anyDigit = true;
            pos = end;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (pos < ascii.size() && (ascii[pos] == 'e' || ascii[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < ascii.size() && (ascii[exponent] == '+' || ascii[exponent] == '-'))
            ++exponent;
        std::size_t end = exponent;
        while (end < ascii.size() && IsDigit(ascii[end]))
            ++end;
        if (end > exponent)
            pos = end;
    }

    std::string number = ascii.substr(start, pos - start);
    if (!number.empty() && number[0] == '+')
        number.erase(0, 1); // from_chars takes no plus sign
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small for a double reads as zero, as strtod has it; only too large is refused later.
        const bool negative = number[0] == '-';
        if (DecimalMagnitude(number) < 0)
            return negative ? -0.0 : 0.0;
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    return error == std::errc() ? value : 0.0;
}

std::optional<Int16> RoundToSetting(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double rounded = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0); // a half goes to the even neighbour
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<Int16>(rounded);
}

} // namespace surabe
