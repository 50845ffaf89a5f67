// The saving commands and the setup tool killed (SIGKILL) at random moments:
// after each kill the folder must hold whole files and rows that agree, open
// through the start-up checks, and take an --update.
#include "common/data_folder.h"
#include "common/folder_lock.h"
#include "common/schema.h"
#include "common/templates.h"
#include "platform/office/package.h"
#include "platform/vb/error.h"
#include "support/folder_digest.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <random>

using testsupport::queryValue;
using testsupport::runSql;
using testsupport::runTool;
using testsupport::ToolRun;

namespace {

// DOSSET_KILL_SEED repeats a run; DOSSET_KILL_ROUNDS multiplies the kills.
std::mt19937& random()
{
    static std::mt19937 gen([] {
        const unsigned seed = qEnvironmentVariableIsSet("DOSSET_KILL_SEED") ? unsigned(qEnvironmentVariableIntValue("DOSSET_KILL_SEED")) : std::random_device{}();
        std::printf("kill test seed: %u\n", seed);
        return seed;
    }());
    return gen;
}
int kills(int n) { return n * std::max(1, qEnvironmentVariableIntValue("DOSSET_KILL_ROUNDS")); }

struct KilledRun { bool killed = false; int code = 0; QString err; };

// Starts the program, kills it after a random pause in [fromMs, toMs] unless
// it ended by itself, and says which.
KilledRun runAndKill(const QString& tool, const QStringList& args, int fromMs, int toMs)
{
    QProcess p;
    p.start(testsupport::toolPath(tool), args);
    if (!p.waitForStarted(10000))
        return {false, -1, QStringLiteral("did not start")};
    const int pause = std::uniform_int_distribution<int>(fromMs, toMs)(random());
    const bool killed = !p.waitForFinished(pause);
    if (killed) {
        ::kill(pid_t(p.processId()), SIGKILL);
        p.waitForFinished(10000);
    }
    return {killed, p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

void expectWhole(const QString& package)
{
    try { office::Package::load(package, 1004); }
    catch (const vb::Error& e) { ADD_FAILURE() << "half-written " << package.toStdString() << ": " << e.description.toStdString(); }
}

// What every kill must leave: both files whole, the folder fit to open (the
// dead copy's lock taken over), and under output/ only whole packages.
void expectSound(const QString& folder)
{
    for (const char* file : {common::kFundDb, common::kSalaryDb})
        EXPECT_EQ(queryValue(QDir(folder).filePath(QLatin1String(file)), "PRAGMA integrity_check"), "ok") << file;
    EXPECT_EQ(common::checkDataFolder(folder).text, "");
    common::FolderLock lock(folder);
    EXPECT_TRUE(lock.tryLock()) << lock.message().toStdString();
    const QDir output(QDir(folder).filePath(QStringLiteral("output")));
    for (const QString& name : output.entryList(QDir::Files))
        expectWhole(output.filePath(name));
}

// The demo office with bills to take cheques and two bill dates of salary rows.
QString makeOffice(const QTemporaryDir& root)
{
    const QString folder = root.filePath(QStringLiteral("office"));
    const ToolRun made = runTool(QStringLiteral("dosset-setup"), {folder, QStringLiteral("--demo")});
    EXPECT_EQ(made.code, 0) << made.err.toStdString();
    const QDir dir(folder);
    const QString count = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ");
    // The statements' chain starts afresh, each row then made by a run that also saves its file.
    runSql(dir.filePath(QLatin1String(common::kFundDb)),
           {count.arg(300) + "INSERT INTO all_exp (head, bill_no, bill_date, pay) SELECT '2202-00-109-NP-002-V-01', i, "
                             "printf('2026-05-%02d', 1 + i % 28), 1000 FROM n",
            "DELETE FROM b_statement"});
    runSql(dir.filePath(QLatin1String(common::kSalaryDb)),
           {count.arg(400) + "INSERT INTO salary (emp_code, name, designation, pay, net, bill_date, bank_ac) SELECT 'E' || i, "
                             "'EMPLOYEE ' || i, 'CLERK', 20000, 18000.5, iif(i % 2, '2026-05-31', '2026-04-30'), 'SB' || i FROM n",
            "INSERT INTO calc_sheet SELECT * FROM first_sheet"});
    return folder;
}

// A month's workbook is never kept without its row: each workbook shows a
// stored month, no month twice, and at most `rowsAlone` rows wait for their
// file (a run killed before the file took its name; the next run makes it).
void expectStatementsAgree(const QString& folder, size_t rowsAlone)
{
    auto [stored, workbooks, files] = testsupport::statementMonths(folder);
    std::sort(workbooks.begin(), workbooks.end());
    EXPECT_EQ(std::adjacent_find(workbooks.begin(), workbooks.end()), workbooks.end()) << "two workbooks of one month";
    for (const auto& [year, month] : workbooks)
        EXPECT_TRUE(stored.count({year, month})) << "a workbook of month " << month << " of " << year << " without its row";
    EXPECT_LE(stored.size() - workbooks.size(), rowsAlone);
}

void expectRowsAgree(const QString& folder)
{
    const QString fund = QDir(folder).filePath(QLatin1String(common::kFundDb));
    const QString salary = QDir(folder).filePath(QLatin1String(common::kSalaryDb));
    // Cheques: whole rows of registered bills.
    EXPECT_EQ(queryValue(fund, "SELECT count(*) FROM cheque c WHERE cheque_amt <> 1000.5 OR cheque_no IS NULL OR "
                               "cheque_date IS NULL OR NOT EXISTS (SELECT 1 FROM all_exp e WHERE e.bill_no = c.bill_no "
                               "AND e.bill_date = c.bill_date)").toInt(), 0);
    // The slip rows are one bill date's paid rows, numbered 1 to n, or none.
    const int slips = queryValue(salary, "SELECT count(*) FROM chq_sal").toInt();
    if (slips > 0) {
        EXPECT_EQ(queryValue(salary, "SELECT count(DISTINCT bill_date) || '-' || (SELECT count(*) FROM salary WHERE pay <> 0 AND bill_date = "
                                     "(SELECT bill_date FROM chq_sal LIMIT 1)) || '-' || count(DISTINCT sl_no) || '-' || min(sl_no) || '-' || "
                                     "max(sl_no) FROM chq_sal").toString(), QStringLiteral("1-%1-%1-1-%1").arg(slips)); }
    // The working sheet always holds its twelve months; a filed year is filed once and adds up.
    EXPECT_EQ(queryValue(salary, "SELECT (SELECT count(*) FROM calc_sheet) || '-' || (SELECT count(*) FROM (SELECT 1 FROM broadsheet GROUP BY "
                                 "ac_no, yr_begin HAVING count(*) > 1)) || '-' || (SELECT count(*) FROM broadsheet WHERE name = 'SUBSCRIBER' "
                                 "AND abs(ob + tot_subs + tot_refund + interest - loan_tkn - cb) > 0.001)").toString(), "12-0-0");
}

} // namespace

TEST(KilledAtAnyMoment, SavingCommandsLeaveWholeFilesAndRowsThatAgree)
{
    QTemporaryDir root;
    const QString folder = makeOffice(root);
    for (const char* phase : {"bstatement", "cheque", "slips", "pf"}) {
        // The B-statement's moment between its row and its file's name is
        // short: many kills, each within a few of its rounds.
        const bool statement = phase == QLatin1String("bstatement");
        const int n = kills(statement ? 40 : 3);
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(QStringLiteral("%1, kill %2").arg(QLatin1String(phase)).arg(i + 1).toStdString());
            const KilledRun r = runAndKill(QStringLiteral("kill_worker"), {QLatin1String(phase), folder}, 40, statement ? 200 : 400);
            EXPECT_TRUE(r.killed) << "ended by itself with " << r.code << ": " << r.err.toStdString();
            expectSound(folder);
            expectRowsAgree(folder);
            expectStatementsAgree(folder, 1);
        }
    }
    const QString fund = QDir(folder).filePath(QLatin1String(common::kFundDb));
    EXPECT_EQ(queryValue(fund, "SELECT (SELECT count(*) FROM b_statement) > 0 AND (SELECT count(*) FROM cheque) > 0").toInt(), 1);

    // One whole round after the kills clears what the killed saves left unnamed.
    const ToolRun last = runTool(QStringLiteral("kill_worker"), {QStringLiteral("bstatement"), folder, QStringLiteral("1")});
    EXPECT_EQ(last.code, 0) << last.err.toStdString();
    EXPECT_EQ(QDir(QDir(folder).filePath("output")).entryList(QDir::Files | QDir::Hidden).filter(".partial"), QStringList());
    expectStatementsAgree(folder, 0);
    const ToolRun update = runTool(QStringLiteral("dosset-setup"), {folder, QStringLiteral("--update")});
    EXPECT_EQ(update.out + QString::number(update.code), QStringLiteral("The data folder %1 is up to date: nothing needed adding.\n0").arg(folder));
}

TEST(KilledAtAnyMoment, SetupLeavesAFolderWholeOrRefusedAsHalfMade)
{
    QTemporaryDir root;
    // --update on an older folder: each file has all it lacked added or none,
    // each template is whole or absent, and no copy of one stays beside it.
    const QString folder = makeOffice(root);
    const QDir dir(folder);
    const QString fund = dir.filePath(QLatin1String(common::kFundDb));
    const QString salary = dir.filePath(QLatin1String(common::kSalaryDb));
    for (int i = 0; i < kills(4); ++i) {
        SCOPED_TRACE(QStringLiteral("--update, kill %1").arg(i + 1).toStdString());
        runSql(fund, {"DROP TABLE IF EXISTS b_statement", "DROP TABLE IF EXISTS cheque"});
        runSql(salary, {"DROP TABLE IF EXISTS chq_sal", "DROP INDEX IF EXISTS salary_bill"});
        for (const QString& t : common::templateNames())
            QFile::remove(dir.filePath(t));
        const KilledRun r = runAndKill(QStringLiteral("dosset-setup"), {folder, QStringLiteral("--update")}, 2, 40);
        EXPECT_TRUE(r.killed || r.code == 0) << r.err.toStdString();
        for (const auto& [file, parts] : {std::pair{fund, "'b_statement', 'cheque'"}, {salary, "'chq_sal', 'salary_bill'"}})
            EXPECT_EQ(queryValue(file, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN (%1)").arg(parts)).toInt() % 2, 0) << parts;
        for (const QString& t : common::templateNames())
            if (QFileInfo::exists(dir.filePath(t)))
                expectWhole(dir.filePath(t));
        const ToolRun update = runTool(QStringLiteral("dosset-setup"), {folder, QStringLiteral("--update")});
        EXPECT_EQ(update.code, 0) << update.err.toStdString();
        expectSound(folder);
        // The next --update takes away the copies the killed one was writing.
        for (const QString& t : common::templateNames())
            EXPECT_EQ(dir.entryList({t + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden), QStringList());
    }

    // --demo: a folder is made whole, or is refused by the program, by
    // --update and by the setup itself as half-made, never half-used.
    for (int i = 0; i < kills(6); ++i) {
        SCOPED_TRACE(QStringLiteral("--demo, kill %1").arg(i + 1).toStdString());
        const QString fresh = root.filePath(QStringLiteral("demo%1").arg(i));
        const KilledRun r = runAndKill(QStringLiteral("dosset-setup"), {fresh, QStringLiteral("--demo")}, 2, 45);
        EXPECT_TRUE(r.killed || r.code == 0) << r.err.toStdString();
        if (!common::isHalfMade(fresh)) {
            // Finished, or killed before it marked the folder (nothing of an
            // office is there) or after it took the mark away (whole).
            EXPECT_TRUE(r.killed || common::isDataFolder(fresh));
            if (common::isDataFolder(fresh))
                expectSound(fresh);
            continue;
        }
        const QString refusal = QStringLiteral(
            "Dosset cannot open the data folder %1.\n\nIt is half-made: dosset-setup was stopped before it finished "
            "making it, so what is in it is no office to work on.\n\nRemove the folder and make it again with:\n"
            "    dosset-setup \"%1\"\n(add --demo for the demo office).\n\nNothing in the folder has been changed.")
                                    .arg(fresh);
        EXPECT_EQ(common::checkDataFolder(fresh).text, refusal);
        const auto before = testsupport::fileDigests(fresh);
        for (const char* option : {"--update", "--demo"}) {
            const ToolRun again = runTool(QStringLiteral("dosset-setup"), {fresh, QLatin1String(option)});
            EXPECT_EQ(again.err + again.out + QString::number(again.code), QStringLiteral("dosset-setup: %1\n1").arg(refusal));
        }
        EXPECT_EQ(testsupport::fileDigests(fresh), before);
    }
}
