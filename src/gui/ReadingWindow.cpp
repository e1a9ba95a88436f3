#include "gui/ReadingWindow.h"

#include "core/Platform.h"
#include "core/PracticeSettings.h"
#include "core/SitePages.h"
#include "gui/Application.h"
#include "gui/AsanaBrowser.h"
#include "gui/BirthTimeDialog.h"
#include "gui/Menus.h"
#include "gui/PracticeSheetActions.h"
#include "gui/Promotions.h"
#include "gui/style/Controls.h"
#include "gui/style/LinkLabel.h"
#include "gui/style/Look.h"
#include "gui/style/Pictures.h"
#include "gui/style/Windows.h"
#include "gui/style/WrappingButton.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

#include <iterator>
#include <utility>

namespace {

const QSize ClientSize {770, 545};
const QSize PageSize {769, 433};
const QSize InnerPageSize {769, 409};
const QColor Beige {244, 234, 210};

const QString BannerText = QStringLiteral(
    "Share your reading and ask about yoga and the stars on the free Lorewell discussion board at lorewell.com");

// How a label or box of the reading looks.
enum class Look {
    Value, // yellow, bold
    SignName, // cyan, larger, bold
    Item, // yellow, regular, centred, wrapped
    Paragraph, // beige, regular, centred, wrapped
    TextBox // read-only, yellow on brown, vertical scroll bar
};

// A heading with the field beside or below it; either may be absent. The heading names its field for screen readers.
struct Row
{
    const char* heading;
    QPoint headingAt;
    const char* field;
    QRect fieldAt;
    Look look;
    QString Reading::*value;
    const char* headingLink = nullptr; // the heading is also a link of this name
};

const Row CharacteristicsRows[] = {
    // Wide enough for the longest name; the notice's buttons stand beside it.
    {"Your Sun Sign", {24, 24}, "lblSunSign", {208, 22, 120, 22}, Look::SignName, &Reading::sign},
    {"Element", {24, 53}, "lblSunSignElement", {208, 53, 330, 17}, Look::Value, &Reading::element},
    {"Lucky Number", {24, 82}, "lblSunSignNumber", {208, 82, 330, 17}, Look::Value, &Reading::luckyNumber},
    {"Lucky Color", {24, 110}, "lblSunSignColor", {208, 110, 330, 17}, Look::Value, &Reading::luckyColor, "Label19"},
    {"Lucky Day", {24, 139}, "lblSunSignDay", {208, 139, 330, 17}, Look::Value, &Reading::luckyDay},
    {"Compatibility", {24, 168}, "lblSunSignCompatibility", {208, 168, 330, 17}, Look::Value, &Reading::compatibility},
    {"Birthstone", {24, 197}, "lblSunSignBirthStone", {208, 197, 330, 17}, Look::Value, &Reading::birthStone},
    {"Quality", {24, 226}, "lblSunSignQuality", {208, 226, 330, 17}, Look::Value, &Reading::quality},
    {nullptr, {}, "lblSunSignFamousPersonBorn", {208, 264, 388, 29}, Look::Value, &Reading::famousPeople},
    {"Positive Traits", {24, 304}, "txtSunSignPositiveTraits", {24, 320, 360, 97}, Look::TextBox,
        &Reading::positiveTraits},
    {"Negative Traits", {400, 304}, "txtSunSignNegativeTraits", {400, 320, 360, 97}, Look::TextBox,
        &Reading::negativeTraits},
};

const Row DietRows[] = {
    {"Health Problems", {47, 48}, "txtHealthProblems", {8, 64, 185, 81}, Look::TextBox, &Reading::healthProblems},
    {"Required Diet", {248, 48}, "txtRequiredDiet", {197, 64, 185, 81}, Look::TextBox, &Reading::requiredDiet},
    {"Diet to Avoid", {442, 48}, "txtDiettoAvoid", {387, 64, 185, 81}, Look::TextBox, &Reading::dietToAvoid},
    {"Diet Advice", {639, 48}, "txtDietAdvice", {576, 64, 185, 81}, Look::TextBox, &Reading::dietAdvice},
    {"Constitution Type", {296, 148}, "lblConstitutionType", {416, 148, 120, 17}, Look::Value, &Reading::element},
    {nullptr, {}, "lblConstitutionTypeDesc", {16, 164, 734, 41}, Look::Paragraph, &Reading::constitution},
};

// The Excess and Low boxes share this layout; the field names and values differ.
struct ConstitutionBox
{
    const char* name;
    const char* caption;
    QRect geometry;
    QPoint captionAt;
    const char* element;
    QPoint elementAt;
    const char* effects;
    QString Reading::*effectsValue;
    const char* toTake;
    QString Reading::*toTakeValue;
    const char* toAvoid;
    QString Reading::*toAvoidValue;
    const char* remedy;
    QString Reading::*remedyValue;
};

const ConstitutionBox ConstitutionBoxes[] = {
    {"fraExcess", "Excess", {4, 208, 377, 193}, {40, 8}, "lblConstitutionTypeExcess", {88, 8},
        "txtConstitutionTypeExcessDesc", &Reading::excessEffects, "lblExcessItemToBeTaken", &Reading::excessItemsToTake,
        "lblExcessItemToAvoid", &Reading::excessItemsToAvoid, "lblExcessRemedy", &Reading::excessRemedy},
    {"fraLow", "Low", {387, 208, 377, 193}, {48, 8}, "lblConstitutionTypeLow", {80, 8}, "txtConstitutionTypeLowDesc",
        &Reading::lowEffects, "lblLowItemToBeTaken", &Reading::lowItemsToTake, "lblLowItemToAvoid",
        &Reading::lowItemsToAvoid, "lblLowRemedy", &Reading::lowRemedy},
};

struct RatingCell
{
    const char* field;
    QPoint at;
    QString Reading::*value;
};

const RatingCell FitnessRatings[] = {
    {"lblAthletic", {64, 16}, &Reading::athletic},
    {"lblMotivated", {232, 16}, &Reading::motivated},
    {"lblEndurance", {432, 16}, &Reading::endurance},
    {"lblFlexibility", {64, 72}, &Reading::flexibility},
    {"lblRoutine", {232, 72}, &Reading::routine},
    {"lblTeamWork", {432, 72}, &Reading::teamWork},
    {"lblFocus", {64, 120}, &Reading::focus},
    {"lblvariety", {232, 120}, &Reading::variety},
};

// A tab page holding one brown frame of the given size; the fields inside are placed at fixed points.
QWidget* addPage(QTabWidget* tabs, const char* caption, const char* frameName, const QSize& frameSize)
{
    auto* page = new QWidget;
    Style::setBackground(page, Style::brown);
    tabs->addTab(page, QLatin1String(caption));
    auto* frame = new QFrame(page);
    frame->setObjectName(QLatin1String(frameName));
    frame->setGeometry(QRect({0, 0}, frameSize));
    Style::setBackground(frame, Style::brown);
    return frame;
}

// A frame with the etched border of a box drawn around a group of fields.
QWidget* box(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Style::setBackground(frame, Style::brown);
    return frame;
}

QLabel* heading(QWidget* parent, const QString& caption, const QPoint& at, const char* linkName = nullptr)
{
    const QFont font = Style::verdana(8.25, true, true);
    QLabel* label = linkName ? linkLabel(parent, linkName, caption, {}, Qt::white, font)
                             : Style::label(parent, "", caption, {}, Qt::white, font);
    label->setTextFormat(Qt::PlainText);
    label->move(at);
    label->resize(label->sizeHint());
    return label;
}

QWidget* field(QWidget* parent, const char* name, const QRect& geometry, Look look)
{
    if (look == Look::TextBox)
        return Style::textBox(parent, name, geometry);
    struct Appearance
    {
        QColor colour;
        QFont font;
        Qt::Alignment alignment;
        bool wrap;
    };
    const Appearance appearance = [look]() -> Appearance {
        switch (look) {
        case Look::SignName:
            return {Style::cyan, Style::verdana(11.25, true), Qt::AlignLeft | Qt::AlignVCenter, false};
        case Look::Item:
            return {Style::yellow, Style::verdana(8.25), Qt::AlignHCenter | Qt::AlignTop, true};
        case Look::Paragraph:
            return {Beige, Style::verdana(8.25), Qt::AlignHCenter | Qt::AlignTop, true};
        default:
            return {Style::yellow, Style::verdana(8.25, true), Qt::AlignLeft | Qt::AlignTop, true};
        }
    }();
    QLabel* label = Style::label(parent, name, QString(), geometry, appearance.colour, appearance.font);
    // Readings are shown as written, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(appearance.alignment);
    label->setWordWrap(appearance.wrap);
    return label;
}

QWidget* addField(QVector<ReadingField>& fields, QWidget* parent, const char* name, const QRect& geometry, Look look,
    QString Reading::*value)
{
    QWidget* control = field(parent, name, geometry, look);
    fields.append({control, value});
    return control;
}

// Returns the headings that are links.
QVector<LinkLabel*> addRows(QVector<ReadingField>& fields, QWidget* parent, const Row* first, const Row* last)
{
    QVector<LinkLabel*> links;
    for (const Row* row = first; row != last; ++row) {
        QLabel* caption
            = row->heading ? heading(parent, QLatin1String(row->heading), row->headingAt, row->headingLink) : nullptr;
        QWidget* value = addField(fields, parent, row->field, row->fieldAt, row->look, row->value);
        if (caption)
            caption->setBuddy(value);
        if (row->headingLink)
            links.append(static_cast<LinkLabel*>(caption));
    }
    return links;
}

void addFieldUnder(QVector<ReadingField>& fields, QWidget* parent, const QLabel* over, const char* name, int top,
    int width, Look look, QString Reading::*value)
{
    // Centred under its heading, wide enough for the longest value it shows.
    const int centre = over->geometry().center().x();
    static_cast<QLabel*>(addField(fields, parent, name, {centre - width / 2, top, width, 22}, look, value))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

} // namespace

ReadingWindow::ReadingWindow(Application& app)
    : m_app(app)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(Style::windowCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("displayPanel"));
    Style::setBackground(central, Style::brown);
    setCentralWidget(central);

