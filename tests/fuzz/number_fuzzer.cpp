// Fuzzes the number reader of the settings dialog against strtod: the same leading number,
// a 16-bit setting or a refusal, and a number too small for a double reads as 0.
#include "NumberReader.h"

#include <QString>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Fail(const QString &text, const char *why)
{
    std::fprintf(stderr, "number reader on \"%s\": %s\n", text.toUtf8().constData(), why);
    std::abort();
}

// The ASCII twin of the text as far as it has one (full-width forms and the ideographic space).
std::string AsciiTwin(const QString &text)
{
    std::string ascii;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        char a = '\0';
        if (u >= 0xFF01 && u <= 0xFF5E)
            a = char(u - 0xFF01 + 0x21);
        else if (u == 0x3000)
            a = ' ';
        else if (u > 0 && u < 0x80)
            a = char(u);
        if (a == '\0')
            break;
        ascii += a;
    }
    return ascii;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    using namespace surabe;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = ReadLeadingNumber(text);
    const std::optional<Int16> setting = RoundToSetting(value);

    // strtod also reads hexadecimal, infinities, NaN and other blanks, which a setting does
    // not: compare only where what strtod takes is a plain decimal number after blanks.
    const std::string ascii = AsciiTwin(text);
    char *end = nullptr;
    errno = 0;
    const double expected = std::strtod(ascii.c_str(), &end);
    const bool underflow = errno == ERANGE && std::fabs(expected) <= DBL_MIN;
    const std::string taken(ascii.c_str(), std::size_t(end - ascii.c_str()));
    const bool plainDecimal = taken.find_first_not_of(" \t+-.0123456789eE") == std::string::npos;
    if (plainDecimal) {
        if (underflow ? value != 0.0 && value != expected : value != expected)
            Fail(text, "another value than strtod's");
    }

    if (setting && (*setting < -32768 || *setting > 32767))
        Fail(text, "a setting outside 16 bits");
    if (std::isfinite(value)) {
        const double rounded = std::nearbyint(value); // to nearest, a half to even
        const bool fits = rounded >= -32768.0 && rounded <= 32767.0;
        if (fits != setting.has_value())
            Fail(text, fits ? "a number within 16 bits refused" : "a number outside 16 bits accepted");
        if (fits && double(*setting) != rounded)
            Fail(text, "rounded to another setting");
    } else if (setting) {
        Fail(text, "an infinite number accepted");
    }
    return 0;
}
