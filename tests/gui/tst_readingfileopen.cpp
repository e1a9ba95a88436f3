#include "TestSupport.h"

#include "core/ReadingFile.h"
#include "core/Scramble.h"
#include "gui/ClosingScreen.h"
#include "gui/MainWindow.h"
#include "gui/ReadingFileStore.h"
#include "gui/ReadingWindow.h"
#include "gui/ReportWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <sys/stat.h>

namespace {

QByteArray line(const char* value)
{
    return ScrambleText(QLatin1String(value)).toLatin1() + "\r\n";
}

const QByteArray AnnaFile = line("ANNA") + line("5") + line("March") + line("1980");

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList inputs(const MainWindow* main)
{
    return {child<QLineEdit>(main, "txtName")->text(), child<QComboBox>(main, "cboDate")->currentText(),
        child<QComboBox>(main, "cboMonth")->currentText(), child<QComboBox>(main, "cboYear")->currentText()};
}

void dropReadingWindow(TestApp& t)
{
    delete t.app->readingWindow();
    flushDeferredDeletes();
}

} // namespace

class TestReadingFileOpen : public QObject
{
    Q_OBJECT
private slots:
    void reopensASavedReadingForEverySign_data();
    void reopensASavedReadingForEverySign();
    void cancelledOpenDoesNothing();
    void refusesWhatHoldsNoReading_data();
    void refusesWhatHoldsNoReading();
    void acceptsWhatHoldsAReading_data();
    void acceptsWhatHoldsAReading();
    void leavesAnEmptyNameToTheReadingAction();
    void opensAFileNamedAtStartUp_data();
    void opensAFileNamedAtStartUp();
    void survivesRandomAndMutatedFiles();
};

void TestReadingFileOpen::reopensASavedReadingForEverySign_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("sign");
    QTest::newRow("Aries") << 5 << 4 << "Aries";
    QTest::newRow("Taurus") << 1 << 5 << "Taurus";
    QTest::newRow("Gemini") << 1 << 6 << "Gemini";
    QTest::newRow("Cancer") << 1 << 7 << "Cancer";
    QTest::newRow("Leo") << 1 << 8 << "Leo";
    QTest::newRow("Virgo") << 1 << 9 << "Virgo";
    QTest::newRow("Libra") << 1 << 10 << "Libra";
    QTest::newRow("Scorpio") << 1 << 11 << "Scorpio";
    QTest::newRow("Sagittarius") << 1 << 12 << "Sagittarius";
    QTest::newRow("Capricorn") << 31 << 12 << "Capricorn";
    QTest::newRow("Aquarius") << 1 << 2 << "Aquarius";
    QTest::newRow("Pisces") << 29 << 2 << "Pisces";
}

void TestReadingFileOpen::reopensASavedReadingForEverySign()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, sign);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.avd"));
    TestApp t;
    QVERIFY(t.start());
    fillInput(t.main(), QStringLiteral("MARY ANN"), day, month, 1984);
    t.main()->cmdNext_Click();
    QVERIFY(t.app->readingWindow());
    t.app->readingWindow()->cmdPrint_Click();
    auto* report = t.app->readingWindow()->findChild<ReportWindow*>(QStringLiteral("frmSave"));
    QVERIFY(report);
    t.platform.setNextSaveFileName(path);
    report->cmdSave_Click();
    const QString savedReport = child<QTextBrowser>(report, "RTB")->toPlainText();
    dropReadingWindow(t);

    fillInput(t.main(), QStringLiteral("SOMEONE ELSE"), 1, 1, 1900);
    t.platform.setNextOpenFileName(path);
    // The button and the menu item share one handler; every other row uses the menu item.
    if (month % 2)
        QVERIFY(triggerAction(t.main(), QStringLiteral("mnuOpenPreviouslySavedSunSignYoga")));
    else
        child<QPushButton>(t.main(), "cmdOpen")->click();

    QVERIFY(t.platform.messages.isEmpty());
    QCOMPARE(inputs(t.main()),
        (QStringList {"MARY ANN", QString::number(day), QLocale::c().standaloneMonthName(month), "1984"}));
    const ReadingInput input = t.shownReading().input;
    QCOMPARE(input.name, QStringLiteral("MARY ANN"));
    QCOMPARE(input.day, day);
    QCOMPARE(input.year, 1984);
    QCOMPARE(t.shownReading().sign, sign);
    ReadingWindow* display = t.app->readingWindow();
    QVERIFY(display && display->isVisible());
    QVERIFY(!t.main()->isVisible());
    QVERIFY(!t.app->closingScreen() || !t.app->closingScreen()->isVisible());
    QCOMPARE(child<QLabel>(display, "lblSunSign")->text(), sign);
    display->cmdPrint_Click();
    report = display->findChild<ReportWindow*>(QStringLiteral("frmSave"));
    QVERIFY(report);
    QCOMPARE(child<QTextBrowser>(report, "RTB")->toPlainText(), savedReport);
}

