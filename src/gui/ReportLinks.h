#pragma once

#include <QObject>
#include <QPointer>

class Platform;
class QTextEdit;

// The one hook that turns web addresses in the report box into links a left-button press, or Enter on the link
// that Tab selected, opens.
class ReportLinks : public QObject
{
    Q_OBJECT
public:
    explicit ReportLinks(Platform& platform);
    ~ReportLinks() override;

    // Starts watching the box: marks every web address in it, now and as text arrives.
    void attach(QTextEdit* box);
    // Stops watching and forgets the box; harmless when nothing is attached.
    void detach();

    bool isAttached() const { return m_attached; }
    QTextEdit* box() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void markAddresses(int from, int length);

    Platform& m_platform;
    QPointer<QTextEdit> m_box;
    QPointer<QObject> m_watched;
    QMetaObject::Connection m_detection;
    bool m_attached = false;
    bool m_marking = false;
};
