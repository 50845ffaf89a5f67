#include "platform/data/statement.h"
#include "platform/vb/convert.h"
#include "platform/reports/data_source.h"
#include "support/first_row.h"
#include "support/temp_data_folder.h"

#include <gtest/gtest.h>

using namespace data;

namespace {

int errorOf(const std::function<void()>& f) { return testsupport::errorOf(f).number; }

void addEmployee(TableRecordset& rs, const QString& code, const QString& name)
{
    rs.addNew();
    rs["emp_code"] = code;
    rs["name"] = name;
    rs.update();
}

} // namespace

TEST(Recordset, SeekFindsFirstInIndexOrderWithoutCase)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    db.execute("INSERT INTO employee (emp_code, name) VALUES ('B2', 'Second'), ('A1', 'First')");
    TableRecordset emp(db, "employee");
    emp.setIndex("ec");
    emp.seek("=", QString("a1"));
    EXPECT_EQ(emp["name"].toString(), "First");
    emp.seek("=", QString("C9"));
    EXPECT_TRUE(emp.noMatch());
    EXPECT_EQ(errorOf([&] { emp["name"].toString(); }), vb::NoCurrentRecord);

    // Non-unique index: the first match in index order, rowid breaking ties.
    Database& fund = Database::open("fund.mdb");
    fund.execute("INSERT INTO head (drawal_code, description) VALUES ('X-01', 'Other'), ('Y-01', 'Salary'), ('Z-01', 'Salary')");
    TableRecordset head(fund, "head");
    head.setIndex("dc");
    head.seek("=", QString("SALARY"));
    QStringList seen;
    for (; !head.eof(); head.moveNext())
        seen << head["drawal_code"].toString();
    EXPECT_EQ(seen, QStringList({"Y-01", "Z-01"}));
    // Index order for moves: A1 comes before B2 though added after it.
    emp.moveFirst();
    EXPECT_EQ(emp["emp_code"].toString(), "A1");
}

TEST(Recordset, PendingRowConversionAndErrors)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    TableRecordset sal(db, "salary");
    EXPECT_EQ(errorOf([&] { sal["pay"].toDouble(); }), vb::NoCurrentRecord);

    sal.addNew();
    sal["pay"] = "1234";                 // a whole-rupee text stores the number
    sal["bill_date"] = "01/04/2012";
    EXPECT_DOUBLE_EQ(sal["pay"].toDouble(), 1234);  // readable before update
    EXPECT_EQ(sal["bill_date"].toDate(), QDate(2012, 4, 1));
    EXPECT_EQ(QList<int>({errorOf([&] { sal["da"].toDouble(); }), errorOf([&] { sal["da"] = ""; }),
                          errorOf([&] { sal["da"] = "1,000"; }), errorOf([&] { sal["bill_date"] = "31/02/2012"; })}),
              QList<int>({vb::InvalidUseOfNull, vb::DataTypeConversion, vb::DataTypeConversion, vb::DataTypeConversion}));
    sal.update();

    // A second addNew drops the first pending row.
    sal.addNew();
    sal["pay"] = 5.0;
    sal.addNew();
    sal["pay"] = 6.0;
    sal.update();
    sal.cancelUpdate();
    QueryRecordset q(db, "SELECT count(*) || ' ' || sum(pay) || ' ' || (SELECT typeof(bill_date) || ':' || bill_date "
                         "FROM salary WHERE pay = 1234) AS v FROM salary");
    EXPECT_EQ(q["v"].toString(), "2 1240.0 text:2012-04-01");

    // An empty sum reaches the handler as a null.
    QueryRecordset none(db, "SELECT sum(pay) AS total FROM salary WHERE emp_code = ?", {"nobody"});
    EXPECT_EQ(errorOf([&] { none["total"].toDouble(); }), vb::InvalidUseOfNull);
    EXPECT_EQ(none["total"].number(), 0);
    QueryRecordset empty(db, "SELECT pay FROM salary WHERE 0");
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(errorOf([&] { empty["pay"].toDouble(); }), vb::NoCurrentRecord);

    // A unique index refuses a second row of one code.
    TableRecordset emp(db, "employee");
    addEmployee(emp, "A1", "First");
    EXPECT_EQ(errorOf([&] { addEmployee(emp, "a1", "Again"); }), vb::DuplicateKey);
    EXPECT_EQ(emp.recordCount(), 1);
}

