#include "gui/AsanaBrowser.h"

#include "core/AsanaCatalogue.h"
#include "gui/style/Controls.h"
#include "gui/style/Look.h"
#include "gui/style/Pictures.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <utility>

namespace {

const QColor LightGreen {128, 255, 128};
const QColor Green {0, 255, 0};
const QColor White {255, 255, 255};

constexpr int RowGap = 24;
constexpr int WideRowGap = 32;

// Where each paragraph of the introduction goes, in the order the catalogue gives them.
struct IntroPlacement
{
    const char* labelName;
    QRect geometry;
    QColor colour;
};

const std::array<IntroPlacement, YogaIntroductionCount> IntroPlacements = {{
    {"Label33", {16, 16, 737, 41}, Style::cyan},
    {"Label36", {16, 56, 737, 73}, Style::lightYellow},
    {"Label35", {16, 176, 185, 209}, LightGreen},
    {"Label34", {568, 176, 185, 201}, LightGreen},
}};

struct Heading
{
    const char* caption;
    QPoint position;
};

const std::array<Heading, 4> DetailHeadings = {{
    {"English Name", {24, 20}},
    {"Procedure", {24, 128}},
    {"Benefits", {24, 300}},
    {"Contradictions", {504, 300}},
}};

// The space above each row after the first: Aries and Taurus have few rows to spread, and Leo opens wide.
int gapBeforeRow(const QString& sign, int row)
{
    if (sign == QLatin1String("Aries") || sign == QLatin1String("Taurus"))
        return WideRowGap;
    if (sign == QLatin1String("Leo") && row == 1)
        return WideRowGap;
    return RowGap;
}

// Clears the labels' underline when the pointer moves over the bare background it watches.
class UnderlineReset : public QObject
{
public:
    UnderlineReset(QWidget* background, const QVector<AsanaLabel*>& labels)
        : QObject(background)
        , m_labels(labels)
    {
        background->setMouseTracking(true);
        background->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseMove)
            return false;
        // Moves reach the background only away from the labels, which take their own.
        for (AsanaLabel* label : m_labels)
            label->setUnderlined(false);
        return true;
    }

private:
    // The browser's own list, which the next sign fills anew.
    const QVector<AsanaLabel*>& m_labels;
};

} // namespace

AsanaLabel::AsanaLabel(int asana, const QString& displayName, QWidget* frame)
    : LinkLabel(frame)
    , m_asana(asana)
{
    setCaption(displayName);
    setFont(Style::verdana(9.75, true));
    Style::setForeground(this, Style::brown);
    setMouseTracking(true);
}

void AsanaLabel::mouseMoveEvent(QMouseEvent* event)
{
    setUnderlined(true);
    event->accept();
}

AsanaBrowser::AsanaBrowser(QWidget* fraSelectYoga)
    : QObject(fraSelectYoga)
    , m_yogaPage(fraSelectYoga)
{
    // Built before the introduction, which lies above it.
    m_signFrame = new QGroupBox(m_yogaPage);
    m_signFrame->setGeometry(216, 168, 329, 209);
    m_signFrame->setFont(Style::verdana(9.75, true));
    Style::setForeground(m_signFrame, Qt::black);
    Style::setBackground(m_signFrame, Style::lightYellow);
    m_signFrame->hide();
    buildIntroduction();
    new UnderlineReset(m_yogaPage, m_labels);
    new UnderlineReset(m_signFrame, m_labels);
    buildDetailPage();
}

