#include "BenchHooks.h"

#include "BenchReady.h"
#include "gui/ReadingWindow.h"
#include "gui/ReportWindow.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>

void benchAfterStart(Application& app)
{
    BenchReady::reportWhenIdle(qgetenv("ASTRAVIDA_BENCH"), [&app] {
        MainWindow* main = app.mainWindow();
        main->txtName()->setText(QStringLiteral("ANNA"));
        main->cboDate()->setCurrentIndex(4);
        main->cboMonth()->setCurrentIndex(2);
        main->cboYear()->setCurrentIndex(80);
        main->cmdNext_Click();
        QCoreApplication::processEvents();
        auto* report = new ReportWindow(app, app.readingWindow()->reading(), app.readingWindow());
        report->show();
        QCoreApplication::processEvents();
    });
}
