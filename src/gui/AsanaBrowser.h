#pragma once

#include "gui/style/LinkLabel.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QVector>

struct RecommendedAsana;
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

// The "Yoga Asanas" tab: introduction, the sign's frame with its asana list and the detail page of one asana.
class AsanaBrowser : public QObject
{
    Q_OBJECT
public:
    // Builds the tab's contents into fraSelectYoga; the sign frame stays empty until a sign is shown.
    explicit AsanaBrowser(QWidget* fraSelectYoga);

    // Names the frame for the sign ("fra" and the sign) and lists its asanas in it, in place of any shown before.
    void showSign(const QString& sign, const QVector<RecommendedAsana>& asanas);

    void asanaLabel_Click(AsanaLabel* label);
    void cmdYogaBack_Click();

private:
    void buildIntroduction();
    void buildDetailPage();
    // Into the window's Tab order where the frame stands, after the introduction and ahead of the detail page.
    void placeInTabOrder();

    QWidget* m_yogaPage;
    QGroupBox* m_signFrame = nullptr;
    QVector<AsanaLabel*> m_labels;

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
