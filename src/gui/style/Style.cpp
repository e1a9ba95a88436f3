#include "gui/style/Style.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QStyleOptionSpinBox>
#include <QStyleOptionToolButton>

namespace Style {

namespace {

template <typename Option, typename Draw> void drawCopy(const QStyleOption* option, const Draw& draw)
{
    Option copy(*static_cast<const Option*>(option));
    copy.palette = sharedPalette(option->palette);
    draw(&copy);
}

// Only the kinds of control whose drawings the style caches; anything else is drawn as it comes.
template <typename Draw> void drawWithSharedPalette(const QStyleOption* option, const Draw& draw)
{
    if (!option)
        return draw(option);
    switch (option->type) {
    case QStyleOption::SO_Button:
        return drawCopy<QStyleOptionButton>(option, draw);
    case QStyleOption::SO_Slider:
        return drawCopy<QStyleOptionSlider>(option, draw);
    case QStyleOption::SO_ToolButton:
        return drawCopy<QStyleOptionToolButton>(option, draw);
    case QStyleOption::SO_ComboBox:
        return drawCopy<QStyleOptionComboBox>(option, draw);
    case QStyleOption::SO_SpinBox:
        return drawCopy<QStyleOptionSpinBox>(option, draw);
    default:
        return draw(option);
    }
}

class SharedPaletteStyle : public QProxyStyle
{
public:
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        drawWithSharedPalette(
            option, [&](const QStyleOption* shared) { QProxyStyle::drawPrimitive(element, shared, painter, widget); });
    }

    void drawControl(
        ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        drawWithSharedPalette(
            option, [&](const QStyleOption* shared) { QProxyStyle::drawControl(element, shared, painter, widget); });
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override
    {
        drawWithSharedPalette(option, [&](const QStyleOption* shared) {
            QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex*>(shared), painter, widget);
        });
    }
};

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

void installControlStyle()
{
    QApplication::setStyle(new SharedPaletteStyle);
}

QPalette sharedPalette(const QPalette& palette)
{
    // A handful of colour sets in the whole program, so a list is enough.
    static QList<QPalette> kept;
    qsizetype index = kept.indexOf(palette);
    if (index < 0) {
        index = kept.size();
        kept.append(palette);
    }
    QPalette result = kept.at(index);
    result.setCurrentColorGroup(palette.currentColorGroup());
    return result;
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
    return label->sizeHint();
}

int textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

QPlainTextEdit* textBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(verdana(8.25));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, brown);
    palette.setColor(QPalette::Text, yellow);
    box->setPalette(palette);
    return box;
}

bool pressExitKeys(QKeyEvent* event, QWidget* focused, QPushButton* exitButton)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        exitButton->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focused))
            button->click();
        else
            exitButton->click();
        return true;
    default:
        return false;
    }
}

QString twiceSizePath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QLatin1String("@2x") + path.mid(dot);
}

QPixmap picture(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return QPixmap(path);
    QPixmap drawn(twiceSizePath(path));
    if (drawn.isNull())
        return QPixmap(path);
    // Resampled once here rather than by the painter at every paint.
    if (!qFuzzyCompare(devicePixelRatio, 2.0))
        drawn = drawn.scaled(
            (QSizeF(drawn.size()) * devicePixelRatio / 2).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    drawn.setDevicePixelRatio(devicePixelRatio);
    return drawn;
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

namespace {

// Lies wholly under a later sibling, as the promotion behind the other one does.
bool isCovered(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent)
        return false;
    bool later = false;
    for (const QObject* sibling : parent->children()) {
        const auto* other = qobject_cast<const QWidget*>(sibling);
        if (later && other && other->isVisibleTo(parent) && other->geometry().contains(widget->geometry()))
            return true;
        later = later || sibling == widget;
    }
    return false;
}

// Speaks a link label as a link, by the caption it shows, and lets a screen reader press it.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    { }

    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->shownCaption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        state.invisible = state.invisible || isCovered(label());
        return state;
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* linkLabelAccessible(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<LinkLabel*>(object))
        return new LinkLabelAccessible(label);
    return nullptr;
}

} // namespace

void WrappingButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    static const bool accessibleAsLinks = (QAccessible::installFactory(linkLabelAccessible), true);
    Q_UNUSED(accessibleAsLinks);
    setHandPointer(true);
    // Reachable from the keyboard, like a button.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setCaption(const QString& caption)
{
    // A label that takes the focus draws its caption through a text document, and most links are never shown (the
    // other signs' asanas): the document waits until it is shown. Built for every link, the documents raise the peak
    // memory past its target of 1.5 times a bare Qt window (37.3 MB against 37.0 MB).
    if (testAttribute(Qt::WA_WState_Polished) || focusPolicy() == Qt::NoFocus) {
        setText(caption);
    } else {
        const Qt::FocusPolicy policy = focusPolicy();
        setFocusPolicy(Qt::NoFocus);
        setText(caption);
        setFocusPolicy(policy);
        m_documentDue = true;
    }
    // A label with a buddy renders "&&" as "&"; it has no mnemonic of its own, so nothing else changes.
    setBuddy(caption.contains(QLatin1Char('&')) ? this : nullptr);
}

bool LinkLabel::event(QEvent* event)
{
    // Polishing a label that takes the focus would build its document too.
    if (event->type() == QEvent::Polish && focusPolicy() != Qt::NoFocus) {
        const Qt::FocusPolicy policy = focusPolicy();
        setFocusPolicy(Qt::NoFocus);
        const bool handled = QLabel::event(event);
        setFocusPolicy(policy);
        m_documentDue = true;
        return handled;
    }
    if (event->type() == QEvent::Show && m_documentDue) {
        m_documentDue = false;
        // The label builds its document when its caption is set while it takes the focus, which it may no longer do;
        // a change of format sets the caption again.
        const Qt::FocusPolicy policy = focusPolicy();
        const Qt::TextFormat format = textFormat();
        setFocusPolicy(Qt::TabFocus);
        setTextFormat(format == Qt::PlainText ? Qt::AutoText : Qt::PlainText);
        setTextFormat(format);
        setFocusPolicy(policy);
    }
    return QLabel::event(event);
}

QString LinkLabel::shownCaption() const
{
    const QString caption = text();
    if (!buddy())
        return caption;
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" shows as "&"; a lone "&" only marks the next letter.
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        shown += caption[i];
    }
    return shown;
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
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        // Taken here, as a focused button takes it: the window's own Enter never sees it.
        event->accept();
        if (!event->isAutoRepeat())
            activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Dotted in the caption's own colour, which stands out on whatever ground the link is drawn.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
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

void bringLinkToFront(LinkLabel* front, LinkLabel* behind)
{
    front->raise();
    front->setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
}
