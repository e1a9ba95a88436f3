#include "core/SitePages.h"

#include "core/Platform.h"

const QString SiteRoot = QStringLiteral("https://www.lorewell.com");

QString sitePageUrl(const QString& pageKey)
{
    return SiteRoot + QStringLiteral("/astravida/ssd.php?page=") + pageKey;
}

void openSitePage(Platform& platform, const QString& pageKey)
{
    platform.openUrl(sitePageUrl(pageKey));
}
