#include "platform/data/database.h"
#include "platform/data/recordset.h"
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
