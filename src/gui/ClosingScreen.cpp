#include "gui/ClosingScreen.h"

#include "core/Platform.h"
#include "core/SitePages.h"
#include "core/TrimSpaces.h"
#include "gui/Application.h"
#include "gui/style/Controls.h"
#include "gui/style/LinkLabel.h"
#include "gui/style/Look.h"
#include "gui/style/Pictures.h"
#include "gui/style/Windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QSize ClientSize {741, 315};
const QColor Navy {0, 0, 128};
const QColor CheckBlue {0, 0, 192};

const QString DownloadText = QStringLiteral(
    "Enjoyed Astravida? Lorewell makes more free programs for everyone who is curious about the stars, numbers and "
    "the mind: readings, calculators and little helpers for daily life. Each one is small, easy to use and free to "
    "try. Visit our download page to see the whole collection, and come back often, because new programs are added "
    "regularly. Tell your friends about the ones you like: every visit helps us keep them free.");

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* result = new QGroupBox(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(geometry);
    result->setFont(Style::verdana(9.75, true));
    Style::setBackground(result, Navy);
    Style::setForeground(result, Qt::white);
    return result;
}

QLineEdit* textBox(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setFont(Style::verdana(8.25));
    box->setTextMargins(0, 0, 0, 0);
    Style::setForeground(box, Qt::black);
    return box;
}

// Where Verdana is missing its stand-in runs wider; a narrower cut keeps a one-line link inside its place.
void fitToWidth(QLabel* label)
{
    QFont font = label->font();
    for (int stretch = QFont::Unstretched; stretch > QFont::ExtraCondensed; stretch -= 5) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width())
            break;
    }
    label->setFont(font);
}

} // namespace

ClosingScreen::ClosingScreen(Application& app)
    : m_app(app)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Stays above everything, and appearing never takes the keyboard from another program.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    Style::fixWindowSize(this, ClientSize);
    Style::setBackground(this, Qt::white);

    iconPicture(this, "picNagscreen2Icon", {24, 8, 36, 36});
    m_title = Style::label(this, "lblNagScreen2Caption", {}, {72, 16, 0, 0}, Qt::black, Style::verdana(18, true));
    m_supportMessage = Style::label(this, "Label2", {}, {8, 56, 465, 73}, Qt::black, Style::verdana(9.75, true));
    m_supportMessage->setWordWrap(true);
    m_supportMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_visitSite = new QCheckBox(QStringLiteral("Click Here To Visit Lorewell Now"), this);
    m_visitSite->setObjectName(QStringLiteral("Check1"));
    m_visitSite->setGeometry(2, 136, 479, 37);
    m_visitSite->setFont(Style::verdana(14.25));
    m_visitSite->setCursor(Qt::PointingHandCursor);
    Style::setForeground(m_visitSite, CheckBlue);
    connect(m_visitSite, &QCheckBox::clicked, this, &ClosingScreen::Check1_Click);

    m_exitButton = Style::button(this, "cmdClose", QStringLiteral("E&xit"), {400, 184, 83, 25});
    connect(m_exitButton, &QPushButton::clicked, this, [this] { m_app.quitApplication(); });

    buildReferralFrame();
    LinkLabel* goToHome = buildDownloadFrame();

    setTabOrder(m_visitSite, m_exitButton);
    setTabOrder(m_exitButton, m_yourName);
    setTabOrder(m_yourName, m_referButton);
    setTabOrder(m_referButton, m_yourEmail);
    setTabOrder(m_yourEmail, m_friendEmail);
    setTabOrder(m_friendEmail, m_friendName);
    setTabOrder(m_friendName, m_message);
    setTabOrder(m_message, goToHome);

    setWindowTitle(Style::windowCaption);
    m_title->setText(Style::windowCaption);
    m_title->adjustSize();
    pickSupportMessage();
    Style::centreOnScreen(this);
    m_exitButton->setFocus();
}

