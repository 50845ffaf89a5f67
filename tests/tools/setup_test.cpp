#include "common/data_folder.h"
#include "common/folder_lock.h"
#include "common/schema.h"
#include "common/templates.h"
#include "platform/data/database.h"
#include "platform/office/package.h"
#include "support/folder_digest.h"
#include "support/template_edits.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QSysInfo>
#include <QThread>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <utility>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::fileDigests;
using testsupport::rowDigests;
using testsupport::runSql;
using testsupport::ToolRun;
using testsupport::editPart;

namespace {

ToolRun setup(const QStringList& args) { return testsupport::runTool("dosset-setup", args); }

// rwx------ and rw-------, as Qt spells them for the owner (and for the
// running user, who is the owner).
const QFileDevice::Permissions kOwnerOnlyFolder(0x7700), kOwnerOnlyFile(0x6600);

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The program's refusal while --update (process `pid`) holds the folder.
QString refusedForTheUpdate(const QString& folder, qint64 pid)
{
    return QStringLiteral("The data folder %1 is being brought up to date by dosset-setup --update (process %2). "
                          "Wait for it to finish, then start Dosset again.\n\nNothing has been opened here.")
        .arg(folder)
        .arg(pid);
}

} // namespace

TEST(SetupTool, RefusesABlankEdgedOrEmptyPasswordAndMakesOwnerOnlyFiles)
{
    QTemporaryDir root;
    const QString folder = root.filePath("office");
    for (const char* bad : {"", " secret", "secret\t"}) {
        const ToolRun r = setup({folder, "--password", bad});
        EXPECT_EQ(QString::number(r.code) + r.err + QString::number(QFileInfo::exists(folder)),
                  "2dosset-setup: the password must not be empty, nor begin or end with a blank.\n0");
    }

    const ToolRun made = setup({folder, "--password", "in side"});
    EXPECT_TRUE(made.code == 0 && made.out.endsWith("Password: in side\n")) << made.err.toStdString();
    // The folders and files, and the engine's companions made while the program works, are the owner's only.
    data::Database::closeAll();
    data::setDataFolder(folder);
    data::Database::open(common::kFundDb).execute("UPDATE estt SET dist = dist");
    QList<QFileDevice::Permissions> got;
    for (const char* path : {"", "output", common::kFundDb, common::kSalaryDb, "fund.mdb-wal", "fund.mdb-shm"})
        got << QFileInfo(QDir(folder).filePath(path)).permissions();
    EXPECT_EQ(got, (QList<QFileDevice::Permissions>{kOwnerOnlyFolder, kOwnerOnlyFolder, kOwnerOnlyFile, kOwnerOnlyFile,
                                                    kOwnerOnlyFile, kOwnerOnlyFile}));
    data::Database::closeAll();
}

