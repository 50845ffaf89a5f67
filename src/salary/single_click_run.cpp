#include "salary/single_click_run.h"

#include "platform/data/database.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "salary/rules.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace salary {

namespace {

// Statements of the run are prepared once and bound per employee: thousands
// of rows go through them inside one transaction.
class Statement {
public:
    Statement(data::Database& db, const QString& sql) : mQuery(db.sql())
    {
        mQuery.setForwardOnly(true);
        if (!mQuery.prepare(sql))
            fail();
    }
    void exec(const QVariantList& params = {})
    {
        for (int i = 0; i < params.size(); ++i)
            mQuery.bindValue(i, data::toSqlValue(params.at(i)));
        if (!mQuery.exec())
            fail();
    }
    QSqlQuery& query() { return mQuery; }

private:
    [[noreturn]] void fail()
    {
        throw vb::Error(3000, mQuery.lastError().text());
    }
    QSqlQuery mQuery;
};

double number(const QVariant& v)
{
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : 0;
}

// One ledger (festi_adv or gpf_loan): the first row of each code in the order
// of its index ec, as a seek "=" on that index finds it.
class Ledger {
public:
    Ledger(data::Database& db, const QString& table, const QString& dueField,
           const QString& recField)
        : mDelete(db, QStringLiteral("delete from %1 where rowid = ?").arg(table)),
          mUpdate(db, QStringLiteral("update %1 set %2 = ?, %3 = ?, inst_no = ? where rowid = ?")
                          .arg(table, dueField, recField))
    {
        Statement all(db, QStringLiteral("select rowid, emp_code, %1, %2, inst_no from %3 "
                                         "order by emp_code, rowid")
                              .arg(dueField, recField, table));
        all.exec();
        QSqlQuery& q = all.query();
        while (q.next()) {
            const QString key = q.value(1).toString().toUpper();
            if (mRows.contains(key))
                continue;
            Row r;
            r.rowid = q.value(0).toLongLong();
            r.state = {number(q.value(2)), number(q.value(3)), number(q.value(4))};
            mRows.insert(key, r);
        }
    }

    // The instalment of the employee's row; a paid-off row is deleted, and in
    // a first run the row is advanced by the instalment.
    double recover(const QString& code, bool advance)
    {
        auto it = mRows.find(code.toUpper());
        if (it == mRows.end())
            return 0;
        Row r = *it;
        mRows.erase(it);
        if (r.state.due == 0) {
            mDelete.exec({r.rowid});
            return 0;
        }
        const double inst = instalment(r.state.due, r.state.instalmentsLeft);
        if (advance) {
            const LedgerState next = advanceLedger(r.state, inst);
            mUpdate.exec({next.due, next.recovered, next.instalmentsLeft, r.rowid});
        }
        return inst;
    }

private:
    struct Row {
        qint64 rowid = 0;
        LedgerState state;
    };
    QHash<QString, Row> mRows;
    Statement mDelete;
    Statement mUpdate;
};

struct DaOrder {
    double daCurrent = 0;
    double hra = 0;
    double ma = 0;
};

DaOrder daOrder(data::Database& db)
{
    Statement s(db, QStringLiteral("select da_current, hra, ma from da_table order by rowid limit 1"));
    s.exec();
    if (!s.query().next())
        throw vb::Error(vb::NoCurrentRecord, QStringLiteral("No D.A. order is entered in da_table."));
    return {number(s.query().value(0)), number(s.query().value(1)), number(s.query().value(2))};
}

const QString kEmployeeSelect = QStringLiteral(
    "select emp_code, name, designation, scale, acc_no, b_pay, grade_pay, hra_type, hra, "
    "health_sch, oa, gpf_subs, i_fund, s_fund, category, bank_ac from employee order by rowid");
enum EmployeeColumn {
    eCode, eName, eDesignation, eScale, eAccNo, eBPay, eGradePay, eHraType, eHra,
    eHealthSch, eOa, eGpfSubs, eIFund, eSFund, eCategory, eBankAc
};

// In the stored column order of salary; "if" is a keyword and is quoted.
const QString kSalaryInsert = QStringLiteral(
    "insert into salary (name, designation, scale, acc_no, pay, less_fa, d_pay, da, hra, ma, "
    "oa, gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, emp_code, bill_date, p_month, "
    "hb_loan, hb_int, i_tax, others, deduct, category, bank_ac) "
    "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");

} // namespace

