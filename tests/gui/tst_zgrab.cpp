// Scratch: grabs of the practice pages with the fonts' pixel sizes. Not part of the suite.
#include "TestSupport.h"
#include "gui/PracticeWindow.h"
#include "gui/ReadingWindow.h"
#include "gui/style/Look.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    Style::installFonts();
    const QString tag = QString::fromLocal8Bit(qgetenv("GRAB_TAG"));
    const bool full = qgetenv("GRAB_FULL") == "1";
    const QString out = QStringLiteral("/work/briefs/evidence29/");
    TestApp t;
    t.platform.setCanSpeak(true);
    t.start();
    ReadingWindow* reading = t.read(5, 3);
    triggerAction(reading, QStringLiteral("mnuGuidedPractice"));
    auto* window = reading->findChild<PracticeWindow*>(QStringLiteral("frmPractice"));
    if (full) {
        window->showFullScreen();
        window->setGeometry(window->screen()->geometry());
    } else {
        window->resize(800, 600);
    }
    QTest::qWait(300);
    auto grab = [&](const char* page) {
        QTest::qWait(200);
        const QString path = out + tag + QLatin1Char('-') + QLatin1String(page) + QStringLiteral(".png");
        window->grab().save(path);
        printf("%s: window %dx%d", qPrintable(path), window->width(), window->height());
        for (const char* name : {"lblCountdown", "lblPoseName", "lblPhase"}) {
            auto* label = window->findChild<QLabel*>(QLatin1String(name));
            if (label && label->isVisible())
                printf("  %s font %d px (label %d px tall)", name, QFontInfo(label->font()).pixelSize(),
                    label->height());
        }
        printf("\n");
    };
    // The plan shaped: Makarasana left out, Sarvangasana moved below it.
    window->findChild<QCheckBox*>(QStringLiteral("chkInclude2"))->setChecked(false);
    grab("plan");
    window->findChild<QSpinBox*>(QStringLiteral("spnLeadIn"))->setValue(2);
    window->findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    t.platform.advanceClock(3500);
    window->tick();
    grab("pose");
    if (qEnvironmentVariableIsSet("GRAB_PROFILE")) {
        QImage screen(2732, 1536, QImage::Format_ARGB32_Premultiplied);
        screen.setDevicePixelRatio(2);
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty())
                continue;
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < 10; ++i)
                w->render(&screen, {}, {}, QWidget::DrawChildren);
            printf("%-20s %.2f ms\n", qPrintable(w->objectName()), timer.nsecsElapsed() / 1e7);
        }
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 10; ++i)
            window->render(&screen);
        printf("%-20s %.2f ms\n", "whole", timer.nsecsElapsed() / 1e7);
        return 0;
    }
    // Garudasana's left side.
    window->cmdNext_Click();
    window->cmdNext_Click();
    t.platform.advanceClock(2000 + 15000 + 2000 + 4000);
    window->tick();
    grab("pose-left");
    window->cmdPause_Click();
    grab("paused");
    t.platform.queueAnswer(MessageAnswer::Yes);
    window->cmdStop_Click();
    grab("done");
    t.platform.queueAnswer(MessageAnswer::Yes);
    window->close();
    return 0;
}
