#pragma once

#include <QString>

class Platform;

// Scheme and host of the maker's web site.
extern const QString SiteRoot;

QString sitePageUrl(const QString& pageKey);
// Hands the page to the user's browser; whether a browser opened is not the caller's concern.
void openSitePage(Platform& platform, const QString& pageKey);
