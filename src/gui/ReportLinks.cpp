#include "gui/ReportLinks.h"

#include "core/Platform.h"
#include "core/WebAddress.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

ReportLinks::ReportLinks(Platform& platform)
    : m_platform(platform)
{ }

ReportLinks::~ReportLinks()
{
    detach();
}

QTextEdit* ReportLinks::box() const
{
    return m_box;
}

void ReportLinks::attach(QTextEdit* box)
{
    detach();
    if (!box)
        return;
    m_box = box;
    m_watched = box->viewport();
    m_watched->installEventFilter(this);
    box->installEventFilter(this);
    m_detection = connect(box->document(), &QTextDocument::contentsChange, this,
        [this](int from, int, int added) { markAddresses(from, added); });
    markAddresses(0, box->document()->characterCount());
    m_attached = true;
}

void ReportLinks::detach()
{
    if (!m_attached)
        return;
    disconnect(m_detection);
    if (m_watched)
        m_watched->removeEventFilter(this);
    if (m_box)
        m_box->removeEventFilter(this);
    m_watched = nullptr;
    m_box = nullptr;
    m_attached = false;
}

void ReportLinks::markAddresses(int from, int length)
{
    // Marking changes formats, which reports a change of its own.
    if (m_marking || !m_box)
        return;
    m_marking = true;
    QTextDocument* document = m_box->document();
    const QTextBlock last = document->findBlock(from + length);
    for (QTextBlock block = document->findBlock(from); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (const TextSpan& span : findWebAddresses(text)) {
            QTextCursor cursor(document);
            cursor.setPosition(block.position() + int(span.start));
            cursor.setPosition(block.position() + int(span.start + span.length), QTextCursor::KeepAnchor);
            QTextCharFormat link;
            link.setAnchor(true);
            link.setAnchorHref(text.mid(span.start, span.length));
            link.setFontUnderline(true);
            cursor.mergeCharFormat(link);
        }
        if (block == last)
            break;
    }
    m_marking = false;
}

bool ReportLinks::eventFilter(QObject* watched, QEvent* event)
{
    // Only a left-button press opens; the event always goes on to the box as well.
    if (watched == m_watched && m_box && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            const QString address = m_box->anchorAt(press->position().toPoint());
            if (isWebAddress(address))
                m_platform.openUrl(address);
        }
    }
    // Tab selects a link in the box, and Enter opens it as the press of a mouse would.
    if (watched == m_box && m_box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QTextCursor selection = m_box->textCursor();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && selection.hasSelection()) {
            QTextCursor first(m_box->document());
            first.setPosition(selection.selectionStart() + 1);
            const QString address = first.charFormat().anchorHref();
            if (selection.selectedText() == address && isWebAddress(address))
                m_platform.openUrl(address);
        }
    }
    return QObject::eventFilter(watched, event);
}
