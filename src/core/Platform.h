#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

class QPrinter;

enum class MessageIcon { Information, Warning, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Where the speech engine stands. It starts away from the window on the first question, which is answered at once.
enum class SpeechState { Starting, Ready, NoEngine, Failed };
struct SpeechStatus
{
    SpeechState state = SpeechState::NoEngine;
    QString engine; // the engine's own name, once one was found
    QString reason; // why it failed, in the engine's words
};

enum class Tone { Begin, End };

struct FileDialogRequest
{
    QString title;
    QString filter;
    QString defaultSuffix;
    bool confirmOverwrite = false;
    bool mustExist = false;
    QString suggestedPath; // the folder a save dialog opens in and the name it offers; empty for the dialog's own
};

// Everything outside the program goes through here, so tests can replace all of it.
class Platform
{
public:
    virtual ~Platform() = default;

    // A modal box titled with the application's name.
    virtual MessageAnswer showMessage(
        const QString& text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok)
        = 0;
    // A question whose two buttons say what they do, as "Stop" and "Keep Practising": Yes for the first, No for the
    // second, which is also the default and what Esc answers.
    virtual MessageAnswer askQuestion(const QString& text, const QString& yesCaption, const QString& noCaption) = 0;
    // Both return an empty path when the user cancels.
    virtual QString getOpenFileName(const FileDialogRequest& request) = 0;
    virtual QString getSaveFileName(const FileDialogRequest& request) = 0;
    // Lets the user pick and set up the printer; false when cancelled.
    virtual bool execPrintDialog(QPrinter& printer, bool selectionPreset) = 0;

    virtual void openUrl(const QString& url) = 0;

    // Per-user store; a missing entry reads as empty text.
    virtual QString readSetting(const QString& application, const QString& section, const QString& key) = 0;
    virtual void writeSetting(
        const QString& application, const QString& section, const QString& key, const QString& value)
        = 0;

    virtual QDateTime now() = 0;
    // The computer's own zone as an id ("Europe/Berlin"), empty where it is the machine's local time: the program
    // then keeps to the C library's local time and builds no QTimeZone for it (see SunOnBirthday.h).
    virtual QByteArray timeZoneId() = 0;
    // Milliseconds from a clock that never jumps and runs on while the machine sleeps, for timing: now() follows the
    // wall clock wherever it is set.
    virtual qint64 monotonicMs() = 0;
    // How long the machine has slept since the program started: the part of monotonicMs() nobody was awake for.
    virtual qint64 sleptMs() = 0;
    virtual void seedRandom(quint32 seed) = 0;
    // Uniform in [0, 1).
    virtual double random() = 0;

    // Never waits on the engine; the first call starts it.
    virtual SpeechStatus speech() = 0;
    // Cuts short whatever is still being said; said only where the engine is ready, and dropped when it cannot start
    // within a second.
    virtual void say(const QString& text) = 0;
    // A short tone through the sound server, without waiting for it; where there is none, nothing.
    virtual void playTone(Tone tone) = 0;
    // Asks the desktop not to blank the screen until asked with false; with no desktop to ask, does nothing.
    virtual void keepScreenOn(bool on) = 0;

    virtual bool anotherInstanceRunning() = 0;
    // Ends the process at once; only the test double returns.
    virtual void endProcess() = 0;
};