    // Built first so that the tab order starts with the three buttons.
    QWidget* bottomStrip = buildBottomStrip(central);

    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(0, 36, 769, 457);
    m_tabs->setAccessibleName(QStringLiteral("Reading"));
    buildCharacteristicsTab(addPage(m_tabs, "Sun Sign Characteristics", "fraCharacteristics", PageSize));

    QWidget* health = addPage(m_tabs, "Health Ailments", "fraHealth", PageSize);
    m_healthTabs = new QTabWidget(health);
    m_healthTabs->setObjectName(QStringLiteral("ssTab"));
    m_healthTabs->setGeometry(QRect({0, 0}, PageSize));
    // Stands under the outer tab's caption.
    m_healthTabs->setAccessibleName(m_tabs->tabText(1));
    buildDietTab(addPage(m_healthTabs, "Sun Sign and Diet", "fraDiet", InnerPageSize));
    buildFitnessTab(addPage(m_healthTabs, "Sun Sign and Fitness", "fraFitness", InnerPageSize));

    m_yogaPage = addPage(m_tabs, "Yoga Asanas", "fraSelectYoga", PageSize);
    buildYogaTab();

    buildBanner(central);
    new PromotionStrip(m_app, bottomStrip, {8, 8, 503, 38}, Promotion::FullBrand);
    buildMenus();
    Style::fixWindowSize(this, ClientSize + QSize(0, menuBar()->sizeHint().height()));

