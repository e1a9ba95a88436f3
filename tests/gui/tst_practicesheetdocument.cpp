#include "TestSupport.h"

#include "core/AsanaCatalogue.h"
#include "core/HealthCaution.h"
#include "core/PracticeSettings.h"
#include "core/PracticeSheet.h"
#include "core/SunSign.h"
#include "gui/PracticeSheetDocument.h"
#include "gui/ReadingWindow.h"
#include "gui/ReportWindow.h"
#include "gui/style/Look.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// The text of every page, pages parted by form feeds.
QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPracticeSheetDocument : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Style::installFonts(); }
    void noCardCrossesAPage_data();
    void noCardCrossesAPage();
    void writesEveryAsanaIntoThePdf_data();
    void writesEveryAsanaIntoThePdf();
    void cancelledOrFailedLeavesNoSheet_data();
    void cancelledOrFailedLeavesNoSheet();
    void printKeepsItsAccessKeyBesideThePracticeMenu();
};

void TestPracticeSheetDocument::noCardCrossesAPage_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QPageSize>("paper");
    for (const QString& sign : signNames()) {
        QTest::newRow(qPrintable(sign + QStringLiteral(" A4"))) << sign << QPageSize(QPageSize::A4);
        QTest::newRow(qPrintable(sign + QStringLiteral(" Letter"))) << sign << QPageSize(QPageSize::Letter);
    }
}

void TestPracticeSheetDocument::noCardCrossesAPage()
{
    QFETCH(QString, sign);
    QFETCH(QPageSize, paper);
    const Reading reading = *makeReading(firstBirthdayUnder(sign));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(paper);

    const PracticeSheetDocument sheet(
        composePracticeSheet(reading, practicePlan(reading.sign, reading.asanas, {}), QDate(2026, 1, 15)), writer);

    const QMarginsF margins = writer.pageLayout().margins(QPageLayout::Millimeter);
    for (double margin : {margins.left(), margins.top(), margins.right(), margins.bottom()})
        QVERIFY2(margin >= SheetMarginMm, qPrintable(QString::number(margin)));
    QCOMPARE(sheet.body().size().toSize().width(), writer.pageLayout().paintRectPixels(writer.resolution()).width());
    QCOMPARE(sheet.cards().size(), reading.asanas.size());
    int page = 0;
    double bottom = 0;
    for (const PracticeSheetDocument::Placement& card : sheet.cards()) {
        QVERIFY2(card.page == page || card.page == page + 1, "cards keep their order, a page at a time");
        if (card.page != page)
            bottom = 0;
        page = card.page;
        QVERIFY2(card.rect.top() >= qMax(bottom, sheet.body().top()), "no card overlaps the one above it");
        QVERIFY2(card.rect.bottom() <= sheet.body().bottom(), "no card runs into the footer or off the page");
        QVERIFY(card.rect.height() > 0);
        bottom = card.rect.bottom();
    }
    QCOMPARE(sheet.caution().page, sheet.pageCount() - 1);
    QVERIFY(sheet.caution().rect.bottom() <= sheet.body().bottom());
    if (sheet.caution().page == page)
        QVERIFY(sheet.caution().rect.top() >= bottom);
    // At least two cards on every page before the last, as the sheet is meant to be read.
    QVector<int> cardsOnPage(sheet.pageCount());
    for (const PracticeSheetDocument::Placement& card : sheet.cards())
        ++cardsOnPage[card.page];
    for (int i = 0; i + 1 < sheet.pageCount(); ++i)
        QVERIFY2(cardsOnPage[i] >= 2, qPrintable(QStringLiteral("page %1").arg(i + 1)));
}

void TestPracticeSheetDocument::writesEveryAsanaIntoThePdf_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("saved") << "mnuSaveSheetPdf";
    QTest::newRow("printed") << "mnuPrintSheet";
    QTest::newRow("saved from the practice plan") << "cmdSaveSheet";
}

