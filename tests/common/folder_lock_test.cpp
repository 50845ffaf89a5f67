// The data folder's lock from outside: copies killed or stalled at each step
// of taking it, and a name left in it by a copy long dead whose number a
// live process has since been given.
#include "common/folder_lock.h"
#include "support/folder_digest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using common::FolderLock;

namespace {

// A copy of the program taking the folder's lock in a process of its own,
// stopped at `step` ("opened", "locked", "named") until let go.
class Copy {
public:
    Copy(const QString& folder, const QString& step, bool update = false)
    {
        mProcess.start(testsupport::toolPath(QStringLiteral("lock_worker")),
                       {folder, step, update ? QStringLiteral("update") : QStringLiteral("program")});
    }
    ~Copy()
    {
        mProcess.kill();
        mProcess.waitForFinished();
    }
    // The next line it says ("" when it says none in ten seconds).
    std::string said()
    {
        while (!mProcess.canReadLine() && mProcess.waitForReadyRead(10000)) {
        }
        return mProcess.readLine().trimmed().toStdString();
    }
    void letGo() { mProcess.write("\n"); mProcess.waitForBytesWritten(); }
    // Lets go, and the exit code and what it said last once it has ended.
    std::string ended()
    {
        letGo();
        mProcess.waitForFinished(10000);
        return (QString::number(mProcess.exitCode()) + QLatin1Char('|') + QString::fromUtf8(mProcess.readAll()).trimmed())
            .toStdString();
    }
    void kill()
    {
        mProcess.kill();
        mProcess.waitForFinished();
    }
    qint64 pid() const { return mProcess.processId(); }

private:
    QProcess mProcess;
};

QString lockPath(const QString& folder) { return QDir(folder).filePath(QStringLiteral("dosset.lock")); }

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray firstLineOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readLine().trimmed() : QByteArray();
}

// A live process that is no copy of the program: after a restart, the
// number a dead copy wrote may be any process's.
struct Stranger {
    QProcess sleep;
    Stranger() { sleep.start(QStringLiteral("sleep"), {QStringLiteral("600")}); sleep.waitForStarted(); }
    ~Stranger() { sleep.kill(); sleep.waitForFinished(); }
    qint64 pid() const { return sleep.processId(); }
    // Its start, as the kernel counts it.
    QByteArray start() const
    {
        QFile f(QStringLiteral("/proc/%1/stat").arg(pid()));
        const QByteArray stat = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        return stat.mid(stat.lastIndexOf(')') + 2).split(' ').value(19);
    }
};

std::string openIn(const QString& folder, const QString& who)
{
    return QStringLiteral("The data folder %1 is already open in %2. Use that copy, or close it and start Dosset "
                          "again.\n\nNothing has been opened here.").arg(folder, who).toStdString();
}

QByteArray bootId()
{
    QFile f(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return f.open(QIODevice::ReadOnly) ? f.readLine().trimmed() : QByteArray();
}

} // namespace

// The name a dead copy left never stops a start, even when the number in it
// now belongs to a live process: as an older build wrote it, as this build
// writes it (the number given to another process since), and after a power
// cut (another boot, even should the start coincide).
TEST(FolderLock, ANameLeftByADeadCopyNeverRefusesAStartWhoeverHasItsNumberNow)
{
    QTemporaryDir dir;
    Stranger stranger;
    ASSERT_FALSE(stranger.start().isEmpty());
    const QByteArray pid = QByteArray::number(stranger.pid()), host = QSysInfo::machineHostName().toUtf8();
    const QList<QByteArray> leftBehind{
        pid + "\nDosset\n" + host + "\n{8d0d7d3e-5f0b-4c57-9a1b-3f55c1b0e1aa}\n",
        pid + "\ndosset\n" + host + '\n' + bootId() + "\n1\n",
        pid + "\ndosset-setup\n" + host + "\n00000000-0000-0000-0000-000000000000\n" + stranger.start() + '\n',
    };
    for (const QByteArray& name : leftBehind) {
        SCOPED_TRACE(name.toStdString());
        write(lockPath(dir.path()), name);
        FolderLock next(dir.path());
        EXPECT_FALSE(next.heldElsewhere());
        EXPECT_TRUE(next.tryLock()) << next.message().toStdString();
        EXPECT_EQ(firstLineOf(lockPath(dir.path())), QByteArray::number(QCoreApplication::applicationPid()));
    }
    // A copy that quits takes its name out of the file, and leaves the file.
    EXPECT_TRUE(QFile::exists(lockPath(dir.path())));
    EXPECT_EQ(QFileInfo(lockPath(dir.path())).size(), 0);
}

