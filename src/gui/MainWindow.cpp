#include "gui/MainWindow.h"

#include "core/HealthCaution.h"
#include "core/InputChecks.h"
#include "core/Platform.h"
#include "core/Reading.h"
#include "core/ReadingFile.h"
#include "core/SunSign.h"
#include "gui/Application.h"
#include "gui/Menus.h"
#include "gui/Promotions.h"
#include "gui/ReadingFileStore.h"
#include "gui/style/Controls.h"
#include "gui/style/LinkLabel.h"
#include "gui/style/Look.h"
#include "gui/style/Windows.h"
#include "gui/style/WrappingButton.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

const QColor LightPink {255, 182, 193};
const QColor CautionGreen {0, 255, 0};
const QSize ClientSize {640, 410};

const QString WelcomeText = QStringLiteral(
    "Welcome to Astravida! Yoga helps people keep fit and attain mental peace. Enter your date of birth to get a "
    "detailed report on the health ailments that may afflict you, as your sun sign suggests, and on how yoga can "
    "help you keep them at bay.");
const QString BannerText = QStringLiteral(
    "Talk yoga, stars and wellbeing with friends on the free Lorewell discussion board at lorewell.com");

// While a date is picked the keyboard is in the list that drops down, so a screen reader names that list too. It is
// named as it opens: asked for any earlier, Qt 6.4 builds all three at start-up, 600 kB of the program's peak.
class DateList : public QComboBox
{
public:
    DateList(const QString& caption, QWidget* parent)
        : QComboBox(parent)
        , m_caption(caption)
    { }

    void showPopup() override
    {
        view()->setAccessibleName(m_caption);
        QComboBox::showPopup();
    }

private:
    QString m_caption;
};

QComboBox* dateList(
    QWidget* parent, const char* name, const QString& caption, const QStringList& items, const QRect& geometry)
{
    auto* list = new DateList(caption, parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->addItems(items);
    list->setGeometry(geometry);
    list->setMaxVisibleItems(12);
    QPalette palette = list->palette();
    for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, Style::brown);
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        palette.setColor(role, Qt::white);
    list->setPalette(palette);
    return list;
}

QStringList numbers(int first, int last)
{
    QStringList result;
    for (int n = first; n <= last; ++n)
        result.append(QString::number(n));
    return result;
}

} // namespace

MainWindow::MainWindow(Application& app)
    : m_app(app)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Style::windowCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("mainPanel"));
    setCentralWidget(central);
    buildPanel(central);
    buildMenus();
    Style::fixWindowSize(this, ClientSize + QSize(0, menuBar()->sizeHint().height()));

    fillDateLists();
    m_nameBox->setFocus();
}