void AsanaBrowser::buildIntroduction()
{
    for (int i = 0; i < YogaIntroductionCount; ++i) {
        const IntroPlacement& place = IntroPlacements[std::size_t(i)];
        QLabel* paragraph = Style::label(
            m_yogaPage, place.labelName, yogaIntroduction(i), place.geometry, place.colour, Style::verdana(8.25));
        paragraph->setWordWrap(true);
        paragraph->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    QLabel* instruction
        = Style::label(m_yogaPage, "Label37", QStringLiteral("Click on Asana to know its Procedure and Benefits"),
            QRect(200, 136, 358, 16), Green, Style::verdana(9.75, true, false, true));
    instruction->setAlignment(Qt::AlignCenter);
    // The stand-in face is wider than Verdana: widen the line about its centre to the free band between the
    // paragraphs, rather than measure it, which would load the bold italic face before the tab is ever shown.
    const int centre = instruction->geometry().center().x();
    const int halfWidth = centre - 21;
    instruction->setGeometry(centre - halfWidth, 136, 2 * halfWidth, 16);
}

void AsanaBrowser::buildDetailPage()
{
    m_asanaPage = new QFrame(m_yogaPage);
    m_asanaPage->setObjectName(QStringLiteral("fraYogaProcedure"));
    m_asanaPage->setGeometry(0, 0, 769, 433);
    Style::setBackground(m_asanaPage, Style::brown);
    m_asanaPage->hide();

    QVector<QLabel*> headings;
    for (const Heading& heading : DetailHeadings) {
        QLabel* label = Style::label(
            m_asanaPage, "", QString::fromLatin1(heading.caption), QRect(), White, Style::verdana(8.25, true, true));
        label->move(heading.position);
        label->resize(label->sizeHint());
        headings.append(label);
    }
    m_englishName = Style::label(
        m_asanaPage, "lblEnglishName", QString(), QRect(152, 20, 345, 16), Style::yellow, Style::verdana(8.25, true));
    m_definition = Style::textBox(m_asanaPage, "txtYogaDefination", QRect(24, 40, 473, 81));
    m_procedure = Style::textBox(m_asanaPage, "txtProcedure", QRect(24, 148, 473, 145));
    m_benefits = Style::textBox(m_asanaPage, "txtBenefits", QRect(24, 320, 473, 73));
    m_contraIndication = Style::textBox(m_asanaPage, "txtContradiction", QRect(504, 320, 254, 73));
    // What each heading names for screen readers.
    const QWidgetList headed {m_englishName, m_procedure, m_benefits, m_contraIndication};
    for (qsizetype i = 0; i < headings.size(); ++i)
        headings[i]->setBuddy(headed[i]);
    // The definition stands under no heading of its own.
    m_definition->setAccessibleName(QStringLiteral("Definition"));

    m_asanaPicture = new QLabel(m_asanaPage);
    m_asanaPicture->setObjectName(QStringLiteral("picYoga"));
    m_asanaPicture->setGeometry(504, 40, 252, 252);
    m_asanaPicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_asanaPicture->setAlignment(Qt::AlignCenter);

    // Created after the picture so that the name plate lies over its top edge.
    m_namePlate = Style::label(
        m_asanaPage, "lblAsanaName", QString(), QRect(580, 16, 108, 20), Style::brown, Style::verdana(9.75, true));
    m_namePlate->setAlignment(Qt::AlignCenter);
    Style::setBackground(m_namePlate, Style::lightYellow);
    // The stand-in face is wider than Verdana: widen the plate about its centre to fit the longest name.
    const QFontMetrics metrics(m_namePlate->font());
    int widest = m_namePlate->width();
    for (const Asana& entry : asanaCatalogue())
        widest = qMax(widest, metrics.horizontalAdvance(entry.displayName) + 8);
    m_namePlate->setGeometry(QRect(0, 16, widest, 20).translated(m_namePlate->geometry().center().x() - widest / 2, 0));

    m_backButton = Style::button(m_asanaPage, "cmdYogaBack", QStringLiteral("&Back"), QRect(24, 397, 734, 31));
    connect(m_backButton, &QPushButton::clicked, this, &AsanaBrowser::cmdYogaBack_Click);
}

void AsanaBrowser::showSign(const QString& sign, const QVector<RecommendedAsana>& asanas)
{
    qDeleteAll(m_labels);
    m_labels.clear();
    m_signFrame->setObjectName(QLatin1String("fra") + sign);
    m_signFrame->setTitle(QStringLiteral("Recommended Yoga Asanas For ") + sign);
    for (const RecommendedAsana& recommended : asanas) {
        auto* label = new AsanaLabel(recommended.number, asana(recommended.number).displayName, m_signFrame);
        // Named as the report heads the asana for this sign, so each sign's entry has a name of its own.
        label->setObjectName(QLatin1String("lbl") + QString(recommended.heading).remove(QLatin1Char(' ')) + sign);
        label->resize(label->sizeHint());
        connect(label, &LinkLabel::clicked, this, [this, label] { asanaLabel_Click(label); });
        m_labels.append(label);
    }
    placeInTabOrder();

    // One column on the frame's vertical axis, the block centred in the space below the caption.
    QVector<int> tops {0};
    for (int row = 1; row < m_labels.size(); ++row)
        tops.append(tops.last() + gapBeforeRow(sign, row));
    const QRect area = m_signFrame->contentsRect();
    const int blockHeight = m_labels.isEmpty() ? 0 : tops.last() + m_labels.last()->height();
    const int blockTop = area.top() + (area.height() - blockHeight) / 2;
    for (int row = 0; row < m_labels.size(); ++row) {
        AsanaLabel* label = m_labels[row];
        label->move(area.center().x() + 1 - label->width() / 2, blockTop + tops[row]);
    }
    m_signFrame->show();
}

void AsanaBrowser::placeInTabOrder()
{
    // A new label joins the end of the window's Tab order; Tab reaches the list where the frame stands.
    QWidget* before = m_signFrame;
    while (before->focusPolicy() == Qt::NoFocus)
        before = before->previousInFocusChain();
    for (AsanaLabel* label : std::as_const(m_labels)) {
        QWidget::setTabOrder(before, label);
        before = label;
    }
}

void AsanaBrowser::asanaLabel_Click(AsanaLabel* label)
{
    const Asana& shown = asana(label->asana());
    m_openedFrom = label;
    // Opened from the keyboard, the keyboard follows onto the page rather than wherever hiding the list leaves it.
    const bool keyboardOnList = label->hasFocus();
    m_asanaPage->show();
    m_asanaPage->raise();
    if (keyboardOnList)
        m_definition->setFocus(Qt::OtherFocusReason);
    label->parentWidget()->hide();
    // A picture that cannot be fetched leaves the previous one in place.
    const QPixmap picture = Style::picture(shown.picture, m_asanaPicture->devicePixelRatio());
    if (!picture.isNull()) {
        m_asanaPicture->setPixmap(picture);
        m_asanaPicture->setAccessibleName(shown.displayName);
    }
    m_englishName->setText(shown.englishName);
    Style::showText(m_definition, shown.definition);
    Style::showText(m_procedure, shown.procedure);
    Style::showText(m_benefits, shown.benefits);
    Style::showText(m_contraIndication, shown.contraIndication);
    m_namePlate->setText(shown.displayName);
}

void AsanaBrowser::cmdYogaBack_Click()
{
    const bool keyboardOnPage = m_asanaPage->isAncestorOf(QApplication::focusWidget());
    m_signFrame->show();
    // The keyboard goes back to the asana it came from, not on to the next control after the page.
    if (keyboardOnPage && m_openedFrom && m_openedFrom->isVisible())
        m_openedFrom->setFocus(Qt::OtherFocusReason);
    m_asanaPage->hide();
}