// Killed having made the file, having locked it, or having written its
// name, a copy leaves nothing that stops the next start, at once.
TEST(FolderLock, ACopyKilledAtAnyStepNeverBlocksTheNext)
{
    QTemporaryDir dir;
    for (const QString& step : {QStringLiteral("opened"), QStringLiteral("locked"), QStringLiteral("named")}) {
        SCOPED_TRACE(step.toStdString());
        Copy killed(dir.path(), step);
        ASSERT_EQ(killed.said(), "at " + step.toStdString());
        killed.kill();
        FolderLock next(dir.path());
        EXPECT_FALSE(next.heldElsewhere());
        EXPECT_TRUE(next.tryLock()) << next.message().toStdString();
    }
}

// Two copies started together, one stalled at each step of taking the lock:
// only one goes ahead, the other is told who holds the folder (no one by
// number until the holder has written its own name), and a copy that quits,
// refused or not, removes nothing another holds.
TEST(FolderLock, TwoCopiesNeverBothGoAheadWhereverOneIsStalled)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    Stranger stranger;
    const QByteArray deadCopysName = QByteArray::number(stranger.pid()) + "\ndosset\n"
        + QSysInfo::machineHostName().toUtf8() + '\n' + bootId() + "\n1\n";
    const QString here = QString::number(QCoreApplication::applicationPid());
    {
        SCOPED_TRACE("stalled before locking the file it opened: the other goes ahead");
        Copy stalled(folder, QStringLiteral("opened"));
        ASSERT_EQ(stalled.said(), "at opened");
        FolderLock other(folder);
        EXPECT_TRUE(other.tryLock());
        stalled.letGo();
        EXPECT_EQ(stalled.said(), "refused");
        EXPECT_EQ(stalled.ended(), "3|" + openIn(folder, "another copy of Dosset (process " + here + ")"));
    }
    {
        SCOPED_TRACE("stalled holding the lock before writing its name over a dead copy's");
        write(lockPath(folder), deadCopysName);
        Copy stalled(folder, QStringLiteral("locked"));
        ASSERT_EQ(stalled.said(), "at locked");
        {
            FolderLock other(folder);
            EXPECT_TRUE(other.heldElsewhere());
            EXPECT_FALSE(other.tryLock());
            EXPECT_EQ(other.message().toStdString(), openIn(folder, QStringLiteral("another copy of Dosset")));
        }
        stalled.letGo();
        EXPECT_EQ(stalled.said(), "held");
        FolderLock other(folder);
        EXPECT_FALSE(other.tryLock());
        EXPECT_EQ(other.message().toStdString(), openIn(folder, QStringLiteral("another copy of Dosset (process %1)").arg(stalled.pid())));
        EXPECT_EQ(stalled.ended(), "0|");
        EXPECT_TRUE(other.tryLock());
    }
    {
        SCOPED_TRACE("an update stalled having written its name");
        Copy stalled(folder, QStringLiteral("named"), true);
        ASSERT_EQ(stalled.said(), "at named");
        FolderLock other(folder);
        EXPECT_FALSE(other.tryLock());
        EXPECT_EQ(other.message().toStdString(),
                  QStringLiteral("The data folder %1 is being brought up to date by dosset-setup --update (process %2). "
                                 "Wait for it to finish, then start Dosset again.\n\nNothing has been opened here.")
                      .arg(folder).arg(stalled.pid()).toStdString());
        stalled.letGo();
        EXPECT_EQ(stalled.said(), "held");
        EXPECT_TRUE(FolderLock(folder).heldElsewhere());
        EXPECT_EQ(stalled.ended(), "0|");
        EXPECT_TRUE(other.tryLock());
    }
}
