#include "TestSupport.h"

#include "core/SitePages.h"
#include "gui/AboutDialog.h"
#include "gui/AsanaBrowser.h"
#include "gui/ClosingScreen.h"
#include "gui/MainWindow.h"
#include "gui/PracticeWindow.h"
#include "gui/ReadingWindow.h"
#include "gui/ReportWindow.h"
#include "gui/style/LinkLabel.h"
#include "gui/style/Look.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTextBrowser>

#include <memory>

namespace {

// Every window of a Pisces reading of 5 March 1980, opened as the user opens them.
struct Windows
{
    TestApp t;
    std::unique_ptr<AboutDialog> about;

    Windows()
    {
        t.start();
        fillInput(t.main(), QStringLiteral("ANNA"), 5, 3, 1980);
    }

    QWidget* open(const QString& which)
    {
        if (which == QLatin1String("main"))
            return t.main();
        if (which == QLatin1String("closing")) {
            t.app->showClosingScreen();
            return t.app->closingScreen();
        }
        if (which == QLatin1String("about")) {
            about = std::make_unique<AboutDialog>(*t.app, nullptr);
            about->show();
            return about.get();
        }
        t.main()->cmdNext_Click();
        ReadingWindow* reading = t.app->readingWindow();
        if (which == QLatin1String("reading"))
            return reading;
        if (which.startsWith(QLatin1String("practice"))) {
            reading->cmdPractice_Click();
            auto* practice = reading->findChild<PracticeWindow*>(QStringLiteral("frmPractice"));
            if (practice && which == QLatin1String("practice pose"))
                practice->cmdStart_Click();
            return practice;
        }
        if (which == QLatin1String("asana")) {
            child<AsanaLabel>(reading, QStringLiteral("lblSarvaangaasanaaPisces"))->activate();
            return reading;
        }
        reading->cmdPrint_Click();
        return reading->findChild<ReportWindow*>(QStringLiteral("frmSave"));
    }
};

QAccessibleInterface* accessible(QWidget* control)
{
    return control ? QAccessible::queryAccessibleInterface(control) : nullptr;
}

// What a screen reader says for a control: its name, except for a list, which Qt on Unix names by its current item,
// leaving the caption to the labelled-by relation that screen readers read there.
QString spokenName(QWidget* control)
{
    QAccessibleInterface* face = accessible(control);
    if (!face)
        return QStringLiteral("<no control>");
    if (face->role() == QAccessible::ComboBox) {
        const auto labels = face->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return face->text(QAccessible::Name);
}

// The control a keyboard stop stands for: a tab control rather than its tab strip.
QString stopName(const QWidget* widget)
{
    if (widget && widget->objectName().startsWith(QLatin1String("qt_")))
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QStringLiteral("<nothing>");
}

// The stops that Tab visits from the given one, once round the window; Tab through a report's links stays on it.
QStringList tabStops(QWidget* first)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList stops;
    QWidget* focused = QApplication::focusWidget();
    while (focused && stops.size() < 40) {
        if (stops.isEmpty() || stops.last() != stopName(focused))
            stops << stopName(focused);
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
        if (focused == first)
            break;
    }
    return stops;
}

// The keyboard stops in the order a screen reader walks the window's tree.
void collectReadingOrder(QAccessibleInterface* face, QStringList& order)
{
    auto* widget = qobject_cast<QWidget*>(face->object());
    if (widget && (widget->focusPolicy() & Qt::TabFocus) && !face->state().invisible && widget->isEnabled())
        order << stopName(widget);
    for (int i = 0; i < face->childCount(); ++i) {
        if (QAccessibleInterface* child = face->child(i))
            collectReadingOrder(child, order);
    }
}

// Dots of the link's own colour along its top edge, where no caption is drawn: the focus outline.
int outlineDots(QLabel* label)
{
    const QImage image = label->grab().toImage();
    const QColor ink = label->palette().color(QPalette::WindowText);
    int dots = 0;
    for (int x = 0; x < image.width(); ++x)
        dots += image.pixelColor(x, 0) == ink;
    return dots;
}

bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Style::installFonts(); }
    void namesEveryControl_data();
    void namesEveryControl();
    void everyKeyboardStopHasAName_data();
    void everyKeyboardStopHasAName();
    void tabVisitsTheControlsThenTheLinks_data();
    void tabVisitsTheControlsThenTheLinks();
    void mainWindowReadsInItsTabOrder();
    void linksOpenFromTheKeyboard_data();
    void linksOpenFromTheKeyboard();
    void reportLinksOpenFromTheKeyboard_data();
    void reportLinksOpenFromTheKeyboard();
    void asanaLabelsOpenFromTheKeyboard_data();
    void asanaLabelsOpenFromTheKeyboard();
};

