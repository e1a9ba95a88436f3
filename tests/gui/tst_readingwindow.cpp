#include "TestSupport.h"

#include "core/AsanaCatalogue.h"
#include "core/SignProfiles.h"
#include "core/SitePages.h"
#include "core/SunSign.h"
#include "gui/AsanaBrowser.h"
#include "gui/BirthTimeDialog.h"
#include "gui/ClosingScreen.h"
#include "gui/MainWindow.h"
#include "gui/ReadingWindow.h"
#include "gui/style/Look.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimeEdit>

namespace {

QString shown(const QWidget* window, const QString& control)
{
    if (auto* box = window->findChild<QPlainTextEdit*>(control))
        return box->toPlainText();
    if (auto* label = window->findChild<QLabel*>(control))
        return label->text();
    return QStringLiteral("<no control %1>").arg(control);
}

QStringList visibleSignFrames(const ReadingWindow* window)
{
    QStringList visible;
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        if (!frame->isHidden())
            visible << frame->objectName();
    }
    return visible;
}

bool closingScreenShown(const TestApp& t)
{
    return t.app->closingScreen() && t.app->closingScreen()->isVisible();
}

void destroyWindow(QWidget* window)
{
    delete window;
    flushDeferredDeletes();
}

// Every control that shows a value of the reading, with the value it shows.
const QList<QPair<QString, QString Reading::*>> Fields {{"lblSunSign", &Reading::sign},
    {"lblSunSignElement", &Reading::element}, {"lblSunSignNumber", &Reading::luckyNumber},
    {"lblSunSignColor", &Reading::luckyColor}, {"lblSunSignDay", &Reading::luckyDay},
    {"lblSunSignCompatibility", &Reading::compatibility}, {"lblSunSignBirthStone", &Reading::birthStone},
    {"lblSunSignQuality", &Reading::quality}, {"lblSunSignFamousPersonBorn", &Reading::famousPeople},
    {"txtSunSignPositiveTraits", &Reading::positiveTraits}, {"txtSunSignNegativeTraits", &Reading::negativeTraits},
    {"lblSunSignYourSunSign", &Reading::sign}, {"lblBodyPartBySunSign", &Reading::bodyParts},
    {"txtHealthProblems", &Reading::healthProblems}, {"txtRequiredDiet", &Reading::requiredDiet},
    {"txtDiettoAvoid", &Reading::dietToAvoid}, {"txtDietAdvice", &Reading::dietAdvice},
    {"lblConstitutionType", &Reading::element}, {"lblConstitutionTypeDesc", &Reading::constitution},
    {"lblConstitutionTypeExcess", &Reading::element}, {"txtConstitutionTypeExcessDesc", &Reading::excessEffects},
    {"lblExcessItemToBeTaken", &Reading::excessItemsToTake}, {"lblExcessItemToAvoid", &Reading::excessItemsToAvoid},
    {"lblExcessRemedy", &Reading::excessRemedy}, {"lblConstitutionTypeLow", &Reading::element},
    {"txtConstitutionTypeLowDesc", &Reading::lowEffects}, {"lblLowItemToBeTaken", &Reading::lowItemsToTake},
    {"lblLowItemToAvoid", &Reading::lowItemsToAvoid}, {"lblLowRemedy", &Reading::lowRemedy},
    {"lblAthletic", &Reading::athletic}, {"lblMotivated", &Reading::motivated}, {"lblEndurance", &Reading::endurance},
    {"lblFlexibility", &Reading::flexibility}, {"lblRoutine", &Reading::routine}, {"lblTeamWork", &Reading::teamWork},
    {"lblFocus", &Reading::focus}, {"lblvariety", &Reading::variety}, {"txtSunSignDesc", &Reading::fitnessAdvice}};

} // namespace

