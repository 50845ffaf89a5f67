// The data folder's lock from outside: copies killed or stalled at each step
// of taking it, a name left in it by a copy long dead whose number a live
// process has since been given, and a lock file removed, replaced or never
// a plain file.
#include "common/folder_lock.h"
#include "support/folder_digest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <fcntl.h>
#include <future>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A process's start, as the kernel counts it.
QByteArray startOf(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    const QByteArray stat = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ').value(19);
}

// A live process that is no copy of the program: after a restart, the
// number a dead copy wrote may be any process's.
struct Stranger {
    QProcess sleep;
    Stranger() { sleep.start(QStringLiteral("sleep"), {QStringLiteral("600")}); sleep.waitForStarted(); }
    ~Stranger() { sleep.kill(); sleep.waitForFinished(); }
    qint64 pid() const { return sleep.processId(); }
    QByteArray start() const { return startOf(pid()); }
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

// A name as the program writes it into the lock file.
QByteArray programsName(qint64 pid, const QByteArray& boot, const QByteArray& start)
{
    return QByteArray::number(pid) + "\ndosset\n" + QSysInfo::machineHostName().toUtf8() + '\n' + boot + '\n' + start
        + '\n';
}

// A copy started beside the others, as the program starts: whether it finds
// the folder held, then "taken" or its refusal. Asked on a thread of its own:
// should it wait on a named pipe put at the lock file's name, the test fails
// after ten seconds and the pipe is opened for writing until it returns.
std::string startBeside(const QString& folder)
{
    auto answer = std::async(std::launch::async, [folder] {
        FolderLock lock(folder);
        const std::string held = lock.heldElsewhere() ? "held|" : "free|";
        return held + (lock.tryLock() ? std::string("taken") : lock.message().toStdString());
    });
    if (answer.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "waited on what stands at the lock file's name";
        const QByteArray pipe = QFile::encodeName(lockPath(folder));
        while (answer.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
            if (const int fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); fd >= 0)
                ::close(fd);
    }
    return answer.get();
}

mode_t typeAt(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
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
    // Its number with another start, and with its own start but another
    // boot: either way no longer the process that wrote it.
    const QList<QByteArray> deadCopysNames{
        programsName(stranger.pid(), bootId(), "1"),
        programsName(stranger.pid(), "00000000-0000-0000-0000-000000000000", stranger.start()),
    };
    const QString here = QString::number(QCoreApplication::applicationPid());
    {
        SCOPED_TRACE("stalled before locking the folder it opened: the other goes ahead");
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
        Copy stalled(folder, QStringLiteral("locked"));
        ASSERT_EQ(stalled.said(), "at locked");
        for (const QByteArray& dead : deadCopysNames) {
            SCOPED_TRACE(dead.toStdString());
            write(lockPath(folder), dead);
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

// The lock is on the folder itself: a copy holding it keeps it whatever
// becomes of the file that names it (removed, put back from a copy, another
// file renamed over it, a named pipe put in its place), and the others are
// refused, named by what the file says while it says it; a copy of an
// earlier build, which locks that file alone, holds the folder too.
TEST(FolderLock, ACopyHoldsTheFolderWhateverBecomesOfItsLockFile)
{
    QTemporaryDir dir;
    const QString folder = dir.path(), lock = lockPath(folder);
    const auto refused = [&](const QString& who) { return "held|" + openIn(folder, who); };
    const QString noOne = QStringLiteral("another copy of Dosset");
    {
        Copy holder(folder, QStringLiteral("none"));
        ASSERT_EQ(holder.said(), "held");
        const QString byNumber = QStringLiteral("another copy of Dosset (process %1)").arg(holder.pid());
        QFile named(lock);
        ASSERT_TRUE(named.open(QIODevice::ReadOnly));
        const QByteArray itsName = named.readAll();
        named.close();
        {
            SCOPED_TRACE("removed");
            ASSERT_TRUE(QFile::remove(lock));
            EXPECT_EQ(startBeside(folder), refused(noOne));
            EXPECT_FALSE(QFile::exists(lock));
        }
        const auto renamedOver = [&](const QByteArray& bytes) {
            const QString other = QDir(folder).filePath(QStringLiteral("renamed"));
            write(other, bytes);
            return ::rename(QFile::encodeName(other).constData(), QFile::encodeName(lock).constData()) == 0;
        };
        {
            SCOPED_TRACE("put back from a copy");
            ASSERT_TRUE(renamedOver(itsName));
            EXPECT_EQ(startBeside(folder), refused(byNumber));
        }
        {
            SCOPED_TRACE("another file renamed over it");
            ASSERT_TRUE(renamedOver("March bill: pending\n"));
            EXPECT_EQ(startBeside(folder), refused(noOne));
        }
        {
            SCOPED_TRACE("a named pipe in its place");
            ASSERT_TRUE(QFile::remove(lock));
            ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
            EXPECT_EQ(startBeside(folder), refused(noOne));
        }
        EXPECT_EQ(holder.ended(), "0|");
    }
    ASSERT_TRUE(QFile::remove(lock));
    {
        SCOPED_TRACE("a copy of an earlier build");
        QFile earlier(lock);
        ASSERT_TRUE(earlier.open(QIODevice::ReadWrite));
        ASSERT_EQ(::flock(earlier.handle(), LOCK_EX | LOCK_NB), 0);
        const qint64 here = QCoreApplication::applicationPid();
        earlier.write(programsName(here, bootId(), startOf(here)));
        earlier.flush();
        EXPECT_EQ(startBeside(folder), "free|" + openIn(folder, QStringLiteral("another copy of Dosset (process %1)").arg(here)));
    }
    EXPECT_EQ(startBeside(folder), "free|taken");
}

// Whatever stands at the lock file's name that is not a plain file is
// refused at once, named, and left as it was (a link, and the file it
// points to, too); once it is removed the folder opens.
TEST(FolderLock, ALockFileThatIsNoPlainFileIsRefusedAtOnceNamedAndLeftAsItIs)
{
    QTemporaryDir dir;
    const QString folder = dir.path(), lock = lockPath(folder);
    const QString notes = QDir(folder).filePath(QStringLiteral("notes.txt"));
    write(notes, "March bill: pending\n");
    const QList<std::pair<QString, std::function<bool()>>> kinds{
        {QStringLiteral("named pipe"), [&] { return ::mkfifo(QFile::encodeName(lock).constData(), 0600) == 0; }},
        {QStringLiteral("folder"), [&] { return QDir().mkdir(lock); }},
        {QStringLiteral("link"), [&] { return QFile::link(notes, lock); }},
    };
    for (const auto& [kind, make] : kinds) {
        SCOPED_TRACE(kind.toStdString());
        ASSERT_TRUE(make());
        const mode_t made = typeAt(lock);
        EXPECT_EQ(startBeside(folder),
                  QStringLiteral("free|Dosset cannot open the data folder %1: \"dosset.lock\" there is a %2, not a "
                                 "plain file. Remove it (or move it out of the folder, if it is yours) and start Dosset again.\n\n"
                                 "Nothing has been opened here.")
                      .arg(folder, kind)
                      .toStdString());
        EXPECT_EQ(typeAt(lock), made);
        ASSERT_EQ(made == S_IFDIR ? ::rmdir(QFile::encodeName(lock).constData())
                                  : ::unlink(QFile::encodeName(lock).constData()),
                  0);
    }
    EXPECT_EQ(firstLineOf(notes), "March bill: pending");
    EXPECT_EQ(startBeside(folder), "free|taken");
}
