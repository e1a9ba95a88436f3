#include "gui/style/ControlStyle.h"
#include "gui/style/Controls.h"
#include "gui/style/Look.h"
#include "gui/style/Windows.h"
#include "gui/style/WrappingButton.h"

#include <QtTest>

#include <memory>

namespace {

// Grey buttons, one of them disabled, and a brown text box with its scroll bar, on a window of their own colours.
std::unique_ptr<QWidget> controlsWindow()
{
    auto window = std::make_unique<QWidget>();
    window->resize(320, 200);
    Style::setBackground(window.get(), Qt::white);
    Style::button(window.get(), "cmdExit", QStringLiteral("&Exit"), {8, 8, 84, 30});
    Style::button(window.get(), "cmdPrint", QStringLiteral("&Print"), {8, 44, 84, 30})->setEnabled(false);
    auto* open
        = new WrappingButton(QStringLiteral("Click Here To Open Previously Saved Zodiac Yoga Reading"), window.get());
    Style::styleButton(open, "cmdOpen", {100, 8, 200, 66});
    QPlainTextEdit* box = Style::textBox(window.get(), "txtTraits", {8, 82, 300, 110});
    box->setPlainText(QStringLiteral("Steady and patient.\n").repeated(20));
    return window;
}

QImage drawnControls()
{
    return controlsWindow()->grab().toImage();
}

} // namespace

class TestControlStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Style::installFonts(); }
    void keepsOnePaletteForEachSetOfColours();
    void drawsControlsAsThePlatformStyleDoes();
    void placesWindowsWithTheirTitleBarOnScreen_data();
    void placesWindowsWithTheirTitleBarOnScreen();
};

void TestControlStyle::keepsOnePaletteForEachSetOfColours()
{
    // Two windows' buttons: the same colours, each in a palette of its own.
    QPalette first;
    first.setColor(QPalette::Button, Style::grey);
    QPalette second;
    second.setColor(QPalette::Button, Style::grey);
    QVERIFY(first.cacheKey() != second.cacheKey());
    QCOMPARE(Style::sharedPalette(first).cacheKey(), Style::sharedPalette(second).cacheKey());

    QPalette brown = first;
    brown.setColor(QPalette::Button, Style::brown);
    QVERIFY2(Style::sharedPalette(brown).cacheKey() != Style::sharedPalette(first).cacheKey(),
        "other colours need a palette of their own");
    QCOMPARE(Style::sharedPalette(brown).color(QPalette::Button), Style::brown);

    // The colour group is the control's own: a disabled one is drawn in the disabled colours.
    second.setCurrentColorGroup(QPalette::Disabled);
    QCOMPARE(Style::sharedPalette(second).currentColorGroup(), QPalette::Disabled);
}

void TestControlStyle::drawsControlsAsThePlatformStyleDoes()
{
    const QImage platform = drawnControls();
    Style::installControlStyle();
    QCOMPARE(drawnControls(), platform);
    // The second window is drawn from what the style kept of the first.
    QCOMPARE(drawnControls(), platform);
}

void TestControlStyle::placesWindowsWithTheirTitleBarOnScreen_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("reading window, fits") << QSize(770, 563) << QRect(0, 0, 1280, 1024) << QPoint(255, 230);
    QTest::newRow("reading window, 800x480") << QSize(770, 563) << QRect(0, 0, 800, 480) << QPoint(15, 0);
    QTest::newRow("report window, 800x480") << QSize(512, 507) << QRect(0, 0, 800, 480) << QPoint(144, 0);
    QTest::newRow("reading window, 1366x768 at 150 %") << QSize(770, 563) << QRect(0, 0, 911, 512) << QPoint(71, 0);
    QTest::newRow("wider only") << QSize(900, 300) << QRect(0, 0, 800, 480) << QPoint(0, 90);
    QTest::newRow("both, below a panel and beside a dock")
        << QSize(770, 563) << QRect(48, 27, 712, 453) << QPoint(48, 27);
}

void TestControlStyle::placesWindowsWithTheirTitleBarOnScreen()
{
    QFETCH(QSize, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, placed);
    QCOMPARE(Style::placeOnScreen(frame, available), placed);
}

QTEST_MAIN(TestControlStyle)
#include "tst_controlstyle.moc"
