#include "common/data_folder.h"
#include "common/folder_lock.h"
#include "common/schema.h"
#include "common/templates.h"
#include "platform/data/database.h"
#include "platform/office/package.h"
#include "support/folder_digest.h"
#include "support/template_edits.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace common;
using testsupport::fileDigests;
using testsupport::runSql;

namespace {
// The folder check as another user sees it: root reads every file, so a
// test run as root asks a child process without root's rights.
FolderProblem checkAsOtherUser(const QString& folder)
{
    int fds[2];
    if (geteuid() != 0 || pipe(fds) != 0)
        return checkDataFolder(folder);
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
        const QByteArray text = dropped ? checkDataFolder(folder).text.toUtf8() : QByteArray();
        _exit(write(fds[1], text.constData(), size_t(text.size())) == text.size() ? 0 : 1);
    }
    close(fds[1]);
    QFile pipeEnd;
    pipeEnd.open(fds[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray text = pipeEnd.readAll();
    waitpid(child, nullptr, 0);
    return {QString::fromUtf8(text), QString()};
}

void makeDemoFolder(const QString& path) { ASSERT_EQ(testsupport::runTool("dosset-setup", {path, "--demo"}).code, 0); }

void overwrite(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

} // namespace

TEST(DataFolderCheck, EachFaultOrUseElsewhereHasItsOwnMessageAndChangesNoFile)
{
    struct Case {
        const char* name;
        std::function<void(const QString& dir)> spoil;
        QString line;   // what is wrong, with the file's name
        QString advice; // the one way to mend it
        QString detail; // the engine's words, kept for Show Details
    };
    const QString fund = QLatin1String(kFundDb), salary = QLatin1String(kSalaryDb);
    const QString newFolder = "make a new data folder there with:\n    dosset-setup \"%1\"";
    const QString backup = "Put back the file from your backup copy of the folder.";
    const QString admin = "Ask whoever looks after this computer";
    auto at = [](const QString& dir, const QString& file) { return QDir(dir).filePath(file); };
    const QList<Case> cases = {
        {"no files", [&](const QString& d) { QFile::remove(at(d, fund)); QFile::remove(at(d, salary)); },
         "It holds no Dosset data files (\"fund.mdb\" and \"salary master.mdb\").", newFolder, "no such file"},
        {"no folder", [&](const QString& d) { QDir(d).removeRecursively(); }, "There is no such folder.", newFolder, "no such file"},
        // Its files are hidden, not missing: a new folder is no mend.
        {"folder shut", [&](const QString& d) { QFile::setPermissions(d, QFileDevice::Permissions()); },
         "\"salary master.mdb\" cannot be read or changed by you", admin, QString()},
        {"one file missing", [&](const QString& d) { QFile::remove(at(d, salary)); },
         "\"salary master.mdb\" is not in it.", backup, "no such file"},
        // Another user may enter the folder but not read the file.
        {"unreadable", [&](const QString& d) { QFile::setPermissions(d, QFileDevice::Permissions(0x7755));
             QFile::setPermissions(at(d, fund), QFileDevice::Permissions()); },
         "\"fund.mdb\" cannot be read or changed by you", admin, QString()},
        {"garbage", [&](const QString& d) { overwrite(at(d, fund), QByteArray(8192, 'x')); },
         "\"fund.mdb\" is not a Dosset data file.", backup, "file is not a database"},
        {"truncated", [&](const QString& d) { QFile::resize(at(d, salary), QFileInfo(at(d, salary)).size() / 2 - 100); },
         "\"salary master.mdb\" is damaged.", backup, "salary master.mdb: "},
        {"zero bytes", [&](const QString& d) { overwrite(at(d, fund), QByteArray()); },
         "\"fund.mdb\" is empty (0 bytes): it holds no data.", backup, "is empty (0 bytes)"},
        // Each file is known by what it holds, never by its name.
        {"swapped", [&](const QString& d) {
             QDir(d).rename(fund, "x"); QDir(d).rename(salary, fund); QDir(d).rename("x", salary); },
         "\"fund.mdb\" holds the tables of \"salary master.mdb\": the two files may have been swapped or renamed.\n"
         "\"salary master.mdb\" holds the tables of \"fund.mdb\": the two files may have been swapped or renamed.",
         "with Dosset closed, rename \"fund.mdb\" to \"swap.mdb\", then \"salary master.mdb\" to \"fund.mdb\", then "
         "\"swap.mdb\" to \"salary master.mdb\".", "fund.mdb: holds the tables employee, salary, da_table of salary master.mdb"},
        {"copied over", [&](const QString& d) { QFile::remove(at(d, fund)); QFile::copy(at(d, salary), at(d, fund)); },
         "\"fund.mdb\" holds the tables of \"salary master.mdb\"", backup, "holds the tables employee"},
        {"foreign fund", [&](const QString& d) { QFile::remove(at(d, fund));
             runSql(at(d, fund), {"CREATE TABLE head (id INTEGER, title TEXT)", "CREATE TABLE orders (total REAL)"}); },
         "\"fund.mdb\" is not a Dosset data file.", backup, "fund.mdb: holds neither head, all_allot, all_exp nor"},
        // Tables that share the salary file's commonest names, not its columns.
        {"foreign salary", [&](const QString& d) { QFile::remove(at(d, salary));
             runSql(at(d, salary), {"PRAGMA journal_mode=WAL", "CREATE TABLE employee (id INTEGER, name TEXT, emp_code TEXT)",
                                    "CREATE TABLE salary (name TEXT, pay REAL)", "INSERT INTO salary VALUES ('A', 1)"}); },
         "\"salary master.mdb\" is not a Dosset data file.", backup, "salary master.mdb: holds neither"},
        {"one unrelated table", [&](const QString& d) { QFile::remove(at(d, fund)); runSql(at(d, fund), {"CREATE TABLE notes (t)"}); },
         "\"fund.mdb\" is not a Dosset data file.", backup, "holds neither"},
        // No folder can be there, so no setup of that path is offered.
        {"path is a file", [&](const QString& d) { QDir(d).removeRecursively(); overwrite(d, "notes"); },
         "is a file, not a folder", "Start Dosset with the path of your data folder:\n    dosset --data-folder \"FOLDER\"\n"
         "or make a new data folder at a path where no file stands with:\n    dosset-setup \"FOLDER\"", "not a folder: "},
        // A column is enough: a folder with every table may still be older.
        {"older", [&](const QString& d) { runSql(at(d, salary), {"ALTER TABLE festi_adv DROP COLUMN inst_no"}); },
         "\"salary master.mdb\" was made by an older version of Dosset.",
         "Bring the folder up to date, keeping every row, with:\n    dosset-setup \"%1\" --update",
         "salary master.mdb: lacks column festi_adv.inst_no"},
    };
    const QStringList byOtherUser = {QStringLiteral("unreadable"), QStringLiteral("folder shut")};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        makeDemoFolder(dir.path());
        c.spoil(dir.path());
        const auto before = fileDigests(dir.path());
        const FolderProblem p = byOtherUser.contains(QLatin1String(c.name)) ? checkAsOtherUser(dir.path())
                                                                           : checkDataFolder(dir.path());
        EXPECT_EQ(fileDigests(dir.path()), before);
        // Each message names the folder, the fault and its one mend, keeps the engine's words for Show Details,
        // says nothing was changed, and never offers a folder that holds data a new demo office.
        const QString advice = c.advice.contains(QLatin1String("%1")) ? c.advice.arg(dir.path()) : c.advice;
        EXPECT_TRUE(p.text.startsWith(QStringLiteral("Dosset cannot open the data folder %1.\n\n").arg(dir.path()))
                    && p.text.contains(c.line) && p.text.contains(advice) && p.details.contains(c.detail)
                    && p.text.endsWith(QLatin1String(" has been changed.")) && !p.text.contains(QLatin1String("--demo")))
            << p.text.toStdString() << "\n" << p.details.toStdString();
        // Nor is anything but an older folder ever "updated".
        if (!byOtherUser.contains(QLatin1String(c.name)) && QLatin1String(c.name) != QLatin1String("older")) {
            const testsupport::ToolRun update = testsupport::runTool("dosset-setup", {dir.path(), "--update"});
            EXPECT_TRUE(update.code == 1 && update.err.contains(c.line)) << update.err.toStdString();
            EXPECT_EQ(fileDigests(dir.path()), before);
        }
        QFile::remove(dir.path());
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700));
    }

    // A file, or the folder, in use elsewhere is said to be so.
    QTemporaryDir dir;
    makeDemoFolder(dir.path());
    testsupport::withConnection(QDir(dir.path()).filePath(QLatin1String(kFundDb)), [&](QSqlDatabase& other) {
        SCOPED_TRACE("in use");
        ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        const auto before = fileDigests(dir.path());
        const FolderProblem p = checkDataFolder(dir.path());
        EXPECT_EQ(fileDigests(dir.path()), before);
        EXPECT_TRUE(p.text.contains(
            QLatin1String("\"fund.mdb\" is in use by another program or another copy of Dosset.\n\n"
                          "Close the other program or the other copy of Dosset, then start Dosset again.")))
            << p.text.toStdString();
        EXPECT_FALSE(p.text.contains(QLatin1String("salary master.mdb")));
    });
    EXPECT_TRUE(checkDataFolder(dir.path()).ok());

    // A second copy of Dosset is told the folder is open, by the process that holds it.
    {
        SCOPED_TRACE("locked");
        FolderLock first(dir.path());
        ASSERT_TRUE(first.tryLock());
        const auto before = fileDigests(dir.path());
        FolderLock second(dir.path());
        EXPECT_TRUE(second.heldElsewhere() && !second.tryLock());
        EXPECT_EQ(second.message(),
                  QStringLiteral("The data folder %1 is already open in another copy of Dosset (process %2). Use that "
                                 "copy, or close it and start Dosset again.\n\nNothing has been opened here.")
                      .arg(dir.path()).arg(QCoreApplication::applicationPid()));
        EXPECT_EQ(fileDigests(dir.path()), before);
    }
    FolderLock next(dir.path());
    EXPECT_TRUE(!next.heldElsewhere() && next.tryLock());
}