MonthRows monthRows(data::Database& db, const QString& payMonth)
{
    MonthRows rows;
    Statement count(db, QStringLiteral("select count(*) from salary where p_month = ?"));
    count.exec({payMonth});
    if (count.query().next())
        rows.count = count.query().value(0).toInt();
    if (rows.count > 0) {
        Statement first(db, QStringLiteral("select name from salary where p_month = ? "
                                           "order by rowid limit 1"));
        first.exec({payMonth});
        if (first.query().next())
            rows.firstName = first.query().value(0).toString();
    }
    return rows;
}

int runSingleClick(data::Database& db, const QDate& billDate, RunKind kind)
{
    const bool advance = kind == RunKind::First;
    const QString month = payMonth(billDate);
    int written = 0;
    {
        data::Transaction tx(db);
        try {
            const DaOrder order = daOrder(db);
            Ledger festival(db, QStringLiteral("festi_adv"), QStringLiteral("adv_due"),
                            QStringLiteral("adv_rec"));
            Ledger loan(db, QStringLiteral("gpf_loan"), QStringLiteral("loan_due"),
                        QStringLiteral("loan_rec"));
            Statement insert(db, kSalaryInsert);
            Statement employees(db, kEmployeeSelect);
            employees.exec();
            QSqlQuery& e = employees.query();
            QVariantList row;
            row.reserve(29);
            while (e.next()) {
                const QString code = e.value(eCode).toString();
                const double pay = number(e.value(eBPay));
                const double gradePay = number(e.value(eGradePay));
                const double lessFa = festival.recover(code, advance);
                const double da = dearnessAllowance(pay, gradePay, order.daCurrent);
                const double hra = houseRentAllowance(e.value(eHraType).toString(),
                                                      number(e.value(eHra)), pay, gradePay,
                                                      order.hra);
                const double ma = medicalAllowance(e.value(eHealthSch).toString(), order.ma);
                const double oa = number(e.value(eOa));
                const double grossPay = gross(pay, gradePay, da, hra, ma, oa, lessFa);
                const double gpfSubs = number(e.value(eGpfSubs));
                const double gpfRec = loan.recover(code, advance);
                const double iFund = number(e.value(eIFund));
                const double sFund = number(e.value(eSFund));
                const double pTax = professionalTax(grossPay);
                const double misc = 0;
                const double deduct = totalDeduction(gpfSubs, gpfRec, iFund, sFund, pTax, misc);
                row = {e.value(eName), e.value(eDesignation), e.value(eScale), e.value(eAccNo),
                       pay, lessFa, gradePay, da, hra, ma,
                       oa, grossPay, gpfSubs, gpfRec, iFund, sFund, pTax, misc,
                       net(grossPay, deduct), e.value(eCode), billDate, month,
                       0.0, 0.0, 0.0, 0.0, deduct, e.value(eCategory), e.value(eBankAc)};
                insert.exec(row);
                ++written;
            }
            // Queries on the connection must be finished before the savepoint
            // is released.
            employees.query().finish();
            tx.commit();
        } catch (...) {
            db.touch();
            throw;
        }
    }
    db.touch();
    return written;
}

QString singleClickQuestion()
{
    return QStringLiteral("ONE CLICK SALARY - ENABLE YOU TO PREPARE SALARY\n\n"
                          "WITHOUT ANY MISCELLENOUS RECOVERY DEDUCTION.\n\n"
                          "DO YOU LIKE TO PROCEED THIS WAY?");
}

QString duplicateQuestion(const MonthRows& rows, const QString& payMonth)
{
    return QStringLiteral("SALARY OF ") + rows.firstName.toUpper() + QStringLiteral(" AND ")
        + QString::number(rows.count - 1) + QStringLiteral(" OTHERS ")
        + QStringLiteral(" FOR THE MONTH OF ") + payMonth
        + QStringLiteral("\n\nHAS ALREADY PREPARED. SO, HE / SHE / THEY WILL NOT ENTITLE TO GET"
                         "\n\nSALARY FOR THIS MONTH AGAIN. DO YOU WANT TO PROCEED ANY WAY?\n\n");
}

QString runDoneMessage(int employees, const QString& payMonth)
{
    return QStringLiteral("SALARY OF ") + QString::number(employees)
        + QStringLiteral(" NUMBERS EMPLOYEE FOR THE MONTH OF ") + payMonth
        + QStringLiteral("\n\n PREPARED AND SAVED IN THE AQUITTANCE ROLL.\n");
}

QString runFailedMessage(const QString& reason)
{
    return QStringLiteral("SALARY COULD NOT BE PREPARED:\n") + reason
        + QStringLiteral("\n\nNOTHING OF THIS RUN HAS BEEN SAVED: NO SALARY ROW AND NO LEDGER CHANGE.");
}

} // namespace salary
