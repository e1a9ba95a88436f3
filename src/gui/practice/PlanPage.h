#pragma once

#include "core/PracticeSession.h"

#include <QVector>
#include <QWidget>

class HoldBox;
class PosePicture;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
struct PracticeSettings;

// The plan a person shapes before starting: which poses, in which order, held how long, with the session's length
// following every change.
class PlanPage : public QWidget
{
    Q_OBJECT
public:
    PlanPage(const QString& sign, const QVector<RecommendedAsana>& asanas, const PracticeSettings& settings,
        bool speechAvailable, QWidget* parent);

    const QVector<PracticeStep>& plan() const { return m_plan; }
    int leadInSeconds() const;
    // Whether "Speak the cues" is ticked; where no engine speaks it is off and says nothing of the person's choice.
    bool speaks() const;
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
    QWidget* buildChoices(const PracticeSettings& settings, bool speechAvailable);
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
    QSpinBox* m_leadInBox = nullptr;
    QCheckBox* m_speakBox = nullptr;
    QPushButton* m_moveUp = nullptr;
    QPushButton* m_moveDown = nullptr;
    QPushButton* m_startButton = nullptr;
};
