#pragma once

#include "core/Platform.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>

// Answers from a script and records what the program showed, opened and stored.
class FakePlatform : public Platform
{
public:
    struct Message
    {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    // Answers for the next boxes, in order; an unscripted box answers Ok, or No for a question.
    void queueAnswer(MessageAnswer answer) { m_answers.enqueue(answer); }
    void setNextOpenFileName(const QString& path) { m_openFileNames.enqueue(path); }
    void setNextSaveFileName(const QString& path) { m_saveFileNames.enqueue(path); }
    // The next print dialog is accepted (printing into a PDF at pdfPath) or cancelled.
    void setNextPrint(bool accepted, const QString& pdfPath = {});
    void setNow(const QDateTime& now) { m_now = now; }
    void setTimeZoneId(const QByteArray& id) { m_timeZoneId = id; }
    // Draws for random(); once they run out, random() answers 0.
    void queueRandom(double draw) { m_draws.enqueue(draw); }
    void setAnotherInstanceRunning(bool running) { m_anotherInstance = running; }
    void advanceClock(qint64 ms) { m_clockMs += ms; }
    // The clock runs on while the machine sleeps.
    void sleep(qint64 ms)
    {
        m_clockMs += ms;
        m_sleptMs += ms;
    }
    void setSpeech(SpeechState state, const QString& reason = {})
    {
        m_speech = {state, QStringLiteral("fake"), reason};
    }

    static QString settingPath(const QString& application, const QString& section, const QString& key);
    // Sets the printer of an accepted print dialog to print into the PDF, the selection or all. The printer belongs
    // to Qt's print support, which core tests do not link: FakePrinting.cpp, linked into the gui tests, sets this.
    static void (*preparePrinter)(QPrinter& printer, const QString& pdfPath, bool selection);

    QList<Message> messages;
    QList<QStringList> questionButtons;
    QStringList openedUrls;
    QMap<QString, QString> settings;
    QList<FileDialogRequest> openDialogs;
    QList<FileDialogRequest> saveDialogs;
    QList<bool> printDialogSelectionPresets;
    QList<quint32> seeds;
    int processEndCount = 0;
    QStringList spoken;
    QList<Tone> tones;
    // Every change of the request to keep the screen on, in order.
    QList<bool> screenKeptOn;

    QStringList messageTexts() const;

    MessageAnswer showMessage(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    // Recorded as a Yes/No message, its captions in questionButtons.
    MessageAnswer askQuestion(const QString& text, const QString& yesCaption, const QString& noCaption) override;
    QString getOpenFileName(const FileDialogRequest& request) override;
    QString getSaveFileName(const FileDialogRequest& request) override;
    bool execPrintDialog(QPrinter& printer, bool selectionPreset) override;
    void openUrl(const QString& url) override { openedUrls.append(url); }
    QString readSetting(const QString& application, const QString& section, const QString& key) override;
    void writeSetting(
        const QString& application, const QString& section, const QString& key, const QString& value) override;
    QDateTime now() override { return m_now; }
    QByteArray timeZoneId() override { return m_timeZoneId; }
    qint64 monotonicMs() override { return m_clockMs; }
    qint64 sleptMs() override { return m_sleptMs; }
    SpeechStatus speech() override { return m_speech; }
    void say(const QString& text) override { spoken.append(text); }
    void playTone(Tone tone) override { tones.append(tone); }
    void keepScreenOn(bool on) override { screenKeptOn.append(on); }
    void seedRandom(quint32 seed) override { seeds.append(seed); }
    double random() override { return m_draws.isEmpty() ? 0.0 : m_draws.dequeue(); }
    bool anotherInstanceRunning() override { return m_anotherInstance; }
    void endProcess() override { ++processEndCount; }

private:
    QQueue<MessageAnswer> m_answers;
    QQueue<QString> m_openFileNames;
    QQueue<QString> m_saveFileNames;
    QQueue<QPair<bool, QString>> m_prints;
    QQueue<double> m_draws;
    QDateTime m_now {QDate(2026, 1, 15), QTime(10, 30)};
    QByteArray m_timeZoneId = "UTC";
    bool m_anotherInstance = false;
    qint64 m_clockMs = 1000000;
    qint64 m_sleptMs = 0;
    SpeechStatus m_speech {SpeechState::Ready, QStringLiteral("fake"), {}};
};
