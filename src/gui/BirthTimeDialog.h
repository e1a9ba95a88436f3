#pragma once

#include "core/Reading.h"

#include <QDialog>
#include <QTimeZone>

class QComboBox;
class QLabel;
class QPushButton;
class QTimeEdit;

// Asked on a birthday when the Sun changed sign: the time and place of birth give the sign it was in at that moment.
class BirthTimeDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens over the reading window, modal, destroyed when closed; the zone offered first is the computer's.
    static BirthTimeDialog* showModal(const Reading& reading, const QTimeZone& zone, QWidget* readingWindow);

    BirthTimeDialog(const Reading& reading, const QTimeZone& zone, QWidget* readingWindow);

    void cmdReadAsSun_Click();

signals:
    // The person asked to read the birthday as this sign.
    void signChosen(const QString& sign);

private:
    // The Sun's place at the moment picked, and the sign to offer.
    void showAnswer();

    Reading m_reading;
    QString m_sunSign;
    QTimeEdit* m_time = nullptr;
    QComboBox* m_zone = nullptr;
    QLabel* m_answer = nullptr;
    QPushButton* m_readAsSun = nullptr;
};
