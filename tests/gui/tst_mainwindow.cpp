#include "TestSupport.h"
#include "gui/ClosingScreen.h"

#include "gui/MainWindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheFirstOfJanuary1900();
    void showsItsFixedTexts_data();
    void showsItsFixedTexts();
    void buildsTheMenus();
    void keepsTheTabOrder();
    void filtersTypedNames();
    void refusesPastingIntoTheName();
    void readingActionFillsInputAndSign_data();
    void readingActionFillsInputAndSign();
    void refusedInputLeavesTheLastReading();
    void blankNameFocusesTheNameBox_data();
    void blankNameFocusesTheNameBox();
    void menuItemReadsLikeTheButton();
    void opensSitePages_data();
    void opensSitePages();
    void picksAPromotionByRoundingHalvesToEven_data();
    void picksAPromotionByRoundingHalvesToEven();
    void escapeAndEnterLeave_data();
    void escapeAndEnterLeave();
    void secondInstanceEndsAtOnce();
    void asksAboutUpdatesBeforeTheWindowShows();
};

void TestMainWindow::opensOnTheFirstOfJanuary1900()
{
    TestApp t;
    QVERIFY(t.start());
    MainWindow* main = t.main();
    QVERIFY(main->isVisible());
    QCOMPARE(main->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(main->windowTitle(), QStringLiteral("Astravida v" ASTRAVIDA_VERSION));
    QCOMPARE(child<QLineEdit>(main, "txtName")->text(), QString());
    QCOMPARE(child<QComboBox>(main, "cboDate")->count(), 31);
    QCOMPARE(child<QComboBox>(main, "cboDate")->itemText(30), QStringLiteral("31"));
    QCOMPARE(child<QComboBox>(main, "cboMonth")->count(), 12);
    QCOMPARE(child<QComboBox>(main, "cboMonth")->itemText(8), QStringLiteral("September"));
    QCOMPARE(child<QComboBox>(main, "cboYear")->count(), 151);
    QCOMPARE(child<QComboBox>(main, "cboYear")->itemText(150), QStringLiteral("2050"));
    QCOMPARE(child<QComboBox>(main, "cboDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(child<QComboBox>(main, "cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(child<QComboBox>(main, "cboYear")->currentText(), QStringLiteral("1900"));
    for (QComboBox* list :
        {child<QComboBox>(main, "cboDate"), child<QComboBox>(main, "cboMonth"), child<QComboBox>(main, "cboYear")})
        QVERIFY2(!list->isEditable(), "the date lists are pick-only");
    QCOMPARE(main->minimumSize(), main->maximumSize());
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(main, "txtName"));
}

void TestMainWindow::showsItsFixedTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label4") << "Label4"
                            << "Just input your name and date of birth and get a Reading Now!";
    QTest::newRow("Label1") << "Label1"
                            << "Name";
    QTest::newRow("Label2") << "Label2"
                            << "Date Of Birth";
    QTest::newRow("Label5") << "Label5"
                            << "Date";
    QTest::newRow("Label7") << "Label7"
                            << "Month";
    QTest::newRow("Label6") << "Label6"
                            << "Year";
    QTest::newRow("Label8") << "Label8"
                            << "Please Note: If you are suffering from health ailments, kindly consult your doctor "
                               "before doing the yoga exercises.";
    QTest::newRow("lblFullBrand") << "lblFullBrand"
                                  << "Home Business Opportunity. Start your own Internet business and make money "
                                     "online. Get this software fully branded for your website. Click here for more "
                                     "details.";
    QTest::newRow("lblCobrand") << "lblCobrand"
                                << "Co-brand this software for your site.  Increase loyalty and traffic to your "
                                   "site. Put your site's name &&  link here. See \"Help\" for details.    Click Here "
                                   "for more info on co-branding.";
    QTest::newRow("cmdNext") << "cmdNext"
                             << "Get Suitable &Yogas For My Zodiac";
    QTest::newRow("cmdOpen") << "cmdOpen"
                             << "Click Here To Open Previously Saved Zodiac Yoga Reading";
    QTest::newRow("cmdExit") << "cmdExit"
                             << "&Exit";
}

void TestMainWindow::showsItsFixedTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    TestApp t;
    t.start();
    QWidget* widget = child<QWidget>(t.main(), name);
    QVERIFY(widget);
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), text);
}

