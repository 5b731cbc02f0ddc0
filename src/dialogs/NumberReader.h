// Reading a setting typed into a text box: the number at the start of the text, rounded half to even.
#pragma once

#include "Int16.h"

#include <QString>

#include <optional>

namespace surabe {

// The number at the start of the text: leading blanks, an optional sign, digits, an optional
// decimal point with digits and an optional exponent; reading stops at the first character
// that cannot continue it. No number at the start gives 0. Full-width digits, signs and
// points (typed with the Japanese input method on) count like their ASCII twins.
double ReadLeadingNumber(const QString &text);

// The nearest integer, a half going to the even neighbour; nothing when the result does
// not fit a 16-bit setting.
std::optional<Int16> RoundToSetting(double value);

} // namespace surabe
