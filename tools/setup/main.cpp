// dosset-setup: makes a data folder, or brings an older one up to date.
#include "setup/demo_office.h"

#include "common/data_folder.h"
#include "common/folder_lock.h"
#include "common/schema.h"
#include "common/templates.h"
#include "platform/data/database.h"
#include "platform/vb/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTextStream>

#include <optional>
#include <sys/stat.h>

namespace {

QString newPassword()
{
    const QString letters = QStringLiteral("abcdefghjkmnpqrstuvwxyz23456789");
    QString p;
    for (int i = 0; i < 8; ++i)
        p += letters.at(QRandomGenerator::system()->bounded(letters.size()));
    return p;
}

enum class Made { AlreadyThere, Made, Failed };

// The folder where the forms save what they fill, made with the files.
Made makeOutputFolder(const QString& folder)
{
    const QString output = QDir(folder).filePath(QStringLiteral("output"));
    if (QFileInfo::exists(output))
        return Made::AlreadyThere;
    if (!QDir().mkpath(output))
        return Made::Failed;
    QFile::setPermissions(output, common::kOwnerOnlyFolder);
    return Made::Made;
}

bool passwordIsSound(const QString& password, QTextStream& err)
{
    // The login trims what is typed; a stored blank at either end could never match.
    if (password.isEmpty() || password.trimmed() != password) {
        err << "dosset-setup: the password must not be empty, nor begin or end with a blank.\n";
        return false;
    }
    return true;
}

// The stored password of a folder, trimmed; empty when it has none.
QString storedPassword(const QString& folder)
{
    data::setDataFolder(folder);
    data::Database& fund = data::Database::open(QLatin1String(common::kFundDb));
    QSqlQuery q(fund.sql());
    QString stored;
    if (q.exec(QStringLiteral("SELECT pas FROM protect")) && q.next())
        stored = q.value(0).toString().trimmed();
    q.finish();
    return stored;
}

void setPassword(const QString& folder, const QString& password)
{
    data::setDataFolder(folder);
    data::Database& fund = data::Database::open(QLatin1String(common::kFundDb));
    data::Transaction t(fund);
    fund.execute(QStringLiteral("DELETE FROM protect"));
    fund.execute(QStringLiteral("INSERT INTO protect (pas) VALUES (?)"), {password});
    t.commit();
}

// Said when the folder's lock stops --update: another copy holds it (the
// program, or another --update), its lock file cannot be made, or what
// stands under the lock file's name is no plain file.
QString lockRefusal(const common::FolderLock& lock, const QString& folder)
{
    if (lock.refusal() == common::FolderLock::Refusal::CannotMake)
        return QStringLiteral("the lock file \"dosset.lock\" cannot be made in the data folder %1; nothing has been "
                              "changed.\nCheck that you may change the folder.")
            .arg(folder);
    if (lock.refusal() == common::FolderLock::Refusal::NotPlainFile)
        return QStringLiteral("the lock file \"dosset.lock\" in the data folder %1 is a %2, not a plain file; "
                              "nothing has been changed.\nRemove it (or move it out of the folder, if it is yours) and run --update again.")
            .arg(folder, lock.notPlainFile());
    const common::LockHolder h = lock.holder();
    if (h.update)
        return QStringLiteral("an update of the data folder %1 is running already (dosset-setup, process %2); "
                              "nothing has been changed.\nWait for it to finish.")
            .arg(folder)
            .arg(h.pid);
    QString copy = QStringLiteral("a running copy of Dosset");
    if (!h.host.isEmpty())
        copy += QStringLiteral(" on the computer \"%1\" (process %2)").arg(h.host).arg(h.pid);
    else if (h.pid > 0)
        copy += QStringLiteral(" (process %1)").arg(h.pid);
    return QStringLiteral("the data folder %1 is open in %2; nothing has been changed.\nClose that copy and run "
                          "--update again.")
        .arg(folder, copy);
}

// One line for a template kept as it is, with what it lacks of the current
// one and whether the program fills it (a command refuses one that lacks a
// line or cannot be read, as common::templateFault says).
QString keptLine(const common::TemplateUpdate& t)
{
    QString why;
    if (!t.readable)
        why = QStringLiteral("it is no version this program shipped and cannot be read as a %1, so the program "
                             "fills nothing into it")
                  .arg(t.name.endsWith(QLatin1String(".docx"), Qt::CaseInsensitive) ? QStringLiteral("document")
                                                                                      : QStringLiteral("workbook"));
    else if (!t.lacks.isEmpty())
        why = QStringLiteral("it is no version this program shipped, so it may hold changes made in the folder; it "
                             "lacks what the current one holds: %1, so the program fills nothing into it")
                  .arg(t.lacks);
    else
        why = QStringLiteral("it is no version this program shipped, so it may hold changes made in the folder; the "
                             "program still fills it as it is");
    return QStringLiteral("kept the template \"%1\": %2; to have the current one, move it out of the folder and run "
                          "--update again")
        .arg(t.name, why);
}

// One line for a file under the name earlier versions wrote a template
// through, which may be the clerk's and so is never removed: named, so that
// he can remove it if it is none of his.
QString keptCopyLine(const common::TemplateUpdate& t)
{
    return QStringLiteral("kept \"%1\": earlier versions of this program wrote \"%2\" through a file so named, but "
                          "this one may be yours; the program does not use it: remove it if you do not need it")
        .arg(t.name, t.of);
}

int update(const QString& folder, const std::optional<QString>& password, QTextStream& out, QTextStream& err)
{
    // Nothing is changed under a running copy: it holds the files' rows and
    // the templates it fills. The lock is only read until the folder is
    // known fit, so that a folder refused is left without a lock file; once
    // taken it is held until the last file is written.
    common::FolderLock lock(folder, common::FolderLock::Use::Update);
    if (lock.heldElsewhere()) {
        err << "dosset-setup: " << lockRefusal(lock, folder) << "\n";
        return 1;
    }
    // Adding what it lacks would make a half-made folder look whole.
    if (common::isHalfMade(folder)) {
        err << "dosset-setup: " << common::checkDataFolder(folder).text << "\n";
        return 1;
    }
    if (!common::isDataFolder(folder)) {
        const common::FolderProblem p = common::checkDataFolder(folder);
        err << "dosset-setup: " << (p.ok() ? QStringLiteral("%1 is not a data folder.").arg(folder) : p.text)
            << "\n";
        return 1;
    }
    // Only what an older version lacks is mended here; any other fault stops
    // before a file is touched.
    for (const common::FileCheck& c : common::checkDataFiles(folder)) {
        if (c.fault != common::FileFault::None && c.fault != common::FileFault::Older) {
            const common::FolderProblem p = common::checkDataFolder(folder);
            err << "dosset-setup: " << p.text << "\n" << p.details << "\n";
            return 1;
        }
    }
    if (!lock.tryLock()) {
        err << "dosset-setup: " << lockRefusal(lock, folder) << "\n";
        return 1;
    }
    try {
        if (password && !storedPassword(folder).isEmpty()) {
            err << "dosset-setup: the data folder " << folder << " has a password already; "
                   "--password with --update only sets one where there is none.\n";
            return 1;
        }
    } catch (const vb::Error& e) {
        err << "dosset-setup: " << e.description << "\n";
        return 1;
    }
    data::Database::closeAll();
    QStringList report;
    const QDir dir(folder);
    for (const char* file : {common::kFundDb, common::kSalaryDb}) {
        const QString name = QLatin1String(file);
        try {
            const QStringList added = common::upgradeDatabase(
                dir.filePath(name), file == common::kFundDb ? common::fundSchema() : common::salarySchema());
            for (const QString& a : added)
                report << QStringLiteral("\"%1\": added %2").arg(name, a);
        } catch (const vb::Error& e) {
            for (const QString& r : report)
                out << r << "\n";
            err << "dosset-setup: \"" << name << "\" could not be brought up to date; nothing of it was changed.\n"
                << e.description << "\n";
            return 1;
        }
    }
    // Said among what was done, so that a folder that gained it is never
    // called unchanged, nor one that still lacks it up to date.
    switch (makeOutputFolder(folder)) {
    case Made::AlreadyThere: break;
    case Made::Made: report << QStringLiteral("made the folder \"output\""); break;
    case Made::Failed:
        for (const QString& r : report)
            out << r << "\n";
        err << "dosset-setup: the folder \"output\" could not be made in " << folder << ".\n";
        return 1;
    }
    // A template the clerk may have changed is never written over: it is
    // named after the rest of the report, with the way to the current one;
    // so is a file that may be his under the name of an unfinished copy.
    QStringList kept, keptCopies;
    try {
        for (const common::TemplateUpdate& t : common::updateTemplates(folder)) {
            if (t.change == common::TemplateUpdate::Added)
                report << QStringLiteral("added the template \"%1\"").arg(t.name);
            else if (t.change == common::TemplateUpdate::Replaced)
                report << QStringLiteral("replaced the older template \"%1\" with the current one").arg(t.name);
            else if (t.change == common::TemplateUpdate::Cleared)
                report << QStringLiteral("removed \"%1\", a copy left unfinished by a run of dosset-setup that "
                                         "was stopped")
                              .arg(t.name);
            else if (t.change == common::TemplateUpdate::KeptCopy)
                keptCopies << keptCopyLine(t);
            else
                kept << keptLine(t);
        }
    } catch (const vb::Error& e) {
        for (const QString& r : report)
            out << r << "\n";
        err << "dosset-setup: " << e.description << "\n";
        return 1;
    }
    if (password) {
        try {
            setPassword(folder, *password);
            data::Database::closeAll();
        } catch (const vb::Error& e) {
            err << "dosset-setup: the password could not be set: " << e.description << "\n";
            return 1;
        }
    }
    // A kept template is not the current one: the folder is not called up to
    // date. The password is a row the run changed.
    const QString rows = password ? QStringLiteral("the password is set; no other row was changed.")
                                  : QStringLiteral("no row was changed.");
    if (!kept.isEmpty())
        out << "The data folder " << folder << " is not wholly up to date: the templates kept below are not the "
            << "current ones; " << (report.isEmpty() && !password ? QStringLiteral("nothing was changed.") : rows)
            << "\n";
    else if (!report.isEmpty() || password)
        out << "The data folder " << folder << " is brought up to date; " << rows << "\n";
    else
        out << "The data folder " << folder << " is up to date: nothing needed adding.\n";
    for (const QString& r : report + kept + keptCopies)
        out << r << "\n";
    if (password)
        out << "Password: " << *password << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Whatever this makes in the folder is its owner's alone.
    umask(077);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    QStringList args = app.arguments().mid(1);
    const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
    const bool upgrade = args.removeAll(QStringLiteral("--update")) > 0;
    QString password;
    bool passwordGiven = false;
    const int pw = args.indexOf(QStringLiteral("--password"));
    if (pw >= 0 && pw + 1 < args.size()) {
        password = args.at(pw + 1);
        passwordGiven = true;
        args.remove(pw, 2);
    }
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-')) || (upgrade && demo)) {
        err << "usage: dosset-setup DIR [--demo] [--password PASSWORD]\n"
               "       dosset-setup DIR --update [--password PASSWORD]\n"
               "Makes a data folder with both database files, the office particulars, the\n"
               "D.A. order and the workbook and document templates; --demo adds a small\n"
               "office (heads, employees, ledgers, allotments). --update adds to an existing\n"
               "folder the tables, columns, indexes and templates it lacks, changing no row,\n"
               "and replaces a template of an earlier version that nobody has changed;\n"
               "it changes nothing while dosset has the folder open;\n"
               "with --password it sets the password of a folder that has none.\n";
        return 2;
    }
    const QString folder = QDir(args.first()).absolutePath();
    if (passwordGiven && !passwordIsSound(password, err))
        return 2;
    if (const QString file = common::fileOnPath(folder); !file.isEmpty()) {
        // A folder can neither be made nor found where a file stands.
        err << "dosset-setup: "
            << (file == QDir::cleanPath(folder) ? QStringLiteral("%1 is a file, not a folder").arg(folder)
                               : QStringLiteral("%1 cannot be a folder: %2 on its path is a file").arg(folder, file))
            << "; nothing has been changed.\n"
            << (upgrade ? "Give --update the path of your data folder.\n"
                        : "Give the path of a new folder: one that does not exist yet, or an empty one.\n");
        return 1;
    }
    if (upgrade)
        return update(folder, passwordGiven ? std::optional<QString>(password) : std::nullopt, out, err);
    if (!passwordGiven)
        password = demo ? QStringLiteral("dosset") : newPassword();
    try {
        common::beginSetup(folder);
        common::createDatabases(folder);
        makeOutputFolder(folder);
        common::installTemplates(folder, false);
        data::setDataFolder(folder);
        setup::writeStartingRows(password);
        if (demo)
            setup::writeDemoOffice();
        data::Database::closeAll();
        common::finishSetup(folder);
    } catch (const vb::Error& e) {
        err << "dosset-setup: " << e.description << "\n";
        return 1;
    }
    out << "Data folder made: " << folder << "\n";
    if (demo)
        out << "A demo office is in it.\n";
    out << "Password: " << password << "\n";
    return 0;
}
