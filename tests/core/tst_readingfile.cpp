#include "core/ReadingFile.h"
#include "core/WebAddress.h"
#include "gui/QtPlatform.h"

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
    void givesTheDialogsFiltersQtUnderstands_data();
    void givesTheDialogsFiltersQtUnderstands();
    void findsWebAddresses_data();
    void findsWebAddresses();
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

void TestReadingFile::givesTheDialogsFiltersQtUnderstands_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qtFilter");
    QTest::newRow("open") << readingFileOpenRequest().filter << "Astravida (*.avd)";
    QTest::newRow("save") << readingFileSaveRequest().filter << "Astravida (*.avd)";
    QTest::newRow("two pairs") << "Text|*.txt|All|*"
                               << "Text (*.txt);;All (*)";
    QTest::newRow("already Qt's") << "Images (*.png)"
                                  << "Images (*.png)";
}

void TestReadingFile::givesTheDialogsFiltersQtUnderstands()
{
    QFETCH(QString, filter);
    QFETCH(QString, qtFilter);
    QCOMPARE(qtNameFilter(filter), qtFilter);
}

void TestReadingFile::findsWebAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("addresses");
    QTest::newRow("report line") << "Report Generated By https://www.lorewell.com"
                                 << QStringList {"https://www.lorewell.com"};
    QTest::newRow("http and www") << "see http://a.example/x?y=1 or WWW.b.example."
                                  << QStringList {"http://a.example/x?y=1", "WWW.b.example"};
    QTest::newRow("sentence punctuation") << "(www.c.example), and" << QStringList {"www.c.example"};
    QTest::newRow("ordinary text") << "Lucky Color :-Red" << QStringList {};
    QTest::newRow("inside a word") << "awww.d.example xhttp://e.example" << QStringList {};
    QTest::newRow("bare prefix") << "http:// and www." << QStringList {};
}

void TestReadingFile::findsWebAddresses()
{
    QFETCH(QString, text);
    QFETCH(QStringList, addresses);
    QStringList found;
    for (const TextSpan& span : findWebAddresses(text))
        found.append(text.mid(span.start, span.length));
    QCOMPARE(found, addresses);
    for (const QString& address : addresses)
        QVERIFY(isWebAddress(address));
    QVERIFY(!isWebAddress(text) || addresses == QStringList {text});
}

QTEST_APPLESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
