// One copy of the program per data folder: the lock a copy holds on the
// folder while it has it open, and who holds it, for the refusal of another.
#pragma once

#include <QString>

#include <functional>

namespace common {

// Who holds a data folder's lock, as far as it can be told: the process
// number only when the lock file names the live process that wrote it (0
// otherwise), and whether that is an update by dosset-setup.
struct LockHolder {
    qint64 pid = 0;
    bool update = false;
    QString host; // another computer sharing the folder; empty for this one
};

// Held while one copy of the program (or dosset-setup --update) has the
// folder open, so that any other copy started on it is told so and leaves it
// alone. The kernel's lock on the folder itself is the only test of who
// holds it: no file in it can be removed or replaced from under the lock,
// and the lock goes with its holder however that ends (a kill, a crash, a
// power cut), so a dead copy never blocks the next start. The file
// "dosset.lock" only names the holder in the refusal: written once the lock
// is taken, emptied when the holder quits, never removed. It is locked too,
// as earlier builds lock it alone, so that neither build goes ahead while a
// copy of the other holds the folder.
class FolderLock {
public:
    enum class Use { Program, Update };
    // Why tryLock refused: another copy holds the folder, the lock could not
    // be taken or its file made, or "dosset.lock" is no plain file (a named
    // pipe, say), which is never opened to wait on.
    enum class Refusal { None, HeldElsewhere, CannotMake, NotPlainFile };

    explicit FolderLock(const QString& folder, Use use = Use::Program);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when the folder cannot be had; refusal() says why and message()
    // says it to the clerk.
    bool tryLock();
    // True when another copy holds the folder: asked before the folder is
    // checked, it makes no file, so a folder that cannot be used is left
    // without one.
    bool heldElsewhere() const;
    // The holder named by the lock file, when it holds the lock still.
    LockHolder holder() const;
    Refusal refusal() const { return mRefusal; }
    // What stands at "dosset.lock" when tryLock refused it as no plain file:
    // "named pipe", "socket", "device", "folder" or "link".
    QString notPlainFile() const { return mNotPlainFile; }
    // The refusal of the program, in the clerk's words: for what tryLock
    // met, or, before it is tried, for a folder held elsewhere.
    QString message() const;

    // For tests: called with "opened" (the folder), "locked" (the folder)
    // and "named" (the holder's name written) as tryLock reaches each step
    // of taking the lock, so that a test can stall or kill a copy there.
    static void setStepHook(std::function<void(const char* step)> hook);

private:
    QString mFolder;
    QString mPath;
    Use mUse;
    int mFolderFd = -1;
    int mNameFd = -1;
    Refusal mRefusal = Refusal::None;
    QString mNotPlainFile;
};

} // namespace common