void TestMainWindow::buildsTheMenus()
{
    TestApp t;
    t.start();
    const auto texts = [&](const QString& menuName) {
        QStringList result;
        for (QAction* action : child<QMenu>(t.main(), menuName)->actions())
            result << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + '=' + action->text());
        return result;
    };
    QCOMPARE(texts("mnuFile"),
        QStringList({"mnuOpenPreviouslySavedSunSignYoga=Open Previously Saved Zodiac Yoga Reading",
            "mnuGetSuitableYogas=Get Suitable &Yogas For My Zodiac", "mnuExit=E&xit"}));
    QCOMPARE(texts("mnuHelp"),
        QStringList({"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "-", "mnuUpdate=Check for Software &Update",
            "-", "mnuAbout=&About Software"}));
    QStringList bar;
    for (QAction* action : t.main()->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, QStringList({"&File", "&Help", "&Donate", "Make Money &Online"}));
    QVERIFY(!triggerAction(t.main(), "mkmoney"));
    QVERIFY(t.platform.openedUrls.isEmpty());
}

void TestMainWindow::keepsTheTabOrder()
{
    TestApp t;
    t.start();
    QVERIFY(QTest::qWaitForWindowExposed(t.main()));
    const QStringList expected {"txtName", "cboDate", "cboMonth", "cboYear", "cmdNext", "cmdOpen", "cmdExit"};
    QWidget* widget = child<QLineEdit>(t.main(), "txtName");
    for (const QString& name : expected) {
        QCOMPARE(widget->objectName(), name);
        widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible())
            widget = widget->nextInFocusChain();
    }
}

void TestMainWindow::filtersTypedNames()
{
    TestApp t;
    t.start();
    QLineEdit* name = child<QLineEdit>(t.main(), "txtName");
    QTest::keyClicks(name, QStringLiteral("ab1"));
    QCOMPARE(name->text(), QStringLiteral("AB"));
    QCOMPARE(t.platform.messageTexts(), QStringList {"Please Enter only Letters"});
    QCOMPARE(t.platform.messages[0].icon, MessageIcon::Information);
    QTest::keyClick(name, Qt::Key_Tab);
    QCOMPARE(t.platform.messages.size(), 1);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral(" cD"));
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text(), QStringLiteral("AB C"));
    QCOMPARE(t.platform.messages.size(), 1);
    name->setText(QStringLiteral("ABC"));
    QTest::keyClick(name, Qt::Key_Home);
    // Delete as X11 and Wayland send it, with the text DEL.
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    QCOMPARE(name->text(), QStringLiteral("BC"));
    QCOMPARE(t.platform.messages.size(), 1);
}

void TestMainWindow::refusesPastingIntoTheName()
{
    TestApp t;
    t.start();
    QLineEdit* name = child<QLineEdit>(t.main(), "txtName");
    QGuiApplication::clipboard()->setText(QStringLiteral("x1y"));
    name->setText(QStringLiteral("ANNA"));
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(name->text(), QStringLiteral("ANNA"));
    QCOMPARE(t.platform.messageTexts(), QStringList {"Please Enter only Letters"});
    QCOMPARE(name->contextMenuPolicy(), Qt::NoContextMenu);
}

