#pragma once

#include <QLabel>

// A label that opens something when clicked, with the hand pointer of a link. Tab reaches it, Enter or Space
// opens it, and screen readers are told it is a link they can press.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);
    // Captions keep their "&&" and show it as one "&".
    void setCaption(const QString& caption);
    void setHandPointer(bool hand);
    // The caption as it is seen and spoken.
    QString shownCaption() const;
    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

LinkLabel* linkLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
    const QColor& colour, const QFont& font);
// Of two links in one place only the one in front is seen and clicked, so only it is reached by Tab.
void bringLinkToFront(LinkLabel* front, LinkLabel* behind);