void MainWindow::buildPanel(QWidget* central)
{
    Style::setBackground(central, Style::brown);

    // Built in the tab order, so screen readers meet the controls as the keyboard does; the links, banner too, last.
    auto* welcome
        = Style::label(central, "Label3", WelcomeText, {16, 50, 608, 58}, Style::yellow, Style::verdana(8.25));
    welcome->setWordWrap(true);
    welcome->setAlignment(Qt::AlignCenter);
    auto* instruction = Style::label(central, "Label4",
        QStringLiteral("Just input your name and date of birth and get a Reading Now!"), {16, 112, 608, 20}, LightPink,
        Style::verdana(9.75, true));
    instruction->setAlignment(Qt::AlignCenter);

    const QFont headingFont = Style::verdana(8.25, true);
    QLabel* nameHeading
        = Style::label(central, "Label1", QStringLiteral("Name"), {256, 154, 100, 20}, Qt::white, headingFont);
    m_nameBox = new QLineEdit(central);
    m_nameBox->setObjectName(QStringLiteral("txtName"));
    m_nameBox->setGeometry(372, 152, 244, 24);
    m_nameBox->setFont(Style::verdana(9.75, true));
    // Typing is the only way into the box: pasting and dropping would slip past the key filter.
    m_nameBox->setContextMenuPolicy(Qt::NoContextMenu);
    m_nameBox->setAcceptDrops(false);
    m_nameBox->installEventFilter(this);
    QPalette namePalette = m_nameBox->palette();
    namePalette.setColor(QPalette::Base, Style::brown);
    namePalette.setColor(QPalette::Text, Qt::white);
    m_nameBox->setPalette(namePalette);
    nameHeading->setBuddy(m_nameBox);

    Style::label(central, "Label2", QStringLiteral("Date Of Birth"), {256, 214, 110, 20}, Qt::white, headingFont);
    const struct
    {
        const char* heading;
        const char* caption;
        QRect headingAt;
        QComboBox*& list;
        const char* name;
        QRect listAt;
    } dateLists[] = {
        {"Label5", "Date", {372, 192, 56, 16}, m_dayList, "cboDate", {372, 210, 56, 24}},
        {"Label7", "Month", {436, 192, 104, 16}, m_monthList, "cboMonth", {436, 210, 104, 24}},
        {"Label6", "Year", {548, 192, 68, 16}, m_yearList, "cboYear", {548, 210, 68, 24}},
    };
    for (const auto& date : dateLists) {
        QLabel* heading = Style::label(
            central, date.heading, QLatin1String(date.caption), date.headingAt, Qt::white, Style::verdana(8.25));
        date.list = dateList(central, date.name, QLatin1String(date.caption), {}, date.listAt);
        heading->setBuddy(date.list);
    }

    auto* caution
        = Style::label(central, "Label8", HealthCaution, {16, 262, 608, 36}, CautionGreen, Style::verdana(8.25, true));
    caution->setWordWrap(true);
    caution->setAlignment(Qt::AlignCenter);

    m_readingButton
        = Style::button(central, "cmdNext", QStringLiteral("Get Suitable &Yogas For My Zodiac"), {8, 308, 624, 36});
    m_readingButton->setFont(Style::verdana(9.75, true));
    connect(m_readingButton, &QPushButton::clicked, this, &MainWindow::cmdNext_Click);

    m_openButton
        = new WrappingButton(QStringLiteral("Click Here To Open Previously Saved Zodiac Yoga Reading"), central);
    Style::styleButton(m_openButton, "cmdOpen", {24, 148, 200, 104});
    m_openButton->setFont(Style::verdana(9.75, true));
    connect(m_openButton, &QPushButton::clicked, this, &MainWindow::cmdOpen_Click);

    auto* bottom = new QWidget(central);
    bottom->setObjectName(QStringLiteral("bottomStrip"));
    bottom->setGeometry(0, 352, ClientSize.width(), 58);
    Style::setBackground(bottom, Qt::white);
    m_exitButton = Style::button(bottom, "cmdExit", QStringLiteral("&Exit"), {548, 14, 84, 30});
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);

    m_promotions = new PromotionStrip(m_app, bottom, {8, 6, 520, 46}, Promotion::CoBrand);

    auto* top = new QWidget(central);
    top->setObjectName(QStringLiteral("topStrip"));
    top->setGeometry(0, 0, ClientSize.width(), 41);
    Style::setBackground(top, Qt::white);
    LinkLabel* banner = siteBanner(m_app, top, BannerText, top->rect());

    // The links follow the window's own controls.
    const QWidgetList tabOrder {m_nameBox, m_dayList, m_monthList, m_yearList, m_readingButton, m_openButton,
        m_exitButton, m_promotions->link(Promotion::FullBrand), m_promotions->link(Promotion::CoBrand), banner};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void MainWindow::buildMenus()
{
    addMenu(menuBar(), this, "mnuFile", "&File",
        {
            {"mnuOpenPreviouslySavedSunSignYoga", "Open Previously Saved Zodiac Yoga Reading",
                [this] { cmdOpen_Click(); }},
            {"mnuGetSuitableYogas", "Get Suitable &Yogas For My Zodiac", [this] { cmdNext_Click(); }},
            {"mnuExit", "E&xit", [this] { close(); }},
        });
    addSiteMenus(menuBar(), this, m_app, "Check for Software &Update");
}