    m_tabs->setCurrentIndex(0);
    m_healthTabs->setCurrentIndex(0);
    m_backButton->setFocus();
}

void ReadingWindow::buildBanner(QWidget* central)
{
    auto* top = new QWidget(central);
    top->setObjectName(QStringLiteral("topStrip"));
    top->setGeometry(0, 0, 769, 41);
    Style::setBackground(top, Qt::white);
    siteBanner(m_app, top, BannerText, {0, 0, 769, 36});
    // The tab strip overlaps the banner's lower edge, as it always has.
    m_tabs->raise();
}

void ReadingWindow::buildCharacteristicsTab(QWidget* frame)
{
    m_characteristics = frame;
    // The Lucky Color heading: looks like the other headings, but Tab still reaches it.
    for (LinkLabel* link : addRows(m_fields, frame, std::begin(CharacteristicsRows), std::end(CharacteristicsRows))) {
        link->setHandPointer(false);
        connect(link, &LinkLabel::clicked, this, [this] { m_app.openSitePage(SitePage::CoBrand); });
    }

    for (const ReadingField& field : std::as_const(m_fields)) {
        if (field.value == &Reading::sign)
            m_signName = static_cast<QLabel*>(field.control);
    }
    QLabel* famous = heading(frame, QStringLiteral("Famous Personalities born under this sign"), {24, 264});
    famous->setWordWrap(true);
    famous->setGeometry(24, 264, 176, 30);
    for (const ReadingField& field : std::as_const(m_fields)) {
        if (field.value == &Reading::famousPeople)
            famous->setBuddy(field.control);
    }

    m_signPicture = new QLabel(frame);
    m_signPicture->setObjectName(QStringLiteral("picSunSign"));
    m_signPicture->setGeometry(552, 24, 202, 202);
    m_signPicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_signPicture->setAlignment(Qt::AlignCenter);
}