void ClosingScreen::buildReferralFrame()
{
    QGroupBox* referral = frame(this, "Frame2", QStringLiteral("Refer A Friend"), {8, 216, 471, 97});
    m_yourName = textBox(referral, "txtName", YourNamePlaceholder, {6, 24, 225, 19});
    m_yourEmail = textBox(referral, "txtEmail", YourEmailPlaceholder, {240, 24, 225, 19});
    m_friendName = textBox(referral, "txtFriendName", FriendNamePlaceholder, {6, 48, 225, 19});
    m_friendEmail = textBox(referral, "txtFriendEmail", FriendEmailPlaceholder, {240, 48, 225, 19});
    m_referButton = Style::button(referral, "cmdSubmit", QStringLiteral("Refer A Friend &Now"), {128, 72, 225, 19});
    connect(m_referButton, &QPushButton::clicked, this, &ClosingScreen::cmdSubmit_Click);

    // Placed below the frame's edge, so only the Tab key ever reaches it.
    m_message = new QPlainTextEdit(referral);
    m_message->setObjectName(QStringLiteral("txtMessage"));
    m_message->setGeometry(320, 240, 121, 33);
    m_message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_message->setTabChangesFocus(true);
    setMessageText(InitialMessage);

    for (QWidget* box : QWidgetList {m_yourName, m_yourEmail, m_friendName, m_friendEmail, m_message}) {
        box->installEventFilter(this);
        // Named by what the placeholder asks for, which stays said once the box is filled in.
        box->setAccessibleName(placeholderOf(box));
    }
}

LinkLabel* ClosingScreen::buildDownloadFrame()
{
    QGroupBox* download = frame(this, "Frame6", QStringLiteral("Download Lorewell Softwares"), {488, 8, 249, 305});
    QLabel* paragraph = Style::label(download, "Label3", DownloadText, {8, 24, 233, 257}, Qt::white, Style::verdana(9));
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LinkLabel* goToHome = linkLabel(download, "lblGoToHome", QStringLiteral("Click Here To Visit Lorewell Softwares"),
        {5, 283, 239, 14}, Style::yellow, Style::verdana(9, true, true));
    fitToWidth(goToHome);
    connect(goToHome, &LinkLabel::clicked, this, [this] { m_app.openSitePage(SitePage::LorewellSoftwares); });
    return goToHome;
}

void ClosingScreen::pickSupportMessage()
{
    Platform& platform = m_app.platform();
    platform.seedRandom(quint32(platform.now().toMSecsSinceEpoch()));
    m_supportMessage->setText(SupportMessages[supportMessageNumber(platform.random())]);
}

QString ClosingScreen::messageText() const
{
    // The box ends its lines with CR LF, as the site has always received them.
    return m_message->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void ClosingScreen::setMessageText(const QString& text)
{
    m_message->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString ClosingScreen::boxText(QWidget* box) const
{
    if (box == m_message)
        return messageText();
    return static_cast<QLineEdit*>(box)->text();
}

void ClosingScreen::setBoxText(QWidget* box, const QString& text)
{
    if (box == m_message)
        setMessageText(text);
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

QString ClosingScreen::placeholderOf(QWidget* box) const
{
    if (box == m_yourName)
        return YourNamePlaceholder;
    if (box == m_yourEmail)
        return YourEmailPlaceholder;
    if (box == m_friendName)
        return FriendNamePlaceholder;
    if (box == m_friendEmail)
        return FriendEmailPlaceholder;
    return MessagePlaceholder;
}

ReferralRecord ClosingScreen::referralRecord() const
{
    return {trimSpaces(m_yourName->text()), trimSpaces(m_yourEmail->text()), trimSpaces(messageText()),
        trimSpaces(m_friendName->text()), trimSpaces(m_friendEmail->text())};
}

void ClosingScreen::cmdSubmit_Click()
{
    const ReferralRecord record = referralRecord();
    if (const std::optional<QString> problem = emailProblem(record)) {
        m_app.platform().showMessage(*problem, MessageIcon::Critical);
        return;
    }
    submitReferral(m_app.platform(), record);
}

void ClosingScreen::Check1_Click(bool checked)
{
    // A link dressed as a check box: it never stays checked.
    if (!checked)
        return;
    m_visitSite->setChecked(false);
    m_app.openSitePage(SitePage::Home);
}

bool ClosingScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        if ((box == m_yourEmail || box == m_friendEmail)
            && static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ")) {
            m_app.platform().showMessage(SpaceInEmailMessage, MessageIcon::Critical);
            box->setFocus();
            return true;
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Another window or a popup taking the keyboard is not the user leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (event->type() == QEvent::FocusIn && clearsOnFocus(boxText(box), placeholderOf(box)))
            setBoxText(box, QString());
        else if (event->type() == QEvent::FocusOut && restoresOnLeave(boxText(box)))
            setBoxText(box, placeholderOf(box));
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ClosingScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    // However the screen goes, the program goes with it.
    m_app.quitApplication();
}
