// The settings file: exact bytes written, the reader's forms, broken files, failed saves, names it cannot carry.
#include "Cp932.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef __linux__
#include <csignal>
#include <sys/resource.h>
#endif

namespace surabe {

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

GameState Sample()
{
    GameState state;
    const Int16 times[] = {0, -32768, 32767, 29999, -1};
    const char *names[] = {"", "？？？？？？？？", "ﾀﾛｳ", " 山田 花子 ", "a,b"};
    for (int slot = 1; slot <= 5; ++slot) {
        state.BestTime[slot] = times[slot - 1];
        state.BestName[slot] = names[slot - 1];
    }
    state.BlockSize = 700;
    state.LeftMargin = -15;
    state.TopMargin = 0;
    state.Level = 9;
    return state;
}

const QByteArray kQuestionMarks = QByteArray::fromHex("81488148814881488148814881488148");

} // namespace

class StorageTest : public QObject {
    Q_OBJECT

private slots:
    void codePage932OfTheEmptyName()
    {
        QCOMPARE(EncodeCp932(QStringLiteral("？")).value(), QByteArray("\x81\x48"));
        QCOMPARE(EncodeCp932(QString::fromUtf8(kEmptyBestName)).value(), kQuestionMarks);
        QCOMPARE(DecodeCp932(kQuestionMarks).value(), QString::fromUtf8(kEmptyBestName));
        QVERIFY(!DecodeCp932(QByteArray("\x81\x20")));
        QVERIFY(!EncodeCp932(QStringLiteral("😀")));
    }

