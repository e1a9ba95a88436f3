#include "CoreSupport.h"
#include "core/SitePages.h"

#include <QTest>

Q_DECLARE_METATYPE(SitePage)

class TestSitePages : public QObject
{
    Q_OBJECT
private slots:
    void opensEachPageByItsKey_data();
    void opensEachPageByItsKey();
};

void TestSitePages::opensEachPageByItsKey_data()
{
    QTest::addColumn<SitePage>("page");
    QTest::addColumn<QString>("key");
    QTest::newRow("home") << SitePage::Home << "home-page";
    QTest::newRow("online help") << SitePage::OnlineHelp << "help-web-page";
    QTest::newRow("download") << SitePage::Download << "download-web-page";
    QTest::newRow("donate") << SitePage::Donate << "donate";
    QTest::newRow("co-brand") << SitePage::CoBrand << "co-brand";
    QTest::newRow("fully branded") << SitePage::FullyBranded << "fully-branded";
    QTest::newRow("Lorewell softwares") << SitePage::LorewellSoftwares << "lorewellsoftwares";
}

void TestSitePages::opensEachPageByItsKey()
{
    QFETCH(SitePage, page);
    QFETCH(QString, key);
    FakePlatform platform;
    openSitePage(platform, page);
    QCOMPARE(platform.openedUrls, QStringList {SitePageAddress + key});
    QVERIFY(SiteRoot.startsWith(QLatin1String("https://")) && !SiteRoot.endsWith(QLatin1Char('/')));
}

QTEST_GUILESS_MAIN(TestSitePages)
#include "tst_sitepages.moc"