class tst_ReadingWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readingFillsEveryFieldOfTheSign_data();
    void readingFillsEveryFieldOfTheSign();
    void noFieldSurvivesIntoTheNextReading();
    void fieldsShowWithoutClipping();
    void picturesAreDrawnForTheScreen();
    void opensOnFirstTabsWithFocusOnBack();
    void leaveOrStay_data();
    void leaveOrStay();
    void textBoxesScrollButCannotBeEdited();
    void textBoxesOpenAtTheirFirstLine();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void menuItemsOpenTheirPages_data();
    void menuItemsOpenTheirPages();
    void backReturnsToTheMainWindowWithTheInputKept();
    void readsTheSunsSignWhenAsked_data();
    void readsTheSunsSignWhenAsked();
};

void tst_ReadingWindow::initTestCase()
{
    Style::installFonts();
}

void tst_ReadingWindow::readingFillsEveryFieldOfTheSign_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("element");
    const struct
    {
        int day, month;
        const char *sign, *element;
    } rows[] = {
        {21, 3, "Aries", "Fire"},
        {20, 5, "Taurus", "Earth"},
        {5, 6, "Gemini", "Air"},
        {21, 6, "Cancer", "Water"},
        {20, 8, "Leo", "Fire"},
        {5, 9, "Virgo", "Earth"},
        {20, 10, "Libra", "Air"},
        {5, 11, "Scorpio", "Water"},
        {20, 12, "Sagittarius", "Fire"},
        {1, 1, "Capricorn", "Earth"},
        {18, 2, "Aquarius", "Air"},
        {20, 3, "Pisces", "Water"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.sign) << row.day << row.month << row.sign << row.element;
}

void tst_ReadingWindow::readingFillsEveryFieldOfTheSign()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, sign);
    QFETCH(QString, element);
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* window = t.read(day, month);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!t.main()->isVisible());

    const Reading reading = window->reading();
    QCOMPARE(reading.sign, sign);
    QCOMPARE(reading.element, element);
    for (const auto& [control, value] : Fields)
        QCOMPARE(shown(window, control), reading.*value);

    // The picture is shown when the sign's picture is in the program, and the box stays empty when it is not.
    const auto* picture = window->findChild<QLabel*>("picSunSign");
    QVERIFY(picture);
    QCOMPARE(picture->pixmap().isNull(), !QFile::exists(":/assets/" + sign + ".jpg"));

    QCOMPARE(visibleSignFrames(window), QStringList {"fra" + sign});
}

void tst_ReadingWindow::noFieldSurvivesIntoTheNextReading()
{
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* first = t.read(5, 4);
    QVERIFY(first);
    QCOMPARE(shown(first, "lblSunSign"), "Aries");
    first->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(2);
    destroyWindow(first);
    QVERIFY(!t.app->readingWindow());

    ReadingWindow* second = t.read(5, 7);
    QVERIFY(second);
    const Reading cancer = second->reading();
    QCOMPARE(cancer.sign, QStringLiteral("Cancer"));
    for (const auto& [control, value] : Fields)
        QCOMPARE(shown(second, control), cancer.*value);
    QCOMPARE(visibleSignFrames(second), QStringList {"fraCancer"});
    QCOMPARE(second->findChild<QTabWidget*>("SSTab1")->currentIndex(), 0);
}

void tst_ReadingWindow::fieldsShowWithoutClipping()
{
    for (const QString& sign : signNames()) {
        TestApp t;
        QVERIFY(t.start());
        const ReadingWindow* window = t.readSign(sign);
        for (const auto& field : Fields) {
            const auto* label = window->findChild<QLabel*>(field.first);
            if (!label)
                continue;
            const QString where = sign + " " + field.first;
            const QSize needed = label->sizeHint();
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                    qPrintable(where + " needs " + QString::number(label->heightForWidth(label->width()))));
            else
                QVERIFY2(needed.width() <= label->width(), qPrintable(where + " is too narrow"));
            const QRect inParent = label->geometry();
            QVERIFY2(label->parentWidget()->rect().contains(inParent), qPrintable(where + " leaves its frame"));
        }
    }
}