void TestAccessibility::namesEveryControl_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const auto row = [](const char* window, const char* control, const QString& name) {
        QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control) << name;
    };
    const QString coBrand = QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                                           "your site. Put your site's name &  link here. See \"Help\" for details.    "
                                           "Click Here for more info on co-branding.");

    row("main", "txtName", "Name");
    row("main", "cboDate", "Date");
    row("main", "cboMonth", "Month");
    row("main", "cboYear", "Year");
    row("main", "cmdNext", "Get Suitable Yogas For My Zodiac");
    row("main", "lblCobrand", coBrand);

    row("reading", "SSTab1", "Reading");
    row("reading", "ssTab", "Health Ailments");
    row("reading", "Label19", "Lucky Color");
    row("reading", "txtSunSignPositiveTraits", "Positive Traits");
    row("reading", "txtSunSignNegativeTraits", "Negative Traits");
    row("reading", "txtHealthProblems", "Health Problems");
    row("reading", "txtRequiredDiet", "Required Diet");
    row("reading", "txtDiettoAvoid", "Diet to Avoid");
    row("reading", "txtDietAdvice", "Diet Advice");
    row("reading", "txtConstitutionTypeExcessDesc", "Excess");
    row("reading", "txtConstitutionTypeLowDesc", "Low");
    row("reading", "fraFitnessRatings", "Fitness Characteristics");
    row("reading", "txtSunSignDesc", "Fitness Advice");
    row("reading", "fraPisces", "Recommended Yoga Asanas For Pisces");
    row("reading", "lblGarudaasanaaPisces", "Garudasana");
    row("reading", "txtYogaDefination", "Definition");
    row("reading", "txtProcedure", "Procedure");
    row("reading", "txtBenefits", "Benefits");
    row("reading", "txtContradiction", "Contradictions");
    row("reading", "cmdYogaBack", "Back");
    row("reading", "lblCobrand", coBrand);
    // Pictures are named for what they show.
    row("reading", "picSunSign", "Pisces");
    row("asana", "picYoga", "Sarvangasana");
    row("closing", "picNagscreen2Icon", "Astravida");
    row("about", "picIcon", "Astravida");

    row("report", "RTB", "Report");
    row("report", "Label1", "Click Here To Visit Lorewell Now");

    row("closing", "txtName", "Your Name");
    row("closing", "txtEmail", "Your Email Address");
    row("closing", "txtFriendName", "Friend's Name");
    row("closing", "txtFriendEmail", "Friend's Email Address");
    row("closing", "txtMessage", "Your Message");
    row("closing", "cmdSubmit", "Refer A Friend Now");
    row("closing", "lblGoToHome", "Click Here To Visit Lorewell Softwares");

    row("about", "lblCoBrand", "Click here for more details.");

    row("practice", "spnLeadIn", "Get ready before each hold");
    row("practice pose", "picPose", "Sarvangasana");
}

void TestAccessibility::namesEveryControl()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    Windows windows;
    QWidget* shown = windows.open(window);
    QVERIFY(shown);
    auto* widget = child<QWidget>(shown, control);
    QCOMPARE(spokenName(widget), name);
    // Naming leaves what is seen alone.
    QCOMPARE(widget->objectName(), control);
    if (auto* label = qobject_cast<QLabel*>(widget); label && name.contains(QLatin1Char('&')))
        QVERIFY(label->text().contains(QLatin1String("&&")));
}

