#include "TestSupport.h"
#include "core/Referral.h"
#include "core/SitePages.h"
#include "gui/ClosingScreen.h"
#include "gui/MainWindow.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>

Q_DECLARE_METATYPE(ReferralRecord)

namespace {

const QString ProperEmail = QStringLiteral("Please Enter Proper Email Address");
const QString DistinctEmails = QStringLiteral("Please Enter Distinct Email Addresses");

} // namespace

class TestClosingScreen : public QObject
{
    Q_OBJECT
private slots:
    void opensQuietlyOnTop();
    void submitChecksInOrder_data();
    void submitChecksInOrder();
    void referralUrlCarriesValuesIntact_data();
    void referralUrlCarriesValuesIntact();
    void placeholders_data();
    void placeholders();
    void emailBoxesRefuseTypedSpaces();
    void linksOpenTheirPages();
    void drawsOneOfFourSupportMessages_data();
    void drawsOneOfFourSupportMessages();
    void everyWayOfClosingEndsTheProgram_data();
    void everyWayOfClosingEndsTheProgram();
};

void TestClosingScreen::opensQuietlyOnTop()
{
    TestApp t;
    t.app->showClosingScreen();
    ClosingScreen* screen = t.app->closingScreen();
    QVERIFY(screen->isVisible() && screen->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(screen->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(child<QLabel>(screen, "lblNagScreen2Caption")->text(), QStringLiteral("Astravida v" ASTRAVIDA_VERSION));
    QCOMPARE(screen->windowTitle(), QStringLiteral("Astravida v" ASTRAVIDA_VERSION));
    QCOMPARE(screen->focusWidget(), child<QPushButton>(screen, "cmdClose"));
    QCOMPARE(t.platform.seeds, QList<quint32> {quint32(t.platform.now().toMSecsSinceEpoch())});

    QWidget* widget = child<QWidget>(screen, "txtName");
    QStringList order {widget->objectName()};
    while (order.size() < 6)
        if ((widget = widget->nextInFocusChain())->focusPolicy() & Qt::TabFocus)
            order.append(widget->objectName());
    QCOMPARE(order, QStringList({"txtName", "cmdSubmit", "txtEmail", "txtFriendEmail", "txtFriendName", "txtMessage"}));
}

void TestClosingScreen::submitChecksInOrder_data()
{
    QTest::addColumn<QStringList>("form"); // name, e-mail, friend's name, friend's e-mail, message
    QTest::addColumn<QString>("expected"); // a message, or the page opened
    const auto form = [](const char* name, const char* email, const char* friendName, const char* friendEmail,
                          const QString& message = InitialMessage) {
        return QStringList {name, email, friendName, friendEmail, message};
    };
    const QString nameMissing = "Please Enter Your Name";
    const QString friendMissing = "Please Enter Your Friend's Name";
    const QString fullFormUrl = SiteRoot
        + "/astravida/ssd.php?page=lwms-refer-a-friend&taf1=TOM%20%26%20JERRY&taf2=tom@x.com&taf3=Your%20Message%0D%0A"
          "&taf4=ANNA&taf5=anna@y.org&taf6="
        + SiteRoot + "/astravida/";
    QTest::newRow("untouched") << form("Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address")
                               << ProperEmail;
    QTest::newRow("same address") << form("A", "a@x.com", "B", "a@x.com") << DistinctEmails;
    QTest::newRow("same amid spaces") << form("A", "  a@x.com", "B", "a@x.com ") << DistinctEmails;
    QTest::newRow("distinct checked first") << form("A", "abc", "B", "abc") << DistinctEmails;
    QTest::newRow("yours without @") << form("A", "ax.com", "B", "b@x.com") << ProperEmail;
    QTest::newRow("friend's without dot") << form("A", "a@x.com", "B", "b@xcom") << ProperEmail;
    QTest::newRow("case differs, no name") << form("Your Name", "A@x.com", "B", "a@x.com") << nameMissing;
    QTest::newRow("name only spaces") << form("   ", "a@x.com", "B", "b@x.com") << nameMissing;
    QTest::newRow("message emptied") << form("A", "a@x.com", "B", "b@x.com", "") << "Please Enter Your Message";
    QTest::newRow("message is placeholder")
        << form("A", "a@x.com", "B", "b@x.com", " Your Message ") << "Please Enter Your Message";
    QTest::newRow("no friend's name") << form("A", "a@x.com", "Friend's Name", "b@x.com") << friendMissing;
    QTest::newRow("full form") << form(" TOM & JERRY ", "tom@x.com", "ANNA", "anna@y.org") << fullFormUrl;
}

void TestClosingScreen::submitChecksInOrder()
{
    QFETCH(QStringList, form);
    QFETCH(QString, expected);
    TestApp t;
    t.app->showClosingScreen();
    ClosingScreen* screen = t.app->closingScreen();
    const QStringList boxes {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
    for (int i = 0; i < boxes.size(); ++i)
        child<QLineEdit>(screen, boxes[i])->setText(form[i]);
    screen->setMessageText(form[4]);

    QTest::mouseClick(child<QPushButton>(screen, "cmdSubmit"), Qt::LeftButton);

    const bool opens = expected.startsWith(SiteRoot);
    QCOMPARE(t.platform.openedUrls, opens ? QStringList {expected} : QStringList());
    QCOMPARE(t.platform.messageTexts(), opens ? QStringList() : QStringList {expected});
    if (!opens)
        QCOMPARE(t.platform.messages.constFirst().icon, MessageIcon::Critical);
    for (int i = 0; i < boxes.size(); ++i)
        QCOMPARE(child<QLineEdit>(screen, boxes[i])->text(), form[i]);
    QCOMPARE(screen->messageText(), form[4]);
}

void TestClosingScreen::referralUrlCarriesValuesIntact_data()
{
    QTest::addColumn<ReferralRecord>("record");
    QTest::newRow("forged parameter") << ReferralRecord {"A&taf5=evil@x.com", "t@x.com", "Hi", "BOB", "b@x.com"};
    QTest::newRow("hash, equals, plus") << ReferralRecord {"A#B", "a+b@x.com", "1+1=2 #tag", "C=D", "c%20@x.com"};
    QTest::newRow("breaks and accents") << ReferralRecord {"ZOË", "z@x.com", "a\r\nb\tc", "JOSÉ", "j@x.com"};
}

void TestClosingScreen::referralUrlCarriesValuesIntact()
{
    QFETCH(ReferralRecord, record);
    const QUrl url(referralUrl(record), QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    const QList<QPair<QString, QString>> expected {{"page", "lwms-refer-a-friend"}, {"taf1", record.yourName},
        {"taf2", record.yourEmail}, {"taf3", record.message}, {"taf4", record.friendName}, {"taf5", record.friendEmail},
        {"taf6", SiteRoot + "/astravida/"}};
    QCOMPARE(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
}

void TestClosingScreen::placeholders_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("event");
    QTest::addColumn<QString>("after");
    const auto row = [](const char* name, const char* box, const QString& before, int event, const QString& after) {
        QTest::newRow(name) << QString(box) << before << event << after;
    };
    const int in = QEvent::FocusIn;
    const int out = QEvent::FocusOut;
    row("entering amid spaces", "txtEmail", "  Your Email Address ", in, "");
    row("exact comparison", "txtFriendName", "friend's name", in, "friend's name");
    row("leaving spaces", "txtFriendName", "   ", out, "Friend's Name");
    row("leaving empty", "txtFriendEmail", "", out, "Friend's Email Address");
    row("tabs are not spaces", "txtName", "\t", out, "\t");
    row("message keeps its break", "txtMessage", InitialMessage, in, InitialMessage);
    row("message placeholder", "txtMessage", "Your Message", in, "");
    row("leaving message empty", "txtMessage", "", out, "Your Message");
    // Another window taking the keyboard is not leaving the box.
    row("deactivation", "txtName", "", -out, "");
}

void TestClosingScreen::placeholders()
{
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(int, event);
    QFETCH(QString, after);

    TestApp t;
    t.app->showClosingScreen();
    ClosingScreen* screen = t.app->closingScreen();
    auto* line = screen->findChild<QLineEdit*>(box);
    line ? line->setText(before) : screen->setMessageText(before);
    QFocusEvent focus {QEvent::Type(qAbs(event)), event < 0 ? Qt::ActiveWindowFocusReason : Qt::TabFocusReason};
    QCoreApplication::sendEvent(line ? static_cast<QWidget*>(line) : child<QPlainTextEdit>(screen, box), &focus);
    QCOMPARE(line ? line->text() : screen->messageText(), after);
}

void TestClosingScreen::emailBoxesRefuseTypedSpaces()
{
    TestApp t;
    t.app->showClosingScreen();
    ClosingScreen* screen = t.app->closingScreen();
    for (const char* name : {"txtEmail", "txtFriendEmail"}) {
        auto* box = child<QLineEdit>(screen, name);
        box->clear();
        QTest::keyClicks(box, "a b");
        QCOMPARE(box->text(), QString("ab"));
        QCOMPARE(screen->focusWidget(), box);
    }
    QCOMPARE(t.platform.messageTexts(), QStringList(2, SpaceInEmailMessage));
    QCOMPARE(t.platform.messages.constLast().icon, MessageIcon::Critical);

    auto* name = child<QLineEdit>(screen, "txtName");
    name->clear();
    QTest::keyClicks(name, "A B");
    QCOMPARE(name->text(), QString("A B"));
    QCOMPARE(t.platform.messages.size(), 2);
}

void TestClosingScreen::linksOpenTheirPages()
{
    TestApp t;
    t.app->showClosingScreen();
    ClosingScreen* screen = t.app->closingScreen();
    auto* check = child<QCheckBox>(screen, "Check1");
    check->click();
    QTest::keyClick(check, Qt::Key_Space);
    QVERIFY(!check->isChecked());
    QTest::mouseClick(child<QLabel>(screen, "lblGoToHome"), Qt::LeftButton);
    const QString home = SiteRoot + "/astravida/ssd.php?page=home-page";
    QCOMPARE(t.platform.openedUrls, QStringList({home, home, SiteRoot + "/astravida/ssd.php?page=lorewellsoftwares"}));
    QVERIFY(screen->isVisible());
}

void TestClosingScreen::drawsOneOfFourSupportMessages_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("number");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("1") << 0.25 << 1;
    QTest::newRow("2") << 0.74 << 2;
    QTest::newRow("3") << 0.9999 << 3;
}

void TestClosingScreen::drawsOneOfFourSupportMessages()
{
    QFETCH(double, draw);
    QFETCH(int, number);
    TestApp t;
    t.platform.queueRandom(draw);
    t.platform.queueRandom(1.0 - draw); // a second draw must not be taken
    t.app->showClosingScreen();
    QCOMPARE(child<QLabel>(t.app->closingScreen(), "Label2")->text(), SupportMessages[number]);
    QCOMPARE(t.platform.random(), 1.0 - draw);
}

void TestClosingScreen::everyWayOfClosingEndsTheProgram_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit button") << "cmdClose";
    QTest::newRow("close box") << "close";
    QTest::newRow("quit while hidden") << "quit";
}

void TestClosingScreen::everyWayOfClosingEndsTheProgram()
{
    QFETCH(QString, way);
    TestApp t;
    QVERIFY(t.start());
    QPointer<MainWindow> main = t.main();
    QPointer<ClosingScreen> screen;
    if (way != "quit") {
        QVERIFY(triggerAction(main, "mnuExit"));
        screen = t.app->closingScreen();
        QVERIFY(screen && screen->isVisible() && !main->isVisible());
        QCOMPARE(t.platform.processEndCount, 0);
    }

    if (way == "cmdClose")
        QTest::mouseClick(child<QPushButton>(screen, "cmdClose"), Qt::LeftButton);
    else if (way == "close")
        screen->close();
    else
        t.app->quitApplication();

    QVERIFY(t.platform.processEndCount > 0);
    // Quitting without it never builds it just to close it.
    QCOMPARE(t.app->closingScreen() != nullptr, way != "quit");
    QCOMPARE(t.platform.seeds.size(), way == "quit" ? 1 : 2); // start-up, and the screen's one build
    flushDeferredDeletes();
    QVERIFY(!main && !screen);
}

QTEST_MAIN(TestClosingScreen)
#include "tst_closingscreen.moc"
