#pragma once

#include "core/ReportComposer.h"

#include <QWidget>

class Application;
class LinkLabel;
class QPushButton;
class QTextBrowser;

// The report window: the reading as one formatted document, to save as a reading file or to print.
class ReportWindow : public QWidget
{
    Q_OBJECT
public:
    // Opens the report of the reading that readingWindow shows, modal, destroyed when closed.
    static ReportWindow* showModal(Application& app, QWidget* readingWindow);

    ReportWindow(Application& app, QWidget* readingWindow);
    ~ReportWindow() override;

    QTextBrowser* reportView() const { return m_reportView; }

    void cmdSave_Click();
    void cmdPrint_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Unload();
    void appendRuns(const QVector<ReportRun>& runs);

    Application& m_app;
    QWidget* m_readingWindow;
    QTextBrowser* m_reportView = nullptr;
    QPushButton* m_cmdSave = nullptr;
    QPushButton* m_cmdPrint = nullptr;
};

// What the report is made from: the reading window's fields by control name, the main window's date lists, the
// reading's name and sign, and the sign's asanas from the catalogue.
ReportSnapshot takeReportSnapshot(Application& app, const QWidget* readingWindow);
