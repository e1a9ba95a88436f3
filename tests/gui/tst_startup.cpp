#include "TestSupport.h"
#include "gui/style/AppIcon.h"
#include "gui/style/Style.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolButton>

namespace {

bool imagePluginsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/maps");
    return maps.readAll().contains("/imageformats/");
}

QImage drawn(const QIcon& icon, int size, qreal ratio)
{
    return icon.pixmap(QSize(size, size), ratio).toImage();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheMainWindowWithoutImagePlugins();
    void drawsIconsAsQtDrawsThemFromTheirFiles();
};

void TestStartup::initTestCase()
{
    QApplication::setWindowIcon(applicationIcon());
    Style::installFonts();
    Style::installControlStyle();
}

void TestStartup::showsTheMainWindowWithoutImagePlugins()
{
    // Nothing the main window shows is a picture: loading every image format plugin is start-up time for nothing.
    QVERIFY2(!imagePluginsLoaded(), "loaded before the test began");
    TestApp t;
    QVERIFY(t.start());
    QVERIFY(QTest::qWaitForWindowExposed(t.main()));
    QVERIFY2(!imagePluginsLoaded(), "the main window loaded the image format plugins");
}

void TestStartup::drawsIconsAsQtDrawsThemFromTheirFiles()
{
    TestApp t;
    QVERIFY(t.start());
    auto* overflow = t.main()->menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(overflow);
    const auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    QVERIFY(style);
    const std::unique_ptr<QStyle> platform(QStyleFactory::create(style->baseStyle()->name()));
    const QIcon platformOverflow = platform->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon fromFile(QStringLiteral(":/assets/astravida.png"));
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        for (int size : {8, 16, 32, 64}) {
            QCOMPARE(drawn(overflow->icon(), size, ratio), drawn(platformOverflow, size, ratio));
            QCOMPARE(drawn(QApplication::windowIcon(), size, ratio), drawn(fromFile, size, ratio));
        }
    }
    QCOMPARE(overflow->icon().availableSizes(), platformOverflow.availableSizes());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
