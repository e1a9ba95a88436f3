#pragma once

#include <QMainWindow>

class Application;
class QGroupBox;
class QPushButton;
class QTabWidget;

// The reading window: one reading's characteristics, health and diet, fitness and yoga asanas.
class ReadingWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit ReadingWindow(Application& app);

    // The "Yoga Asanas" tab's frame, holding the twelve sign frames.
    QWidget* fraSelectYoga() const { return m_fraSelectYoga; }
    // The hidden frame fraAries ... fraPisces of a sign; nullptr for a name that is no sign.
    QGroupBox* signFrame(const QString& sign) const;

    // Shows the window, modeless and centred, as the reading action's last step.
    void showReading();

    void cmdPrint_Click();
    void cmdBack_Click();
    void cmdExit_Click();

signals:
    // The window has been unloaded and is about to be destroyed.
    void unloaded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBanner(QWidget* central);
    void buildCharacteristicsTab(QWidget* page);
    void buildDietTab(QWidget* page);
    void buildFitnessTab(QWidget* page);
    void buildYogaTab();
    // Holds the three buttons; the promotion labels follow the tabs in the tab order.
    QWidget* buildBottomStrip(QWidget* central);
    void buildPromotions(QWidget* bottomStrip);
    void buildMenus();
    void Form_Load();
    void Form_Unload();
    // Opens the report window modally over this one; the report work fills it in.
    void openReportWindow();

    Application& m_app;
    QTabWidget* m_tabs = nullptr;
    QTabWidget* m_healthTabs = nullptr;
    QWidget* m_fraSelectYoga = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QPushButton* m_cmdExit = nullptr;
};