void ReadingWindow::buildDietTab(QWidget* page)
{
    QLabel* yourSign = heading(page, QStringLiteral("Your Sun Sign"), {168, 8});
    addFieldUnder(m_fields, page, yourSign, "lblSunSignYourSunSign", 24, 150, Look::SignName, &Reading::sign);
    QLabel* bodyPart = heading(page, QStringLiteral("Body Part Ruled By Sun Sign"), {440, 8});
    addFieldUnder(m_fields, page, bodyPart, "lblBodyPartBySunSign", 24, 200, Look::Value, &Reading::bodyParts);
    addRows(m_fields, page, std::begin(DietRows), std::end(DietRows));

    for (const ConstitutionBox& layout : ConstitutionBoxes) {
        QWidget* frame = box(page, layout.name, layout.geometry);
        QLabel* caption
            = Style::label(frame, "", QLatin1String(layout.caption), {}, Style::yellow, Style::verdana(8.25, true));
        caption->move(layout.captionAt);
        caption->resize(caption->sizeHint());
        addField(m_fields, frame, layout.element, {layout.elementAt, QSize(80, 17)}, Look::Value, &Reading::element);
        caption->setBuddy(
            addField(m_fields, frame, layout.effects, {8, 24, 137, 161}, Look::TextBox, layout.effectsValue));
        const Row items[] = {
            {"Items to be taken", {208, 8}, layout.toTake, {152, 24, 217, 41}, Look::Item, layout.toTakeValue},
            {"Items to Avoid", {216, 64}, layout.toAvoid, {152, 80, 217, 41}, Look::Item, layout.toAvoidValue},
            {"Remedy", {240, 120}, layout.remedy, {152, 136, 217, 45}, Look::Item, layout.remedyValue},
        };
        addRows(m_fields, frame, std::begin(items), std::end(items));
    }
}

void ReadingWindow::buildFitnessTab(QWidget* page)
{
    const struct
    {
        const char* caption;
        QRect geometry;
    } captionBoxes[] = {{"Fitness Characteristics", {8, 92, 121, 57}}, {"Fitness Advice", {8, 280, 121, 57}}};
    for (const auto& captionBox : captionBoxes) {
        QWidget* frame = box(page, "", captionBox.geometry);
        QLabel* caption = heading(frame, QLatin1String(captionBox.caption), {});
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignCenter);
        caption->setGeometry(frame->rect().adjusted(4, 4, -4, -4));
    }

    QWidget* ratings = box(page, "fraFitnessRatings", {128, 40, 633, 161});
    for (const RatingCell& cell : FitnessRatings)
        addField(m_fields, ratings, cell.field, {cell.at, QSize(190, 17)}, Look::Value, cell.value);
    QWidget* advice
        = addField(m_fields, page, "txtSunSignDesc", {128, 248, 633, 129}, Look::TextBox, &Reading::fitnessAdvice);
    // Each in a box of its own, so it takes the caption beside it as its name.
    ratings->setAccessibleName(QLatin1String(captionBoxes[0].caption));
    advice->setAccessibleName(QLatin1String(captionBoxes[1].caption));
}

void ReadingWindow::buildYogaTab()
{
    m_asanaBrowser = new AsanaBrowser(m_yogaPage);
    // In the free band under the sign's list; an asana's page, raised over the tab, covers it.
    QPushButton* practise
        = Style::button(m_yogaPage, "cmdPractice", QStringLiteral("Practise These Asanas"), QRect(216, 389, 329, 31));
    connect(practise, &QPushButton::clicked, this, &ReadingWindow::cmdPractice_Click);
}