void TestMainWindow::readingActionFillsInputAndSign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("monthName");
    QTest::addColumn<QString>("sign");
    QTest::newRow("Anna, Pisces") << "ANNA" << 5 << 3 << 1980 << "ANNA"
                                  << "March"
                                  << "Pisces";
    QTest::newRow("spaces trimmed") << "  MARY ANN " << 21 << 3 << 2050 << "MARY ANN"
                                    << "March"
                                    << "Aries";
    QTest::newRow("29 Feb 1904") << "X" << 29 << 2 << 1904 << "X"
                                 << "February"
                                 << "Pisces";
}

void TestMainWindow::readingActionFillsInputAndSign()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, storedName);
    QFETCH(QString, monthName);
    QFETCH(QString, sign);
    TestApp t;
    t.start();
    fillInput(t.main(), name, day, month, year);
    t.main()->cmdNext_Click();
    const ReadingInput input = t.shownReading().input;
    QCOMPARE(input.name, storedName);
    QCOMPARE(input.day, day);
    QCOMPARE(input.month, monthName);
    QCOMPARE(input.year, year);
    QCOMPARE(t.shownReading().sign, sign);
    QVERIFY(t.platform.messages.isEmpty());
}

void TestMainWindow::refusedInputLeavesTheLastReading()
{
    TestApp t;
    t.start();
    fillInput(t.main(), "LEO", 1, 8, 1990);
    t.main()->cmdNext_Click();
    QCOMPARE(t.shownReading().sign, QStringLiteral("Leo"));

    fillInput(t.main(), "NOVA", 31, 11, 1990);
    t.main()->cmdNext_Click();
    QCOMPARE(t.platform.messageTexts(), QStringList {"Please Enter Correct Date Or Month !"});
    QCOMPARE(t.shownReading().sign, QStringLiteral("Leo"));
    QCOMPARE(t.shownReading().input.name, QStringLiteral("LEO"));
}

void TestMainWindow::blankNameFocusesTheNameBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("only spaces") << "   ";
}

void TestMainWindow::blankNameFocusesTheNameBox()
{
    QFETCH(QString, name);
    TestApp t;
    t.start();
    QVERIFY(QTest::qWaitForWindowExposed(t.main()));
    child<QLineEdit>(t.main(), "txtName")->setText(name);
    child<QPushButton>(t.main(), "cmdNext")->setFocus();
    child<QPushButton>(t.main(), "cmdNext")->click();
    QCOMPARE(t.platform.messageTexts(), QStringList {"Please Enter Your Name"});
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(t.main(), "txtName"));
    QCOMPARE(t.shownReading().sign, QString());
}

void TestMainWindow::menuItemReadsLikeTheButton()
{
    TestApp t;
    t.start();
    fillInput(t.main(), "ANNA", 20, 1, 1975);
    QVERIFY(triggerAction(t.main(), "mnuGetSuitableYogas"));
    QCOMPARE(t.shownReading().sign, QStringLiteral("Aquarius"));
    QCOMPARE(t.shownReading().input.month, QStringLiteral("January"));
}

void TestMainWindow::opensSitePages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    QTest::newRow("mnuOnline") << "mnuOnline"
                               << "help-web-page";
    QTest::newRow("mnuVisit") << "mnuVisit"
                              << "home-page";
    QTest::newRow("mnuUpdate") << "mnuUpdate"
                               << "download-web-page";
    QTest::newRow("mnuDonate") << "mnuDonate"
                               << "donate";
    QTest::newRow("Label61") << "Label61"
                             << "home-page";
    QTest::newRow("lblFullBrand") << "lblFullBrand"
                                  << "fully-branded";
    QTest::newRow("lblCobrand") << "lblCobrand"
                                << "co-brand";
}

void TestMainWindow::opensSitePages()
{
    QFETCH(QString, control);
    QFETCH(QString, page);
    TestApp t;
    t.start();
    if (control.startsWith(QLatin1String("mnu"))) {
        QVERIFY(triggerAction(t.main(), control));
    } else {
        auto* label = child<QLabel>(t.main(), control);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    }
    QCOMPARE(t.platform.openedUrls, QStringList {SitePageAddress + page});
}

