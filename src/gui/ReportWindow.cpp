#include "gui/ReportWindow.h"

#include "core/Promotions.h"
#include "core/Platform.h"
#include "core/ReadingFile.h"
#include "gui/ReadingFileStore.h"
#include "gui/ReportLinks.h"
#include "gui/Application.h"
#include "gui/style/Controls.h"
#include "gui/style/LinkLabel.h"
#include "gui/style/Look.h"
#include "gui/style/Windows.h"
#include "gui/MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>

namespace {

const QSize ClientSize {512, 507};
const QString SloganCaption = QStringLiteral("The friendliest yoga forum is at Lorewell");
const QString VisitCaption = QStringLiteral("Click Here To Visit Lorewell Now");

// The text a control shows: a label's caption or a text box's text; nothing for any other control.
std::optional<QString> controlText(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return box->toPlainText();
    if (const auto* box = qobject_cast<const QTextEdit*>(control))
        return box->toPlainText();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    return std::nullopt;
}

QTextCharFormat charFormat(const ReportFormat& format)
{
    QTextCharFormat result;
    result.setFont(Style::verdana(format.pointSize, format.bold), QTextCharFormat::FontPropertiesAll);
    result.setForeground(QColor(format.colour.red, format.colour.green, format.colour.blue));
    return result;
}

} // namespace

ReportSnapshot takeReportSnapshot(Application& app, const QWidget* readingWindow)
{
    ReportSnapshot snapshot;
    const AppState& state = app.state();
    snapshot.name = state.readingInput.Name;
    snapshot.currentSign = state.currentSign;
    snapshot.asanas = reportAsanaSections(state.currentSign, state.asanaCatalogue);
    const MainWindow* main = app.mainWindow();
    for (const QString& name : reportFieldNames()) {
        const QWidget* source
            = name.startsWith(QLatin1String("cbo")) ? static_cast<const QWidget*>(main) : readingWindow;
        const QWidget* control = source ? source->findChild<QWidget*>(name) : nullptr;
        if (const std::optional<QString> text = controlText(control))
            snapshot.fields.insert(name, *text);
    }
    return snapshot;
}

ReportWindow* ReportWindow::showModal(Application& app, QWidget* readingWindow)
{
    auto* window = new ReportWindow(app, readingWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    Style::centreOnScreen(window);
    return window;
}

ReportWindow::ReportWindow(Application& app, QWidget* readingWindow)
    : QWidget(readingWindow, Qt::Dialog)
    , m_app(app)
    , m_readingWindow(readingWindow)
{
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(Style::windowCaption);
    Style::setBackground(this, Style::brown);
    Style::fixWindowSize(this, ClientSize);
    buildControls();
    Form_Load();
}

ReportWindow::~ReportWindow()
{
    // Destroyed without a close, with the reading window for instance, it still lets go of the hook.
    Form_Unload();
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

    m_cmdPrint = Style::button(this, "cmdPrint", QStringLiteral("&Print"), {436, 438, 75, 23});
    m_cmdSave = Style::button(this, "cmdSave", QStringLiteral("&Save"), {360, 438, 75, 23});
    connect(m_cmdSave, &QPushButton::clicked, this, &ReportWindow::cmdSave_Click);
    connect(m_cmdPrint, &QPushButton::clicked, this, &ReportWindow::cmdPrint_Click);

    const QRect promotion {5, 464, 503, 41};
    const QFont promotionFont = Style::verdana(8.25, true, true);
    auto* fullBrand = linkLabel(this, "lblFullBrand", FullBrandCaption, promotion, Style::linkBlue, promotionFont);
    auto* coBrand = linkLabel(this, "lblCobrand", CoBrandCaption, promotion, Style::linkBlue, promotionFont);
    for (LinkLabel* label : {fullBrand, coBrand}) {
        label->setWordWrap(true);
        Style::setBackground(label, Qt::white);
    }
    connect(fullBrand, &LinkLabel::clicked, this, [this] { m_app.openSitePage(QStringLiteral("fully-branded")); });
    connect(coBrand, &LinkLabel::clicked, this, [this] { m_app.openSitePage(QStringLiteral("co-brand")); });
    bringLinkToFront(coBrand, fullBrand);

    const QFont topFont = Style::verdana(8.25, false, true);
    auto* slogan = linkLabel(this, "Label14", SloganCaption, {116, 0, 282, 13}, Qt::white, topFont);
    auto* visit = linkLabel(this, "Label1", VisitCaption, {124, 12, 266, 13}, Qt::white, topFont);
    for (LinkLabel* label : {slogan, visit}) {
        label->setAlignment(Qt::AlignCenter);
        connect(label, &LinkLabel::clicked, this, [this] { m_app.openSitePage(QStringLiteral("home-page")); });
    }

    const QWidgetList tabOrder {m_reportView, m_cmdPrint, m_cmdSave, fullBrand, coBrand, slogan, visit};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_reportView->setFocus();
}

void ReportWindow::Form_Load()
{
    m_app.reportLinks().AttachReportLinks(m_reportView, this);
    appendRuns(composeReport(takeReportSnapshot(m_app, m_readingWindow)));
}

void ReportWindow::appendRuns(const QVector<ReportRun>& runs)
{
    QTextCursor cursor(m_reportView->document());
    cursor.movePosition(QTextCursor::End);
    // One edit: the box lays the document out once, and link detection sees it once.
    cursor.beginEditBlock();
    for (const ReportRun& run : runs)
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
    writeReadingFile(withReadingFileExtension(path), encodeReadingFile(m_app.state().readingInput));
}

void ReportWindow::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_app.platform().execPrintDialog(printer, m_reportView->textCursor().hasSelection()))
        return;
    // A selection range in the printer prints just the box's selection.
    m_reportView->print(&printer);
}

void ReportWindow::Form_Unload()
{
    if (m_app.reportLinks().box() == m_reportView)
        m_app.reportLinks().DetachReportLinks();
}

void ReportWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