QWidget* ReadingWindow::buildBottomStrip(QWidget* central)
{
    auto* bottom = new QWidget(central);
    bottom->setObjectName(QStringLiteral("bottomStrip"));
    bottom->setGeometry(0, 495, 769, 49);
    Style::setBackground(bottom, Qt::white);

    const struct
    {
        QPushButton*& button;
        const char* name;
        const char* caption;
        QRect geometry;
        void (ReadingWindow::*handler)();
    } buttons[] = {
        {m_backButton, "cmdBack", "&Back To Main Page", {592, 12, 100, 31}, &ReadingWindow::cmdBack_Click},
        {m_exitButton, "cmdExit", "&Exit", {696, 12, 68, 31}, &ReadingWindow::cmdExit_Click},
        {m_printButton, "cmdPrint", "&Print", {520, 12, 68, 31}, &ReadingWindow::cmdPrint_Click},
    };
    for (const auto& b : buttons) {
        b.button = new WrappingButton(QLatin1String(b.caption), bottom);
        Style::styleButton(b.button, b.name, b.geometry);
        connect(b.button, &QPushButton::clicked, this, b.handler);
    }
    return bottom;
}

void ReadingWindow::buildMenus()
{
    addMenu(menuBar(), this, "mnuFile", "&File",
        {
            {"mnuPrint", "&Print", [this] { cmdPrint_Click(); }},
            {"mnuFileBack", "&Back To Main Page", [this] { cmdBack_Click(); }},
            {"mnuExit", "E&xit", [this] { cmdExit_Click(); }},
        });
    addSiteMenus(menuBar(), this, m_app, "&Check for Software Update");
    buildPracticeMenu();
}

void ReadingWindow::buildPracticeMenu()
{
    // Alt+P stays the Print button's: a menu on the same key would leave the button only focused, never pressed.
    QMenu* practice = addMenu(menuBar(), this, "mnuPractice", "Pr&actice",
        {
            {"mnuGuidedPractice", "Start Guided &Practice...", [this] { cmdPractice_Click(); }},
        });
    practice->actions().constFirst()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    addMenu(practice, this, "mnuPracticeSheet", "Practice &Sheet...",
        {
            {"mnuPrintSheet", "Print Sheet...", [this] { mnuPrintSheet_Click(); }},
            {"mnuSaveSheetPdf", "Save Sheet as PDF...", [this] { mnuSaveSheetPdf_Click(); }},
        });
}

void ReadingWindow::showReading(const Reading& reading, const SunOnBirthday& sun)
{
    m_sun = sun;
    fill(reading);
    Style::centreOnScreen(this);
    show();
    activateWindow();
}

void ReadingWindow::fill(const Reading& reading)
{
    m_reading = reading;
    for (const ReadingField& field : std::as_const(m_fields)) {
        const QString& value = reading.*field.value;
        if (auto* box = qobject_cast<QPlainTextEdit*>(field.control))
            Style::showText(box, value);
        else
            static_cast<QLabel*>(field.control)->setText(value);
    }
    // A picture that is not there leaves the box empty rather than showing the last one.
    m_signPicture->setPixmap(Style::picture(reading.picture, m_signPicture->devicePixelRatio()));
    m_signPicture->setAccessibleName(reading.sign);
    m_asanaBrowser->showSign(reading.sign, reading.asanas);
    showSunNotice();
}