// Runs once more with QT_SCALE_FACTOR=2, where the pictures must be the ones drawn at twice the size, not enlarged.
void tst_ReadingWindow::picturesAreDrawnForTheScreen()
{
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    const auto drawnFor = [scale](const QString& file) {
        return QPixmap(":/assets/" + (scale == 2 ? file.chopped(4) + "@2x.jpg" : file));
    };
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* window = t.read(5, 3);
    QCOMPARE(window->devicePixelRatio(), scale);
    QCOMPARE(child<QLabel>(window, "picSunSign")->pixmap(), drawnFor("Pisces.jpg"));

    auto* label = child<QGroupBox>(window, "fraPisces")->findChild<AsanaLabel*>();
    QVERIFY(label);
    label->activate();
    QCOMPARE(child<QLabel>(window, "picYoga")->pixmap(), drawnFor(asana(label->asana()).picture.section('/', -1)));
}

void tst_ReadingWindow::opensOnFirstTabsWithFocusOnBack()
{
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* window = t.read(5, 3);
    QVERIFY(window);
    auto* outer = window->findChild<QTabWidget*>("SSTab1");
    auto* inner = window->findChild<QTabWidget*>("ssTab");
    QVERIFY(outer && inner);
    QCOMPARE(outer->currentIndex(), 0);
    QCOMPARE(inner->currentIndex(), 0);
    QCOMPARE(QStringList({outer->tabText(0), outer->tabText(1), outer->tabText(2)}),
        QStringList({"Sun Sign Characteristics", "Health Ailments", "Yoga Asanas"}));
    QCOMPARE(QStringList({inner->tabText(0), inner->tabText(1)}),
        QStringList({"Sun Sign and Diet", "Sun Sign and Fitness"}));
    QCOMPARE(window->windowTitle(), QStringLiteral("Astravida v" ASTRAVIDA_VERSION));
    QCOMPARE(window->centralWidget()->size(), QSize(770, 545));

    QCOMPARE(window->focusWidget(), window->findChild<QPushButton*>("cmdBack"));
    QStringList order;
    QWidget* next = window->findChild<QPushButton*>("cmdBack");
    while (order.size() < 4) {
        if (next->focusPolicy() & Qt::TabFocus)
            order << (next->focusProxy() ? next->focusProxy()->parentWidget() : next)->objectName();
        next = next->nextInFocusChain();
    }
    QCOMPARE(order, QStringList({"cmdBack", "cmdExit", "cmdPrint", "SSTab1"}));
}

void tst_ReadingWindow::leaveOrStay_data()
{
    // How: "key <key> on <control>", "click <button>", "menu <action>" or "close box".
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("windowStays");
    QTest::addColumn<bool>("mainShown");
    QTest::newRow("Esc on Back To Main Page") << "key Escape on cmdBack" << false << false;
    QTest::newRow("Esc in a text box") << "key Escape on txtHealthProblems" << false << false;
    QTest::newRow("Enter on Back To Main Page") << "key Return on cmdBack" << false << true;
    QTest::newRow("Enter on Print") << "key Enter on cmdPrint" << true << false;
    QTest::newRow("Enter on Exit") << "key Return on cmdExit" << false << false;
    QTest::newRow("Enter in a text box") << "key Return on txtSunSignPositiveTraits" << false << false;
    QTest::newRow("Enter on the tabs") << "key Return on SSTab1" << false << false;
    QTest::newRow("Exit button") << "click cmdExit" << false << false;
    QTest::newRow("File Exit") << "menu mnuExit" << false << false;
    QTest::newRow("close box") << "close box" << false << false;
    QTest::newRow("Back button") << "click cmdBack" << false << true;
    QTest::newRow("File Back To Main Page") << "menu mnuFileBack" << false << true;
    QTest::newRow("Print button") << "click cmdPrint" << true << false;
    QTest::newRow("File Print") << "menu mnuPrint" << true << false;
}