// Every template reaches a new folder as a zip, owner-only; with onlyMissing
// only what is missing is copied, never over a template the folder has.
TEST(Templates, InstalledWholeAndOnlyWhenMissingOnUpdate)
{
    QTemporaryDir dir;
    const QStringList names = common::templateNames();
    EXPECT_EQ(common::installTemplates(dir.path(), false), names);
    for (const QString& n : names) {
        QFile f(dir.filePath(n));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly) && f.read(2) == "PK"
                    && !(f.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther))) << n.toStdString();
    }

    // The clerk's own edit of one template is kept; a deleted one comes back.
    overwrite(dir.filePath(names.first()), "edited");
    const auto before = fileDigests(dir.path())[names.first()];
    QFile::remove(dir.filePath(names.last()));
    EXPECT_EQ(common::installTemplates(dir.path(), true), QStringList{names.last()});
    EXPECT_EQ(fileDigests(dir.path())[names.first()], before);
}

// A version is known by its parts, whatever zip holds them: each template's
// current version is the last the table knows (scripts/template-digests.sh
// worked it out from the history by the same rule), so the next change of
// the template finds it there; a part changed by one byte, or a file that is
// no zip, is no version at all.
TEST(Templates, KnownByTheirPartsTheCurrentVersionLastInTheTable)
{
    QTemporaryDir dir;
    installTemplates(dir.path(), false);
    const auto bytes = [&](const QString& name) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    for (const QString& n : templateNames())
        EXPECT_EQ(templateDigest(bytes(n)), shippedVersions(n).value(shippedVersions(n).size() - 1))
            << n.toStdString() << ": a changed template adds the line scripts/template-digests.sh prints for it";

    // Zipped again, [Content_Types].xml last: the same version.
    const QString name = QStringLiteral("pro_stt.xlsx");
    office::Package pkg = office::Package::load(dir.filePath(name), 1);
    const QByteArray types = pkg.part(QStringLiteral("[Content_Types].xml"));
    pkg.removePart(QStringLiteral("[Content_Types].xml"));
    pkg.setPart(QStringLiteral("[Content_Types].xml"), types);
    pkg.save(dir.filePath(QStringLiteral("again.xlsx")));
    EXPECT_NE(bytes(QStringLiteral("again.xlsx")), bytes(name));
    EXPECT_EQ(templateDigest(bytes(QStringLiteral("again.xlsx"))), templateDigest(bytes(name)));

    QByteArray sheet = pkg.part(QStringLiteral("xl/worksheets/sheet1.xml"));
    pkg.setPart(QStringLiteral("xl/worksheets/sheet1.xml"), sheet.replace("I9+I10", "I9-I10"));
    pkg.save(dir.filePath(QStringLiteral("changed.xlsx")));
    const QByteArray changed = templateDigest(bytes(QStringLiteral("changed.xlsx")));
    EXPECT_FALSE(changed.isEmpty() || shippedVersions(name).contains(changed));
    EXPECT_EQ(templateDigest("edited"), QByteArray());
}

