// Conversion between the program's strings and code page 932 (Shift-JIS), the settings file's encoding.
#include "Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace surabe {

namespace {

// ICU knows Microsoft's variant of Shift-JIS by this name; it maps "？" to 81 48 and
// covers the NEC and IBM extensions that Japanese Windows names may hold.
constexpr const char *kCodePage932 = "windows-31j";

} // namespace

std::optional<QByteArray> EncodeCp932(const QString &text)
{
    QStringEncoder encoder(kCodePage932, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> DecodeCp932(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodePage932, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    return text;
}

QString WhyNameDoesNotFit(const QString &name)
{
    if (name.contains(u'"'))
        return QStringLiteral("名前に「\"」（ダブルクォート）は使えません。");
    if (name.contains(u'\r') || name.contains(u'\n'))
        return QStringLiteral("名前に改行は使えません。");
    if (!EncodeCp932(name))
        return QStringLiteral("名前にシフトJISで表せない文字が含まれています。");
    return {};
}

} // namespace surabe
