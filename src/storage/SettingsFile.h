// Reading and writing "Surabeset.dat": the five best times and names and the four settings.
#pragma once

#include "GameState.h"

#include <QString>

namespace surabe {

inline constexpr const char *kSettingsFileName = "Surabeset.dat";

// What a value that is missing or cannot be read becomes: records are empty, and the board
// is a 3×3 one that stands well inside the main window.
inline constexpr Int16 kDefaultBlockSize = 1200;
inline constexpr Int16 kDefaultLeftMargin = 600;
inline constexpr Int16 kDefaultTopMargin = 600;
inline constexpr Int16 kDefaultLevel = 1;

struct LoadReport {
    bool fileRead = false;
    int valuesDefaulted = 0; // of the 14
};

// Reads the 14 values into the state. Every value that reads cleanly is kept; any other
// (missing, not a 16-bit number, a name that is not valid code page 932 or holds a line
// break) takes its default. Never fails.
LoadReport LoadSettings(GameState &state, const QString &path = QString::fromLatin1(kSettingsFileName));

// The same, from the file's bytes.
LoadReport ReadSettings(GameState &state, const QByteArray &data);

// What SaveSettings writes.
QByteArray SettingsBytes(const GameState &state);

struct SaveResult {
    bool saved = false;
    QString error; // the system's reason when not saved
};

// Writes the 14 values, CR LF after each, names between double quotes. The file is replaced
// in one step: when writing fails, the previous file stays as it was.
SaveResult SaveSettings(const GameState &state, const QString &path = QString::fromLatin1(kSettingsFileName));

} // namespace surabe
