#include "BenchHooks.h"

#include "BenchReady.h"
#include "reading/frmDisplay.h"
#include "report/frmSave.h"
#include "shell/Application.h"
#include "shell/frmMain.h"

#include <QComboBox>
#include <QLineEdit>

void benchAfterStart(Application& app)
{
    BenchReady::reportWhenIdle(qgetenv("ASTRAVIDA_BENCH"), [&app] {
        frmMain* main = app.mainWindow();
        main->txtName()->setText(QStringLiteral("ANNA"));
        main->cboDate()->setCurrentIndex(4);
        main->cboMonth()->setCurrentIndex(2);
        main->cboYear()->setCurrentIndex(80);
        main->cmdNext_Click();
        QCoreApplication::processEvents();
        auto* report = new frmSave(app, app.displayWindow());
        report->show();
        QCoreApplication::processEvents();
    });
}
