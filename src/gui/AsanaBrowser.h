#pragma once

#include "gui/style/LinkLabel.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <array>

struct AppState;
class QFrame;
class QPlainTextEdit;
class QPushButton;

// One entry of a sign frame's list: a link that underlines itself under the pointer.
class AsanaLabel : public LinkLabel
{
    Q_OBJECT
public:
    AsanaLabel(int asana, const QString& displayName, QWidget* frame);

    int asana() const { return m_asana; }
    void setUnderlined(bool underlined)
    {
        QFont shown = font();
        shown.setUnderline(underlined);
        setFont(shown);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int m_asana;
};

// The "Yoga Asanas" tab: introduction, the sign frames' asana lists and the detail page of one asana.
class AsanaBrowser : public QObject
{
    Q_OBJECT
public:
    static constexpr int SignCount = 12;

    // fraSelectYoga must already hold the twelve hidden sign frames fraAries ... fraPisces.
    AsanaBrowser(QWidget* fraSelectYoga, const AppState& state);

    void asanaLabel_Click(AsanaLabel* label);
    void cmdYogaBack_Click();

private:
    void buildIntroduction();
    QVector<AsanaLabel*> buildSignFrame(int sign);
    void buildDetailPage();

    const AppState& m_state;
    QWidget* m_fraSelectYoga;
    std::array<QWidget*, SignCount> m_signFrames {};

    QFrame* m_fraYogaProcedure = nullptr;
    QLabel* m_picYoga = nullptr;
    QLabel* m_lblEnglishName = nullptr;
    QLabel* m_lblAsanaName = nullptr;
    QPlainTextEdit* m_txtYogaDefination = nullptr;
    QPlainTextEdit* m_txtProcedure = nullptr;
    QPlainTextEdit* m_txtBenefits = nullptr;
    QPlainTextEdit* m_txtContradiction = nullptr;
    QPushButton* m_cmdYogaBack = nullptr;
    // The label the detail page was opened from, for the keyboard to return to.
    QPointer<AsanaLabel> m_openedFrom;
};