TEST(SetupTool, UpdateAddsWhatAFolderLacksKeepingEveryRowSetsOnlyAMissingPasswordAndLeavesWhatItCannotMend)
{
    QTemporaryDir root;
    const QString folder = root.filePath("office");
    ASSERT_EQ(setup({folder, "--demo"}).code, 0);
    const QString salary = QDir(folder).filePath(common::kSalaryDb);
    const QString fund = QDir(folder).filePath(common::kFundDb);
    // An earlier build's folder: a table, an index, and a column of tables with rows lacking.
    runSql(salary, {"DROP TABLE ginew", "DROP INDEX salary_month", "ALTER TABLE employee DROP COLUMN effect_date"});
    runSql(fund, {"ALTER TABLE all_exp DROP COLUMN deduction"});
    ASSERT_TRUE(testsupport::queryValue(salary, "SELECT count(*) FROM employee").toInt() == 20
                && testsupport::queryValue(fund, "SELECT count(*) FROM all_exp").toInt() > 0);
    const auto salaryRows = rowDigests(salary);
    const auto fundRows = rowDigests(fund);
    const QString lostTemplate = common::templateNames().first();
    QFile::remove(QDir(folder).filePath(lostTemplate));

    const ToolRun r = setup({folder, "--update"});
    EXPECT_EQ(QString::number(r.code) + r.err + r.out,
              QStringLiteral("0The data folder %1 is brought up to date; no row was changed.\n"
                             "\"fund.mdb\": added column all_exp.deduction\n"
                             "\"salary master.mdb\": added column employee.effect_date\n"
                             "\"salary master.mdb\": added table ginew\n"
                             "\"salary master.mdb\": added index salary_month\n"
                             "added the template \"%2\"\n").arg(folder, lostTemplate));
    // Every row kept, the added columns null in each.
    auto salaryAfter = rowDigests(salary);
    salaryAfter.remove("ginew");
    EXPECT_EQ(salaryAfter, salaryRows);
    EXPECT_EQ(rowDigests(fund), fundRows);
    // The added column keeps its kind: text compared without case, as the schema makes it.
    EXPECT_EQ(testsupport::queryValue(salary, QStringLiteral("SELECT type FROM pragma_table_info('employee') "
                                                             "WHERE name = 'effect_date'")).toString(), "DATE");

    auto files = fileDigests(folder);
    const ToolRun again = setup({folder, "--update"});
    EXPECT_EQ(again.out, QStringLiteral("The data folder %1 is up to date: nothing needed adding.\n").arg(folder));
    EXPECT_EQ(fileDigests(folder), files);

    // A password is set only where the folder has none.
    const ToolRun refused = setup({folder, "--update", "--password", "x1"});
    EXPECT_TRUE(refused.code == 1 && refused.err.contains("has a password already")) << refused.err.toStdString();
    EXPECT_EQ(fileDigests(folder), files);
    runSql(fund, {"UPDATE protect SET pas = NULL"});
    const ToolRun set = setup({folder, "--update", "--password", "x1"});
    EXPECT_EQ(QString::number(set.code) + set.err + set.out,
              QStringLiteral("0The data folder %1 is brought up to date; the password is set; no other row was "
                             "changed.\nPassword: x1\n").arg(folder));
    EXPECT_EQ(testsupport::queryValue(fund, "SELECT group_concat(pas, '|') FROM protect").toString(), "x1");

    // What it cannot mend it leaves as it was. No data folder at all: nothing is made.
    const QString empty = root.filePath("empty");
    QDir().mkpath(empty);
    const ToolRun none = setup({empty, "--update"});
    EXPECT_TRUE(none.code == 1 && none.err.contains(QStringLiteral("dosset-setup \"%1\"\n").arg(empty)))
        << none.err.toStdString();
    EXPECT_TRUE(QDir(empty).isEmpty());

    // A path that is a file, or passes through one: no folder is there or can be made.
    const QString file = root.filePath("notes");
    QFile(file).open(QIODevice::WriteOnly);
    const QString make = "dosset-setup: %1; nothing has been changed.\nGive the path of a new folder: one that does not "
                         "exist yet, or an empty one.\n";
    const QString fileUpdate = "dosset-setup: %1; nothing has been changed.\nGive --update the path of your data folder.\n";
    EXPECT_EQ(setup({file}).err, make.arg(file + " is a file, not a folder"));
    EXPECT_EQ(setup({file + "/office", "--update"}).err,
              fileUpdate.arg(file + "/office cannot be a folder: " + file + " on its path is a file"));
    EXPECT_EQ(QFileInfo(file).size(), 0);

    // Two employees of one code: the unique index cannot be made again, so
    // the table added before it goes back too.
    runSql(salary, {"DROP INDEX employee_ec", "DROP TABLE ginew",
                    "INSERT INTO employee (emp_code, name) SELECT emp_code, 'TWIN' FROM employee LIMIT 1"});
    files = fileDigests(folder);
    const ToolRun twins = setup({folder, "--update"});
    EXPECT_TRUE(twins.code == 1 && twins.err.startsWith("dosset-setup: \"salary master.mdb\" could not be brought up to date; nothing of "
                                     "it was changed.\n")) << twins.err.toStdString();
    EXPECT_EQ(fileDigests(folder), files);
    EXPECT_EQ(common::checkDataFiles(folder).at(1).technical, "lacks table ginew, index employee_ec");

    // A damaged file stops it before the other, older, file is touched.
    runSql(fund, {"DROP TABLE estt"});
    QFile garbage(salary);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(4096, 'z')) == 4096);
    garbage.close();
    files = fileDigests(folder);
    const ToolRun damaged = setup({folder, "--update"});
    EXPECT_TRUE(damaged.code == 1 && damaged.err.contains("\"salary master.mdb\" is not a Dosset data file.")
                && !damaged.err.contains("--update")) << damaged.err.toStdString();
    EXPECT_EQ(fileDigests(folder), files);
}

