#pragma once

#include <QMainWindow>

struct InputFields;
class Application;
class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class PromotionStrip;

// The main input window: a name and a date of birth in, a reading out.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Application& app);

    // The reading action; also run after a saved reading has been put into the inputs.
    void cmdNext_Click();
    // Opens a saved reading as the Open command does with the path its dialog chose.
    void openReadingFile(const QString& path);
    // Brings one of the two promotion labels to the front from a uniform draw in [0, 1).
    void pickPromotion(double draw);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel(QWidget* central);
    void buildMenus();
    void fillDateLists();
    InputFields inputFields() const;
    // Shows the message of the first check the input fails.
    bool inputIsValid();
    // False when the key was refused or replaced and must not reach the box.
    bool txtName_KeyPress(QKeyEvent* event);
    void cmdOpen_Click();

    Application& m_app;
    QLineEdit* m_nameBox = nullptr;
    QComboBox* m_dayList = nullptr;
    QComboBox* m_monthList = nullptr;
    QComboBox* m_yearList = nullptr;
    QPushButton* m_readingButton = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    PromotionStrip* m_promotions = nullptr;
};