void MainWindow::fillDateLists()
{
    m_dayList->addItems(numbers(FirstDay, LastDay));
    m_monthList->addItems(monthNames());
    m_yearList->addItems(numbers(FirstYear, LastYear));
    for (QComboBox* list : {m_dayList, m_monthList, m_yearList})
        list->setCurrentIndex(0);
}

void MainWindow::pickPromotion(double draw)
{
    // Rounds halves to even, so 1, 3, 5 and 7 together are exactly as likely as 2, 4 and 6.
    const int pick = int(std::nearbyint(6 * draw + 1));
    m_promotions->bringToFront(pick % 2 == 1 ? Promotion::CoBrand : Promotion::FullBrand);
}

InputFields MainWindow::inputFields() const
{
    return {m_nameBox->text(), m_dayList->currentIndex(), m_monthList->currentIndex(), m_yearList->currentIndex()};
}

bool MainWindow::inputIsValid()
{
    const std::optional<InputProblem> problem = inputProblem(inputFields());
    if (!problem)
        return true;
    m_app.platform().showMessage(problem->message, MessageIcon::Information);
    if (problem->field == InputField::Name)
        m_nameBox->setFocus();
    return false;
}

void MainWindow::cmdNext_Click()
{
    if (!inputIsValid())
        return;
    m_app.showReading(readingInput(inputFields()));
}

void MainWindow::cmdOpen_Click()
{
    openReadingFile(m_app.platform().getOpenFileName(readingFileOpenRequest()));
}

void MainWindow::openReadingFile(const QString& path)
{
    Platform& platform = m_app.platform();
    if (!passesReadingFileEnding(path)) {
        platform.showMessage(ReadingFileRefusal, MessageIcon::Critical);
        return;
    }
    if (path.isEmpty())
        return;

    const std::optional<ReadingFileHead> head = readReadingFileHead(path);
    const std::optional<ReadingInput> input
        = readingInputFromFile(head ? decodeReadingFile(head->bytes, head->wholeFile) : QStringList());
    if (!input) {
        platform.showMessage(ReadingFileRefusal, MessageIcon::Critical);
        return;
    }
    m_nameBox->setText(input->name);
    m_dayList->setCurrentIndex(input->day - FirstDay);
    m_monthList->setCurrentIndex(int(monthNames().indexOf(input->month)));
    m_yearList->setCurrentIndex(input->year - FirstYear);
    cmdNext_Click();
}

bool MainWindow::txtName_KeyPress(QKeyEvent* event)
{
    // Shortcuts such as Ctrl+V arrive as control characters, or as no text at all on some platforms.
    QString text = event->text();
    if (event->matches(QKeySequence::Paste)
        || (text.isEmpty() && (event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A
            && event->key() <= Qt::Key_Z))
        text = QChar(char16_t(event->key() - Qt::Key_A + 1));
    // Keys that only move or edit, and the keys the window itself answers, type nothing into the name. They are judged
    // by the key, not the text: X11 and Wayland send Delete with the text DEL, a control character.
    static constexpr int untypedKeys[] = {Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Delete,
        Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
    const bool untypedKey
        = std::find(std::begin(untypedKeys), std::end(untypedKeys), event->key()) != std::end(untypedKeys);
    if (text.isEmpty() || untypedKey)
        return true;

    bool handled = false;
    for (const QChar typed : text) {
        const NameKey key = filterNameKey(typed);
        if (key.verdict == NameKeyVerdict::Refuse) {
            m_app.platform().showMessage(RefusedNameKeyMessage, MessageIcon::Information);
            handled = true;
        } else if (key.verdict == NameKeyVerdict::Insert) {
            m_nameBox->insert(key.character);
            handled = true;
        }
    }
    return !handled;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_nameBox) {
        if (event->type() == QEvent::KeyPress)
            return !txtName_KeyPress(static_cast<QKeyEvent*>(event));
        // The selection paste of X11 would put unfiltered text into the name.
        if ((event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonPress)
            && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (!Style::pressExitKeys(event, focusWidget(), m_exitButton))
        QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_app.showClosingScreen();
    event->accept();
}