void TestMainWindow::picksAPromotionByRoundingHalvesToEven_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<QString>("front");
    QTest::newRow("0 gives 1") << 0.0 << "lblCobrand";
    QTest::newRow("1/12 gives 1.5, rounds to 2") << 1.0 / 12 << "lblFullBrand";
    QTest::newRow("0.25 gives 2.5, rounds to 2") << 0.25 << "lblFullBrand";
    QTest::newRow("0.3 gives 2.8, rounds to 3") << 0.3 << "lblCobrand";
    QTest::newRow("0.75 gives 5.5, rounds to 6") << 0.75 << "lblFullBrand";
    QTest::newRow("0.99 gives 6.94, rounds to 7") << 0.99 << "lblCobrand";
}

void TestMainWindow::picksAPromotionByRoundingHalvesToEven()
{
    QFETCH(double, draw);
    QFETCH(QString, front);
    TestApp t;
    t.platform.queueRandom(draw);
    t.start();
    QCOMPARE(t.platform.seeds.size(), 1);
    const QObjectList strip = child<QWidget>(t.main(), "lblCobrand")->parentWidget()->children();
    QString topmost;
    for (QObject* object : strip) {
        if (object->objectName() == QLatin1String("lblCobrand")
            || object->objectName() == QLatin1String("lblFullBrand"))
            topmost = object->objectName(); // later children are drawn on top
    }
    QCOMPARE(topmost, front);
}

void TestMainWindow::escapeAndEnterLeave_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("Esc in the name box") << "txtName" << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter in the name box") << "txtName" << int(Qt::Key_Return) << true;
    QTest::newRow("Enter in a date list") << "cboMonth" << int(Qt::Key_Return) << true;
    QTest::newRow("Enter on the reading button") << "cmdNext" << int(Qt::Key_Return) << false;
}

void TestMainWindow::escapeAndEnterLeave()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, leaves);
    TestApp t;
    t.start();
    QVERIFY(QTest::qWaitForWindowExposed(t.main()));
    fillInput(t.main(), "ANNA", 5, 3, 1980);
    QWidget* target = child<QWidget>(t.main(), focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    // Leaving shows the closing screen; only the closing screen ends the program.
    QCOMPARE(t.app->closingScreen() && t.app->closingScreen()->isVisible(), leaves);
    QCOMPARE(t.platform.processEndCount, 0);
    QCOMPARE(t.shownReading().sign.isEmpty(), leaves);
}

void TestMainWindow::secondInstanceEndsAtOnce()
{
    TestApp t;
    t.platform.setAnotherInstanceRunning(true);
    QVERIFY(!t.start());
    QCOMPARE(t.platform.messageTexts(), QStringList {"Application is already running"});
    QCOMPARE(t.platform.messages[0].icon, MessageIcon::Information);
    QVERIFY(t.platform.processEndCount >= 1);
    QVERIFY(!t.main());
}

void TestMainWindow::asksAboutUpdatesBeforeTheWindowShows()
{
    // Notes whether the main window was already on view when the question came.
    struct WatchingPlatform : FakePlatform
    {
        bool mainVisibleWhenAsked = false;
        MessageAnswer showMessage(const QString& text, MessageIcon icon, MessageButtons buttons) override
        {
            for (QWidget* window : QApplication::topLevelWidgets())
                mainVisibleWhenAsked |= window->objectName() == QLatin1String("frmMain") && window->isVisible();
            return FakePlatform::showMessage(text, icon, buttons);
        }
    } platform;
    storeReminderDate(platform, QStringLiteral("2020-01-01 10:00:00"));
    platform.queueAnswer(MessageAnswer::Yes);
    {
        Application app(platform);
        QVERIFY(app.start());
        QVERIFY(app.mainWindow()->isVisible());
    }
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(!platform.mainVisibleWhenAsked);
    QCOMPARE(platform.openedUrls, QStringList {SitePageAddress + "download-web-page"});
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
