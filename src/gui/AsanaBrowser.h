#pragma once

#include "gui/style/LinkLabel.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <array>

class QFrame;
class QGroupBox;
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

    // Builds the tab's contents into fraSelectYoga, the twelve sign frames fraAries ... fraPisces hidden.
    explicit AsanaBrowser(QWidget* fraSelectYoga);

    // Brings up the sign's frame with its asanas, in place of any other.
    void showSign(const QString& sign);
    // The frame of a sign; nullptr for a name that is no sign.
    QWidget* signFrame(const QString& sign) const;

    void asanaLabel_Click(AsanaLabel* label);
    void cmdYogaBack_Click();

private:
    void buildIntroduction();
    QVector<AsanaLabel*> buildSignFrame(int sign);
    void buildDetailPage();

    QWidget* m_yogaPage;
    QString m_sign;
    std::array<QGroupBox*, SignCount> m_signFrames {};

    QFrame* m_asanaPage = nullptr;
    QLabel* m_asanaPicture = nullptr;
    QLabel* m_englishName = nullptr;
    QLabel* m_namePlate = nullptr;
    QPlainTextEdit* m_definition = nullptr;
    QPlainTextEdit* m_procedure = nullptr;
    QPlainTextEdit* m_benefits = nullptr;
    QPlainTextEdit* m_contraIndication = nullptr;
    QPushButton* m_backButton = nullptr;
    // The label the detail page was opened from, for the keyboard to return to.
    QPointer<AsanaLabel> m_openedFrom;
};
