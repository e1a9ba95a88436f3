#include "BenchHooks.h"

#include "BenchReady.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/ReadingWindow.h"
#include "gui/ReportWindow.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const bool hookSet = (Application::setStartHook(benchAfterStart), true);

} // namespace

void benchAfterStart(Application& app)
{
    BenchReady::reportWhenIdle(qgetenv("ASTRAVIDA_BENCH"), [&app] {
        MainWindow* main = app.mainWindow();
        main->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
        main->findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(4);
        main->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(2);
        main->findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentIndex(80);
        main->cmdNext_Click();
        QCoreApplication::processEvents();
        auto* report = new ReportWindow(app, app.readingWindow()->reading(), app.readingWindow());
        report->show();
        QCoreApplication::processEvents();
    });
}