void TestAccessibility::everyKeyboardStopHasAName_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window : {"main", "reading", "report", "closing", "about", "practice", "practice pose"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestAccessibility::everyKeyboardStopHasAName()
{
    QFETCH(QString, window);
    Windows windows;
    QWidget* shown = windows.open(window);
    QVERIFY(shown);
    int stops = 0;
    for (QWidget* widget : shown->findChildren<QWidget*>()) {
        // A drop-down list's popup is a window of its own, reached only by opening the list: it is checked open.
        if (widget->window() != shown || !(widget->focusPolicy() & Qt::TabFocus)
            || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        ++stops;
        QVERIFY2(!spokenName(widget).trimmed().isEmpty(), qPrintable(widget->objectName() + " has no name"));
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            list->showPopup();
            QVERIFY2(
                !spokenName(list->view()).trimmed().isEmpty(), qPrintable(list->objectName() + "'s popup has no name"));
            list->hidePopup();
        }
    }
    QVERIFY(stops > 2);
}

void TestAccessibility::tabVisitsTheControlsThenTheLinks_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tab"); // of the reading window
    QTest::addColumn<QStringList>("stops");
    QTest::newRow("main") << "main" << 0
                          << QStringList {"txtName", "cboDate", "cboMonth", "cboYear", "cmdNext", "cmdOpen", "cmdExit",
                                 "lblCobrand", "Label61"};
    QTest::newRow("reading, characteristics")
        << "reading" << 0
        << QStringList {"cmdBack", "cmdExit", "cmdPrint", "SSTab1", "Label19", "txtSunSignPositiveTraits",
               "txtSunSignNegativeTraits", "Label61", "lblFullBrand"};
    QTest::newRow("reading, yoga asanas")
        << "reading" << 2
        << QStringList {"cmdBack", "cmdExit", "cmdPrint", "SSTab1", "lblSarvaangaasanaaPisces", "lblMakaraasanaaPisces",
               "lblBhujangaasanaaPisces", "lblGarudaasanaaPisces", "lblMayuraasanaaPisces", "lblYogaMudraaPisces",
               "lblSavaasanaaPisces", "cmdPractice", "Label61", "lblFullBrand"};
    QTest::newRow("report") << "report" << 0
                            << QStringList {"cmdPrint", "cmdSave", "lblCobrand", "Label14", "Label1", "RTB"};
    QTest::newRow("about") << "about" << 0 << QStringList {"cmdOK", "lblHomePage", "lblCoBrand"};
}

void TestAccessibility::tabVisitsTheControlsThenTheLinks()
{
    QFETCH(QString, window);
    QFETCH(int, tab);
    QFETCH(QStringList, stops);
    Windows windows;
    QWidget* shown = windows.open(window);
    QVERIFY(shown && activate(shown));
    if (auto* tabs = shown->findChild<QTabWidget*>(QStringLiteral("SSTab1")))
        tabs->setCurrentIndex(tab);
    QCOMPARE(tabStops(child<QWidget>(shown, stops.first())), stops);
}

void TestAccessibility::mainWindowReadsInItsTabOrder()
{
    Windows windows;
    QVERIFY(activate(windows.t.main()));
    QStringList order;
    collectReadingOrder(accessible(windows.t.main()), order);
    QCOMPARE(order, tabStops(child<QLineEdit>(windows.t.main(), "txtName")));

    // The promotion behind the other is neither seen, nor reached, nor read.
    for (const char* name : {"lblFullBrand", "lblCobrand"}) {
        auto* promotion = child<QWidget>(windows.t.main(), name);
        QCOMPARE(accessible(promotion)->state().invisible, promotion->focusPolicy() == Qt::NoFocus);
    }
    QCOMPARE(order.count(QStringLiteral("lblFullBrand")) + order.count(QStringLiteral("lblCobrand")), 1);
}

