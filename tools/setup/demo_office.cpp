#include "setup/demo_office.h"

#include "common/pay_month.h"
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/forms/clock.h"

#include <QDate>
#include <QString>

namespace setup {

using data::Database;

void writeStartingRows(const QString& password)
{
    Database& fund = Database::open(QLatin1String(common::kFundDb));
    Database& sal = Database::open(QLatin1String(common::kSalaryDb));
    data::Transaction tf(fund);
    fund.execute(QStringLiteral("INSERT INTO protect (pas) VALUES (?)"), {password});
    fund.execute(QStringLiteral("INSERT INTO estt (ddo_code, degn, dist) VALUES (?, ?, ?)"),
                 {QStringLiteral("HGAEDN017"), QStringLiteral("District Inspector of Schools (SE)"),
                  QStringLiteral("Hooghly")});
    tf.commit();

    data::Transaction ts(sal);
    sal.execute(QStringLiteral("INSERT INTO da_table (da_current, hra, ma) VALUES (?, ?, ?)"), {58.0, 10.0, 300.0});
    // The provident-fund sheet template: twelve months from April, "x" marking
    // a sheet not yet calculated, no refund or withdrawal.
    const char* months[] = {"April", "May", "June", "July", "August", "September",
                            "October", "November", "December", "January", "February", "March"};
    for (const char* m : months)
        sal.execute(QStringLiteral("INSERT INTO first_sheet (ac_no, name, month, subs, refund, total, loan, "
                                   "cumulative, dep_dt) VALUES ('', 'x', ?, 0, 0, 0, 0, 0, NULL)"),
                    {QString::fromLatin1(m)});
    ts.commit();
}

namespace {

struct Head {
    const char* code;
    const char* description;
    const char* category;
};

// Drawal codes: plan letters at characters 13-14, object head at 22-23.
const Head kHeads[] = {
    {"2202-00-109-NP-002-V-01", "Salary Secondary Schools", "A"},
    {"2202-00-001-NP-001-V-01", "Salary Direction and Administration", "B"},
    {"2202-00-109-NP-002-V-13", "Office Contingencies", "C"},
    {"2202-00-109-NP-002-V-11", "Travel Expenses", "T"},
    {"2202-00-109-SP-004-V-50", "Computer Literacy Scheme", "S"},
};

struct Emp {
    const char* code;
    const char* name;
    const char* designation;
    const char* category; // group A to D
    const char* grp;      // insurance group, OLD for the 1983 scheme
    double bPay, gradePay;
    const char* hraType;
    double hra;
    const char* health;
    double oa, gpfSubs, iFund, sFund;
};

// A 1983 scheme member under each salary head (A112, B203: 2 + 6 = 8), one
// FIXED H.R.A. (A104), one above
// the 6000 cap at a 10% rate (A101), one in the health scheme (A107).
const Emp kEmployees[] = {
    {"A101", "R. K. Chatterjee", "Headmaster", "A", "A", 52000, 7600, "RATE", 0, "NO", 0, 6000, 24, 56},
    {"A102", "S. M. Banerjee", "Asst. Teacher", "B", "B", 21400, 4600, "RATE", 0, "NO", 100, 2500, 12, 28},
    {"A103", "P. K. Mukherjee", "Asst. Teacher", "B", "B", 19850, 4600, "RATE", 0, "NO", 100, 2400, 12, 28},
    {"A104", "M. A. Rahaman", "Asst. Teacher", "B", "B", 18900, 4600, "FIXED", 1500, "NO", 100, 2300, 12, 28},
    {"A105", "K. L. Ghosh", "Senior Clerk", "C", "C", 13250, 2800, "RATE", 0, "NO", 0, 1600, 6, 14},
    {"A106", "V. S. Das", "Junior Clerk", "C", "C", 9910, 1900, "RATE", 0, "NO", 0, 1200, 6, 14},
    {"A107", "N. D. Mondal", "Lab Assistant", "C", "C", 10470, 2400, "RATE", 0, "YES", 0, 1300, 6, 14},
    {"A108", "G. R. Bag", "Peon", "D", "D", 7440, 1300, "RATE", 0, "NO", 0, 900, 3, 7},
    {"A109", "H. B. Hazra", "Peon", "D", "D", 7100, 1300, "RATE", 0, "NO", 0, 850, 3, 0},
    {"A110", "J. T. Sardar", "Watchman", "D", "D", 6950, 1300, "RATE", 0, "NO", 50, 800, 3, 7},
    {"A111", "L. P. Bhattacharya", "Asst. Teacher", "B", "B", 20280, 4600, "RATE", 0, "NO", 100, 2500, 12, 28},
    {"A112", "A. S. Chakraborty", "Librarian", "C", "OLD", 11360, 2400, "RATE", 0, "NO", 0, 1400, 2, 6},
    {"B201", "D. N. Sen", "Education Officer", "A", "A", 41200, 6600, "RATE", 0, "NO", 0, 5000, 24, 56},
    {"B202", "U. K. Bose", "Superintendent", "B", "B", 17140, 4200, "RATE", 0, "NO", 0, 2100, 12, 28},
    {"B203", "Y. M. Dutta", "Head Clerk", "C", "OLD", 14430, 2800, "RATE", 0, "NO", 0, 1800, 2, 6},
    {"B204", "C. R. Saha", "Senior Clerk", "C", "C", 12540, 2800, "RATE", 0, "NO", 0, 1500, 6, 14},
    {"B205", "E. G. Sarkar", "Junior Clerk", "C", "C", 8560, 1900, "RATE", 0, "NO", 0, 1100, 6, 14},
    {"B206", "F. A. Mallick", "Driver", "C", "C", 9300, 1900, "RATE", 0, "NO", 200, 1100, 6, 14},
    {"B207", "I. J. Maity", "Peon", "D", "D", 7520, 1300, "RATE", 0, "NO", 0, 900, 3, 7},
    {"B208", "O. B. Haldar", "Sweeper", "D", "D", 6800, 1300, "RATE", 0, "NO", 0, 800, 3, 7},
};

QString scaleOf(double gradePay)
{
    if (gradePay >= 6600)
        return QStringLiteral("15600-39100");
    if (gradePay >= 4200)
        return QStringLiteral("9300-34800");
    if (gradePay >= 1900)
        return QStringLiteral("5200-20200");
    return QStringLiteral("4440-7440");
}

// Last year's provident-fund summary of every subscriber but A112 and B208
// (left for the new-subscriber entry), so this year can be worked out from
// it; a few have the year before as well.
void writeBroadSheet(Database& sal, const QDate& yearStart)
{
    auto file = [&sal](const Emp& e, int n, const QDate& begin, double ob, double subs, double refund,
                       double interest, double loan) {
        sal.execute(QStringLiteral("INSERT INTO broadsheet (year, ac_no, name, ob, tot_subs, tot_refund, interest, "
                                   "loan_tkn, cb, yr_begin) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    {QStringLiteral("%1--%2").arg(begin.year()).arg(begin.year() + 1),
                     QStringLiteral("EDN/%1").arg(4100 + n), QLatin1String(e.name), ob, subs, refund, interest, loan,
                     ob + subs + refund + interest - loan, begin});
    };
    const QDate last = yearStart.addYears(-1);
    int n = 0;
    for (const Emp& e : kEmployees) {
        ++n;
        const QString code = QLatin1String(e.code);
        if (code == QLatin1String("A112") || code == QLatin1String("B208"))
            continue;
        const double subs = e.gpfSubs * 12;
        if (code == QLatin1String("A110")) {
            file(e, n, last, 0, subs, 0, 400, 0); // closes at 10000
            continue;
        }
        if (code == QLatin1String("A102")) {
            file(e, n, last, 60000, subs, 6000, 5500, 24000); // a withdrawal, and refunds of an older one
            continue;
        }
        const double ob = subs * (2 + n % 5);
        const double interest = qRound(ob * 0.086 + subs * 0.086 * 6.5 / 12);
        if (code == QLatin1String("A101") || code == QLatin1String("A103") || code == QLatin1String("B201")) {
            const double before = ob - subs - qRound((ob - subs) * 0.08);
            file(e, n, last.addYears(-1), before, subs, 0, ob - subs - before, 0);
        }
        file(e, n, last, ob, subs, 0, interest, 0);
    }
}

// A month's pay bill of one salary head, worked out from its employees at the
// demo's D.A. order (58 %, H.R.A. 10 % up to 6000, M.A. 300) with the
// professional-tax slabs of such pay; whole rupees, as the bills are drawn.
struct MonthBill {
    double pay = 0, gradePay = 0, da = 0, hra = 0, ma = 0, deduction = 0;
    double net() const { return pay + gradePay + da + hra + ma - deduction; }
};

MonthBill monthBill(char category)
{
    MonthBill b;
    for (const Emp& e : kEmployees) {
        if (e.code[0] != category)
            continue;
        const double basic = e.bPay + e.gradePay;
        const double da = qRound(basic * 0.58);
        const double hra = QLatin1String(e.hraType) == QLatin1String("FIXED") ? e.hra : qMin(qRound(basic * 0.10), 6000);
        const double ma = (QLatin1String(e.health) == QLatin1String("YES") ? 0 : 300) + e.oa;
        const double gross = basic + da + hra + ma;
        const double pTax = gross > 40000 ? 200 : gross > 25000 ? 150 : gross > 15000 ? 130 : 110;
        b.pay += e.bPay;
        b.gradePay += e.gradePay;
        b.da += da;
        b.hra += hra;
        b.ma += ma;
        b.deduction += e.gpfSubs + e.iFund + e.sFund + pTax;
    }
    return b;
}

// The two salary heads' bills of every month of the year before today's, in
// the bill register, and the B-statement totals that each month's statement
// carried forward: this month's statement then finds last month's totals on
// any day of the year. Numbered from 1; the office's own bills go on from there.
void writeEarlierMonths(Database& fund, const QDate& today, const QDate& yearStart)
{
    const QDate thisMonth(today.year(), today.month(), 1);
    int billNo = 0;
    for (const Head& h : {kHeads[0], kHeads[1]}) {
        const MonthBill b = monthBill(h.category[0]);
        int months = 0;
        for (QDate m = yearStart; m < thisMonth; m = m.addMonths(1)) {
            ++months;
            fund.execute(QStringLiteral("INSERT INTO all_exp (head, bill_no, bill_date, pay, d_pay, da, hra, ma, bonus, "
                                        "wages, ta, elec, tele, misc, oe, oc, scheme, deduction, despn) VALUES "
                                        "(?, ?, ?, ?, ?, ?, ?, ?, 0,0,0,0,0,0,0,0,0, ?, ?)"),
                         {QLatin1String(h.code), ++billNo, QDate(m.year(), m.month(), 25), b.pay, b.gradePay, b.da,
                          b.hra, b.ma, b.deduction, QLatin1String(h.description)});
            // Brought forward into the next reporting month (4 April .. 15 March).
            const int monthNo = m.month() < 4 ? m.month() + 12 : m.month();
            fund.execute(QStringLiteral("INSERT INTO b_statement (m_head, month_no, pay, d_pay, da, hra, wages, ta, "
                                        "cont, bonus, scheme, deduct, net, fy_year) VALUES "
                                        "(?, ?, ?, ?, ?, ?, 0, 0, 0, 0, 0, ?, ?, ?)"),
                         {QLatin1String(h.code).left(20), monthNo + 1, b.pay * months, b.gradePay * months,
                          b.da * months, (b.hra + b.ma) * months, b.deduction * months, b.net() * months,
                          yearStart.year()});
        }
    }
}

} // namespace

void writeDemoOffice()
{
    Database& fund = Database::open(QLatin1String(common::kFundDb));
    Database& sal = Database::open(QLatin1String(common::kSalaryDb));
    const QDate today = forms::Clock::today();
    const QDate yearStart = common::financialYearStart(today);

    data::Transaction tf(fund);
    for (const Head& h : kHeads) {
        fund.execute(QStringLiteral("INSERT INTO head (drawal_code, description, code_category) VALUES (?, ?, ?)"),
                     {QLatin1String(h.code), QLatin1String(h.description), QLatin1String(h.category)});
        // Every head keeps a zero opening row in each register for the year.
        fund.execute(QStringLiteral("INSERT INTO all_allot (head, order_no, order_date, pay, d_pay, da, hra, ma, "
                                    "bonus, wages, ta, elec, tele, misc, oe, oc, scheme, despn) VALUES "
                                    "(?, '0', ?, 0,0,0,0,0,0,0,0,0,0,0,0,0,0, ?)"),
                     {QLatin1String(h.code), yearStart, QLatin1String(h.description)});
        fund.execute(QStringLiteral("INSERT INTO all_exp (head, bill_no, bill_date, pay, d_pay, da, hra, ma, bonus, "
                                    "wages, ta, elec, tele, misc, oe, oc, scheme, deduction, despn) VALUES "
                                    "(?, 0, ?, 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0, ?)"),
                     {QLatin1String(h.code), yearStart, QLatin1String(h.description)});
    }
    // The year's allotment orders of the two salary heads, enough for its twelve bills.
    fund.execute(QStringLiteral("INSERT INTO all_allot (head, order_no, order_date, pay, d_pay, da, hra, ma, bonus, "
                                "wages, ta, elec, tele, misc, oe, oc, scheme, despn) VALUES "
                                "(?, ?, ?, ?, ?, ?, ?, ?, ?, 0,0,0,0,0,0,0,0, ?)"),
                 {QLatin1String(kHeads[0].code), QStringLiteral("EDN/ALT/114"), yearStart.addDays(14), 2600000.0,
                  480000.0, 1700000.0, 300000.0, 50000.0, 50000.0, QLatin1String(kHeads[0].description)});
    fund.execute(QStringLiteral("INSERT INTO all_allot (head, order_no, order_date, pay, d_pay, da, hra, ma, bonus, "
                                "wages, ta, elec, tele, misc, oe, oc, scheme, despn) VALUES "
                                "(?, ?, ?, ?, ?, ?, ?, ?, ?, 0,0,0,0,0,0,0,0, ?)"),
                 {QLatin1String(kHeads[1].code), QStringLiteral("EDN/ALT/121"), yearStart.addDays(20), 1450000.0,
                  280000.0, 1000000.0, 175000.0, 32000.0, 20000.0, QLatin1String(kHeads[1].description)});
    writeEarlierMonths(fund, today, yearStart);
    tf.commit();

    data::Transaction ts(sal);
    int n = 0;
    for (const Emp& e : kEmployees) {
        ++n;
        const QDate effect(today.year() - (today.month() < 7 ? 1 : 0), 7, 1);
        sal.execute(QStringLiteral("INSERT INTO employee (emp_code, name, designation, scale, acc_no, pay_band, "
                                   "pay_band_scale, category, grp, bank_ac, pan, hra_type, health_sch, b_pay, "
                                   "grade_pay, basic, hra, oa, gpf_subs, i_fund, s_fund, effect_date) VALUES "
                                   "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                    {QLatin1String(e.code), QLatin1String(e.name), QLatin1String(e.designation),
                     scaleOf(e.gradePay), QStringLiteral("EDN/%1").arg(4100 + n), QStringLiteral("PB-%1").arg(e.gradePay >= 5400 ? 3 : e.gradePay >= 4200 ? 2 : 1),
                     scaleOf(e.gradePay), QLatin1String(e.category), QLatin1String(e.grp),
                     QStringLiteral("3301%1").arg(200450 + n * 17), QStringLiteral("AB%1K").arg(QString::number(52310 + n * 7).rightJustified(7, QLatin1Char('1'))),
                     QLatin1String(e.hraType), QLatin1String(e.health), e.bPay, e.gradePay, e.bPay + e.gradePay,
                     e.hra, e.oa, e.gpfSubs, e.iFund, e.sFund, effect});
    }
    // The log of the last July increment run: pay before it, and the date
    // from which the earlier pay was drawn.
    const struct { const char* code; double prPay; } increments[] = {{"A102", 25220}, {"A106", 11480}, {"B204", 14900}};
    for (const auto& inc : increments) {
        const QDate effect(today.year() - (today.month() < 7 ? 1 : 0), 7, 1);
        sal.execute(QStringLiteral("INSERT INTO emp_temp (emp_code, pr_pay, e_date) VALUES (?, ?, ?)"),
                    {QLatin1String(inc.code), inc.prPay, effect.addDays(-365)});
    }
    // Recovery ledgers: festival advances and provident-fund loans under way.
    const struct { const char* code; double due, rec, inst; } advances[] = {
        {"A105", 7500, 0, 10}, {"A108", 3000, 1500, 5}, {"B205", 5000, 2500, 3}};
    for (const auto& a : advances)
        sal.execute(QStringLiteral("INSERT INTO festi_adv (emp_code, adv_due, adv_rec, inst_no) VALUES (?, ?, ?, ?)"),
                    {QLatin1String(a.code), a.due, a.rec, a.inst});
    const struct { const char* code; double due, rec, inst; } loans[] = {
        {"A102", 24000, 6000, 18}, {"A111", 10000, 0, 24}, {"B202", 15000, 5000, 20}};
    for (const auto& l : loans)
        sal.execute(QStringLiteral("INSERT INTO gpf_loan (emp_code, loan_due, loan_rec, inst_no) VALUES (?, ?, ?, ?)"),
                    {QLatin1String(l.code), l.due, l.rec, l.inst});
    writeBroadSheet(sal, yearStart);
    ts.commit();
}

} // namespace setup
