#include "gui/Promotions.h"

#include "core/SitePages.h"
#include "gui/Application.h"
#include "gui/style/LinkLabel.h"
#include "gui/style/Look.h"

PromotionStrip::PromotionStrip(Application& app, QWidget* strip, const QRect& place, Promotion front)
    : QObject(strip)
{
    const QFont font = Style::verdana(8.25, true, true);
    m_fullBrand = linkLabel(strip, "lblFullBrand", FullBrandCaption, place, Style::linkBlue, font);
    m_coBrand = linkLabel(strip, "lblCobrand", CoBrandCaption, place, Style::linkBlue, font);
    for (LinkLabel* promotion : {m_fullBrand, m_coBrand}) {
        promotion->setWordWrap(true);
        Style::setBackground(promotion, Qt::white);
    }
    connect(m_fullBrand, &LinkLabel::clicked, this, [&app] { app.openSitePage(SitePage::FullyBranded); });
    connect(m_coBrand, &LinkLabel::clicked, this, [&app] { app.openSitePage(SitePage::CoBrand); });
    bringToFront(front);
}

void PromotionStrip::bringToFront(Promotion front)
{
    const Promotion behind = front == Promotion::FullBrand ? Promotion::CoBrand : Promotion::FullBrand;
    bringLinkToFront(link(front), link(behind));
}

LinkLabel* siteBanner(Application& app, QWidget* topStrip, const QString& text, const QRect& place)
{
    LinkLabel* banner = linkLabel(topStrip, "Label61", text, place, Style::brown, Style::verdana(8.25, true, true));
    banner->setAlignment(Qt::AlignCenter);
    QObject::connect(banner, &LinkLabel::clicked, topStrip, [&app] { app.openSitePage(SitePage::Home); });
    return banner;
}
