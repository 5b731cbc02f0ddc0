// Fuzzes the settings file reader: whatever it reads, the file written from it is 14 CR LF
// lines of valid code page 932 and reads back to the very same values.
#include "Cp932.h"
#include "SettingsFile.h"

#include <QList>

#include <cstdlib>
#include <cstdio>

namespace {

void Fail(const char *why)
{
    std::fprintf(stderr, "settings round trip: %s\n", why);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    using namespace surabe;
    GameState read;
    ReadSettings(read, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    const QByteArray written = SettingsBytes(read);
    if (!written.endsWith("\r\n"))
        Fail("the file does not end with CR LF");
    const QList<QByteArray> lines = written.chopped(2).split('\n');
    if (lines.size() != 14)
        Fail("the file is not 14 lines");
    for (const QByteArray &line : lines) {
        if (!line.endsWith('\r') && &line != &lines.last())
            Fail("a line does not end with CR LF");
        if (line.chopped(line.endsWith('\r') ? 1 : 0).contains('\r'))
            Fail("a stray CR inside a line");
        if (!DecodeCp932(line))
            Fail("a line is not valid code page 932");
    }

    GameState again;
    if (ReadSettings(again, written).valuesDefaulted != 0)
        Fail("the written file has a value that does not read");
    if (again.BestTime != read.BestTime || again.BestName != read.BestName || again.BlockSize != read.BlockSize ||
        again.LeftMargin != read.LeftMargin || again.TopMargin != read.TopMargin || again.Level != read.Level)
        Fail("the written file reads back to other values");
    return 0;
}