// A command filling several templates is told of each it may not fill
// and of the way to the current ones: an earlier version, one changed that
// lacks what is written into it, and one that cannot be read as a workbook
// or document at all (no zip, or a zip that is no document), which the
// filling would fail on halfway. A current template, one changed but taking
// in all that is written into it and a missing one are no fault.
TEST(Templates, AFaultNamesEachTemplateThatMayNotBeFilledThenTheWayToTheCurrentOnes)
{
    QTemporaryDir dir;
    installTemplates(dir.path(), false);
    data::setDataFolder(dir.path());
    testsupport::takeOutTheOuterSheetsBonusLine(dir.filePath("outer_sheet.xlsx"));
    testsupport::setFormula(dir.filePath("pro_stt.xlsx"), "I15", "I9+I10-I11+I12+I13");
    overwrite(dir.filePath("B-statement.xlsx"), "edited");
    testsupport::editPart(dir.filePath("gpf_statement.xlsx"), "xl/sharedStrings.xml",
                          [](QByteArray& shared) { shared.replace("</sst>", "<si><t>Seen</t></si></sst>"); });
    QFile::remove(dir.filePath("anx.docx"));
    office::Package extract = office::Package::load(dir.filePath("bill extract.docx"), 1);
    extract.removePart("word/document.xml");
    QFile::remove(dir.filePath("bill extract.docx"));
    extract.save(dir.filePath("bill extract.docx"));

    EXPECT_EQ(templateFault({"D.A.schedule.docx", "outer_sheet.xlsx", "B-statement.xlsx", "pro_stt.xlsx",
                             "gpf_statement.xlsx", "anx.docx"},
                            "NOTHING WAS PRINTED."),
              QStringLiteral("THE WORKBOOK TEMPLATE \"outer_sheet.xlsx\" IN THE DATA FOLDER IS AN EARLIER VERSION, "
                             "WHICH THIS PROGRAM NO LONGER FILLS.\r\nTHE WORKBOOK TEMPLATE \"B-statement.xlsx\" IN "
                             "THE DATA FOLDER CANNOT BE READ AS A WORKBOOK, SO THIS PROGRAM CANNOT FILL IT.\r\nTHE "
                             "WORKBOOK TEMPLATE \"pro_stt.xlsx\" IN THE "
                             "DATA FOLDER WAS CHANGED THERE AND LACKS WHAT THIS PROGRAM WRITES INTO IT: THE GROSS "
                             "FORMULA OF I15 DOES NOT TAKE IN I14, \"Bonus, festival advance paid and other amounts\"."
                             "\r\nNOTHING WAS PRINTED.\r\nMove the changed ones out of the data folder, then bring the "
                             "current ones with:\r\n    dosset-setup \"%1\" --update").arg(dir.path()));
    EXPECT_EQ(templateFault({"bill extract.docx"}),
              QStringLiteral("THE DOCUMENT TEMPLATE \"bill extract.docx\" IN THE DATA FOLDER CANNOT BE READ AS A "
                             "DOCUMENT, SO THIS PROGRAM CANNOT FILL IT.\r\nNOTHING WAS FILLED.\r\nMove it out of the "
                             "data folder, then bring the current one with:\r\n    dosset-setup \"%1\" --update")
                  .arg(dir.path()));
    EXPECT_EQ(templateFault({"D.A.schedule.docx", "gpf_statement.xlsx", "anx.docx"}), QString());
    EXPECT_EQ(templateLacks(dir.path(), "gpf_statement.xlsx") + "|" + templateLacks(dir.path(), "outer_sheet.xlsx"),
              "|the gross formula of G16 does not take in G12, \"Bonus, festival advance paid and other amounts\"");
}
