#include "BenchHooks.h"

#include "BenchReady.h"
#include "core/Platform.h"
#include "gui/Application.h"
#include "gui/ClosingScreen.h"
#include "gui/Heartbeat.h"
#include "gui/MainWindow.h"
#include "gui/PracticeWindow.h"
#include "gui/ReadingWindow.h"
#include "gui/ReportWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>

namespace {

const bool hookSet = (Application::setStartHook(benchAfterStart), true);

// ANNA's Pisces reading, as a person asks for it.
void showReading(Application& app)
{
    MainWindow* main = app.mainWindow();
    main->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
    main->findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(4);
    main->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(2);
    main->findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentIndex(80);
    main->cmdNext_Click();
    QCoreApplication::processEvents();
}

// Notes when the practice window has painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("frmPractice"))
            painted = true;
        return false;
    }
};

const char* speechName(SpeechState state)
{
    const char* const names[] = {"starting", "ready", "no-engine", "failed"};
    return names[int(state)];
}

// Opening the practice to its first painted frame while the speech engine starts on its own thread: a first opening
// starts it, closes, and the second is timed (the first also pays for what any first window of a kind costs). With
// "practice-run", then a practice of 10 s holds for runSeconds with the heartbeat on the window's thread.
void measurePractice(Application& app, int runSeconds)
{
    showReading(app);
    ReadingWindow* reading = app.readingWindow();
    PracticeWindow::showModal(app, reading->reading(), reading)->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const SpeechState speechWhenOpened = app.platform().speech().state;
    PaintWatch watch;
    qApp->installEventFilter(&watch);
    QElapsedTimer timer;
    timer.start();
    PracticeWindow* practice = PracticeWindow::showModal(app, reading->reading(), reading);
    while (!watch.painted && timer.elapsed() < 10000)
        QCoreApplication::processEvents();
    const double openMs = timer.nsecsElapsed() / 1e6;
    qApp->removeEventFilter(&watch);
    qint64 longestMs = -1;
    if (runSeconds > 0) {
        for (QSpinBox* hold : practice->findChildren<QSpinBox*>(QRegularExpression(QStringLiteral("^spnHold"))))
            hold->setValue(10);
        practice->findChild<QSpinBox*>(QStringLiteral("spnLeadIn"))->setValue(2);
        practice->cmdStart_Click();
        Heartbeat heartbeat(false);
        QEventLoop practising;
        QTimer::singleShot(runSeconds * 1000, &practising, &QEventLoop::quit);
        practising.exec();
        longestMs = heartbeat.longestStallMs();
    }
    if (qEnvironmentVariableIsSet("ASTRAVIDA_BENCH_QUIT")) {
        // Leaves as a person does, through the closing screen's Exit, and says when it pressed it, so the caller
        // can time the process's end from there.
        practice->close();
        app.showClosingScreen();
        QCoreApplication::processEvents();
        std::printf("quitting\n");
        std::fflush(stdout);
        app.closingScreen()->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    }
    std::printf("practice_open_ms %.2f longest_block_ms %lld speech %s then %s\n", openMs, longestMs,
        speechName(speechWhenOpened), speechName(app.platform().speech().state));
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace

void benchAfterStart(Application& app)
{
    const QByteArray mode = qgetenv("ASTRAVIDA_BENCH");
    if (mode.startsWith("practice")) {
        QTimer::singleShot(0, qApp, [&app, mode] {
            measurePractice(app, mode == "practice-run" ? qEnvironmentVariableIntValue("ASTRAVIDA_BENCH_SECONDS") : 0);
        });
        return;
    }
    BenchReady::reportWhenIdle(mode, [&app] {
        showReading(app);
        auto* report = new ReportWindow(app, app.readingWindow()->reading(), app.readingWindow());
        report->show();
        QCoreApplication::processEvents();
    });
}
