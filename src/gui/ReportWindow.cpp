#include "gui/ReportWindow.h"

#include "core/Platform.h"
#include "core/ReadingFile.h"
#include "core/ReportComposer.h"
#include "core/SitePages.h"
#include "gui/Application.h"
#include "gui/Promotions.h"
#include "gui/ReadingFileStore.h"
#include "gui/ReportLinks.h"
#include "gui/style/Controls.h"
#include "gui/style/LinkLabel.h"
#include "gui/style/Look.h"
#include "gui/style/Windows.h"

#include <QCloseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>

namespace {

const QSize ClientSize {512, 507};
const QString SloganCaption = QStringLiteral("The friendliest yoga forum is at Lorewell");
const QString VisitCaption = QStringLiteral("Click Here To Visit Lorewell Now");

QTextCharFormat charFormat(const ReportFormat& format)
{
    QTextCharFormat result;
    result.setFont(Style::verdana(format.pointSize, format.bold), QTextCharFormat::FontPropertiesAll);
    result.setForeground(QColor(format.colour.red, format.colour.green, format.colour.blue));
    return result;
}

} // namespace

ReportWindow* ReportWindow::showModal(Application& app, const Reading& reading, QWidget* readingWindow)
{
    auto* window = new ReportWindow(app, reading, readingWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    // Placed before it shows, so the window manager puts the frame, title bar included, where it is asked to.
    Style::centreOnScreen(window);
    window->show();
    return window;
}

ReportWindow::ReportWindow(Application& app, const Reading& reading, QWidget* readingWindow)
    : QWidget(readingWindow, Qt::Dialog)
    , m_app(app)
    , m_reading(reading)
{
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(Style::windowCaption);
    Style::setBackground(this, Style::brown);
    Style::fixWindowSize(this, ClientSize);
    buildControls();
    showReport();
}

ReportWindow::~ReportWindow()
{
    // Destroyed without a close, with the reading window for instance, it still lets go of the hook.
    detachLinks();
}

void ReportWindow::buildControls()
{
    // Built in the tab order, so screen readers meet the report first and the links last, as the keyboard does.
    m_reportView = new QTextBrowser(this);
    m_reportView->setObjectName(QStringLiteral("RTB"));
    m_reportView->setAccessibleName(QStringLiteral("Report"));
    m_reportView->setGeometry(0, 26, 511, 409);
    m_reportView->setFont(Style::verdana(9.75));
    m_reportView->setOpenLinks(false);
    m_reportView->setUndoRedoEnabled(false);
    QPalette palette = m_reportView->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    m_reportView->setPalette(palette);

    m_printButton = Style::button(this, "cmdPrint", QStringLiteral("&Print"), {436, 438, 75, 23});
    m_saveButton = Style::button(this, "cmdSave", QStringLiteral("&Save"), {360, 438, 75, 23});
    connect(m_saveButton, &QPushButton::clicked, this, &ReportWindow::cmdSave_Click);
    connect(m_printButton, &QPushButton::clicked, this, &ReportWindow::cmdPrint_Click);

    const auto* promotions = new PromotionStrip(m_app, this, {5, 464, 503, 41}, Promotion::CoBrand);

    const QFont topFont = Style::verdana(8.25, false, true);
    auto* slogan = linkLabel(this, "Label14", SloganCaption, {116, 0, 282, 13}, Qt::white, topFont);
    auto* visit = linkLabel(this, "Label1", VisitCaption, {124, 12, 266, 13}, Qt::white, topFont);
    for (LinkLabel* label : {slogan, visit}) {
        label->setAlignment(Qt::AlignCenter);
        connect(label, &LinkLabel::clicked, this, [this] { m_app.openSitePage(SitePage::Home); });
    }

    const QWidgetList tabOrder {m_reportView, m_printButton, m_saveButton, promotions->link(Promotion::FullBrand),
        promotions->link(Promotion::CoBrand), slogan, visit};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_reportView->setFocus();
}

void ReportWindow::showReport()
{
    m_app.reportLinks().attach(m_reportView);
    QTextCursor cursor(m_reportView->document());
    cursor.movePosition(QTextCursor::End);
    // One edit: the box lays the document out once, and link detection sees it once.
    cursor.beginEditBlock();
    for (const ReportRun& run : composeReport(m_reading))
        cursor.insertText(run.text, charFormat(run.format));
    cursor.endEditBlock();
    // Opens at the top with nothing selected, so Print offers the whole report.
    m_reportView->moveCursor(QTextCursor::Start);
}

void ReportWindow::cmdSave_Click()
{
    const QString path = m_app.platform().getSaveFileName(readingFileSaveRequest());
    if (path.isEmpty())
        return;
    const std::optional<QString> failure
        = writeReadingFile(withReadingFileExtension(path), encodeReadingFile(m_reading.input));
    if (failure)
        m_app.platform().showMessage(ReadingFileNotSaved + QChar(13) + *failure, MessageIcon::Warning);
}

void ReportWindow::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_app.platform().execPrintDialog(printer, m_reportView->textCursor().hasSelection()))
        return;
    // A selection range in the printer prints just the box's selection.
    m_reportView->print(&printer);
}

void ReportWindow::detachLinks()
{
    if (m_app.reportLinks().box() == m_reportView)
        m_app.reportLinks().detach();
}

void ReportWindow::closeEvent(QCloseEvent* event)
{
    detachLinks();
    event->accept();
}
