#pragma once

#include <QMap>
#include <QString>
#include <QVector>

class Platform;

constexpr int MinHoldSeconds = 10;
constexpr int MaxHoldSeconds = 10 * 60;
constexpr int DefaultLeadInSeconds = 5;
constexpr int MaxLeadInSeconds = 30;

// What a person chose for guided practice; anything not chosen is the catalogue's default.
struct PracticeSettings
{
    QMap<int, int> holdSeconds; // by catalogue number
    // By sign, in catalogue numbers: the poses in the order last planned, and
    // the poses left out. Checked against the reading when a plan is made.
    QMap<QString, QVector<int>> order;
    QMap<QString, QVector<int>> leftOut;
    int leadInSeconds = DefaultLeadInSeconds;
    bool speakCues = true;
    bool playTones = true;

    // The chosen hold, else the asana's own, kept within MinHoldSeconds..MaxHoldSeconds.
    int holdFor(int asanaNumber) const;

    friend bool operator==(const PracticeSettings& a, const PracticeSettings& b)
    {
        return a.holdSeconds == b.holdSeconds && a.order == b.order && a.leftOut == b.leftOut
            && a.leadInSeconds == b.leadInSeconds && a.speakCues == b.speakCues && a.playTones == b.playTones;
    }
};

// A missing, damaged or out-of-range value reads as its default; reading never fails.
PracticeSettings loadPracticeSettings(Platform& platform, const QString& applicationName);
// Stores only holds that differ from the asana's own, so a changed default reaches people who never chose.
void savePracticeSettings(Platform& platform, const QString& applicationName, const PracticeSettings& settings);
