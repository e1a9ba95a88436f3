#pragma once

#include "core/Referral.h"

#include <QWidget>

class Application;
class LinkLabel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The closing screen: a last word for the maker's site and a tell-a-friend form. Closing it ends the program.
class ClosingScreen : public QWidget
{
    Q_OBJECT
public:
    explicit ClosingScreen(Application& app);

    // The hidden message box's text with its lines ended by CR LF, as the form sends it.
    QString messageText() const;
    void setMessageText(const QString& text);

    void cmdSubmit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildReferralFrame();
    // Returns its link, which the Tab order reaches last.
    LinkLabel* buildDownloadFrame();
    void pickSupportMessage();
    QString boxText(QWidget* box) const;
    void setBoxText(QWidget* box, const QString& text);
    QString placeholderOf(QWidget* box) const;
    ReferralRecord referralRecord() const;
    void Check1_Click(bool checked);

    Application& m_app;
    QLabel* m_title = nullptr;
    QLabel* m_supportMessage = nullptr;
    QCheckBox* m_visitSite = nullptr;
    QPushButton* m_exitButton = nullptr;
    QLineEdit* m_yourName = nullptr;
    QLineEdit* m_yourEmail = nullptr;
    QLineEdit* m_friendName = nullptr;
    QLineEdit* m_friendEmail = nullptr;
    QPlainTextEdit* m_message = nullptr;
    QPushButton* m_referButton = nullptr;
};
