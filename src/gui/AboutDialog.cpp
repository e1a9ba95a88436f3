#include "gui/AboutDialog.h"

#include "core/SitePages.h"
#include "gui/Application.h"
#include "gui/style/Controls.h"
#include "gui/style/LinkLabel.h"
#include "gui/style/Look.h"
#include "gui/style/Pictures.h"
#include "gui/style/Windows.h"

#include <QFrame>
#include <QPushButton>

namespace {

const QSize ClientSize {404, 293};

const QString AboutText = QStringLiteral(
    "Astravida shows you which yoga exercises suit your sun sign. Your sun sign hints at the health ailments that "
    "may affect you, and regular yoga can help you prevent many of them.");

struct Link
{
    const char* name;
    QString caption;
    QRect geometry;
    SitePage page;
};

} // namespace

AboutDialog::AboutDialog(Application& app, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Style::windowCaption);
    setModal(true);
    Style::fixWindowSize(this, ClientSize);
    Style::setBackground(this, Style::brown);

    iconPicture(this, "picIcon", {10, 10, 34, 34});
    Style::label(this, "Label2", Style::windowCaption, {64, 19, 160, 16}, Qt::white, Style::verdana(9.75, true));
    Style::label(this, "Label1", AboutText, {16, 56, 383, 67}, Style::yellow, Style::verdana(8.25))->setWordWrap(true);
    Style::label(this, "Label3",
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                       "Get this software fully branded for your website."),
        {16, 176, 371, 45}, Style::yellow, Style::verdana(8.25, true))
        ->setWordWrap(true);

    const Link links[] = {
        {"lblHomePage", QStringLiteral("Click here to visit ") + SiteRoot, {89, 144, 310, 13}, SitePage::Home},
        {"lblCoBrand", QStringLiteral("Click here for more details."), {221, 232, 178, 13}, SitePage::FullyBranded},
    };
    for (const Link& link : links) {
        LinkLabel* label
            = linkLabel(this, link.name, link.caption, link.geometry, Qt::white, Style::verdana(8.25, true, true));
        connect(label, &LinkLabel::clicked, this, [&app, page = link.page] { app.openSitePage(page); });
    }

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line2"));
    rule->setGeometry(0, 256, ClientSize.width(), 1);
    Style::setBackground(rule, Qt::white);

    // Default and cancel at once: Enter and Esc both close the box.
    QPushButton* ok = Style::button(this, "cmdOK", QStringLiteral("&OK"), {312, 264, 84, 23});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}
