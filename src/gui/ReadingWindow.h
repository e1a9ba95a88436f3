#pragma once

#include "core/PracticeSession.h"
#include "core/Reading.h"
#include "core/SunOnBirthday.h"

#include <QMainWindow>
#include <QVector>

class Application;
class AsanaBrowser;
class QLabel;
class QPushButton;
class QTabWidget;

// A control of the reading window that shows one value of the reading: a label's caption or a text box's text.
struct ReadingField
{
    QWidget* control;
    QString Reading::*value;
};

// The reading window: one reading's characteristics, health and diet, fitness and yoga asanas.
class ReadingWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit ReadingWindow(Application& app);

    // Fills every field from the reading and shows the window, modeless and centred, with what the Sun says of the
    // birthday where it disagrees with the date table.
    void showReading(const Reading& reading, const SunOnBirthday& sun = {});
    const Reading& reading() const { return m_reading; }

    void cmdPrint_Click();
    void mnuPrintSheet_Click();
    void mnuSaveSheetPdf_Click();
    void cmdBack_Click();
    void cmdExit_Click();
    void cmdPractice_Click();
    void cmdReadAsSun_Click();
    void cmdReadAsTable_Click();
    void cmdBirthTime_Click();

signals:
    // The window has been closed and is about to be destroyed.
    void closed();

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
    void buildMenus();
    void buildPracticeMenu();
    // Every tab, the asana browser and all the report, practice and sheet take from the reading.
    void fill(const Reading& reading);
    // The same name and date read as another sign, in place.
    void readAs(const QString& sign);
    // Built the first time there is something to say, above the sign.
    void showSunNotice();
    // The sign's practice as the person last shaped it, which the sheet from the menu follows.
    QVector<PracticeStep> rememberedPlan() const;

    QWidget* m_characteristics = nullptr;
    QLabel* m_signName = nullptr;
    SunOnBirthday m_sun;
    QLabel* m_sunNotice = nullptr;
    QPushButton* m_readAsSun = nullptr;
    QPushButton* m_readAsTable = nullptr;
    QPushButton* m_birthTime = nullptr;

    Application& m_app;
    Reading m_reading;
    QVector<ReadingField> m_fields;
    QLabel* m_signPicture = nullptr;
    AsanaBrowser* m_asanaBrowser = nullptr;
    bool m_backToMainWindow = false;
    QTabWidget* m_tabs = nullptr;
    QTabWidget* m_healthTabs = nullptr;
    QWidget* m_yogaPage = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_backButton = nullptr;
    QPushButton* m_exitButton = nullptr;
};
