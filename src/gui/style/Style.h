#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>

class QKeyEvent;
class QWidget;

// The look every window shares.
namespace Style {

inline const QColor brown {130, 57, 4};
inline const QColor yellow {255, 255, 0};
inline const QColor lightYellow {255, 255, 128};
inline const QColor grey {128, 128, 128};
inline const QColor cyan {0, 255, 255};
inline const QColor linkBlue {0, 0, 255};
inline const QString windowCaption = QStringLiteral("Astravida v1.25");

// Verdana, or DejaVu Sans where Verdana is missing.
QFont verdana(double pointSize, bool bold = false, bool underline = false, bool italic = false);
// Makes Verdana fall back to DejaVu Sans and sets the program's default font.
void installFonts();
// Draws the controls with the platform's style, handing it one palette for each set of colours.
void installControlStyle();
// The one palette kept for these colours, in the given palette's colour group. The style caches its drawings of
// controls by palette identity, new for every control of every new window, so closed windows' drawings would pile up
// and break the target for memory growth over a long session (1.8 MB over 150 rounds, against 600 kB).
QPalette sharedPalette(const QPalette& palette);

void setBackground(QWidget* widget, const QColor& colour);
void setForeground(QWidget* widget, const QColor& colour);

// A label with text colour, font and geometry in one call, named by its objectName.
QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry, const QColor& colour,
    const QFont& font);
// Grey face, bold Verdana caption.
void styleButton(QPushButton* button, const char* name, const QRect& geometry);
QPushButton* button(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
// The size a one-line caption takes in its label, and the advance of a text in a font.
QSize captionSize(const QLabel* label);
int textWidth(const QFont& font, const QString& text);
// Yellow on brown, read-only but scrollable and selectable, with a vertical scroll bar always shown.
QPlainTextEdit* textBox(QWidget* parent, const char* name, const QRect& geometry);
// Exit as both the default and the cancel button: Esc presses it, and so does Enter unless a button has the focus,
// which Enter then presses. False for any other key. A focused link takes its own Enter and never gets here.
bool pressExitKeys(QKeyEvent* event, QWidget* focused, QPushButton* exitButton);
// The picture at a resource path for a screen of that pixel ratio: above 1 it comes from the "@2x" file beside it,
// brought to the screen's ratio, so it is as sharp as the text around it.
QPixmap picture(const QString& path, qreal devicePixelRatio);
// The file beside path that holds the same picture drawn at twice its size: "Aries.jpg" gives "Aries@2x.jpg".
QString twiceSizePath(const QString& path);
// A fixed-size window that cannot be resized, centred on its screen.
void fixWindowSize(QWidget* window, const QSize& clientSize);
void centreOnScreen(QWidget* window);

} // namespace Style

// A button whose caption wraps onto more lines when it is wider than the button.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

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
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // It would have its text document by now; it gets it when first shown.
    bool m_documentDue = false;
};

LinkLabel* linkLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
    const QColor& colour, const QFont& font);
// Of two links in one place only the one in front is seen and clicked, so only it is reached by Tab.
void bringLinkToFront(LinkLabel* front, LinkLabel* behind);
