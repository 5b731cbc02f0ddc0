// Reading a setting typed into a text box: the number at the start of the text, rounded half to even.
#include "NumberReader.h"

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
    if (error == std::errc::result_out_of_range)
        return number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
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