// A folder made before the bonus line has the outer sheet and the pro
// statement of the version before: --update writes the current ones over
// them, each through a hidden name of the program's own. A template the
// clerk changed is no version shipped: it is kept, named with what it lacks
// of the current one or with its being unreadable, and comes new once moved
// aside; while one is kept, the folder is not called up to date. Beside a
// template, only what a stopped run surely left goes: a file of the hidden
// name, and, under the name earlier versions wrote through, an empty file
// or a zip cut short. The clerk's files under that name stay, named.
TEST(SetupTool, UpdateReplacesATemplateOfAnEarlierVersionAndKeepsOneChangedInTheFolderSayingWhatItLacks)
{
    QTemporaryDir root;
    const QString folder = root.filePath("office");
    ASSERT_EQ(setup({folder}).code, 0);
    const QDir dir(folder);
    const auto current = fileDigests(folder);
    testsupport::takeOutTheOuterSheetsBonusLine(dir.filePath("outer_sheet.xlsx"));
    testsupport::takeOutTheProStatementsBonusLine(dir.filePath("pro_stt.xlsx"));
    // Each is now the version before the bonus line, as the history holds it:
    // the third from the last, the signed figures having come after the line.
    for (const char* name : {"outer_sheet.xlsx", "pro_stt.xlsx"}) {
        const QByteArrayList known = common::shippedVersions(name);
        EXPECT_EQ(common::templateDigest(bytesOf(dir.filePath(name))), known.value(known.size() - 3)) << name;
    }
    editPart(dir.filePath("B-statement.xlsx"), "xl/sharedStrings.xml",
             [](QByteArray& shared) { shared.replace("</sst>", "<si><t>Checked by the head clerk</t></si></sst>"); });
    // A zip, but no document: the program could not fill it.
    office::Package anx = office::Package::load(dir.filePath("anx.docx"), 1);
    anx.removePart("word/document.xml");
    ASSERT_TRUE(QFile::remove(dir.filePath("anx.docx")));
    anx.save(dir.filePath("anx.docx"));

    const QByteArray statement = bytesOf(dir.filePath("B-statement.xlsx"));
    // The clerk's files under the name earlier versions wrote a template
    // through ("<name>." and six letters or digits): a note that begins as a
    // zip does, a note, his copy of the outer sheet before the bonus line
    // (which could never be had again), and of the current provident-fund
    // statement.
    const QList<std::pair<QString, QByteArray>> clerks = {
        {"outer_sheet.xlsx.remark", "PK: the pay keeper checked the bonus line on 7 December.\n"},
        {"pro_stt.xlsx.notes1", "Row 14 is the bonus line.\n"},
        {"outer_sheet.xlsx.backup", bytesOf(dir.filePath("outer_sheet.xlsx"))},
        {"gpf_statement.xlsx.Qw3eR7", bytesOf(dir.filePath("gpf_statement.xlsx"))},
    };
    // Names of no such copy, never looked at; then what stopped runs left:
    // an empty copy, a zip cut short, and a file of the program's hidden name.
    const QStringList others = {"B-statement.xlsx.zJhNW", "B-statement.xlsx.zJhNWzz", "pro_stt.xlsx.ab-def",
                                "notes.txt.abcdef"};
    QList<std::pair<QString, QByteArray>> files = clerks;
    for (const QString& name : others)
        files.append({name, "PK"});
    files << std::pair{QString("pro_stt.xlsx.Ab12cD"), QByteArray()}
          << std::pair{QString("B-statement.xlsx.zJhNWz"), statement.left(statement.size() / 2)}
          << std::pair{QString(".gpf_statement.xlsx.dosset-writing-x7Yz9Q"), statement.left(100)};
    for (const auto& [name, bytes] : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) << name.toStdString();
    }
    const auto before = fileDigests(folder);

    const QString keptStatement = "kept the template \"B-statement.xlsx\": it is no version this program shipped, so "
                                  "it may hold changes made in the folder; the program still fills it as it is; to "
                                  "have the current one, move it out of the folder and run --update again\n";
    const QString keptAnx = "kept the template \"anx.docx\": it is no version this program shipped and cannot be read "
                            "as a document, so the program fills nothing into it; to have the current one, move it "
                            "out of the folder and run --update again\n";
    QString copies;
    for (const auto& [name, of] : {std::pair{"gpf_statement.xlsx.Qw3eR7", "gpf_statement.xlsx"},
                                   std::pair{"outer_sheet.xlsx.backup", "outer_sheet.xlsx"},
                                   std::pair{"outer_sheet.xlsx.remark", "outer_sheet.xlsx"},
                                   std::pair{"pro_stt.xlsx.notes1", "pro_stt.xlsx"}})
        copies += QStringLiteral("kept \"%1\": earlier versions of this program wrote \"%2\" through a file so named, "
                                 "but this one may be yours; the program does not use it: remove it if you do not "
                                 "need it\n").arg(QLatin1String(name), QLatin1String(of));
    const QString notWhole = "The data folder %1 is not wholly up to date: the templates kept below are not the "
                             "current ones; %2\n";
    const QString removed = "removed \"%1\", a copy left unfinished by a run of dosset-setup that was stopped\n";
    ToolRun r;
    const QStringList made = testsupport::namesMadeWhile(folder, [&] { r = setup({folder, "--update"}); });
    EXPECT_EQ(QString::number(r.code) + r.err + r.out,
              notWhole.arg(folder, "no row was changed.").prepend("0") + removed.arg("B-statement.xlsx.zJhNWz")
                  + removed.arg(".gpf_statement.xlsx.dosset-writing-x7Yz9Q")
                  + "replaced the older template \"outer_sheet.xlsx\" with the current one\n"
                  + removed.arg("pro_stt.xlsx.Ab12cD")
                  + "replaced the older template \"pro_stt.xlsx\" with the current one\n" + keptStatement + keptAnx
                  + copies);
    // Each was written under the hidden name, never under one a clerk might give a file.
    QStringList written;
    for (const QString& name : made)
        for (const QString& t : common::templateNames())
            if (name.startsWith(t) || name.startsWith("." + t))
                written << QString(name).replace(QRegularExpression("-[A-Za-z0-9]{6}$"), "-XXXXXX");
    EXPECT_EQ(written, (QStringList{".outer_sheet.xlsx.dosset-writing-XXXXXX", ".pro_stt.xlsx.dosset-writing-XXXXXX"}));
    // The two are the current ones byte for byte and their owner's only; the
    // three leftovers are gone; the clerk's files are as they were.
    auto after = fileDigests(folder);
    auto expected = before;
    for (const char* name : {"pro_stt.xlsx.Ab12cD", "B-statement.xlsx.zJhNWz", ".gpf_statement.xlsx.dosset-writing-x7Yz9Q"})
        expected.remove(name);
    for (const char* name : {"outer_sheet.xlsx", "pro_stt.xlsx"}) {
        expected[name] = current[name];
        EXPECT_EQ(QFileInfo(dir.filePath(name)).permissions(), kOwnerOnlyFile) << name;
    }
    // The lock file stays, naming no one.
    expected.insert("dosset.lock", QCryptographicHash::hash({}, QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(after, expected);
    for (const auto& [name, bytes] : clerks)
        EXPECT_EQ(bytesOf(dir.filePath(name)), bytes) << name.toStdString();

    // Nothing to do but the output folder, lost since: made, and said so.
    ASSERT_TRUE(QDir(dir.filePath("output")).removeRecursively());
    const ToolRun again = setup({folder, "--update"});
    EXPECT_EQ(again.out, notWhole.arg(folder, "no row was changed.") + "made the folder \"output\"\n" + keptStatement
                             + keptAnx + copies);
    EXPECT_EQ(fileDigests(folder), after);
    EXPECT_EQ(QFileInfo(dir.filePath("output")).permissions(), kOwnerOnlyFolder);

    // An outer sheet changed by hand, its gross formula left as it was before
    // the bonus line: kept, with what it lacks.
    testsupport::setFormula(dir.filePath("outer_sheet.xlsx"), "G16", "G6-G7+G8+G10+G11+G14");
    const ToolRun edited = setup({folder, "--update"});
    EXPECT_EQ(edited.out, notWhole.arg(folder, "nothing was changed.") + keptStatement + keptAnx
                              + "kept the template \"outer_sheet.xlsx\": it is no version this program shipped, so "
                                "it may hold changes made in the folder; it lacks what the current one holds: the "
                                "gross formula of G16 does not take in G12, \"Bonus, festival advance paid and other "
                                "amounts\", so the program fills nothing into it; to have the current one, move it out "
                                "of the folder and run --update again\n" + copies);

    for (const char* name : {"B-statement.xlsx", "anx.docx", "outer_sheet.xlsx"})
        ASSERT_TRUE(QFile::rename(dir.filePath(name), root.filePath(name)));
    const ToolRun moved = setup({folder, "--update"});
    EXPECT_EQ(moved.out, QStringLiteral("The data folder %1 is brought up to date; no row was changed.\n"
                                        "added the template \"B-statement.xlsx\"\n"
                                        "added the template \"anx.docx\"\n"
                                        "added the template \"outer_sheet.xlsx\"\n").arg(folder) + copies);
    auto whole = current;
    for (const auto& [name, bytes] : clerks)
        whole.insert(name, expected.value(name));
    for (const QString& name : others + QStringList{"dosset.lock"})
        whole.insert(name, expected.value(name));
    EXPECT_EQ(fileDigests(folder), whole);
}

// A running copy holds the folder: --update changes nothing under it, and
// runs once it has gone, even though the name it left in the lock file is
// now a live stranger's (as after a restart); it holds the lock for the
// whole of its work, told apart from the program in the refusals, and
// leaves the lock file naming no one.
TEST(SetupTool, UpdateIsRefusedWhileACopyHasTheFolderOpenAndHoldsItForItsWholeWork)
{
    QTemporaryDir root;
    const QString folder = root.filePath("office");
    ASSERT_EQ(setup({folder}).code, 0);
    testsupport::takeOutTheOuterSheetsBonusLine(QDir(folder).filePath("outer_sheet.xlsx"));
    QFile::remove(QDir(folder).filePath("anx.docx"));
    const QString lockFile = QDir(folder).filePath("dosset.lock");
    {
        common::FolderLock running(folder);
        ASSERT_TRUE(running.tryLock());
        const auto before = fileDigests(folder);
        const ToolRun r = setup({folder, "--update"});
        EXPECT_EQ(QString::number(r.code) + r.err + r.out,
                  QStringLiteral("1dosset-setup: the data folder %1 is open in a running copy of Dosset (process %2); "
                                 "nothing has been changed.\nClose that copy and run --update again.\n")
                      .arg(folder).arg(QCoreApplication::applicationPid()));
        EXPECT_EQ(fileDigests(folder), before);
    }
    QProcess stranger;
    stranger.start("sleep", {"600"});
    ASSERT_TRUE(stranger.waitForStarted());
    {
        QFile lock(lockFile);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(stranger.processId()) + "\nDosset\n" + QSysInfo::machineHostName().toUtf8()
                   + "\n{1b4e28ba-2fa1-11d2-883f-0016d3cca427}\n");
    }
    // The first template it reads is a pipe that holds it there until the
    // test has looked at the lock.
    const QString first = QDir(folder).filePath(common::templateNames().first());
    const QByteArray firstBytes = bytesOf(first);
    ASSERT_TRUE(QFile::remove(first));
    ASSERT_EQ(::mkfifo(QFile::encodeName(first).constData(), 0600), 0);
    QProcess update;
    update.start(testsupport::toolPath("dosset-setup"), {folder, "--update"});
    int pipe = -1;
    for (int waited = 0; pipe < 0 && waited < 30000; waited += 20) {
        pipe = ::open(QFile::encodeName(first).constData(), O_WRONLY | O_NONBLOCK);
        if (pipe < 0)
            QThread::msleep(20);
    }
    ASSERT_GE(pipe, 0) << "--update never read the first template";
    {
        common::FolderLock program(folder);
        EXPECT_FALSE(program.tryLock());
        EXPECT_EQ(program.message(), refusedForTheUpdate(folder, update.processId()));
        const ToolRun second = setup({folder, "--update"});
        EXPECT_EQ(QString::number(second.code) + second.err,
                  QStringLiteral("1dosset-setup: an update of the data folder %1 is running already (dosset-setup, "
                                 "process %2); nothing has been changed.\nWait for it to finish.\n")
                      .arg(folder).arg(update.processId()));
    }
    EXPECT_EQ(::write(pipe, firstBytes.constData(), size_t(firstBytes.size())), firstBytes.size());
    ::close(pipe);
    ASSERT_TRUE(update.waitForFinished(60000));
    EXPECT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(update.readAllStandardOutput()),
              QStringLiteral("The data folder %1 is brought up to date; no row was changed.\n"
                             "added the template \"anx.docx\"\n"
                             "replaced the older template \"outer_sheet.xlsx\" with the current one\n").arg(folder));
    stranger.kill();
    stranger.waitForFinished();
    EXPECT_EQ(QFileInfo(lockFile).size(), 0);
    EXPECT_FALSE(common::FolderLock(folder).heldElsewhere());
    ASSERT_TRUE(QFile::remove(first));
}

