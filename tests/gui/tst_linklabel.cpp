#include "gui/style/LinkLabel.h"
#include "gui/style/Look.h"

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QtTest>

namespace {

// What Qt draws for a focusable label given its caption the ordinary way, to hold a link label's drawing against.
QLabel* ordinaryLabel(QWidget* parent, const QString& caption, const QRect& geometry, const QFont& font, bool wrap)
{
    auto* label = new QLabel(parent);
    label->setFocusPolicy(Qt::TabFocus);
    label->setText(caption);
    label->setBuddy(caption.contains(QLatin1Char('&')) ? label : nullptr);
    label->setGeometry(geometry);
    label->setFont(font);
    Style::setForeground(label, Style::linkBlue);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

class TestLinkLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Style::installFonts(); }
    void drawsAndMeasuresAsAnOrdinaryFocusableLabel_data();
    void drawsAndMeasuresAsAnOrdinaryFocusableLabel();
};

void TestLinkLabel::drawsAndMeasuresAsAnOrdinaryFocusableLabel_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("onLaterPage");
    // Behind another link when the window opens, so out of the tab order, and brought to the front later.
    QTest::addColumn<bool>("frontLater");
    const QString longCaption
        = QStringLiteral("Put your site's name &&  link here, and see \"Help\" for the details of "
                         "the offer, which runs over more than one line.");
    QTest::newRow("one line") << QStringLiteral("Lucky Color") << false << false << false;
    QTest::newRow("wrapped, with an ampersand") << longCaption << true << false << false;
    QTest::newRow("one line, shown later") << QStringLiteral("Garudasana") << false << true << false;
    QTest::newRow("wrapped, shown later") << longCaption << true << true << false;
    QTest::newRow("wrapped, to the front later") << longCaption << true << false << true;
}

void TestLinkLabel::drawsAndMeasuresAsAnOrdinaryFocusableLabel()
{
    QFETCH(QString, caption);
    QFETCH(bool, wrap);
    QFETCH(bool, onLaterPage);
    QFETCH(bool, frontLater);
    const QRect geometry {0, 0, 300, 60};
    const QFont font = Style::verdana(8.25, true, true);

    QWidget window;
    window.resize(geometry.size() + QSize(0, 30));
    // Takes the focus when the window opens: a focused label is drawn Qt's way whatever came before.
    (new QLineEdit(&window))->setGeometry(0, geometry.height(), geometry.width(), 30);
    auto* pages = new QStackedWidget(&window);
    pages->setGeometry(geometry);
    auto* firstPage = new QWidget;
    auto* laterPage = new QWidget;
    pages->addWidget(firstPage);
    pages->addWidget(laterPage);
    LinkLabel* link = linkLabel(onLaterPage ? laterPage : firstPage, "link", caption, geometry, Style::linkBlue, font);
    link->setWordWrap(wrap);
    link->setAlignment(Qt::AlignCenter);
    if (frontLater)
        link->setFocusPolicy(Qt::NoFocus);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    pages->setCurrentWidget(onLaterPage ? laterPage : firstPage);
    if (frontLater)
        link->setFocusPolicy(Qt::TabFocus);
    QVERIFY(!link->hasFocus());

    QWidget reference;
    reference.resize(geometry.size());
    QLabel* ordinary = ordinaryLabel(&reference, caption, geometry, font, wrap);
    if (frontLater)
        ordinary->setFocusPolicy(Qt::NoFocus);
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));
    if (frontLater)
        ordinary->setFocusPolicy(Qt::TabFocus);

    QCOMPARE(link->sizeHint(), ordinary->sizeHint());
    QCOMPARE(link->grab().toImage(), ordinary->grab().toImage());
}

QTEST_MAIN(TestLinkLabel)
#include "tst_linklabel.moc"
