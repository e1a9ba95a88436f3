#include "core/SitePages.h"

#include "core/Platform.h"

#include <array>

namespace {

// In the order of SitePage.
constexpr std::array<const char*, 7> PageKeys {
    "home-page", "help-web-page", "download-web-page", "donate", "co-brand", "fully-branded", "lorewellsoftwares"};

} // namespace

const QString SiteRoot = QStringLiteral("https://www.lorewell.com");

QString sitePageKey(SitePage page)
{
    return QLatin1String(PageKeys[std::size_t(page)]);
}

QString sitePageUrl(SitePage page)
{
    return SiteRoot + QStringLiteral("/astravida/ssd.php?page=") + sitePageKey(page);
}

void openSitePage(Platform& platform, SitePage page)
{
    platform.openUrl(sitePageUrl(page));
}
