#include "salary/single_click_run.h"

#include "platform/data/database.h"
#include "platform/data/statement.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "salary/bill_row.h"
#include "salary/ledgers.h"
#include "salary/rules.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace salary {

namespace {

// The key a ledger is matched by: the code in upper case, as UTF-8. Codes
// are ASCII in practice and are upper-cased here without making a QString;
// any other code goes through QString's upper case.
std::string codeKey(const char* text, int length)
{
    std::string key(text ? text : "", text ? size_t(length) : 0);
    for (char& c : key) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return QString::fromUtf8(text, length).toUpper().toStdString();
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return key;
}

std::string codeKey(const data::Statement& q, int column)
{
    int length = 0;
    const char* text = q.utf8(column, &length);
    return codeKey(text, length);
}

// The codes (as keys, sorted) whose rows of the pay month have recovered
// each ledger's instalment already, read once for the whole run.
struct RecoveredCodes {
    std::vector<std::string> advance, loan;
};

RecoveredCodes recoveredCodes(data::Database& db, const QByteArray& month)
{
    RecoveredCodes codes;
    data::Statement q = db.prepare(QStringLiteral("select emp_code, max(%1), max(%2) from salary "
                                                  "where p_month = ? and (%1 or %2) group by emp_code")
                                       .arg(QLatin1String(kRecoversAdvance), QLatin1String(kRecoversLoan)));
    q.bindUtf8(0, month);
    while (q.step()) {
        if (q.isNull(0))
            continue;
        const std::string key = codeKey(q, 0);
        if (q.toInt64(1) != 0)
            codes.advance.push_back(key);
        if (q.toInt64(2) != 0)
            codes.loan.push_back(key);
    }
    for (std::vector<std::string>* list : {&codes.advance, &codes.loan})
        std::sort(list->begin(), list->end());
    return codes;
}

// One ledger (festi_adv or gpf_loan): the first row of each code in the order
// of its index ec, as a seek "=" on that index finds it. Each row is taken
// once, by the first employee of its code.
class Ledger {
public:
    // recovered: the codes whose month has recovered this ledger already.
    Ledger(data::Database& db, const QString& table, const QString& dueField,
           const QString& recField, std::vector<std::string> recovered)
        : mRecovered(std::move(recovered)),
          mDelete(db.prepare(QStringLiteral("delete from %1 where rowid = ?").arg(table))),
          mUpdate(db.prepare(QStringLiteral("update %1 set %2 = ?, %3 = ?, inst_no = ? where rowid = ?")
                                 .arg(table, dueField, recField)))
    {
        data::Statement q = db.prepare(QStringLiteral("select rowid, emp_code, %1, %2, inst_no from %3 "
                                                      "order by emp_code, rowid")
                                           .arg(dueField, recField, table));
        while (q.step())
            mRows.push_back({codeKey(q, 1), q.toInt64(0), {q.toDouble(2), q.toDouble(3), q.toDouble(4)}});
        // Sorted by key, the first row of each code in the index's order kept.
        std::stable_sort(mRows.begin(), mRows.end(), [](const Row& x, const Row& y) { return x.key < y.key; });
        mRows.erase(std::unique(mRows.begin(), mRows.end(), [](const Row& x, const Row& y) { return x.key == y.key; }),
                    mRows.end());
    }