TEST(Recordset, ReadsAreLiveAndDeleteMovesOn)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    db.execute("INSERT INTO employee (emp_code, name) VALUES ('A1', 'One'), ('A2', 'Two'), ('A3', 'Three')");
    TableRecordset a(db, "employee");
    a.moveFirst();
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
    const QString add = "INSERT INTO emp_temp (emp_code, pr_pay) VALUES (?, 1)";
    {
        Transaction t(db);
        db.execute(add, {"A1"});
        {
            Transaction inner(db);
            db.execute(add, {"A2"});
        }  // inner rolled back alone
        t.commit();
    }
    {
        Transaction t(db);
        db.execute(add, {"A3"});
    }
    EXPECT_EQ(QueryRecordset(db, "SELECT group_concat(emp_code) FROM emp_temp").field(0).toString(), "A1");
    EXPECT_EQ(errorOf([&] { Database::open("missing.mdb"); }), vb::FileNotFound);
}

TEST(Statement, CachedHandlesAreOwnedPerLoopAndFailuresAreNumberedLeavingNothing)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    db.execute("insert into employee (emp_code, b_pay) values ('A1', 100), ('A2', 100), ('A3', 100)");
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

    const QString add = "insert into employee (emp_code, name) values (?, ?)";
    EXPECT_EQ(QList<int>({errorOf([&] { db.execute(add, {}); }), errorOf([&] { db.execute(add, {"A", "B", "C"}); }),
                          errorOf([&] { db.prepare("select nothing from nowhere"); })}),
              QList<int>({3000, 3000, 3000}));
    {
        Transaction t(db);
        db.execute(add, {"B1", "First"});
        const vb::Error e = testsupport::errorOf([&] { db.execute(add, {"b1", "Again"}); });
        EXPECT_EQ(QString::number(e.number) + " " + e.description, QString::number(vb::DuplicateKey) +
                  " The changes you requested to the table were not successful because they "
                  "would create duplicate values in the index.");
    }
    // Nothing of the rolled-back run is left, and the statement that failed is usable again.
    EXPECT_EQ(db.execute(add, {"C1", "Second"}), 1);
    EXPECT_EQ(QueryRecordset(db, "select group_concat(emp_code) from employee").field(0).toString(), "A1,A2,A3,C1");
}

TEST(Statement, HundredthsRoundHalfAwayFromNothingAsTheFiguresPrint)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    // 2.675 is held as 2.67499999...; the clerk reads 2.68, and so does the sum.
    QueryRecordset rs(db, "select hundredths(2.675), hundredths(-0.125), hundredths(1333.3333), hundredths(null),"
                          " hundredths('12.5')");
    EXPECT_EQ(QVariantList({rs.field(0).variant(), rs.field(1).variant(), rs.field(2).variant(), rs.field(3).isNull(),
                            rs.field(4).variant()}),
              QVariantList({qint64(268), qint64(-13), qint64(133333), true, qint64(1250)}));
    EXPECT_EQ(vb::hundredths(2.675), 268);
}

TEST(Statement, TextDatesAndNumbersComeBackAsTheyWentInThroughRecordsetsAndReportRows)
{
    testsupport::TempDataFolder folder;
    Database& db = Database::open("salary master.mdb");
    const QString bengali = QString::fromUtf8("\xe0\xa6\xb6\xe0\xa7\x8d\xe0\xa6\xb0\xe0\xa7\x80 Ā");
    const auto longName = [](int i) { return QStringLiteral("%1").arg(i, 120, 10, QLatin1Char('0')); };
    {
        Transaction t(db);
        Statement add = db.prepare("insert into salary (name, pay, bill_date, p_month) values (?, ?, ?, ?)");
        // 700 rows cross the report rows' blocks, and 120-character names
        // their text pieces.
        for (int i = 0; i < 700; ++i) {
            add.bind(0, i == 0 ? bengali : longName(i));
            add.bind(1, i == 1 ? QVariant() : QVariant(i + 0.5));
            add.bind(2, QVariant(QDate(2012, 3, 31)));
            add.bindNull(3);
            add.run();
        }
        t.commit();
    }
    QueryRecordset rs(db, "select name, bill_date, typeof(bill_date), p_month from salary order by rowid");
    EXPECT_EQ(QVariantList({rs.field(0).toString(), rs.field(1).toDate(), rs.field(2).toString(), rs.field(3).isNull()}),
              QVariantList({bengali, QDate(2012, 3, 31), "text", true}));

    const reports::DataSource rows = reports::DataSource::fromQuery(
        db, "select name, pay, bill_date, p_month from salary order by rowid");
    ASSERT_EQ(rows.rowCount(), 700);
    EXPECT_EQ(QVariantList({rows.value(0, 0), rows.isNull(1, 1), rows.value(0, 1), rows.value(0, 2), rows.value(5, 3).isNull()}),
              QVariantList({bengali, true, 0.5, QDate(2012, 3, 31), true}));
    for (int i : {511, 512, 513, 699})
        EXPECT_EQ(QVariantList({rows.value(i, 0), rows.value(i, 1)}), QVariantList({longName(i), i + 0.5})) << i;
}
