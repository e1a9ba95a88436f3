#include "TestSupport.h"
#include "core/SitePages.h"

#include <QTest>

class TestSitePages : public QObject
{
    Q_OBJECT
private slots:
    void opensEachPageByItsKey_data();
    void opensEachPageByItsKey();
};

void TestSitePages::opensEachPageByItsKey_data()
{
    QTest::addColumn<QString>("key");
    for (const char* key :
        {"home-page", "help-web-page", "download-web-page", "donate", "co-brand", "fully-branded", "lorewellsoftwares"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void TestSitePages::opensEachPageByItsKey()
{
    QFETCH(QString, key);
    FakePlatform platform;
    openSitePage(platform, key);
    QCOMPARE(platform.openedUrls, QStringList {SitePageAddress + key});
    QVERIFY(SiteRoot.startsWith(QLatin1String("https://")) && !SiteRoot.endsWith(QLatin1Char('/')));
}

QTEST_GUILESS_MAIN(TestSitePages)
#include "tst_sitepages.moc"
