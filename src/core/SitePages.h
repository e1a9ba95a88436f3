#pragma once

#include <QString>

class Platform;

// Scheme and host of the maker's web site.
extern const QString SiteRoot;

// The pages of the maker's site the program opens.
enum class SitePage { Home, OnlineHelp, Download, Donate, CoBrand, FullyBranded, LorewellSoftwares };

// The key the site knows the page by.
QString sitePageKey(SitePage page);
QString sitePageUrl(SitePage page);
// Hands the page to the user's browser; whether a browser opened is not the caller's concern.
void openSitePage(Platform& platform, SitePage page);