    void namesTheFileCannotCarry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fits");
        QTest::newRow("plain") << QStringLiteral("山田 太郎") << true;
        QTest::newRow("half-width kana") << QStringLiteral("ﾔﾏﾀﾞ") << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("comma") << QStringLiteral("a,b") << true; // quoted, so it reads back
        QTest::newRow("double quote") << QStringLiteral("say \"hi\"") << false;
        QTest::newRow("line break") << QStringLiteral("two\nlines") << false;
        QTest::newRow("carriage return") << QStringLiteral("two\rlines") << false;
        QTest::newRow("emoji") << QStringLiteral("名前😀") << false;
        QTest::newRow("hangul") << QStringLiteral("한국") << false;
    }

    void namesTheFileCannotCarry()
    {
        QFETCH(QString, name);
        QFETCH(bool, fits);
        QCOMPARE(WhyNameDoesNotFit(name).isEmpty(), fits);
    }

    void writesExactlyFourteenCrLfLinesAndReadsThemBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Surabeset.dat"));
        WriteAll(path, QByteArray(5000, 'x')); // a longer old file is replaced, not appended to
        const GameState written = Sample();
        QVERIFY(SaveSettings(written, path).saved);

        const QByteArray expected = "0\r\n-32768\r\n32767\r\n29999\r\n-1\r\n"
                                    "\"\"\r\n\"" + kQuestionMarks + "\"\r\n\"\xc0\xdb\xb3\"\r\n"
                                    "\" " + EncodeCp932(QStringLiteral("山田 花子")).value() + " \"\r\n\"a,b\"\r\n"
                                    "700\r\n-15\r\n0\r\n9\r\n";
        QCOMPARE(ReadAll(path), expected);

        GameState read;
        const LoadReport report = LoadSettings(read, path);
        QVERIFY(report.fileRead);
        QCOMPARE(report.valuesDefaulted, 0);
        QCOMPARE(read.BestTime, written.BestTime);
        QCOMPARE(read.BestName, written.BestName);
        QCOMPARE(read.BlockSize, written.BlockSize);
        QCOMPARE(read.LeftMargin, written.LeftMargin);
        QCOMPARE(read.TopMargin, written.TopMargin);
        QCOMPARE(read.Level, written.Level);
    }

    void readerAcceptsEveryFraming_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray names = EncodeCp932(QStringLiteral("一郎")).value();
        QTest::newRow("as written") << "10\r\n20\r\n30\r\n40\r\n50\r\n\"" + names + "\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n600\r\n120\r\n240\r\n3\r\n";
        QTest::newRow("commas") << "10,20,30,40,50\r\n\"" + names + "\",\"b\",\"c\",\"d\",\"e\"\r\n600,120,240,3\r\n";
        QTest::newRow("bare names") << "10\r\n20\r\n30\r\n40\r\n50\r\n" + names + "\r\nb\r\nc\r\nd\r\ne\r\n600\r\n120\r\n240\r\n3\r\n";
        QTest::newRow("blanks around numbers") << "  10 \r\n\t20\t\r\n 30\r\n40 \r\n 50 \r\n \"" + names + "\" \r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n 600 , 120 , 240 , 3 \r\n";
        QTest::newRow("LF only, tail ignored") << "10\n20\n30\n40\n50\n\"" + names + "\"\n\"b\"\n\"c\"\n\"d\"\n\"e\"\n600\n120\n240\n3\nextra,values\n";
        QTest::newRow("no final line end") << "10,20,30,40,50," + names + ",b,c,d,e,600,120,240,3";
    }

    void readerAcceptsEveryFraming()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Surabeset.dat"));
        WriteAll(path, file);
        GameState state;
        const LoadReport report = LoadSettings(state, path);
        QCOMPARE(report.valuesDefaulted, 0);
        QCOMPARE((std::array<Int16, 5>{state.BestTime[1], state.BestTime[2], state.BestTime[3], state.BestTime[4],
                                       state.BestTime[5]}),
                 (std::array<Int16, 5>{10, 20, 30, 40, 50}));
        QCOMPARE(state.BestName[1], std::string("一郎"));
        QCOMPARE(state.BestName[5], std::string("e"));
        QCOMPARE(state.BlockSize, Int16{600});
        QCOMPARE(state.LeftMargin, Int16{120});
        QCOMPARE(state.TopMargin, Int16{240});
        QCOMPARE(state.Level, Int16{3});
    }

    void brokenValuesTakeTheirDefaultsAndCleanOnesAreKept_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("defaulted");
        QTest::addColumn<int>("firstTime");
        QTest::addColumn<int>("level");
        QTest::newRow("missing") << QByteArray() << 14 << 29999 << int(kDefaultLevel);
        QTest::newRow("empty") << QByteArray("") << 14 << 29999 << int(kDefaultLevel);
        QTest::newRow("short") << QByteArray("77\r\n") << 13 << 77 << int(kDefaultLevel);
        QTest::newRow("not numbers") << QByteArray("abc\r\n2\r\n3\r\n4\r\n5\r\na\r\nb\r\nc\r\nd\r\ne\r\n600\r\n12x\r\n120\r\n1.5\r\n") << 3 << 29999 << int(kDefaultLevel);
        QTest::newRow("outside 16 bits") << QByteArray("32768\r\n2\r\n3\r\n4\r\n5\r\na\r\nb\r\nc\r\nd\r\ne\r\n-32769\r\n0\r\n0\r\n4\r\n") << 2 << 29999 << 4;
        QTest::newRow("invalid code page 932") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n\"\x81\x20\"\r\n\"\x80\"\r\nc\r\nd\r\ne\r\n600\r\n0\r\n0\r\n2\r\n") << 2 << 1 << 2;
        QTest::newRow("line break inside quotes") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n\"a\r\nb\"\r\nc\r\nd\r\ne\r\nf\r\n600\r\n0\r\n0\r\n2\r\n") << 1 << 1 << 2;
        QTest::newRow("bare name holding a quote") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\ne\"\r\nb\r\nc\r\nd\r\ne\r\n600\r\n0\r\n0\r\n2\r\n") << 1 << 1 << 2;
        QTest::newRow("quote never closes") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n\"a\r\n") << 9 << 1 << int(kDefaultLevel);
        QTest::newRow("huge") << QByteArray(8 << 20, ' ') + "1" << 14 << 29999 << int(kDefaultLevel);
    }

    void brokenValuesTakeTheirDefaultsAndCleanOnesAreKept()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, defaulted);
        QFETCH(int, firstTime);
        QFETCH(int, level);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Surabeset.dat"));
        if (!file.isNull())
            WriteAll(path, file);
        GameState state;
        state.BestName[2] = "stale";
        const LoadReport report = LoadSettings(state, path);
        QCOMPARE(report.valuesDefaulted, defaulted);
        QCOMPARE(state.BestTime[1], Int16(firstTime));
        QCOMPARE(state.Level, Int16(level));
        for (int slot = 1; slot <= 5; ++slot)
            QVERIFY(WhyNameDoesNotFit(QString::fromStdString(state.BestName[slot])).isEmpty());

        // Whatever was read, the file written next is whole and reads back without a default.
        QVERIFY(SaveSettings(state, path).saved);
        GameState again;
        QCOMPARE(LoadSettings(again, path).valuesDefaulted, 0);
        QCOMPARE(again.BestName, state.BestName);
        QCOMPARE(again.BestTime, state.BestTime);
    }

    void defaultsShowAThreeByThreeBoardInsideTheWindow()
    {
        GameState state;
        LoadSettings(state, QStringLiteral("/nonexistent/Surabeset.dat"));
        QCOMPARE(state.Level, Int16{1});
        const int n = 3, b = state.BlockSize;
        QVERIFY(b > 0);
        QVERIFY(state.LeftMargin + 2 * n * b + 3 * b / 4 <= 11400);        // board, gap and preview
        QVERIFY(state.TopMargin + n * b + b / 2 + 495 <= 7788);             // board, gap and clock
        QCOMPARE(state.BestName[3], std::string(kEmptyBestName));
    }

    void failedSaveLeavesTheOldFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Surabeset.dat"));
        const QByteArray old = "1\r\n2\r\n3\r\n4\r\n5\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n600\r\n0\r\n0\r\n2\r\n";
        WriteAll(path, old);

        // A folder that refuses new files (unless we are the superuser, who may write anyway).
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const SaveResult refused = SaveSettings(Sample(), path);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (!refused.saved) {
            QVERIFY(!refused.error.isEmpty());
            QCOMPARE(ReadAll(path), old);
        }

#ifdef __linux__
        // A disk that fills up while writing: the limit stops the write even for the superuser.
        WriteAll(path, old);
        struct rlimit previous {};
        getrlimit(RLIMIT_FSIZE, &previous);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tight = previous;
        tight.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tight);
        const SaveResult full = SaveSettings(Sample(), path);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!full.saved);
        QVERIFY(!full.error.isEmpty());
        QCOMPARE(ReadAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Surabeset.dat")}); // no leftovers
#endif
    }
};

} // namespace surabe

QTEST_GUILESS_MAIN(surabe::StorageTest)
#include "storage_test.moc"
