#include "core/ReadingFile.h"
#include "core/Scramble.h"

#include <QTest>

namespace {

const QByteArray AbcFile = QByteArray::fromHex("969798"
                                               "0d0a"
                                               "8a"
                                               "0d0a"
                                               "a2b6c7b8bd"
                                               "0d0a"
                                               "868e8d85"
                                               "0d0a");

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT
private slots:
    void writesFourScrambledLines_data();
    void writesFourScrambledLines();
    void readsTheFirstFourLines_data();
    void readsTheFirstFourLines();
    void checksTheEndingCaseSensitively_data();
    void checksTheEndingCaseSensitively();
    void givesANameWithoutExtensionTheReadingExtension_data();
    void givesANameWithoutExtensionTheReadingExtension();
    void takesTheInputOfAFileWholeOrNotAtAll_data();
    void takesTheInputOfAFileWholeOrNotAtAll();
};

void TestReadingFile::writesFourScrambledLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ABC, 5 March 1980") << "ABC" << 5 << "March" << 1980 << AbcFile;
    QTest::newRow("empty name, 31 December 2050") << "" << 31 << "December" << 2050
                                                  << QByteArray::fromHex("0d0a"
                                                                         "8886"
                                                                         "0d0a"
                                                                         "99bab8bac2b7bac7"
                                                                         "0d0a"
                                                                         "8785"
                                                                         "8a85"
                                                                         "0d0a");
    QTest::newRow("name with a space") << "MARY ANN" << 1 << "January" << 1900
                                       << QByteArray::fromHex("a296a7ae7596a3a3"
                                                              "0d0a"
                                                              "86"
                                                              "0d0a"
                                                              "9fb6c3cab6c7ce"
                                                              "0d0a"
                                                              "868e8585"
                                                              "0d0a");
    QTest::newRow("codes above 170 are left out") << QString::fromUtf8("\xc3\x89VE\xe2\x82\xac") << 9 << "May" << 2000
                                                  << QByteArray::fromHex("ab9a"
                                                                         "0d0a"
                                                                         "8e"
                                                                         "0d0a"
                                                                         "a2b6ce"
                                                                         "0d0a"
                                                                         "87858585"
                                                                         "0d0a");
}

void TestReadingFile::writesFourScrambledLines()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QByteArray, bytes);
    const ReadingInput input {name, day, month, year};
    QCOMPARE(encodeReadingFile(input).toHex(' '), bytes.toHex(' '));
}

void TestReadingFile::readsTheFirstFourLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("wholeFile");
    QTest::addColumn<QStringList>("values");
    const QStringList abc {"ABC", "5", "March", "1980"};
    QTest::newRow("as written") << AbcFile << true << abc;
    QTest::newRow("fifth and later lines ignored") << AbcFile + "\x99\x99\r\n\x99\r\n" << true << abc;
    QTest::newRow("three lines") << AbcFile.left(15) << true << QStringList {"ABC", "5", "March"};
    QTest::newRow("no break after the last line") << AbcFile.chopped(2) << true << abc;
    QTest::newRow("line feeds alone") << QByteArray(AbcFile).replace("\r\n", "\n") << true << abc;
    QTest::newRow("carriage returns alone") << QByteArray(AbcFile).replace("\r\n", "\r") << true << abc;
    QTest::newRow("codes below 85 dropped") << QByteArray("\x96\x20\x00\x54\x97\r\n", 7) << true << QStringList {"AB"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n") << true << QStringList {"", ""};
    QTest::newRow("empty file") << QByteArray() << true << QStringList {};
    QTest::newRow("head of a longer file: cut line dropped")
        << AbcFile.left(18) << false << QStringList {"ABC", "5", "March"};
    QTest::newRow("head of a longer file: complete lines kept") << AbcFile << false << abc;
}

void TestReadingFile::readsTheFirstFourLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, wholeFile);
    QFETCH(QStringList, values);
    QCOMPARE(decodeReadingFile(bytes, wholeFile), values);
}

