#pragma once

#include <QObject>
#include <QString>

class Application;
class LinkLabel;
class QRect;
class QWidget;

// The two promotion lines that the main, reading and report windows show in their bottom strips.
inline const QString FullBrandCaption = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.");
inline const QString CoBrandCaption = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &&  link "
    "here. See \"Help\" for details.    Click Here for more info on co-branding.");

enum class Promotion { FullBrand, CoBrand };

// The two promotion links lblFullBrand and lblCobrand, one over the other in one place of a white strip. Only the one
// in front is seen, clicked and reached by Tab; each opens its page of the maker's site.
class PromotionStrip : public QObject
{
public:
    PromotionStrip(Application& app, QWidget* strip, const QRect& place, Promotion front);

    void bringToFront(Promotion front);
    LinkLabel* link(Promotion promotion) const { return promotion == Promotion::FullBrand ? m_fullBrand : m_coBrand; }

private:
    LinkLabel* m_fullBrand;
    LinkLabel* m_coBrand;
};

// The maker's banner Label61 across a window's top strip: the text as a link to the site's home page.
LinkLabel* siteBanner(Application& app, QWidget* topStrip, const QString& text, const QRect& place);