void TestReadingFileOpen::cancelledOpenDoesNothing()
{
    TestApp t;
    QVERIFY(t.start());
    fillInput(t.main(), QStringLiteral("ANNA"), 7, 7, 1977);
    child<QPushButton>(t.main(), "cmdOpen")->click();
    QCOMPARE(t.platform.openDialogs.size(), 1);
    QCOMPARE(t.platform.openDialogs[0].title, QStringLiteral("Select the source file"));
    QCOMPARE(t.platform.openDialogs[0].filter, QStringLiteral("Astravida (*.avd)|*.avd"));
    QVERIFY(t.platform.messages.isEmpty());
    QCOMPARE(inputs(t.main()), (QStringList {"ANNA", "7", "July", "1977"}));
    QVERIFY(!t.app->readingWindow());
    QVERIFY(t.main()->isVisible());
}

void TestReadingFileOpen::refusesWhatHoldsNoReading_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("capital ending") << "reading.AVD" << AnnaFile;
    QTest::newRow("another ending") << "reading.avd.txt" << AnnaFile;
    // What the lines may hold is the core's to judge; one row shows the window refusing what it refuses.
    QTest::newRow("day 32") << "a.avd" << line("ANNA") + line("32") + line("March") + line("1980");
    QTest::newRow("one endless line") << "huge.avd" << QByteArray(8 * 1024 * 1024, '\x96');
    QTest::newRow("a folder") << "folder.avd" << QByteArray("folder");
    QTest::newRow("vanished") << "gone.avd" << QByteArray("gone");
    QTest::newRow("a pipe") << "pipe.avd" << QByteArray("pipe");
}

void TestReadingFileOpen::refusesWhatHoldsNoReading()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    if (bytes == "folder")
        QVERIFY(QDir(folder.path()).mkdir(name));
    else if (bytes == "pipe")
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (bytes != "gone")
        QVERIFY(writeFile(path, bytes));

    TestApp t;
    QVERIFY(t.start());
    fillInput(t.main(), QStringLiteral("BEFORE"), 2, 2, 1902);
    t.platform.setNextOpenFileName(path);
    child<QPushButton>(t.main(), "cmdOpen")->click();

    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Please Check The File."));
    QCOMPARE(t.platform.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(inputs(t.main()), (QStringList {"BEFORE", "2", "February", "1902"}));
    QVERIFY(t.shownReading().sign.isEmpty());
    QVERIFY(!t.app->readingWindow());
}

void TestReadingFileOpen::acceptsWhatHoldsAReading_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ending without a dot") << "readingavd" << AnnaFile;
    QTest::newRow("a huge file after the four lines") << "a.avd" << AnnaFile + QByteArray(8 * 1024 * 1024, '\x01');
}

void TestReadingFileOpen::acceptsWhatHoldsAReading()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QVERIFY(writeFile(path, bytes));
    TestApp t;
    QVERIFY(t.start());
    t.platform.setNextOpenFileName(path);
    child<QPushButton>(t.main(), "cmdOpen")->click();
    QVERIFY(t.platform.messages.isEmpty());
    QCOMPARE(inputs(t.main()), (QStringList {"ANNA", "5", "March", "1980"}));
    QCOMPARE(t.shownReading().sign, QStringLiteral("Pisces"));
    QVERIFY(t.app->readingWindow() && t.app->readingWindow()->isVisible());
}

