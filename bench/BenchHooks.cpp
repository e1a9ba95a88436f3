#include "BenchHooks.h"

#include "BenchReady.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/ReadingWindow.h"
#include "gui/ReportWindow.h"

#include <QComboBox>
#include <QLineEdit>

void benchAfterStart(Application& app)
{
    BenchReady::reportWhenIdle(qgetenv("ASTRAVIDA_BENCH"), [&app] {
        MainWindow* main = app.mainWindow();
        main->nameBox()->setText(QStringLiteral("ANNA"));
        main->dayList()->setCurrentIndex(4);
        main->monthList()->setCurrentIndex(2);
        main->yearList()->setCurrentIndex(80);
        main->cmdNext_Click();
        QCoreApplication::processEvents();
        auto* report = new ReportWindow(app, app.readingWindow()->reading(), app.readingWindow());
        report->show();
        QCoreApplication::processEvents();
    });
}