void tst_ReadingWindow::leaveOrStay()
{
    QFETCH(QString, how);
    QFETCH(bool, windowStays);
    QFETCH(bool, mainShown);
    TestApp t;
    QVERIFY(t.start());
    QPointer<ReadingWindow> window = t.read(5, 3);
    QVERIFY(window);
    window->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
    const QStringList words = how.split(' ');
    if (words[0] == "key") {
        QWidget* target = window->findChild<QWidget*>(words[3]);
        QVERIFY(target);
        if (target->focusProxy())
            target = target->focusProxy();
        target->setFocus();
        QTest::keyClick(target,
            words[1] == "Escape"      ? Qt::Key_Escape
                : words[1] == "Enter" ? Qt::Key_Enter
                                      : Qt::Key_Return);
    } else if (words[0] == "click") {
        window->findChild<QPushButton*>(words[1])->click();
    } else if (words[0] == "menu") {
        QVERIFY(triggerAction(window, words[1]));
    } else {
        window->close();
    }
    QCOMPARE(t.app->readingWindow() != nullptr, windowStays);
    QCOMPARE(t.main()->isVisible(), mainShown);
    // Leaving for good goes through the closing screen; going back or printing leaves it hidden.
    QCOMPARE(closingScreenShown(t), !windowStays && !mainShown);
    QCOMPARE(t.platform.processEndCount, 0);
    if (windowStays) {
        // Printing leaves the reading as it was.
        QVERIFY(window->isVisible());
        QCOMPARE(window->findChild<QTabWidget*>("SSTab1")->currentIndex(), 1);
        QCOMPARE(shown(window, "lblSunSign"), "Pisces");
    } else {
        flushDeferredDeletes();
        QVERIFY2(!window, "an unloaded window is destroyed");
    }
}

void tst_ReadingWindow::textBoxesScrollButCannotBeEdited()
{
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* window = t.read(5, 3);
    QList<QPlainTextEdit*> boxes;
    for (const auto& field : Fields)
        if (auto* box = window->findChild<QPlainTextEdit*>(field.first))
            boxes << box;
    QCOMPARE(boxes.size(), 9);
    for (QPlainTextEdit* box : boxes) {
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    }
    auto* traits = window->findChild<QPlainTextEdit*>("txtSunSignPositiveTraits");
    const QString before = traits->toPlainText();
    traits->setFocus();
    QTest::keyClicks(traits, "xyz");
    QTest::keyClick(traits, Qt::Key_Delete);
    QTest::keyClick(traits, Qt::Key_Backspace);
    QCOMPARE(traits->toPlainText(), before);
    // The paragraph is longer than the box, so it can be scrolled.
    QVERIFY(traits->verticalScrollBar()->maximum() > 0);
}

void tst_ReadingWindow::textBoxesOpenAtTheirFirstLine()
{
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* window = t.read(5, 3);
    window->show();
    auto* tabs = window->findChild<QTabWidget*>("SSTab1");
    auto* healthTabs = window->findChild<QTabWidget*>("ssTab");
    // Every box is seen once, as a user turning through the tabs sees it.
    for (const auto& [page, healthPage] : {std::pair {0, 0}, {1, 0}, {1, 1}}) {
        tabs->setCurrentIndex(page);
        healthTabs->setCurrentIndex(healthPage);
        QCoreApplication::processEvents();
    }
    for (const auto& [control, value] : Fields) {
        auto* box = window->findChild<QPlainTextEdit*>(control);
        if (!box)
            continue;
        QCOMPARE(box->textCursor().position(), 0);
        QVERIFY2(!box->textCursor().hasSelection(), qPrintable(control));
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QVERIFY2(!box->document()->isUndoAvailable() && !box->document()->isModified(), qPrintable(control));
    }

    // Written again while scrolled down, a box starts over at the top.
    tabs->setCurrentIndex(0);
    QCoreApplication::processEvents();
    auto* traits = window->findChild<QPlainTextEdit*>("txtSunSignPositiveTraits");
    traits->verticalScrollBar()->setValue(traits->verticalScrollBar()->maximum());
    QVERIFY(traits->verticalScrollBar()->value() > 0);
    const QString text = QStringLiteral("Short.");
    Reading reading = window->reading();
    reading.positiveTraits = text;
    window->showReading(reading);
    QCoreApplication::processEvents();
    QCOMPARE(traits->toPlainText(), text);
    QCOMPARE(traits->verticalScrollBar()->value(), 0);
    QCOMPARE(traits->textCursor().position(), 0);
    QVERIFY(!traits->textCursor().hasSelection());
}

