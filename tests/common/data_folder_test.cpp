#include "common/data_folder.h"
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/vb/error.h"
#include "setup/demo_office.h"
#include "support/folder_digest.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace common;
using testsupport::fileDigests;
using testsupport::rowDigests;
using testsupport::runSql;
using testsupport::tableColumns;

namespace {

// A demo office as setup makes it, every connection closed again.
class DemoFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        data::Database::closeAll();
        createDatabases(dir.path());
        data::setDataFolder(dir.path());
        setup::writeStartingRows(QStringLiteral("dosset"));
        setup::writeDemoOffice();
        data::Database::closeAll();
    }
    void TearDown() override { data::Database::closeAll(); }
    QString fund() const { return dir.filePath(QLatin1String(kFundDb)); }
    QString salary() const { return dir.filePath(QLatin1String(kSalaryDb)); }

    // The folder as an earlier build left it: a table it did not have, a
    // table built without a later column (rows kept), an index it lacked.
    void makeOlder()
    {
        runSql(salary(), {QStringLiteral("DROP TABLE ginew"), QStringLiteral("DROP INDEX salary_month"),
                          QStringLiteral("ALTER TABLE employee RENAME TO employee_new"),
                          QStringLiteral("CREATE TABLE employee AS SELECT emp_code, name, designation, scale, acc_no, "
                                         "pay_band, pay_band_scale, category, grp, bank_ac, pan, hra_type, "
                                         "health_sch, b_pay, grade_pay, basic, hra, oa, gpf_subs, i_fund, s_fund "
                                         "FROM employee_new ORDER BY rowid"),
                          QStringLiteral("DROP TABLE employee_new"),
                          QStringLiteral("CREATE UNIQUE INDEX employee_ec ON employee (emp_code)")});
        runSql(fund(), {QStringLiteral("ALTER TABLE all_exp DROP COLUMN deduction")});
    }

    QTemporaryDir dir;
};

int count(const QString& path, const QString& sql)
{
    int n = -1;
    const QString name = QStringLiteral("count");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        if (q.exec(sql) && q.next())
            n = q.value(0).toInt();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return n;
}

} // namespace

TEST_F(DemoFolder, UpdateAddsWhatAnOlderFolderLacksAndKeepsEveryRow)
{
    makeOlder();
    const auto salaryColumns = tableColumns(salary());
    const auto fundColumns = tableColumns(fund());
    const auto salaryRows = rowDigests(salary());
    const auto fundRows = rowDigests(fund());
    ASSERT_EQ(count(salary(), QStringLiteral("SELECT COUNT(*) FROM employee")), 20);

    EXPECT_EQ(upgradeDatabase(salary(), salarySchema()),
              (QStringList{QStringLiteral("column employee.effect_date"), QStringLiteral("table ginew"),
                           QStringLiteral("index salary_month")}));
    EXPECT_EQ(upgradeDatabase(fund(), fundSchema()), QStringList{QStringLiteral("column all_exp.deduction")});

    EXPECT_EQ(rowDigests(salary(), salaryColumns), salaryRows);
    EXPECT_EQ(rowDigests(fund(), fundColumns), fundRows);
    EXPECT_EQ(count(salary(), QStringLiteral("SELECT COUNT(*) FROM employee WHERE effect_date IS NULL")), 20);
    // The added column keeps its kind: text compared without case, as the schema makes it.
    EXPECT_EQ(count(salary(), QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('employee') "
                                             "WHERE name = 'effect_date' AND type = 'DATE'")), 1);
    EXPECT_EQ(count(fund(), QStringLiteral("SELECT COUNT(*) FROM all_exp WHERE deduction IS NULL")),
              count(fund(), QStringLiteral("SELECT COUNT(*) FROM all_exp")));

    for (const FileCheck& c : checkDataFiles(dir.path()))
        EXPECT_EQ(c.fault, FileFault::None) << c.file.toStdString() << ": " << c.technical.toStdString();
    // Once up to date, a second run adds nothing and writes nothing.
    const auto files = fileDigests(dir.path());
    EXPECT_TRUE(upgradeDatabase(salary(), salarySchema()).isEmpty());
    EXPECT_TRUE(upgradeDatabase(fund(), fundSchema()).isEmpty());
    EXPECT_EQ(fileDigests(dir.path()), files);
}

TEST_F(DemoFolder, UpdateThatCannotFinishLeavesTheFileAsItWas)
{
    // Two rows of one code: the unique index cannot be made again, so the
    // table added before it must go back too.
    runSql(salary(), {QStringLiteral("DROP INDEX employee_ec"), QStringLiteral("DROP TABLE ginew"),
                      QStringLiteral("INSERT INTO employee (emp_code, name) SELECT emp_code, 'TWIN' FROM employee "
                                     "LIMIT 1")});
    const auto files = fileDigests(dir.path());
    EXPECT_THROW(upgradeDatabase(salary(), salarySchema()), vb::Error);
    EXPECT_EQ(fileDigests(dir.path()), files);
    const FileCheck check = checkDataFiles(dir.path()).at(1);
    EXPECT_EQ(check.fault, FileFault::Older);
    EXPECT_EQ(check.technical, QStringLiteral("lacks table ginew, index employee_ec"));
}