// A lock file that is no plain file stops --update at once, named, and
// nothing changes. Once it is gone, --update holds the folder before it
// changes a database: while a reader holds fund.mdb's commit back (the
// engine's rollback journal lets the update take its write lock beside a
// reader, never commit under one), the program is refused, naming the
// update; the reader done, the update ends and the index is there.
TEST(SetupTool, UpdateRefusesALockFileThatIsNoPlainFileAndHoldsTheFolderBeforeItChangesADatabase)
{
    QTemporaryDir root;
    const QString folder = root.filePath("office");
    ASSERT_EQ(setup({folder}).code, 0);
    const QString fund = QDir(folder).filePath(common::kFundDb);
    const QString lockFile = QDir(folder).filePath("dosset.lock");
    const QString indexThere = "SELECT count(*) FROM sqlite_master WHERE name = 'all_exp_head'";
    runSql(fund, {"DROP INDEX all_exp_head", "PRAGMA journal_mode=DELETE"});
    const auto before = fileDigests(folder);
    ASSERT_EQ(::mkfifo(QFile::encodeName(lockFile).constData(), 0600), 0);
    const ToolRun piped = setup({folder, "--update"});
    EXPECT_EQ((QString::number(piped.code) + piped.err + piped.out).toStdString(),
              QStringLiteral("1dosset-setup: the lock file \"dosset.lock\" in the data folder %1 is a named pipe, not a "
                             "plain file; nothing has been changed.\nRemove it (or move it out of the folder, if it is yours) and run --update again.\n")
                  .arg(folder)
                  .toStdString());
    ASSERT_TRUE(QFile::remove(lockFile));
    EXPECT_EQ(fileDigests(folder), before);

    testsupport::withConnection(fund, [&](QSqlDatabase& reader) {
        QSqlQuery read(reader);
        ASSERT_TRUE(read.exec("BEGIN") && read.exec("SELECT count(*) FROM all_exp") && read.next());
        QProcess update;
        update.start(testsupport::toolPath("dosset-setup"), {folder, "--update"});
        bool held = false;
        while (!(held = common::FolderLock(folder).heldElsewhere()) && !update.waitForFinished(10)) {
        }
        ASSERT_TRUE(held) << "--update reached fund.mdb before it held the folder: "
                          << update.readAllStandardError().toStdString();
        common::FolderLock program(folder);
        EXPECT_FALSE(program.tryLock());
        EXPECT_EQ(program.message().toStdString(), refusedForTheUpdate(folder, update.processId()).toStdString());
        read.finish();
        ASSERT_TRUE(read.exec("COMMIT"));
        ASSERT_TRUE(update.waitForFinished(60000));
        EXPECT_EQ(QString::number(update.exitCode()).toStdString() + update.readAllStandardError().toStdString()
                      + update.readAllStandardOutput().toStdString(),
                  QStringLiteral("0The data folder %1 is brought up to date; no row was changed.\n"
                                 "\"fund.mdb\": added index all_exp_head\n").arg(folder).toStdString());
    });
    EXPECT_EQ(testsupport::queryValue(fund, indexThere), 1);
    EXPECT_FALSE(common::FolderLock(folder).heldElsewhere());
}
