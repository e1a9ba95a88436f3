#include "core/ReadingFile.h"
#include "gui/QtPlatform.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// Set when the test runs itself as the other instance.
const char* const HoldLockVariable = "ASTRAVIDA_TEST_HOLD_LOCK";

// The other instance: takes the lock, says so, and holds it until it is killed.
int holdLock(const QString& lock)
{
    QtPlatform platform(lock);
    if (platform.anotherInstanceRunning())
        return 1;
    std::puts("held");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

class TestQtPlatform : public QObject
{
    Q_OBJECT
private slots:
    void secondInstanceFindsTheFirst();
    void onlyALiveProcessHoldsTheLock_data();
    void onlyALiveProcessHoldsTheLock();
    void givesTheDialogsFiltersQtUnderstands_data();
    void givesTheDialogsFiltersQtUnderstands();
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

void TestQtPlatform::onlyALiveProcessHoldsTheLock_data()
{
    QTest::addColumn<bool>("killed");
    QTest::newRow("holder running") << false;
    QTest::newRow("holder killed") << true;
}

void TestQtPlatform::onlyALiveProcessHoldsTheLock()
{
    QFETCH(bool, killed);
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("astravida.lock"));

    QProcess other;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(HoldLockVariable), lock);
    other.setProcessEnvironment(environment);
    other.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY2(other.waitForReadyRead(30000) && other.readAll().startsWith("held"), "the other instance took no lock");
    if (killed) {
        other.kill();
        QVERIFY(other.waitForFinished());
    }

    QtPlatform platform(lock);
    QCOMPARE(platform.anotherInstanceRunning(), !killed);
    if (killed) {
        QtPlatform next(lock);
        QVERIFY2(next.anotherInstanceRunning(), "the dead instance's lock was ignored, not taken over");
    }
    other.kill();
    other.waitForFinished();
}

void TestQtPlatform::givesTheDialogsFiltersQtUnderstands_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qtFilter");
    QTest::newRow("open") << readingFileOpenRequest().filter << "Astravida (*.avd)";
    QTest::newRow("save") << readingFileSaveRequest().filter << "Astravida (*.avd)";
    QTest::newRow("two pairs") << "Text|*.txt|All|*"
                               << "Text (*.txt);;All (*)";
    QTest::newRow("already Qt's") << "Images (*.png)"
                                  << "Images (*.png)";
}

void TestQtPlatform::givesTheDialogsFiltersQtUnderstands()
{
    QFETCH(QString, filter);
    QFETCH(QString, qtFilter);
    QCOMPARE(qtNameFilter(filter), qtFilter);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString lock = qEnvironmentVariable(HoldLockVariable);
    if (!lock.isEmpty())
        return holdLock(lock);
    TestQtPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtplatform.moc"
