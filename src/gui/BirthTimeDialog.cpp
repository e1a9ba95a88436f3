#include "gui/BirthTimeDialog.h"

#include "core/SunOnBirthday.h"
#include "core/SunSign.h"
#include "gui/style/Controls.h"
#include "gui/style/Look.h"
#include "gui/style/Windows.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimeEdit>

namespace {

const QSize ClientSize {420, 226};
const QColor Beige {244, 234, 210};

// The locale's own way of writing a time, to the minute: nobody knows the second they were born.
QString timeFormat()
{
    return QLocale().timeFormat(QLocale::ShortFormat).remove(QRegularExpression(QStringLiteral("[.:]ss")));
}

QLabel* caption(QWidget* parent, const QString& text, const QRect& geometry, QWidget* buddy)
{
    QLabel* label = Style::label(parent, "", text, geometry, Qt::white, Style::verdana(8.25, true, true));
    label->setBuddy(buddy);
    return label;
}

} // namespace

BirthTimeDialog* BirthTimeDialog::showModal(const Reading& reading, const QTimeZone& zone, QWidget* readingWindow)
{
    auto* dialog = new BirthTimeDialog(reading, zone, readingWindow);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    Style::centreOnScreen(dialog);
    dialog->show();
    return dialog;
}

BirthTimeDialog::BirthTimeDialog(const Reading& reading, const QTimeZone& zone, QWidget* readingWindow)
    : QDialog(readingWindow)
    , m_reading(reading)
{
    setObjectName(QStringLiteral("frmBirthTime"));
    setWindowTitle(Style::windowCaption);
    Style::fixWindowSize(this, ClientSize);
    Style::setBackground(this, Style::brown);

    const ReadingInput& input = reading.input;
    Style::label(this, "lblBirthTimeQuestion",
        QStringLiteral("The Sun changed sign on %1 %2 %3. When and where were you born?")
            .arg(input.day)
            .arg(input.month)
            .arg(input.year),
        {16, 12, 388, 30}, Style::yellow, Style::verdana(8.25, true))
        ->setWordWrap(true);

    m_time = new QTimeEdit(QTime(12, 0), this);
    m_time->setObjectName(QStringLiteral("txtBirthTime"));
    m_time->setDisplayFormat(timeFormat());
    m_time->setGeometry(136, 50, 110, 22);
    caption(this, QStringLiteral("Time of birth"), {16, 53, 112, 16}, m_time);

    m_zone = new QComboBox(this);
    m_zone->setObjectName(QStringLiteral("cboTimeZone"));
    m_zone->setEditable(true);
    m_zone->setInsertPolicy(QComboBox::NoInsert);
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        m_zone->addItem(QString::fromUtf8(id));
    // A town anywhere in the name finds its zone: "Berlin" finds Europe/Berlin.
    m_zone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_zone->completer()->setFilterMode(Qt::MatchContains);
    m_zone->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_zone->setCurrentText(QString::fromUtf8(zone.id()));
    m_zone->setGeometry(136, 82, 268, 22);
    caption(this, QStringLiteral("Time zone"), {16, 85, 112, 16}, m_zone);

    m_answer
        = Style::label(this, "lblSunAnswer", QString(), {16, 116, 388, 34}, Style::yellow, Style::verdana(8.25, true));
    m_answer->setWordWrap(true);
    m_answer->setTextFormat(Qt::PlainText);
    Style::label(this, "lblBirthTimeNote",
        QStringLiteral("Times before 1970 may be an hour off in some zones: the system's time-zone data keeps "
                       "their past only in part."),
        {16, 154, 388, 30}, Beige, Style::verdana(8.25))
        ->setWordWrap(true);

    m_readAsSun = Style::button(this, "cmdReadAsSun", QString(), {140, 192, 130, 27});
    QPushButton* keep = Style::button(this, "cmdKeepSign", QStringLiteral("Keep ") + reading.sign, {274, 192, 130, 27});
    keep->setDefault(true);
    connect(m_readAsSun, &QPushButton::clicked, this, &BirthTimeDialog::cmdReadAsSun_Click);
    connect(keep, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_time, &QTimeEdit::timeChanged, this, &BirthTimeDialog::showAnswer);
    connect(m_zone, &QComboBox::currentTextChanged, this, &BirthTimeDialog::showAnswer);
    showAnswer();
    m_time->setFocus();
}

void BirthTimeDialog::showAnswer()
{
    const QTimeZone zone(m_zone->currentText().trimmed().toUtf8());
    const int month = monthNames().indexOf(m_reading.input.month) + 1;
    const QDateTime birth(QDate(m_reading.input.year, month, m_reading.input.day), m_time->time(), zone);
    if (!zone.isValid() || !birth.isValid()) {
        m_sunSign.clear();
        m_answer->setText(QStringLiteral("Pick the time zone of the place of birth from the list."));
        m_readAsSun->setText(QStringLiteral("Read as..."));
        m_readAsSun->setEnabled(false);
        return;
    }
    m_sunSign = sunPlaceAt(birth).sign;
    m_answer->setText(sunAtBirthText(birth, m_time->text()));
    m_readAsSun->setText(QStringLiteral("Read as ") + m_sunSign);
    m_readAsSun->setEnabled(m_sunSign != m_reading.sign);
}

void BirthTimeDialog::cmdReadAsSun_Click()
{
    if (m_sunSign.isEmpty())
        return;
    emit signChosen(m_sunSign);
    accept();
}
