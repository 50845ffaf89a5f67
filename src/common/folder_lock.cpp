#include "common/folder_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

std::function<void(const char*)>& stepHook()
{
    static std::function<void(const char*)> hook;
    return hook;
}

void step(const char* name)
{
    if (stepHook())
        stepHook()(name);
}

QByteArray firstLine(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readLine().trimmed() : QByteArray();
}

// When the process started, in clock ticks since the machine booted: with
// the boot's own number, it tells a live process from a later one that was
// given the same number (after a restart, or once numbers wrap round).
QByteArray startOf(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray stat = f.readAll();
    // The name in brackets may hold blanks; the fields after it do not.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? fields.at(19) : QByteArray();
}

QByteArray bootId() { return firstLine(QStringLiteral("/proc/sys/kernel/random/boot_id")); }

constexpr const char* kProgramName = "dosset";
constexpr const char* kUpdateName = "dosset-setup";

// What the holder writes into the lock file once it has the lock:
// its process, what it is, its computer, the boot and its start.
QByteArray nameOfThisProcess(FolderLock::Use use)
{
    const qint64 pid = QCoreApplication::applicationPid();
    return QByteArray::number(pid) + '\n' + (use == FolderLock::Use::Update ? kUpdateName : kProgramName) + '\n'
        + QSysInfo::machineHostName().toUtf8() + '\n' + bootId() + '\n' + startOf(pid) + '\n';
}

// What stands at a name in place of a plain file, in the clerk's words.
QString kindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("named pipe");
    if (S_ISSOCK(mode))
        return QStringLiteral("socket");
    if (S_ISDIR(mode))
        return QStringLiteral("folder");
    if (S_ISLNK(mode))
        return QStringLiteral("link");
    return QStringLiteral("device");
}

// Opens the lock file (made when `flags` say so) only when it is a plain
// file, and never waits on it: a named pipe would hold its reader until
// someone writes, and a device may do anything on being opened. Gives -1
// when it is not opened, with what stands there instead in `notPlain`.
int openPlainFile(const QString& path, int flags, QString& notPlain)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        notPlain = kindOf(st.st_mode);
        return -1;
    }
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) {
        // A link or a folder put there since it was looked at does not open;
        // it is named all the same.
        if (::lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode))
            notPlain = kindOf(st.st_mode);
        return -1;
    }
    st = {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        return fd;
    ::close(fd);
    if (st.st_mode != 0 && !S_ISREG(st.st_mode))
        notPlain = kindOf(st.st_mode);
    return -1;
}

int openFolder(const QString& folder)
{
    return ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// The holder the file names, when the name can be trusted: written by a
// process of this machine that is alive still (the same boot and start), or
// by a copy on another computer sharing the folder, which cannot be asked.
// A name left by a dead copy, or by an older build that wrote no start, is
// no one's: its number may belong to any process by now.
std::optional<LockHolder> namedHolder(const QString& path)
{
    QString notPlain;
    const int fd = openPlainFile(path, O_RDONLY, notPlain);
    if (fd < 0)
        return std::nullopt;
    char bytes[4096];
    const ssize_t n = ::read(fd, bytes, sizeof bytes);
    ::close(fd);
    if (n <= 0)
        return std::nullopt;
    const QList<QByteArray> lines = QByteArray(bytes, int(n)).split('\n');
    if (lines.size() < 6)
        return std::nullopt;
    LockHolder h;
    bool ok = false;
    h.pid = lines.at(0).toLongLong(&ok);
    if (!ok || h.pid <= 0)
        return std::nullopt;
    h.update = lines.at(1) == kUpdateName;
    const QString host = QString::fromUtf8(lines.at(2));
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        h.host = host;
        return h;
    }
    const QByteArray start = lines.at(4);
    if (start.isEmpty() || lines.at(3) != bootId() || startOf(h.pid) != start)
        return std::nullopt;
    return h;
}

// A holder writes its name at once after taking the lock, unless stalled:
// the refusal waits that long for it before it names no one.
constexpr int kNamePollMs = 100;
constexpr int kNameWaitMs = 1000;
// A copy asking whether the folder is held takes a shared lock for an
// instant (as an earlier build's does on the lock file); a copy taking the
// lock then tries again for a little longer.
constexpr int kTakeTries = 10;
constexpr int kTakePauseMs = 5;

enum class Take { Taken, Held, Failed };

Take takeExclusive(int fd)
{
    for (int tried = 0; tried < kTakeTries; ++tried) {
        if (tried > 0)
            ::usleep(kTakePauseMs * 1000);
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return Take::Taken;
        if (errno != EWOULDBLOCK)
            return Take::Failed;
    }
    return Take::Held;
}

} // namespace

