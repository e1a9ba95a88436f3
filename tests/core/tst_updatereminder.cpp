#include "CoreSupport.h"
#include "core/Scramble.h"
#include "core/UpdateReminder.h"

#include <QTest>

namespace {

const QString App = QStringLiteral("astravida");
const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");
const QString DownloadPage = SitePageAddress + QStringLiteral("download-web-page");

} // namespace

class TestUpdateReminder : public QObject
{
    Q_OBJECT
private slots:
    void asksOnlyAfterTwoWeeks_data();
    void asksOnlyAfterTwoWeeks();
    void firstStartRecordsTheDateSilently_data();
    void firstStartRecordsTheDateSilently();
    void storesBeforeOpeningTheDownloadPage();
};

void TestUpdateReminder::asksOnlyAfterTwoWeeks_data()
{
    QTest::addColumn<QDateTime>("last");
    QTest::addColumn<bool>("asks");
    const QDateTime now(QDate(2026, 3, 20), QTime(0, 1));
    QTest::newRow("same day") << now << false;
    QTest::newRow("14 days before") << now.addDays(-14) << false;
    QTest::newRow("14 days before, late at night") << QDateTime(QDate(2026, 3, 6), QTime(23, 59)) << false;
    QTest::newRow("15 days before, just before midnight") << QDateTime(QDate(2026, 3, 5), QTime(23, 59)) << true;
    QTest::newRow("15 days after, clock put back") << now.addDays(15) << true;
    QTest::newRow("14 days after") << now.addDays(14) << false;
    QTest::newRow("a year before") << now.addYears(-1) << true;
}

void TestUpdateReminder::asksOnlyAfterTwoWeeks()
{
    QFETCH(QDateTime, last);
    QFETCH(bool, asks);
    FakePlatform platform;
    platform.setNow(QDateTime(QDate(2026, 3, 20), QTime(0, 1)));
    const QString stored = ScrambleText(reminderDateText(last));
    platform.settings.insert(reminderSettingPath(), stored);

    remindAboutUpdate(platform, App);

    if (asks) {
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, Question);
        QCOMPARE(platform.messages[0].icon, MessageIcon::Information);
        QCOMPARE(platform.messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(UnscrambleText(platform.settings.value(reminderSettingPath())), reminderDateText(platform.now()));
    } else {
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.settings.value(reminderSettingPath()), stored);
    }
    QVERIFY(platform.openedUrls.isEmpty()); // an unscripted question answers No
}

void TestUpdateReminder::firstStartRecordsTheDateSilently_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("nothing stored") << QString();
    QTest::newRow("an empty value") << ScrambleText(QString());
    QTest::newRow("a value that is not a date") << ScrambleText(QStringLiteral("not a date"));
}

void TestUpdateReminder::firstStartRecordsTheDateSilently()
{
    QFETCH(QString, stored);
    FakePlatform platform;
    if (!stored.isNull())
        platform.settings.insert(reminderSettingPath(), stored);
    remindAboutUpdate(platform, App);
    QVERIFY(platform.messages.isEmpty());
    const QString now = platform.settings.value(reminderSettingPath());
    QCOMPARE(UnscrambleText(now), reminderDateText(platform.now()));
    QVERIFY2(
        !now.contains(QLatin1String("Duration")) && !now.contains(QLatin1String("20")), "the date is stored scrambled");
}

void TestUpdateReminder::storesBeforeOpeningTheDownloadPage()
{
    // A platform that notes whether the date was already stored when the page opened.
    struct OrderCheckingPlatform : FakePlatform
    {
        bool storedFirst = false;
        void openUrl(const QString& url) override
        {
            storedFirst = UnscrambleText(settings.value(reminderSettingPath())) == reminderDateText(now());
            FakePlatform::openUrl(url);
        }
    } platform;
    platform.settings.insert(reminderSettingPath(), ScrambleText(reminderDateText(platform.now().addDays(-30))));
    platform.queueAnswer(MessageAnswer::Yes);

    remindAboutUpdate(platform, App);

    QCOMPARE(platform.openedUrls, QStringList {DownloadPage});
    QVERIFY(platform.storedFirst);
}

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