void tst_ReadingWindow::linksOpenTheirPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("hand");
    QTest::newRow("banner") << "Label61"
                            << "home-page" << true;
    QTest::newRow("Lucky Color heading") << "Label19"
                                         << "co-brand" << false;
    QTest::newRow("full branding") << "lblFullBrand"
                                   << "fully-branded" << true;
    QTest::newRow("co-branding") << "lblCobrand"
                                 << "co-brand" << true;
}

void tst_ReadingWindow::linksOpenTheirPages()
{
    QFETCH(QString, control);
    QFETCH(QString, page);
    QFETCH(bool, hand);
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* window = t.read(5, 3);
    auto* label = window->findChild<QLabel*>(control);
    QVERIFY(label);
    QCOMPARE(label->cursor().shape() == Qt::PointingHandCursor, hand);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QCOMPARE(t.platform.openedUrls, QStringList {SitePageAddress + page});
}

void tst_ReadingWindow::menuItemsOpenTheirPages_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("page");
    QTest::newRow("online help") << "mnuOnline"
                                 << "&Online Help"
                                 << "help-web-page";
    QTest::newRow("visit") << "mnuVisit"
                           << "&Visit Us Online"
                           << "home-page";
    QTest::newRow("update") << "mnuUpdate"
                            << "&Check for Software Update"
                            << "download-web-page";
    QTest::newRow("donate") << "mnuDonate"
                            << "&Donate"
                            << "donate";
    QTest::newRow("make money, unavailable") << "mkmoney"
                                             << "Make Money &Online"
                                             << "";
}

void tst_ReadingWindow::menuItemsOpenTheirPages()
{
    QFETCH(QString, action);
    QFETCH(QString, text);
    QFETCH(QString, page);
    TestApp t;
    QVERIFY(t.start());
    ReadingWindow* window = t.read(5, 3);
    QCOMPARE(window->findChild<QAction*>(action)->text(), text);
    QCOMPARE(triggerAction(window, action), !page.isEmpty());
    QCOMPARE(t.platform.openedUrls, page.isEmpty() ? QStringList() : QStringList {SitePageAddress + page});
    QVERIFY(t.app->readingWindow());
}

void tst_ReadingWindow::backReturnsToTheMainWindowWithTheInputKept()
{
    TestApp t;
    QVERIFY(t.start());
    t.read(5, 3)->findChild<QPushButton*>("cmdBack")->click();
    QVERIFY(t.main()->isVisible());
    QVERIFY2(!t.app->closingScreen(), "the closing screen is built on the way back");
    QCOMPARE(child<QLineEdit>(t.main(), "txtName")->text(), "ANNA");
    QCOMPARE(child<QComboBox>(t.main(), "cboMonth")->currentIndex(), 2);

    flushDeferredDeletes();
    ReadingWindow* next = t.read(5, 4);
    QVERIFY(next);
    QCOMPARE(shown(next, "lblSunSign"), "Aries");
    QCOMPARE(visibleSignFrames(next), QStringList {"fraAries"});
    QCOMPARE(next->findChild<QTabWidget*>("SSTab1")->currentIndex(), 0);
    QVERIFY(!t.main()->isVisible());
}

