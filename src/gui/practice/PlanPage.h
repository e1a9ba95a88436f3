#pragma once

#include "core/PracticeSession.h"

#include <QVector>
#include <QWidget>

class CueChoices;
class HoldBox;
class PosePicture;
class QCheckBox;
class QLabel;
class QPushButton;
struct PracticeSettings;

// The plan a person shapes before starting: which poses, in which order, held how long, with the session's length
// following every change.
class PlanPage : public QWidget
{
    Q_OBJECT
public:
    PlanPage(const QString& sign, const QVector<RecommendedAsana>& asanas, const PracticeSettings& settings,
        QWidget* parent);

    const QVector<PracticeStep>& plan() const { return m_plan; }
    // The lead-in, speech and tones chosen under the list.
    CueChoices* choices() const { return m_choices; }
    // The plan and the choices beside it, into the settings to remember.
    void keepChoices(PracticeSettings& settings) const;
    void focusStart();

    void cmdMoveUp_Click();
    void cmdMoveDown_Click();
    void cmdRecommendedHolds_Click();

signals:
    void startAsked();
    void closeAsked();
    void printAsked();
    void saveAsked();
    void cautionsAsked(int asanaNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row
    {
        PosePicture* picture;
        QCheckBox* include;
        QLabel* name;
        HoldBox* hold;
        QLabel* sides;
        QPushButton* cautions;
        QLabel* note;
    };

    QWidget* buildRows();
    void showRow(int row);
    void setCurrentRow(int row);
    void move(int by);
    void showSessionTime();

    QString m_sign;
    QVector<RecommendedAsana> m_asanas;
    QVector<PracticeStep> m_plan;
    QVector<Row> m_rows;
    int m_currentRow = 0;
    QLabel* m_title = nullptr;
    QLabel* m_sessionTime = nullptr;
    CueChoices* m_choices = nullptr;
    QPushButton* m_moveUp = nullptr;
    QPushButton* m_moveDown = nullptr;
    QPushButton* m_startButton = nullptr;
};
