#pragma once

#include "core/Platform.h"

#include <QObject>
#include <QRandomGenerator>

#include <memory>

class CuePlayer;
class QFile;

// A dialog filter in "description|pattern" pairs (as the program's requests give them) in Qt's own form.
QString qtNameFilter(const QString& filter);

class QtPlatform : public Platform
{
public:
    // The single-instance lock lives at instanceLockPath, or in the user's runtime folder when it is empty; where
    // that file cannot be opened, in the temporary folder under the user's number; and where that fails too, nowhere.
    explicit QtPlatform(const QString& instanceLockPath = {});
    ~QtPlatform() override;

    MessageAnswer showMessage(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    MessageAnswer askQuestion(const QString& text, const QString& yesCaption, const QString& noCaption) override;
    QString getOpenFileName(const FileDialogRequest& request) override;
    QString getSaveFileName(const FileDialogRequest& request) override;
    bool execPrintDialog(QPrinter& printer, bool selectionPreset) override;
    void openUrl(const QString& url) override;
    QString readSetting(const QString& application, const QString& section, const QString& key) override;
    void writeSetting(
        const QString& application, const QString& section, const QString& key, const QString& value) override;
    QDateTime now() override;
    QByteArray timeZoneId() override;
    qint64 monotonicMs() override;
    qint64 sleptMs() override;
    SpeechStatus speech() override;
    void say(const QString& text) override;
    void playTone(Tone tone) override;
    void keepScreenOn(bool on) override;
    void seedRandom(quint32 seed) override;
    double random() override;
    bool anotherInstanceRunning() override;
    void endProcess() override;

private:
    // Made when the practice first asks, so a program that never practises never starts a speech engine.
    CuePlayer& cues();

    qint64 m_bootStartMs; // the boot-time clock at start, which runs on while the machine sleeps
    qint64 m_sleepStartMs; // how far the monotonic clock, which stops in sleep, was behind it then
    QRandomGenerator m_random;
    std::unique_ptr<CuePlayer> m_cues;
    // Held from the screen saver's answer to Inhibit until UnInhibit; 0 when none is held.
    uint m_inhibitCookie = 0;
    bool m_screenKeptOn = false;
    QString m_instanceLockPath;
    std::unique_ptr<QFile> m_instanceLock;
    // Receives the desktop's answers; going first, it takes any still awaited with it.
    std::unique_ptr<QObject> m_answers;
};
