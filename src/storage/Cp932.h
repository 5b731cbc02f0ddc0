// Conversion between the program's strings and code page 932 (Shift-JIS), the settings file's encoding.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace surabe {

// Bytes in code page 932, or nothing when a character has no code there.
std::optional<QByteArray> EncodeCp932(const QString &text);

// The text of code page 932 bytes, or nothing when the bytes are not valid there.
std::optional<QString> DecodeCp932(QByteArrayView bytes);

// Why a name cannot be written to the settings file and read back the same, or an empty
// string when it can: a double quote ends a name early, a line break splits it, and a
// character outside code page 932 has no bytes at all.
QString WhyNameDoesNotFit(const QString &name);

} // namespace surabe
