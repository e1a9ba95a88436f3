#pragma once

#include "core/Reading.h"

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
    // Opens the report of the reading over the window that shows it, modal, destroyed when closed.
    static ReportWindow* showModal(Application& app, const Reading& reading, QWidget* readingWindow);

    ReportWindow(Application& app, const Reading& reading, QWidget* readingWindow);
    ~ReportWindow() override;

    void cmdSave_Click();
    void cmdPrint_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showReport();
    void detachLinks();

    Application& m_app;
    Reading m_reading;
    QTextBrowser* m_reportView = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_printButton = nullptr;
};
