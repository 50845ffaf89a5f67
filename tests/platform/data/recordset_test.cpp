#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/data/statement.h"
#include "platform/reports/data_source.h"
#include "support/first_row.h"
#include "support/temp_data_folder.h"

#include <gtest/gtest.h>

using namespace data;

namespace {

int errorOf(const std::function<void()>& f) { return testsupport::errorOf(f).number; }

void addEmployee(TableRecordset& rs, const QString& code, const QString& name, double pay)
{
    rs.addNew();
    rs["emp_code"] = code;
    rs["name"] = name;
    rs["b_pay"] = pay;
    rs.update();
}

} // namespace

TEST(Recordset, SeekFindsFirstInIndexOrderWithoutCase)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    TableRecordset emp(db, "employee");
    addEmployee(emp, "B2", "Second", 100);
    addEmployee(emp, "A1", "First", 200);
    emp.setIndex("ec");
    emp.seek("=", QString("a1"));
    ASSERT_FALSE(emp.noMatch());
    EXPECT_EQ(emp["name"].toString(), "First");
    emp.seek("=", QString("C9"));
    EXPECT_TRUE(emp.noMatch());
    EXPECT_EQ(errorOf([&] { emp["name"].toString(); }), vb::NoCurrentRecord);

    // Non-unique index: the first match in index order, rowid breaking ties.
    TableRecordset head(Database::open("fund.mdb"), "head");
    for (const char* code : {"X-01", "Y-01", "Z-01"}) {
        head.addNew();
        head["drawal_code"] = code;
        head["description"] = QString(code[0] == 'X' ? "Other" : "Salary");
        head.update();
    }
    head.setIndex("dc");
    head.seek("=", QString("SALARY"));
    EXPECT_EQ(head["drawal_code"].toString(), "Y-01");
    head.moveNext();
    EXPECT_EQ(head["drawal_code"].toString(), "Z-01");
    head.moveNext();
    EXPECT_TRUE(head.eof());

    // Index order for moves: A1 comes before B2 though added after it.
    emp.moveFirst();
    EXPECT_EQ(emp["emp_code"].toString(), "A1");
}

TEST(Recordset, PendingRowConversionAndErrors)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    TableRecordset sal(db, "salary");
    EXPECT_TRUE(sal.eof());
    EXPECT_EQ(errorOf([&] { sal["pay"].toDouble(); }), vb::NoCurrentRecord);

    sal.addNew();
    sal["pay"] = "1234";                 // a whole-rupee text stores the number
    sal["bill_date"] = "01/04/2012";
    EXPECT_DOUBLE_EQ(sal["pay"].toDouble(), 1234);  // readable before update
    EXPECT_EQ(sal["bill_date"].toDate(), QDate(2012, 4, 1));
    EXPECT_TRUE(sal["da"].isNull());
    EXPECT_EQ(errorOf([&] { sal["da"].toDouble(); }), vb::InvalidUseOfNull);
    EXPECT_EQ(errorOf([&] { sal["da"] = ""; }), vb::DataTypeConversion);
    EXPECT_EQ(errorOf([&] { sal["da"] = "1,000"; }), vb::DataTypeConversion);
    EXPECT_EQ(errorOf([&] { sal["bill_date"] = "31/02/2012"; }), vb::DataTypeConversion);
    sal.update();

    // A second addNew drops the first pending row.
    sal.addNew();
    sal["pay"] = 5.0;
    sal.addNew();
    sal["pay"] = 6.0;
    sal.update();
    sal.cancelUpdate();
    QueryRecordset q(db, "SELECT count(*) AS n, sum(pay) AS total FROM salary");
    EXPECT_EQ(q["n"].toDouble(), 2);
    EXPECT_EQ(q["total"].toDouble(), 1240);
    QueryRecordset stored(db, "SELECT bill_date FROM salary WHERE pay = 1234");
    EXPECT_EQ(stored["bill_date"].toDate(), QDate(2012, 4, 1));
    QueryRecordset raw(db, "SELECT typeof(bill_date) || ':' || bill_date AS v FROM salary WHERE pay = 1234");
    EXPECT_EQ(raw["v"].toString(), "text:2012-04-01");

    // An empty sum reaches the handler as a null.
    QueryRecordset none(db, "SELECT sum(pay) AS total FROM salary WHERE emp_code = ?", {"nobody"});
    EXPECT_EQ(errorOf([&] { none["total"].toDouble(); }), vb::InvalidUseOfNull);
    EXPECT_EQ(none["total"].number(), 0);
    QueryRecordset empty(db, "SELECT pay FROM salary WHERE 0");
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(errorOf([&] { empty["pay"].toDouble(); }), vb::NoCurrentRecord);

    // A unique index refuses a second row of one code.
    TableRecordset emp(db, "employee");
    addEmployee(emp, "A1", "First", 1);
    EXPECT_EQ(errorOf([&] { addEmployee(emp, "a1", "Again", 2); }), vb::DuplicateKey);
    EXPECT_EQ(emp.recordCount(), 1);
}

TEST(Recordset, ReadsAreLiveAndDeleteMovesOn)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    TableRecordset a(db, "employee");
    addEmployee(a, "A1", "One", 1);
    addEmployee(a, "A2", "Two", 2);
    addEmployee(a, "A3", "Three", 3);
    a.moveFirst();
    EXPECT_EQ(a["name"].toString(), "One");
    // Another form changes the row; this one sees it at once.
    db.execute("UPDATE employee SET name = ? WHERE emp_code = ?", {"Uno", "A1"});
    EXPECT_EQ(a["name"].toString(), "Uno");

    TableRecordset b(db, "employee");
    b.edit();
    b["name"] = "Ein";
    EXPECT_EQ(a["name"].toString(), "Uno");  // not saved yet
    b.update();
    EXPECT_EQ(a["name"].toString(), "Ein");

    a.moveNext();
    a.remove();
    EXPECT_EQ(errorOf([&] { a["name"].toString(); }), vb::NoCurrentRecord);
    a.moveNext();
    EXPECT_EQ(a["name"].toString(), "Three");
    EXPECT_EQ(a.recordCount(), 2);
}

TEST(Recordset, TransactionRollsBackUnlessCommitted)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    {
        Transaction t(db);
        db.execute("INSERT INTO emp_temp (emp_code, pr_pay) VALUES ('A1', 10)");
        {
            Transaction inner(db);
            db.execute("INSERT INTO emp_temp (emp_code, pr_pay) VALUES ('A2', 20)");
        }  // inner rolled back alone
        t.commit();
    }
    {
        Transaction t(db);
        db.execute("INSERT INTO emp_temp (emp_code, pr_pay) VALUES ('A3', 30)");
    }
    QueryRecordset q(db, "SELECT group_concat(emp_code) AS codes FROM emp_temp");
    EXPECT_EQ(q["codes"].toString(), "A1");
    EXPECT_EQ(errorOf([&] { Database::open("missing.mdb"); }), vb::FileNotFound);
}

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
        const vb::Error e = testsupport::errorOf([&] { add.run(); });
        EXPECT_EQ(e.number, vb::DuplicateKey);
        EXPECT_EQ(e.description, "The changes you requested to the table were not successful because they "
                                 "would create duplicate values in the index.");
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
