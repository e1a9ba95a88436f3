#include "shell/Style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QStyle>

namespace Style {

namespace {

// A caption and the plain advance of the same text in the same font are kept apart.
struct MeasureKey
{
    QFont font;
    QString text;
    bool caption;

    bool operator==(const MeasureKey& other) const
    {
        return caption == other.caption && text == other.text && font == other.font;
    }
};

size_t qHash(const MeasureKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.font, key.text, key.caption);
}

QHash<MeasureKey, QSize>& measured()
{
    static QHash<MeasureKey, QSize> sizes;
    return sizes;
}

} // namespace

QFont verdana(double pointSize, bool bold, bool underline, bool italic)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setItalic(italic);
    return font;
}

void installFonts()
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QApplication::setFont(verdana(8.25));
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry, const QColor& colour,
    const QFont& font)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(geometry);
    result->setFont(font);
    setForeground(result, colour);
    return result;
}

void styleButton(QPushButton* button, const char* name, const QRect& geometry)
{
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(verdana(8.25, true));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, grey);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setAutoDefault(false);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* result = new QPushButton(text, parent);
    styleButton(result, name, geometry);
    return result;
}

QSize captionSize(const QLabel* label)
{
    Q_ASSERT(!label->wordWrap());
    const MeasureKey key {label->font(), label->text(), true};
    auto found = measured().constFind(key);
    if (found == measured().cend())
        found = measured().insert(key, label->sizeHint());
    return *found;
}

int textWidth(const QFont& font, const QString& text)
{
    const MeasureKey key {font, text, false};
    auto found = measured().constFind(key);
    if (found == measured().cend())
        found = measured().insert(key, QSize(QFontMetrics(font).horizontalAdvance(text), 0));
    return found->width();
}

void fixWindowSize(QWidget* window, const QSize& clientSize)
{
    window->setFixedSize(clientSize);
    window->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace Style

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    setHandPointer(true);
    // Reachable from the keyboard, like a button.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setCaption(const QString& caption)
{
    // A label that takes the focus keeps its text as a document, laid out again on every later change of font or
    // alignment; before it is polished it can go without one, and gets it when polished if it still takes the focus.
    const Qt::FocusPolicy policy = focusPolicy();
    if (!testAttribute(Qt::WA_WState_Polished))
        setFocusPolicy(Qt::NoFocus);
    setText(caption);
    setFocusPolicy(policy);
    // A label with a buddy renders "&&" as "&"; it has no mnemonic of its own, so nothing else changes.
    setBuddy(caption.contains(QLatin1Char('&')) ? this : nullptr);
}

void LinkLabel::setHandPointer(bool hand)
{
    if (hand)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

LinkLabel* linkLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
    const QColor& colour, const QFont& font)
{
    auto* result = new LinkLabel(parent);
    result->setObjectName(QLatin1String(name));
    result->setCaption(caption);
    result->setGeometry(geometry);
    result->setFont(font);
    Style::setForeground(result, colour);
    return result;
}