    // The instalment of the employee's row; a paid-off row is deleted, and
    // the row is advanced by the instalment unless the month has recovered
    // it already.
    double recover(std::string_view code)
    {
        const auto it = std::lower_bound(mRows.begin(), mRows.end(), code,
                                         [](const Row& r, std::string_view k) { return r.key < k; });
        if (it == mRows.end() || it->key != code || it->taken)
            return 0;
        it->taken = true;
        const Row& r = *it;
        if (paidOff(r.state.due)) {
            mDelete.bind(0, r.rowid);
            mDelete.run();
            return 0;
        }
        const double inst = instalment(r.state.due, r.state.instalmentsLeft);
        if (!std::binary_search(mRecovered.begin(), mRecovered.end(), code)) {
            const LedgerState next = advanceLedger(r.state, inst);
            mUpdate.bind(0, next.due);
            mUpdate.bind(1, next.recovered);
            mUpdate.bind(2, next.instalmentsLeft);
            mUpdate.bind(3, r.rowid);
            mUpdate.run();
        }
        return inst;
    }

private:
    struct Row {
        std::string key;
        qint64 rowid = 0;
        LedgerState state;
        bool taken = false;
    };
    std::vector<Row> mRows;
    std::vector<std::string> mRecovered;
    data::Statement mDelete;
    data::Statement mUpdate;
};

struct DaOrder {
    double daCurrent = 0;
    double hra = 0;
    double ma = 0;
};

DaOrder daOrder(data::Database& db)
{
    data::Statement s = db.prepare(QStringLiteral("select da_current, hra, ma from da_table order by rowid limit 1"));
    if (!s.step())
        throw vb::Error(vb::NoCurrentRecord, QStringLiteral("No D.A. order is entered in da_table."));
    return {s.toDouble(0), s.toDouble(1), wholePaise(s.toDouble(2))}; // M.A. is paid as a figure of the row
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
    const QString paysSalary = QLatin1String(" and ") + QLatin1String(kPaysSalary);
    data::Statement count = db.prepare(QStringLiteral("select count(*) from salary where p_month = ?") + paysSalary);
    count.bind(0, payMonth);
    if (count.step())
        rows.count = int(count.toInt64(0));
    if (rows.count > 0) {
        data::Statement first = db.prepare(QStringLiteral("select name from salary where p_month = ?") + paysSalary
                                           + QStringLiteral(" order by rowid limit 1"));
        first.bind(0, payMonth);
        if (first.step())
            rows.firstName = first.toString(0);
    }
    return rows;
}

int runSingleClick(data::Database& db, const QDate& billDate)
{
    const QString month = payMonth(billDate);
    int written = 0;
    {
        data::Transaction tx(db);
        try {
            const DaOrder order = daOrder(db);
            // The same date and month on every row: made into text once, and
            // kept until the insert statement goes.
            const QByteArray billDateText = billDate.toString(Qt::ISODate).toLatin1();
            const QByteArray monthText = month.toUtf8();
            RecoveredCodes recovered = recoveredCodes(db, monthText);
            Ledger festival(db, QStringLiteral("festi_adv"), QStringLiteral("adv_due"),
                            QStringLiteral("adv_rec"), std::move(recovered.advance));
            Ledger loan(db, QStringLiteral("gpf_loan"), QStringLiteral("loan_due"),
                        QStringLiteral("loan_rec"), std::move(recovered.loan));
            data::Statement insert = db.prepare(kSalaryInsert);
            data::Statement e = db.prepare(kEmployeeSelect);
            // Text columns are read where SQLite holds them, valid until the next step.
            auto text = [&e](int column) {
                int length = 0;
                const char* t = e.utf8(column, &length);
                return QUtf8StringView(t, t ? length : 0);
            };
            while (e.step()) {
                const std::string code = codeKey(e, eCode);
                // Every figure of the row to the paisa, so that gross, deduction
                // and net are the sums of the figures stored.
                const double pay = wholePaise(e.toDouble(eBPay));
                const double gradePay = wholePaise(e.toDouble(eGradePay));
                const double lessFa = festival.recover(code);
                const double da = dearnessAllowance(pay, gradePay, order.daCurrent);
                const double hra = houseRentAllowance(text(eHraType), wholePaise(e.toDouble(eHra)), pay, gradePay, order.hra);
                const double ma = medicalAllowance(text(eHealthSch), order.ma);
                const double oa = wholePaise(e.toDouble(eOa));
                const double grossPay = gross(pay, gradePay, da, hra, ma, oa, lessFa);
                const double gpfSubs = wholePaise(e.toDouble(eGpfSubs));
                const double gpfRec = loan.recover(code);
                const double iFund = wholePaise(e.toDouble(eIFund));
                const double sFund = wholePaise(e.toDouble(eSFund));
                const double pTax = professionalTax(grossPay);
                const double misc = 0;
                const double deduct = totalDeduction(gpfSubs, gpfRec, iFund, sFund, pTax, misc);
                const double figures[] = {pay, lessFa, gradePay, da, hra, ma, oa, grossPay, gpfSubs, gpfRec,
                                          iFund, sFund, pTax, misc, net(grossPay, deduct)};
                insert.bind(0, e, eName);
                insert.bind(1, e, eDesignation);
                insert.bind(2, e, eScale);
                insert.bind(3, e, eAccNo);
                for (int k = 0; k < 15; ++k)
                    insert.bind(4 + k, figures[k]);
                insert.bind(19, e, eCode);
                insert.bindUtf8Kept(20, billDateText);
                insert.bindUtf8Kept(21, monthText);
                for (int k = 22; k < 26; ++k)
                    insert.bind(k, 0.0);
                insert.bind(26, deduct);
                insert.bind(27, e, eCategory);
                insert.bind(28, e, eBankAc);
                insert.run();
                ++written;
            }
            // Reads on the connection are finished before the transaction commits.
            e.reset();
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
