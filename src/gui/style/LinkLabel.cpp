#include "gui/style/LinkLabel.h"

#include "gui/style/Look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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
    setText(caption);
    // A label with a buddy renders "&&" as "&"; it has no mnemonic of its own, so nothing else changes.
    setBuddy(caption.contains(QLatin1Char('&')) ? this : nullptr);
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