void tst_ReadingWindow::readsTheSunsSignWhenAsked_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("notice"); // the start of it; none on an ordinary date
    QTest::addColumn<QString>("sunSign"); // as read at 15:00 in Berlin on a cusp
    QTest::newRow("ordinary date") << 5 << 3 << 1980 << "UTC" << QString() << QString();
    QTest::newRow("table wrong all day")
        << 21 << 10 << 1985 << "UTC"
        << "On 21 October 1985 the Sun was in Libra all day; the date table gives Scorpio."
        << "Libra";
    QTest::newRow("cusp") << 20 << 3 << 1980 << "Europe/Berlin"
                          << "The Sun moved from Pisces into Aries on 20 March 1980 at 12:10 "
                          << "Aries";
}

void tst_ReadingWindow::readsTheSunsSignWhenAsked()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, zone);
    QFETCH(QString, notice);
    QFETCH(QString, sunSign);
    TestApp t;
    t.platform.setTimeZoneId(zone.toLatin1());
    QVERIFY(t.start());
    ReadingWindow* window = t.read(day, month, year);
    QVERIFY(window);
    const Reading table = window->reading();
    auto* label = window->findChild<QLabel*>("lblSunNotice");
    if (notice.isEmpty()) {
        QVERIFY2(!label || label->isHidden(), "an ordinary date has nothing to say");
        return;
    }
    QVERIFY(label && label->isVisible());
    QVERIFY2(
        (label->focusPolicy() & Qt::TabFocus) && !label->accessibleName().isEmpty(), "Tab and screen readers find it");
    QVERIFY2(label->text().startsWith(notice), qPrintable(label->text()));
    if (zone != "UTC") {
        QVERIFY2(label->text().endsWith("(11:10 UTC)."), qPrintable(label->text()));
        child<QPushButton>(window, "cmdBirthTime")->click();
        auto* dialog = child<BirthTimeDialog>(window, "frmBirthTime");
        QVERIFY(dialog);
        child<QTimeEdit>(dialog, "txtBirthTime")->setTime(QTime(15, 0));
        child<QComboBox>(dialog, "cboTimeZone")->setCurrentText("Europe/Berlin");
        QCOMPARE(child<QLabel>(dialog, "lblSunAnswer")->text(),
            QStringLiteral("At 15:00 in Europe/Berlin (UTC+1) the Sun was at 0\u00b0 7\u2032 Aries"));
        QCOMPARE(child<QPushButton>(dialog, "cmdKeepSign")->text(), "Keep Pisces");
        child<QPushButton>(dialog, "cmdReadAsSun")->click();
    } else {
        QCOMPARE(child<QPushButton>(window, "cmdReadAsSun")->text(), "Read as " + sunSign);
        child<QPushButton>(window, "cmdReadAsSun")->click();
    }

    // Every tab, the asanas and the report follow the Sun's sign; the input, and so a saved file, stays as it was.
    const Reading read = window->reading();
    QCOMPARE(read.sign, sunSign);
    QCOMPARE(read.input, table.input);
    for (const auto& [control, value] : Fields)
        QCOMPARE(shown(window, control), read.*value);
    QCOMPARE(visibleSignFrames(window), QStringList {"fra" + sunSign});
    QCOMPARE(label->text(), "Read as " + sunSign + ", the Sun's sign on your birthday");
    window->cmdPrint_Click();
    auto* report = child<QTextBrowser>(window->findChild<QWidget*>("frmSave"), "RTB");
    QVERIFY(report);
    QVERIFY(report->toPlainText().contains(
        "Your Sun Sign :-" + sunSign + "\n\nRead as " + sunSign + ", the Sun's sign on your birthday\n\nElement :-"));
    report->window()->close();

    // And back to the table's.
    child<QPushButton>(window, "cmdReadAsTable")->click();
    QCOMPARE(window->reading().sign, table.sign);
    QCOMPARE(shown(window, "lblSunSignYourSunSign"), table.sign);
    QVERIFY(label->text().startsWith(notice));
}

QTEST_MAIN(tst_ReadingWindow)
#include "tst_readingwindow.moc"