void TestPracticeSheetDocument::writesEveryAsanaIntoThePdf()
{
    QFETCH(QString, menuItem);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    const bool fromPlan = menuItem.startsWith(QLatin1String("cmd"));
    TestApp t;
    QVERIFY(t.start());
    if (!fromPlan)
        t.platform.settings.insert(FakePlatform::settingPath(QStringLiteral("astravida"), QStringLiteral("Practice"),
                                       QStringLiteral("HoldSarvangasana")),
            QStringLiteral("45"));
    ReadingWindow* display = t.readSign(QStringLiteral("Pisces"));
    QVERIFY(display);
    // A chosen name without the extension gets it.
    t.platform.setNextSaveFileName(folder.filePath(QStringLiteral("sheet")));
    t.platform.setNextPrint(true, pdf);
    if (fromPlan) {
        QVERIFY(triggerAction(display, QStringLiteral("mnuGuidedPractice")));
        auto* plan = display->findChild<QWidget*>(QStringLiteral("frmPractice"));
        QVERIFY(plan);
        // Chosen on the plan and not yet started: the sheet still shows it.
        child<QSpinBox>(plan, "spnHold1")->setValue(45);
        child<QPushButton>(plan, qPrintable(menuItem))->click();
    } else {
        QVERIFY(triggerAction(display, menuItem));
    }

    QVERIFY(t.platform.messages.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {"sheet.pdf"});
    if (menuItem.contains(QLatin1String("Save"))) {
        QCOMPARE(t.platform.saveDialogs.size(), 1);
        QCOMPARE(t.platform.saveDialogs[0].suggestedPath,
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                + QStringLiteral("/ANNA - Pisces practice.pdf"));
    }
    const QString text = pdfText(pdf);
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() > 1);
    for (int page = 1; page <= pages.size(); ++page)
        QVERIFY2(pages[page - 1].contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages.size())),
            qPrintable(pages[page - 1].right(200)));
    QVERIFY(pages.first().startsWith(QStringLiteral("Yoga practice for ANNA, Pisces")));
    QVERIFY(text.contains(QStringLiteral("Hold 45 s")));
    for (const RecommendedAsana& recommended : display->reading().asanas)
        QVERIFY2(
            text.contains(asana(recommended.number).displayName), qPrintable(asana(recommended.number).displayName));
    QVERIFY(pages.last().simplified().contains(HealthCaution));
}

void TestPracticeSheetDocument::cancelledOrFailedLeavesNoSheet_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("save cancelled") << "mnuSaveSheetPdf"
                                    << "" << QStringList();
    QTest::newRow("print cancelled") << "mnuPrintSheet"
                                     << "" << QStringList();
    QTest::newRow("folder that does not exist")
        << "mnuSaveSheetPdf"
        << "missing/sheet.pdf"
        << QStringList {QStringLiteral("The practice sheet could not be saved.\rNo such file or directory")};
}

void TestPracticeSheetDocument::cancelledOrFailedLeavesNoSheet()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, chosen);
    QFETCH(QStringList, messages);
    QTemporaryDir folder;
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* display = t.readSign(QStringLiteral("Pisces"));
    QVERIFY(display);
    if (!chosen.isEmpty())
        t.platform.setNextSaveFileName(folder.filePath(chosen));
    t.platform.setNextPrint(false, folder.filePath(QStringLiteral("printed.pdf")));
    QVERIFY(triggerAction(display, menuItem));

    QCOMPARE(t.platform.messageTexts(), messages);
    QCOMPARE(t.platform.saveDialogs.size() + t.platform.printDialogSelectionPresets.size(), 1);
    QVERIFY(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

void TestPracticeSheetDocument::printKeepsItsAccessKeyBesideThePracticeMenu()
{
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* display = t.readSign(QStringLiteral("Pisces"));
    QVERIFY(display);
    QVERIFY(QTest::qWaitForWindowActive(display));
    QTest::keyClick(display, Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(display->findChild<ReportWindow*>(QStringLiteral("frmSave")));
}

QTEST_MAIN(TestPracticeSheetDocument)
#include "tst_practicesheetdocument.moc"
