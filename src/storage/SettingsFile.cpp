// Reading and writing "Surabeset.dat": the five best times and names and the four settings.
#include "SettingsFile.h"

#include "Cp932.h"
#include "Text.h"

#include <QFile>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace surabe {

namespace {

constexpr int kValueCount = 14;
// A real file is a few hundred bytes; anything past this cannot hold one of the 14 values.
constexpr qint64 kMostBytesRead = 1 << 20;

struct Field {
    QByteArray bytes;
    bool quoted = false;
    bool complete = true; // false for a quote that never closes
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool EndsBareValue(char c) { return c == ',' || c == '\r' || c == '\n'; }

// Splits the file into values: line ends and commas separate, blanks before a value are
// skipped, and a value that starts with a double quote runs to the next one.
std::vector<Field> SplitValues(const QByteArray &data)
{
    std::vector<Field> fields;
    qsizetype pos = 0;
    const qsizetype size = data.size();
    while (fields.size() < kValueCount && pos < size) {
        while (pos < size && IsBlank(data[pos]))
            ++pos;
        Field field;
        if (pos < size && data[pos] == '"') {
            field.quoted = true;
            const qsizetype close = data.indexOf('"', pos + 1);
            if (close < 0) {
                field.bytes = data.mid(pos + 1);
                field.complete = false;
                pos = size;
            } else {
                field.bytes = data.mid(pos + 1, close - pos - 1);
                pos = close + 1;
            }
            while (pos < size && !EndsBareValue(data[pos]))
                ++pos; // what stands between the closing quote and the separator is dropped
        } else {
            const qsizetype start = pos;
            while (pos < size && !EndsBareValue(data[pos]))
                ++pos;
            qsizetype end = pos;
            while (end > start && IsBlank(data[end - 1]))
                --end;
            field.bytes = data.mid(start, end - start);
        }
        if (pos < size) {
            if (data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n')
                ++pos;
            ++pos;
        }
        fields.push_back(field);
    }
    return fields;
}

std::optional<Int16> ReadNumber(const Field &field)
{
    if (!field.complete)
        return std::nullopt;
    const QByteArray text = field.bytes.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool sign = i == 0 && (text[i] == '-' || text[i] == '+');
        if (!sign && (text[i] < '0' || text[i] > '9'))
            return std::nullopt;
    }
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < -32768 || value > 32767)
        return std::nullopt; // too big for 16 bits: unreadable, not wrapped
    return static_cast<Int16>(value);
}

std::optional<std::string> ReadName(const Field &field)
{
    if (!field.complete)
        return std::nullopt;
    // A name the writer could not carry back (a double quote in a bare value, a line break)
    // is as broken as bad bytes: what is read must be what the next exit writes.
    const std::optional<QString> text = DecodeCp932(field.bytes);
    if (!text || !WhyNameDoesNotFit(*text).isEmpty())
        return std::nullopt;
    return text->toStdString();
}

} // namespace

LoadReport LoadSettings(GameState &state, const QString &path)
{
    QByteArray data;
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (opened)
        data = file.read(kMostBytesRead);
    LoadReport report = ReadSettings(state, data);
    report.fileRead = opened;
    return report;
}

LoadReport ReadSettings(GameState &state, const QByteArray &data)
{
    LoadReport report;
    const std::vector<Field> fields = SplitValues(data);
    auto field = [&](int index) -> const Field * {
        return index < static_cast<int>(fields.size()) ? &fields[index] : nullptr;
    };
    auto number = [&](int index, Int16 &target, Int16 fallback) {
        const Field *f = field(index);
        const std::optional<Int16> value = f ? ReadNumber(*f) : std::nullopt;
        target = value.value_or(fallback);
        report.valuesDefaulted += !value;
    };
    auto name = [&](int index, std::string &target) {
        const Field *f = field(index);
        std::optional<std::string> value = f ? ReadName(*f) : std::nullopt;
        report.valuesDefaulted += !value;
        target = value ? std::move(*value) : std::string(kEmptyBestName);
    };

    for (int slot = 1; slot <= kBestSlots; ++slot)
        number(slot - 1, state.BestTime[slot], kEmptyBestTime);
    for (int slot = 1; slot <= kBestSlots; ++slot)
        name(kBestSlots + slot - 1, state.BestName[slot]);
    number(10, state.BlockSize, kDefaultBlockSize);
    number(11, state.LeftMargin, kDefaultLeftMargin);
    number(12, state.TopMargin, kDefaultTopMargin);
    number(13, state.Level, kDefaultLevel);
    return report;
}

QByteArray SettingsBytes(const GameState &state)
{
    QByteArray data;
    auto numberLine = [&](Int16 value) { data += QByteArray::fromStdString(DecimalText(value)) + "\r\n"; };
    for (int slot = 1; slot <= kBestSlots; ++slot)
        numberLine(state.BestTime[slot]);
    for (int slot = 1; slot <= kBestSlots; ++slot) {
        // Names are checked where they enter; one that still cannot be written is left empty
        // rather than written so that it would not read back.
        const QString name = QString::fromStdString(state.BestName[slot]);
        const std::optional<QByteArray> bytes = WhyNameDoesNotFit(name).isEmpty() ? EncodeCp932(name) : std::nullopt;
        data += '"' + bytes.value_or(QByteArray()) + "\"\r\n";
    }
    numberLine(state.BlockSize);
    numberLine(state.LeftMargin);
    numberLine(state.TopMargin);
    numberLine(state.Level);
    return data;
}

SaveResult SaveSettings(const GameState &state, const QString &path)
{
    const QByteArray data = SettingsBytes(state);

    // Unbuffered, so that a write cut short (a full disk) shows in its count: a buffered
    // QSaveFile can report success for a partial flush and put the truncated file in place.
    QSaveFile file(path);
    SaveResult result;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(data) != data.size()) {
        result.error = file.error() != QFileDevice::NoError
                           ? file.errorString()
                           : QStringLiteral("書き込みが途中で止まりました（ディスクの空きが足りない可能性があります）。");
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.saved = true;
    return result;
}

} // namespace surabe