void ReadingWindow::showSunNotice()
{
    const QString notice = sunNotice(m_sun, m_reading);
    if (notice.isEmpty() && !m_sunNotice)
        return;
    if (!m_sunNotice) {
        // A line of its own between the tab strip and the first row, so nothing there moves or is hidden.
        m_sunNotice = Style::label(
            m_characteristics, "lblSunNotice", QString(), {24, 3, 736, 16}, Style::lightYellow, Style::verdana(8.25));
        m_sunNotice->setTextFormat(Qt::PlainText);
        m_sunNotice->setAccessibleName(QStringLiteral("Where the Sun was"));
        // Tab stops on it, showing a caret, so a screen reader reads it before the buttons that act on it.
        m_sunNotice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        m_sunNotice->setFocusPolicy(Qt::StrongFocus);
        const struct
        {
            QPushButton*& button;
            const char* name;
            void (ReadingWindow::*handler)();
        } buttons[] = {
            {m_readAsSun, "cmdReadAsSun", &ReadingWindow::cmdReadAsSun_Click},
            {m_readAsTable, "cmdReadAsTable", &ReadingWindow::cmdReadAsTable_Click},
            {m_birthTime, "cmdBirthTime", &ReadingWindow::cmdBirthTime_Click},
        };
        // Right after the tab strip, ahead of the rows built before them.
        QWidget* previous = m_tabs->tabBar();
        setTabOrder(previous, m_sunNotice);
        previous = m_sunNotice;
        for (const auto& b : buttons) {
            b.button = Style::linkButton(m_characteristics, b.name, Qt::white);
            connect(b.button, &QPushButton::clicked, this, b.handler);
            setTabOrder(previous, b.button);
            previous = b.button;
        }
        m_birthTime->setText(QStringLiteral("Birth Time..."));
    }
    // A zone with a long name is named short, so the line still fits.
    const bool fits = m_sunNotice->fontMetrics().horizontalAdvance(notice) <= m_sunNotice->width();
    m_sunNotice->setText(fits ? notice : sunNotice(m_sun, m_reading, QTimeZone::ShortName));
    m_sunNotice->setAccessibleDescription(notice);
    m_sunNotice->setVisible(!notice.isEmpty());

    const bool readAsSun = m_reading.readAsSunSign();
    const bool offer = m_sun.verdict != SunOnBirthday::Case::TableAgrees;
    m_readAsSun->setText(QStringLiteral("Read as ") + m_sun.otherSign);
    m_readAsTable->setText(QStringLiteral("Read as ") + m_reading.tableSign);
    m_readAsSun->setVisible(offer && !readAsSun);
    m_readAsTable->setVisible(readAsSun);
    m_birthTime->setVisible(m_sun.verdict == SunOnBirthday::Case::Cusp);
    // Beside the sign's name, in a row.
    int left = m_signName->geometry().right() + 9;
    for (QPushButton* button : {m_readAsSun, m_readAsTable, m_birthTime}) {
        if (button->isHidden())
            continue;
        button->setGeometry(left, 22, button->sizeHint().width(), 22);
        left += button->width() + 4;
    }
}

void ReadingWindow::cmdPrint_Click()
{
    m_app.showReport(m_reading, this);
}

QVector<PracticeStep> ReadingWindow::rememberedPlan() const
{
    return practicePlan(
        m_reading.sign, m_reading.asanas, loadPracticeSettings(m_app.platform(), m_app.applicationName()));
}

void ReadingWindow::mnuPrintSheet_Click()
{
    printPracticeSheet(m_app.platform(), m_reading, rememberedPlan());
}

void ReadingWindow::mnuSaveSheetPdf_Click()
{
    savePracticeSheetPdf(m_app.platform(), m_reading, rememberedPlan());
}

void ReadingWindow::cmdBack_Click()
{
    m_backToMainWindow = true;
    // The window is destroyed later, once control is back in the event loop.
    close();
}

void ReadingWindow::cmdExit_Click()
{
    close();
}

void ReadingWindow::cmdPractice_Click()
{
    m_app.showPractice(m_reading, this);
}

void ReadingWindow::cmdReadAsSun_Click()
{
    readAs(m_sun.otherSign);
}

void ReadingWindow::cmdReadAsTable_Click()
{
    readAs(m_reading.tableSign);
}

void ReadingWindow::cmdBirthTime_Click()
{
    BirthTimeDialog* dialog = BirthTimeDialog::showModal(m_reading, zoneOf(m_app.platform().timeZoneId()), this);
    connect(dialog, &BirthTimeDialog::signChosen, this, &ReadingWindow::readAs);
}

void ReadingWindow::readAs(const QString& sign)
{
    if (const std::optional<Reading> reading = makeReading(m_reading.input, sign))
        fill(*reading);
}

void ReadingWindow::keyPressEvent(QKeyEvent* event)
{
    if (!Style::pressExitKeys(event, focusWidget(), m_exitButton))
        QMainWindow::keyPressEvent(event);
}

void ReadingWindow::closeEvent(QCloseEvent* event)
{
    emit closed();
    if (m_backToMainWindow)
        m_app.showMainWindow();
    else
        m_app.showClosingScreen();
    event->accept();
}