void TestReadingFile::checksTheEndingCaseSensitively_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("passes");
    QTest::newRow("reading.avd") << "/home/anna/reading.avd" << true;
    QTest::newRow("reading.AVD") << "/home/anna/reading.AVD" << false;
    QTest::newRow("reading.Avd") << "reading.Avd" << false;
    QTest::newRow("readingavd, no dot") << "readingavd" << true;
    QTest::newRow("another extension") << "reading.avd.txt" << false;
    QTest::newRow("exactly avd") << "avd" << true;
    QTest::newRow("two characters") << "ab" << true;
    QTest::newRow("cancelled") << "" << true;
}

void TestReadingFile::checksTheEndingCaseSensitively()
{
    QFETCH(QString, path);
    QFETCH(bool, passes);
    QCOMPARE(passesReadingFileEnding(path), passes);
}

void TestReadingFile::givesANameWithoutExtensionTheReadingExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "/tmp/reading"
                                  << "/tmp/reading.avd";
    QTest::newRow("dot in a folder name") << "/tmp/my.folder/reading"
                                          << "/tmp/my.folder/reading.avd";
    QTest::newRow("trailing dot") << "/tmp/reading."
                                  << "/tmp/reading.avd";
    QTest::newRow("already avd") << "/tmp/reading.avd"
                                 << "/tmp/reading.avd";
    QTest::newRow("an extension of the user's") << "/tmp/reading.bak"
                                                << "/tmp/reading.bak";
}

void TestReadingFile::givesANameWithoutExtensionTheReadingExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(withReadingFileExtension(chosen), written);
    QVERIFY(passesReadingFileEnding(withReadingFileExtension(QStringLiteral("/tmp/anything"))));
}

void TestReadingFile::takesTheInputOfAFileWholeOrNotAtAll_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("input"); // name, day, month and year; empty when the file is refused
    const auto line = [](const char* value) { return ScrambleText(QLatin1String(value)).toLatin1() + "\r\n"; };
    const QByteArray anna = line("ANNA") + line("5") + line("March") + line("1980");
    const QStringList annaInput {"ANNA", "5", "March", "1980"};
    QTest::newRow("a saved reading") << anna << annaInput;
    QTest::newRow("first dates of the lists")
        << line("A") + line("1") + line("January") + line("1900") << QStringList {"A", "1", "January", "1900"};
    QTest::newRow("last dates of the lists")
        << line("A") + line("31") + line("December") + line("2050") << QStringList {"A", "31", "December", "2050"};
    QTest::newRow("an empty name, the reading action's to judge")
        << line("") + line("5") + line("March") + line("1980") << QStringList {"", "5", "March", "1980"};
    QTest::newRow("lines after the fourth") << anna + line("April") + line("1") + "\x96\x96\x96" << annaInput;
    QTest::newRow("line feeds alone") << QByteArray(anna).replace("\r\n", "\n") << annaInput;
    QTest::newRow("no break after the year") << anna.chopped(2) << annaInput;
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("name only") << line("ANNA") << QStringList();
    QTest::newRow("no year line") << line("ANNA") + line("5") + line("March") << QStringList();
    QTest::newRow("day 0") << line("ANNA") + line("0") + line("March") + line("1980") << QStringList();
    QTest::newRow("day 32") << line("ANNA") + line("32") + line("March") + line("1980") << QStringList();
    QTest::newRow("day with a leading zero")
        << line("ANNA") + line("05") + line("March") + line("1980") << QStringList();
    QTest::newRow("day with a sign") << line("ANNA") + line("+5") + line("March") + line("1980") << QStringList();
    QTest::newRow("month in lower case") << line("ANNA") + line("5") + line("march") + line("1980") << QStringList();
    QTest::newRow("year 1899") << line("ANNA") + line("31") + line("April") + line("1899") << QStringList();
    QTest::newRow("year 2051") << line("ANNA") + line("31") + line("April") + line("2051") << QStringList();
    QTest::newRow("plain, unscrambled text") << QByteArray("ANNA\r\n5\r\nMarch\r\n1980\r\n") << QStringList();
}

void TestReadingFile::takesTheInputOfAFileWholeOrNotAtAll()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, input);
    const std::optional<ReadingInput> taken = readingInputFromFile(decodeReadingFile(bytes));
    QCOMPARE(taken.has_value(), !input.isEmpty());
    if (taken) {
        QCOMPARE((QStringList {taken->name, QString::number(taken->day), taken->month, QString::number(taken->year)}),
            input);
    }
}

QTEST_APPLESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
