#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/data/statement.h"
#include "platform/reports/data_source.h"
#include "platform/vb/error.h"
#include "support/temp_data_folder.h"

#include <gtest/gtest.h>

using namespace data;

namespace {

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vb::Error& e) {
        return e.number;
    }
    return 0;
}

} // namespace

TEST(Statement, TheSameTextInsideItsOwnLoopGetsAHandleOfItsOwn)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    for (const char* code : {"A1", "A2", "A3"})
        db.execute("insert into employee (emp_code, b_pay) values (?, ?)", {QString(code), 100});
    const QString sql = "select emp_code from employee where b_pay >= ? order by emp_code";
    QStringList pairs;
    Statement outer = db.prepare(sql);
    outer.bind(0, 0.0);
    while (outer.step()) {
        Statement inner = db.prepare(sql);
        inner.bind(0, 0.0);
        int n = 0;
        while (inner.step())
            ++n;
        pairs << outer.toString(0) + QString::number(n);
    }
    EXPECT_EQ(pairs, QStringList({"A13", "A23", "A33"}));
    // Given back to the cache with its bindings cleared: the next use binds afresh.
    Statement again = db.prepare(sql);
    again.bind(0, 200.0);
    EXPECT_FALSE(again.step());
}

TEST(Statement, FailuresAreNumberedAndARolledBackRunLeavesNothing)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    EXPECT_EQ(errorOf([&] { db.execute("insert into employee (emp_code) values (?)", {}); }), 3000);
    EXPECT_EQ(errorOf([&] { db.execute("insert into employee (emp_code) values (?)", {"A", "B"}); }), 3000);
    EXPECT_EQ(errorOf([&] { db.prepare("select nothing from nowhere"); }), 3000);
    {
        Transaction t(db);
        db.execute("insert into employee (emp_code, name) values ('A1', 'First')");
        Statement add = db.prepare("insert into employee (emp_code, name) values (?, ?)");
        add.bind(0, QString("a1"));
        add.bind(1, QString("Again"));
        try {
            add.run();
            FAIL() << "a second A1 was written";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number, vb::DuplicateKey);
            EXPECT_EQ(e.description, "The changes you requested to the table were not successful because they "
                                     "would create duplicate values in the index.");
        }
    }
    EXPECT_EQ(QueryRecordset(db, "select count(*) from employee").field(0).number(), 0);
    // The statement that failed is usable again.
    EXPECT_EQ(db.execute("insert into employee (emp_code, name) values (?, ?)", {"B1", "Second"}), 1);
}

TEST(Statement, TextDatesAndNumbersComeBackAsTheyWentInThroughRecordsetsAndReportRows)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    const QString bengali = QString::fromUtf8("\xe0\xa6\xb6\xe0\xa7\x8d\xe0\xa6\xb0\xe0\xa7\x80 Ā");
    {
        Transaction t(db);
        Statement add = db.prepare("insert into salary (name, pay, bill_date, p_month) values (?, ?, ?, ?)");
        // 700 rows cross the report rows' blocks, and 120-character names
        // their text pieces.
        for (int i = 0; i < 700; ++i) {
            add.bind(0, i == 0 ? bengali : QStringLiteral("%1").arg(i, 120, 10, QLatin1Char('0')));
            add.bind(1, i == 1 ? QVariant() : QVariant(i + 0.5));
            add.bind(2, QVariant(QDate(2012, 3, 31)));
            add.bindNull(3);
            add.run();
        }
        t.commit();
    }
    QueryRecordset rs(db, "select name, pay, bill_date, p_month, typeof(bill_date) from salary order by rowid");
    EXPECT_EQ(rs.field("name").toString(), bengali);
    EXPECT_EQ(rs.field("bill_date").toDate(), QDate(2012, 3, 31));
    EXPECT_EQ(rs.field(4).toString(), "text");
    EXPECT_TRUE(rs.field("p_month").isNull());

    const reports::DataSource rows = reports::DataSource::fromQuery(
        db, "select name, pay, bill_date, p_month from salary order by rowid");
    ASSERT_EQ(rows.rowCount(), 700);
    EXPECT_EQ(rows.value(0, 0).toString(), bengali);
    EXPECT_TRUE(rows.isNull(1, 1));
    EXPECT_EQ(rows.value(0, 1), QVariant(0.5));
    EXPECT_EQ(rows.value(0, 2), QVariant(QDate(2012, 3, 31)));
    EXPECT_TRUE(rows.value(5, 3).isNull());
    for (int i : {511, 512, 513, 699}) {
        EXPECT_EQ(rows.value(i, 0).toString(), QStringLiteral("%1").arg(i, 120, 10, QLatin1Char('0')));
        EXPECT_EQ(rows.value(i, 1).toDouble(), i + 0.5);
    }
}
