#include "core/ReadingFile.h"
#include "gui/QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

// Set when the test runs itself as another instance.
const char* const HoldLockVariable = "ASTRAVIDA_TEST_HOLD_LOCK";

// The other instance: says "held" and holds the lock until it is killed, or says "refused" and ends.
int holdLock(const QString& lock)
{
    QtPlatform platform(lock);
    if (platform.anotherInstanceRunning()) {
        std::puts("refused");
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// Where the lock file would go, as the user who starts the program finds it.
enum class LockPlace { OwnFile, ForeignFile, UnwritableFolder, Nowhere };

// Permissions never stop root, so when the test runs as root its instances run as nobody; the folders the user owns
// are then given to nobody, and what the user cannot write stays root's.
struct User
{
    bool other = ::geteuid() == 0;
    uid_t uid = ::geteuid();
    gid_t gid = ::getegid();

    User()
    {
        if (const passwd* nobody = other ? ::getpwnam("nobody") : nullptr) {
            uid = nobody->pw_uid;
            gid = nobody->pw_gid;
        }
    }

    bool own(const QString& path) const
    {
        return !other || ::chown(QFile::encodeName(path).constData(), uid, gid) == 0;
    }

    // The test program as the instances can run it: where the build lies under a folder only root may enter (a
    // clone in /root, say), nobody runs a copy in the shared folder instead.
    QString program(const QString& folder) const
    {
        if (!other)
            return QCoreApplication::applicationFilePath();
        const QString copy = folder + QStringLiteral("/instance");
        const auto runnable = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        if (!QFile::exists(copy)
            && !(QFile::copy(QCoreApplication::applicationFilePath(), copy) && QFile::setPermissions(copy, runnable)))
            return {};
        return copy;
    }
};

// Another instance trying the lock, with its temporary folder at temp; what it said, once it has said it.
QByteArray startInstance(QProcess& instance, const QString& lock, const QString& temp, const User& user)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(HoldLockVariable), lock);
    environment.insert(QStringLiteral("TMPDIR"), temp);
    instance.setProcessEnvironment(environment);
    if (user.other) {
        instance.setChildProcessModifier([uid = user.uid, gid = user.gid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(127);
        });
    }
    instance.start(user.program(QFileInfo(temp).path()), {});
    return instance.waitForReadyRead(30000) ? instance.readAll().trimmed() : QByteArray("nothing");
}

} // namespace

Q_DECLARE_METATYPE(LockPlace)

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
    QTest::addColumn<LockPlace>("place");
    QTest::addColumn<bool>("killed");
    QTest::addColumn<bool>("secondStarts");
    QTest::newRow("holder running") << LockPlace::OwnFile << false << false;
    QTest::newRow("holder killed") << LockPlace::OwnFile << true << true;
    // Left by a start with sudo -E: root's, mode 0644.
    QTest::newRow("foreign lock file, holder running") << LockPlace::ForeignFile << false << false;
    QTest::newRow("foreign lock file, holder killed") << LockPlace::ForeignFile << true << true;
    // A runtime folder on a read-only file system: the lock goes to the temporary folder.
    QTest::newRow("unwritable folder, holder running") << LockPlace::UnwritableFolder << false << false;
    QTest::newRow("unwritable folder, holder killed") << LockPlace::UnwritableFolder << true << true;
    // No lock anywhere: both start, and neither says a word.
    QTest::newRow("nowhere to lock") << LockPlace::Nowhere << false << true;
}

void TestQtPlatform::onlyALiveProcessHoldsTheLock()
{
    QFETCH(LockPlace, place);
    QFETCH(bool, killed);
    QFETCH(bool, secondStarts);
    const User user;
    QVERIFY2(!user.other || user.uid != 0, "no user nobody to run the instances as");
    QTemporaryDir folder;
    const QString runtime = folder.filePath(QStringLiteral("runtime"));
    const QString temp = folder.filePath(QStringLiteral("temp"));
    const QString lock = runtime + QStringLiteral("/astravida.lock");
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("runtime")) && QDir(folder.path()).mkdir(QStringLiteral("temp")));
    const auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto enterable = readable | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(folder.path(), enterable | QFileDevice::WriteOwner));
    QVERIFY(QFile::setPermissions(runtime, enterable) && QFile::setPermissions(temp, enterable));
    if (place == LockPlace::OwnFile || place == LockPlace::ForeignFile)
        QVERIFY(user.own(runtime) && QFile::setPermissions(runtime, enterable | QFileDevice::WriteOwner));
    if (place != LockPlace::Nowhere)
        QVERIFY(user.own(temp) && QFile::setPermissions(temp, enterable | QFileDevice::WriteOwner));
    if (place == LockPlace::ForeignFile) {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // As root the file stays root's; as anyone else, taking away its owner's write bit does as much.
        QVERIFY(file.setPermissions(readable | (user.other ? QFileDevice::WriteOwner : QFileDevice::Permissions())));
    }

    QProcess first;
    QCOMPARE(startInstance(first, lock, temp, user), QByteArray("held"));
    if (killed) {
        first.kill();
        QVERIFY(first.waitForFinished());
    }
    QProcess second;
    QCOMPARE(startInstance(second, lock, temp, user), QByteArray(secondStarts ? "held" : "refused"));
    if (killed) {
        QProcess next;
        QVERIFY2(
            startInstance(next, lock, temp, user) == "refused", "the dead instance's lock was ignored, not taken over");
        next.kill();
        next.waitForFinished();
    }
    for (QProcess* instance : {&first, &second}) {
        instance->kill();
        instance->waitForFinished();
    }
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