void TestAccessibility::linksOpenFromTheKeyboard_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("key"); // 0 for a screen reader's press action
    QTest::addColumn<QString>("page");
    const auto row = [](const char* window, const char* link, int key, const char* page) {
        QTest::addRow("%s %s %d", window, link, key) << window << link << key << page;
    };
    row("main", "Label61", Qt::Key_Return, "home-page"); // on white
    row("main", "lblCobrand", Qt::Key_Space, "co-brand");
    row("reading", "Label19", Qt::Key_Enter, "co-brand"); // on brown
    row("reading", "lblFullBrand", 0, "fully-branded");
    row("report", "Label14", Qt::Key_Return, "home-page");
    row("closing", "lblGoToHome", Qt::Key_Return, "lorewellsoftwares"); // on navy
    row("about", "lblHomePage", Qt::Key_Return, "home-page");
}

void TestAccessibility::linksOpenFromTheKeyboard()
{
    QFETCH(QString, window);
    QFETCH(QString, link);
    QFETCH(int, key);
    QFETCH(QString, page);
    Windows windows;
    QPointer<QWidget> shown = windows.open(window);
    QVERIFY(shown && activate(shown));
    auto* label = child<LinkLabel>(shown, link);
    QAccessibleInterface* face = accessible(label);
    QCOMPARE(face->role(), QAccessible::Link);

    QCOMPARE(outlineDots(label), 0);
    label->setFocus(Qt::TabFocusReason);
    QVERIFY2(outlineDots(label) >= label->width() / 4, "a focused link shows a dotted outline");
    if (key)
        QTest::keyClick(label, Qt::Key(key));
    else
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(windows.t.platform.openedUrls, QStringList {SitePageAddress + page});
    // Enter on a link is the link's, not the window's default button's.
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(windows.t.platform.processEndCount, 0);
}

void TestAccessibility::reportLinksOpenFromTheKeyboard_data()
{
    QTest::addColumn<bool>("tabToALink"); // or select ordinary text instead
    QTest::newRow("link chosen with Tab") << true;
    QTest::newRow("ordinary text selected") << false;
}

void TestAccessibility::reportLinksOpenFromTheKeyboard()
{
    QFETCH(bool, tabToALink);
    Windows windows;
    auto* report = static_cast<ReportWindow*>(windows.open(QStringLiteral("report")));
    QVERIFY(report && activate(report));
    QTextBrowser* box = child<QTextBrowser>(report, "RTB");
    box->setFocus(Qt::TabFocusReason);
    if (tabToALink)
        QTest::keyClick(box, Qt::Key_Tab);
    else
        box->setTextCursor(box->document()->find(QStringLiteral("ANNA")));
    const QString selected = box->textCursor().selectedText();
    QVERIFY(!selected.isEmpty() && box->hasFocus());

    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(windows.t.platform.openedUrls, tabToALink ? QStringList {selected} : QStringList());
    QVERIFY(report->isVisible());
}

void TestAccessibility::asanaLabelsOpenFromTheKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestAccessibility::asanaLabelsOpenFromTheKeyboard()
{
    QFETCH(int, key);
    Windows windows;
    QPointer<QWidget> reading = windows.open(QStringLiteral("reading"));
    QVERIFY(reading && activate(reading));
    child<QTabWidget>(reading, "SSTab1")->setCurrentIndex(2);
    auto* garudasana = child<AsanaLabel>(reading, "lblGarudaasanaaPisces");
    QCOMPARE(accessible(garudasana)->role(), QAccessible::Link);
    garudasana->setFocus(Qt::TabFocusReason);
    QVERIFY2(outlineDots(garudasana) > 0, "a focused asana shows a dotted outline");

    QTest::keyClick(garudasana, Qt::Key(key));
    QVERIFY(reading && child<QWidget>(reading, "fraYogaProcedure")->isVisible());
    QCOMPARE(child<QLabel>(reading, "lblAsanaName")->text(), QStringLiteral("Garudasana"));
    QCOMPARE(stopName(QApplication::focusWidget()), QStringLiteral("txtYogaDefination"));

    auto* back = child<QWidget>(reading, "cmdYogaBack");
    back->setFocus(Qt::TabFocusReason);
    QTest::keyClick(back, Qt::Key(key));
    QVERIFY(!child<QWidget>(reading, "fraYogaProcedure")->isVisible());
    QCOMPARE(QApplication::focusWidget(), garudasana);
    QVERIFY(windows.t.platform.openedUrls.isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