void FolderLock::setStepHook(std::function<void(const char*)> hook) { stepHook() = std::move(hook); }

FolderLock::FolderLock(const QString& folder, Use use)
    : mFolder(folder), mPath(QDir(folder).filePath(QStringLiteral("dosset.lock"))), mUse(use)
{
}

FolderLock::~FolderLock()
{
    if (mNameFd >= 0) {
        // The name goes before the lock, so that it never names a copy that
        // has left; the file stays, as another copy may have it open already.
        if (::ftruncate(mNameFd, 0) != 0) {
            // Nothing to do: a name left behind is never trusted once its writer has gone.
        }
        ::close(mNameFd);
    }
    if (mFolderFd >= 0)
        ::close(mFolderFd);
}

bool FolderLock::tryLock()
{
    if (mFolderFd >= 0)
        return true;
    mRefusal = Refusal::None;
    mNotPlainFile.clear();
    const int folderFd = openFolder(mFolder);
    const auto refuse = [&](Refusal why) {
        if (folderFd >= 0)
            ::close(folderFd);
        mRefusal = why;
        return false;
    };
    if (folderFd < 0)
        return refuse(Refusal::CannotMake);
    step("opened");
    if (const Take t = takeExclusive(folderFd); t != Take::Taken)
        return refuse(t == Take::Held ? Refusal::HeldElsewhere : Refusal::CannotMake);
    step("locked");
    const int nameFd = openPlainFile(mPath, O_RDWR | O_CREAT, mNotPlainFile);
    if (nameFd < 0)
        return refuse(mNotPlainFile.isEmpty() ? Refusal::CannotMake : Refusal::NotPlainFile);
    // An earlier build locks the file alone: a copy of it holding the file
    // holds the folder all the same.
    if (const Take t = takeExclusive(nameFd); t != Take::Taken) {
        ::close(nameFd);
        return refuse(t == Take::Held ? Refusal::HeldElsewhere : Refusal::CannotMake);
    }
    const QByteArray name = nameOfThisProcess(mUse);
    if (::ftruncate(nameFd, 0) != 0 || ::pwrite(nameFd, name.constData(), size_t(name.size()), 0) != name.size()) {
        // The lock is held all the same; only the refusals of others name no one.
    }
    step("named");
    mFolderFd = folderFd;
    mNameFd = nameFd;
    return true;
}

bool FolderLock::heldElsewhere() const
{
    if (mFolderFd >= 0)
        return false;
    const int fd = openFolder(mFolder);
    if (fd < 0)
        return false; // no folder, no holder
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

LockHolder FolderLock::holder() const
{
    for (int waited = 0;; waited += kNamePollMs) {
        if (const std::optional<LockHolder> h = namedHolder(mPath))
            return *h;
        if (waited >= kNameWaitMs || !heldElsewhere())
            return {};
        ::usleep(kNamePollMs * 1000);
    }
}

QString FolderLock::message() const
{
    const QString tail = QStringLiteral("\n\nNothing has been opened here.");
    if (mRefusal == Refusal::CannotMake)
        return QStringLiteral("Dosset cannot open the data folder %1: it cannot make or lock its lock file there "
                              "(\"dosset.lock\"). Check that the folder exists and that you may change it.")
            .arg(mFolder);
    if (mRefusal == Refusal::NotPlainFile)
        return QStringLiteral("Dosset cannot open the data folder %1: \"dosset.lock\" there is a %2, not a plain "
                              "file. Remove it (or move it out of the folder, if it is yours) and start Dosset again.")
                   .arg(mFolder, mNotPlainFile)
            + tail;
    const LockHolder h = holder();
    if (h.update)
        return QStringLiteral("The data folder %1 is being brought up to date by dosset-setup --update (process %2). "
                              "Wait for it to finish, then start Dosset again.")
                   .arg(mFolder)
                   .arg(h.pid)
            + tail;
    QString who = QStringLiteral("another copy of Dosset");
    if (!h.host.isEmpty())
        who = QStringLiteral("a copy of Dosset on the computer \"%1\" (process %2)").arg(h.host).arg(h.pid);
    else if (h.pid > 0)
        who += QStringLiteral(" (process %1)").arg(h.pid);
    return QStringLiteral("The data folder %1 is already open in %2. Use that copy, or close it and start Dosset "
                          "again.")
               .arg(mFolder, who)
        + tail;
}

} // namespace common
