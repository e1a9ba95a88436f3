#include "gui/QtPlatform.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestQtPlatform : public QObject
{
    Q_OBJECT
private slots:
    void secondInstanceFindsTheFirst();
    void takesOverALockLeftByACrash();
};

void TestQtPlatform::secondInstanceFindsTheFirst()
{
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("astravida.lock"));
    {
        QtPlatform first(lock);
        QVERIFY(!first.anotherInstanceRunning());
        QtPlatform second(lock);
        QVERIFY(second.anotherInstanceRunning());
    }
    // Once the first has ended, the next start is the only one again.
    QtPlatform third(lock);
    QVERIFY(!third.anotherInstanceRunning());
}

void TestQtPlatform::takesOverALockLeftByACrash()
{
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("astravida.lock"));

    // A lock as a crashed instance leaves it: written by a process that has since ended.
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    QVERIFY(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    QByteArray contents;
    {
        QLockFile model(lock);
        QVERIFY(model.tryLock(0));
        QFile file(lock);
        QVERIFY(file.open(QIODevice::ReadOnly));
        contents = file.readAll();
    }
    QByteArrayList lines = contents.split('\n');
    lines[0] = QByteArray::number(deadPid);
    QFile stale(lock);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(lines.join('\n'));
    stale.close();

    QtPlatform platform(lock);
    QVERIFY(!platform.anotherInstanceRunning());
    QtPlatform second(lock);
    QVERIFY2(second.anotherInstanceRunning(), "the stale lock was taken over, not ignored");
}

QTEST_GUILESS_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
