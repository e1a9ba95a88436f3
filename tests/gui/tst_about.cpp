#include "TestSupport.h"
#include "core/SitePages.h"
#include "gui/AboutDialog.h"
#include "gui/MainWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void linksLeaveItOpenKeysCloseIt_data();
    void linksLeaveItOpenKeysCloseIt();
    void helpMenuShowsAFreshModalBox();
};

void TestAbout::linksLeaveItOpenKeysCloseIt_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("OK") << 0;
}

void TestAbout::linksLeaveItOpenKeysCloseIt()
{
    QFETCH(int, key);
    TestApp t;
    AboutDialog about(*t.app, nullptr);
    about.show();
    QCOMPARE(about.focusWidget(), child<QPushButton>(&about, "cmdOK"));
    QCOMPARE(child<QLabel>(&about, "lblHomePage")->text(), "Click here to visit " + SiteRoot);
    QTest::mouseClick(child<QLabel>(&about, "lblHomePage"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(&about, "lblCoBrand"), Qt::LeftButton);
    QCOMPARE(t.platform.openedUrls,
        QStringList(
            {SiteRoot + "/astravida/ssd.php?page=home-page", SiteRoot + "/astravida/ssd.php?page=fully-branded"}));
    QVERIFY(about.isVisible());

    if (key)
        QTest::keyClick(about.focusWidget(), Qt::Key(key));
    else
        QTest::mouseClick(child<QPushButton>(&about, "cmdOK"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

void TestAbout::helpMenuShowsAFreshModalBox()
{
    TestApp t;
    QVERIFY(t.start());
    QStringList seen;
    const auto inspectAndClose = [&seen, &t] {
        auto* box = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->parentWidget(), t.main());
        auto* label1 = child<QLabel>(box, "Label1");
        seen.append(label1->text());
        label1->setText("scribbled over"); // must not survive into the next showing
        QTest::keyClick(box, Qt::Key_Escape);
    };
    for (int showing = 0; showing < 2; ++showing) {
        QTimer::singleShot(0, this, inspectAndClose);
        QVERIFY(triggerAction(t.main(), "mnuAbout"));
        QCOMPARE(seen.size(), showing + 1);
    }
    QCOMPARE(seen[1], seen[0]);
    QVERIFY(!seen[0].isEmpty() && seen[0] != "scribbled over");
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(t.platform.processEndCount, 0);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