void TestReadingFileOpen::leavesAnEmptyNameToTheReadingAction()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("noname.avd"));
    QVERIFY(writeFile(path, line("") + line("5") + line("March") + line("1980")));
    TestApp t;
    QVERIFY(t.start());
    fillInput(t.main(), QStringLiteral("BEFORE"), 2, 2, 1902);
    t.platform.setNextOpenFileName(path);
    child<QPushButton>(t.main(), "cmdOpen")->click();
    QCOMPARE(t.platform.messageTexts(), QStringList {"Please Enter Your Name"});
    QCOMPARE(inputs(t.main()), (QStringList {"", "5", "March", "1980"}));
    QVERIFY(!t.app->readingWindow());
}

void TestReadingFileOpen::opensAFileNamedAtStartUp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("a saved reading") << "saved.avd"
                                     << "";
    QTest::newRow("a file that is not there") << "missing.avd"
                                              << "Please Check The File.";
    QTest::newRow("another ending") << "saved.txt"
                                    << "Please Check The File.";
}

void TestReadingFileOpen::opensAFileNamedAtStartUp()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QVERIFY(writeFile(folder.filePath(QStringLiteral("saved.avd")), AnnaFile));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("saved.txt")), AnnaFile));
    TestApp t;
    QVERIFY(t.start(folder.filePath(name)));

    QCOMPARE(t.platform.messageTexts(), message.isEmpty() ? QStringList() : QStringList {message});
    QVERIFY(t.platform.openDialogs.isEmpty());
    const bool opened = message.isEmpty();
    QCOMPARE(t.shownReading().sign, opened ? QStringLiteral("Pisces") : QString());
    QCOMPARE(t.app->readingWindow() && t.app->readingWindow()->isVisible(), opened);
    QCOMPARE(t.main()->isVisible(), !opened);
}

void TestReadingFileOpen::survivesRandomAndMutatedFiles()
{
    QTemporaryDir folder;
    QRandomGenerator random(1980);
    const auto randomFile = [&random](int round) {
        QByteArray bytes;
        if (round % 3 == 0) {
            bytes.resize(random.bounded(0, 300));
            for (char& byte : bytes)
                byte = char(random.bounded(256));
            return bytes;
        }
        bytes = AnnaFile;
        for (int change = random.bounded(1, 4); change > 0; --change) {
            const int at = random.bounded(bytes.size());
            if (random.bounded(2))
                bytes[at] = char(random.bounded(256));
            else
                bytes.remove(at, random.bounded(1, 4));
        }
        return bytes;
    };

    // Thousands through the reader itself ...
    for (int round = 0; round < 3000; ++round) {
        const QString path = folder.filePath(QStringLiteral("r%1.avd").arg(round));
        QVERIFY(writeFile(path, randomFile(round)));
        const std::optional<ReadingFileHead> head = readReadingFileHead(path);
        QVERIFY(head && head->wholeFile);
        QVERIFY(decodeReadingFile(head->bytes).size() <= 4);
    }

    // ... and a few hundred through Open, which takes a file whole or not at all.
    TestApp t;
    QVERIFY(t.start());
    for (int round = 0; round < 300; ++round) {
        const QString path = folder.filePath(QStringLiteral("o%1.avd").arg(round));
        const QByteArray bytes = randomFile(round);
        QVERIFY(writeFile(path, bytes));
        const QStringList before = inputs(t.main());
        t.platform.messages.clear();
        t.platform.setNextOpenFileName(path);
        child<QPushButton>(t.main(), "cmdOpen")->click();
        const QStringList values = decodeReadingFile(bytes);
        const QList<const QComboBox*> lists {child<QComboBox>(t.main(), "cboDate"),
            child<QComboBox>(t.main(), "cboMonth"), child<QComboBox>(t.main(), "cboYear")};
        bool whole = true;
        for (int line = 1; line < 4; ++line)
            whole = whole && lists[line - 1]->findText(values.value(line)) >= 0;
        QCOMPARE(inputs(t.main()), whole ? values : before);
        QCOMPARE(t.platform.messageTexts().contains(QStringLiteral("Please Check The File.")), !whole);
        dropReadingWindow(t);
        t.main()->show();
    }
}

QTEST_MAIN(TestReadingFileOpen)
#include "tst_readingfileopen.moc"
