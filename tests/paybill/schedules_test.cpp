// The schedules of one pay bill on the bill form: each states its total in figures and words, prints its rows,
// and with nothing to show says so in its own words, shows no report and leaves the form's totals alone.
#include "bill_fixture.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/tax_schedules.h"
#include "paybill/working_tables.h"
#include "support/report_texts.h"

namespace billtest {
namespace {

using namespace paybill;
using namespace testsupport;

// The bill of 29 February 2012 (bill No. 42) under head S, whose codes begin with "S", and a quiet bill.
const QDate kBillDate{2012, 2, 29};
const QDate kQuietBillDate{2012, 1, 31};

struct Row {
    const char *code, *name, *category, *accNo;
    double pay = 0, gpfSubs = 0, gpfRec = 0, iFund = 0, sFund = 0, pTax = 0, iTax = 0, hbLoan = 0, hbInt = 0, others = 0;
};

void addSalary(const QDate& date, const Row& r)
{
    salaryDb().execute(
        QStringLiteral("insert into salary (name, designation, acc_no, pay, d_pay, gpf_subs, gpf_rec, \"if\", sf,"
                       " p_tax, emp_code, bill_date, p_month, hb_loan, hb_int, i_tax, others, category)"
                       " values (?,'CLERK',?,?,1900,?,?,?,?,?,?,?,'Feb-12',?,?,?,?,?)"),
        {QString::fromUtf8(r.name), QString::fromUtf8(r.accNo), r.pay, r.gpfSubs, r.gpfRec, r.iFund, r.sFund, r.pTax,
         QString::fromUtf8(r.code), date, r.hbLoan, r.hbInt, r.iTax, r.others, QString::fromUtf8(r.category)});
}

// One bill whose rows carry every kind of recovery. S005 was paid in the bill and has since been removed from
// the master; S003 has no provident-fund account, yet a subscription was deducted.
void makeBills()
{
    fundDb().execute(QStringLiteral("insert into all_exp (head, bill_no, bill_date) values (?, 42, ?)"),
                     {QString::fromLatin1(kHeadS), kBillDate});
    for (auto [code, name, grp, pan] :
         {std::tuple{"S001", "Asha Roy", "A", "ABCDE1234F"}, {"S002", "Bimal Das", "OLD", "BCDEF2345G"},
          {"S003", "Chitra Sen", "C", "CDEFG3456H"}, {"S004", "Dulal Pal", "OLD", "DEFGH4567J"},
          {"T002", "Tapan Ghosh", "C", ""}})
        salaryDb().execute(QStringLiteral("insert into employee (emp_code, name, grp, pan, pay_band_scale, effect_date,"
                                          " basic) values (?,?,?,?,'5400-20200','2011-07-01',14690)"),
                           {QString::fromUtf8(code), QString::fromUtf8(name), QString::fromUtf8(grp),
                            QString::fromUtf8(pan)});
    //             code    name          cat  acc_no     pay    gpf   rec    if  sf  ptax itax  hbl   hbi  others
    const Row bill[] = {{"S001", "Asha Roy", "A", "Agr/101", 20000, 2000, 500, 24, 56, 200, 1500},
                        {"S002", "Bimal Das", "B", "Agr/102", 15000, 1500, 0, 3, 5, 150, 0, 1000, 250},
                        {"S003", "Chitra Sen", "C", "Nil", 9000, 300, 0, 6, 14, 110, 0, 0, 0, 450},
                        {"S004", "Dulal Pal", "D", "Agri/9", 7000, 600, 0, 3, 5, 0},
                        {"S005", "Emon Kar", "C", "Agr/105", 9500, 1000, 250.5, 6, 0, 130, 700},
                        // Paid from another head: never part of this bill.
                        {"T001", "Other Head", "D", "Agri/77", 8000, 900, 0, 3, 5, 100, 300}};
    for (const Row& r : bill)
        addSalary(kBillDate, r);
    // A bill with little in it: one 1987 member, no longer in the master, without fund or tax.
    addSalary(kQuietBillDate, Row{"S010", "Gopal Saha", "C", "Nil", 9000, 0, 0, 6, 14, 0});
    // The last increment run: two of head S, one of another head.
    salaryDb().execute(QStringLiteral("insert into emp_temp (emp_code, pr_pay, e_date) values ('S001', 14000,"
                                      " '2010-07-01'), ('T002', 9000, '2010-07-01'), ('S003', 9100, '2010-07-01')"));
}

class BillOnForm : public BillForm {
protected:
    void SetUp() override
    {
        BillForm::SetUp();
        makeBills();
        open();
        ASSERT_TRUE(choose(*form->Combo3, QStringLiteral("DDO-2")));
    }
    void activate(const QDate& date) { activateOn(*form, date, kHeadS, date == kBillDate); }
    // The four total labels, after `act`, from "-" each.
    QStringList totalsAfter(const std::function<void()>& act)
    {
        for (auto* l : {form->Label14, form->Label15, form->Label54, form->Label55})
            l->setCaption(QStringLiteral("-"));
        act();
        return captions({form->Label14, form->Label15, form->Label54, form->Label55});
    }
};

TEST_F(BillOnForm, EachScheduleTotalsItsRowsOrSaysItHasNoneAndFitsCeilingRows)
{
    const QString ddo = QStringLiteral("DDO-2"), code = QString::fromLatin1(kHeadS);
    const QString office = QStringLiteral("Office of the Sub-Divisional Officer Ranaghat");
    const struct {
        forms::CommandButton* command;
        reports::PageModel (*layout)();
        bool (*loaded)();
        QStringList totals;
        std::initializer_list<const char*> controls;
        QStringList texts;
        const char* none; // the note for the quiet bill, or null when it has something to show
        bool rowsAreTotals = false; // each row totals a group, and must hold the largest total
    } cases[] = {
        // GISS 1983: the members who pay eight rupees.
        {form->Command5, &layoutOf<DataReport2>, &reports::Reports::isLoaded<DataReport2>,
         {"16", "(Sixteen) Only", "-", "-"}, {"ifno", "totalif", "totalsf", "total", "label26", "label18", "label15"},
         {"2", "6", "10", "16", "(Sixteen) Only", ddo, office}, "No Employee found in this Scheme", true},
        // GISS 1987 abstract: 24 + 56, 6 + 14, and 6 of the employee removed since, under the bill row's group.
        {form->Command6, &layoutOf<DataReport5>, &reports::Reports::isLoaded<DataReport5>,
         {"106", "(One Hundred Six) Only", "-", "-"},
         {"grp", "iftotal", "sftotal", "sum_total", "sum_iftotal", "sum_sftotal", "label28", "label17", "label24"},
         {"A|C", "24|12", "56|14", "106", "36", "70", "(One Hundred Six) Only", ddo, code}, nullptr, true},
        // G.P.F. other than group D: 2000 + 500, 1500, 300 without an account, 1000 + 250.50 of one removed since.
        {form->Command3, &layoutOf<DataReport3>, &reports::Reports::isLoaded<DataReport3>,
         {"5550.5", "(Five Thousand Five Hundred FiftyAndFifty) Only", "-", "-"},
         {"acc_no", "name", "gpf_rec", "sum_gpf_subs", "sum_gpf_rec", "sum_total", "Label34", "Label24", "Label38",
          "Label27", "Label31", "Label29"},
         {"Agr/101|Agr/102|Agr/105|Nil", "Asha Roy|Bimal Das|Emon Kar|Chitra Sen", "500.00|0.00|250.50|0.00",
          "4800.00", "750.50", "5550.50", "(Five Thousand Five Hundred FiftyAndFifty) Only", ddo, "42", "29/02/2012",
          "FEB-12", office}, "No Employee other than Group 'D' found under this Head"},
        // G.P.F. group D certifies the amount with paise.
        {form->Command7, &layoutOf<DataReport6>, &reports::Reports::isLoaded<DataReport6>,
         {"600", "(Six Hundred ) Only", "-", "-"}, {"label22", "label24", "nos", "tgpfs", "total", "label17"},
         {"600.00", "(Six Hundred ) Only", "1", "600.00", "600.00", ddo}, "No Group 'D' Employee found under this Head",
         true},
        // Professional tax prints its total unformatted; the quiet bill still states its nil amount.
        {form->Command4, &layoutOf<DataReport4>, &reports::Reports::isLoaded<DataReport4>,
         {"590", "(Five Hundred Ninety) Only", "-", "-"},
         {"total", "Label26", "Label28", "Label24", "Label19", "Label16", "Label17"},
         {"590", "590", "(Five Hundred Ninety) Only", code, ddo, office, "FEB-12"}, nullptr, true},
        // Income tax keeps the row of an employee removed since, with a blank PAN.
        {form->Command13, &layoutOf<DataReport13>, &reports::Reports::isLoaded<DataReport13>,
         {"2200", "(Two Thousand Two Hundred ) Only", "-", "-"},
         {"name", "pan", "i_tax", "sl_no", "sum_i_tax", "label26", "label6", "label22"},
         {"Asha Roy|Emon Kar", "ABCDE1234F|", "1500|700", "1|2", "2200", "(Two Thousand Two Hundred ) Only", ddo, code},
         "Nothing to display for Income Tax under this Head"},
        // House-building loan: principal and interest together.
        {form->Command14, &layoutOf<DataReport12>, &reports::Reports::isLoaded<DataReport12>,
         {"1250", "(One Thousand Two Hundred Fifty) Only", "-", "-"},
         {"name", "hb_loan", "hb_int", "label35", "label33", "label32"},
         {"Bimal Das", "1000", "250", code, "(One Thousand Two Hundred Fifty) Only", ddo},
         "Nothing to display for H.B.Loan under this Head"},
        // House rent writes its own labels and prints the amount once, beside the words.
        {form->Command19, &layoutOf<DataReport17>, &reports::Reports::isLoaded<DataReport17>,
         {"-", "-", "450", "(Four Hundred Fifty) Only"}, {"others", "label32", "label31", "label7", "label23"},
         {"450", "FEB-12", "(Four Hundred Fifty) Only", ddo, code}, "Nothing to display for H.R.Deduction under this Head"},
        // The increment certificate: the head's employees of the last run.
        {form->Command12, &layoutOf<DataReport14>, &reports::Reports::isLoaded<DataReport14>, {"-", "-", "-", "-"},
         {"name", "pr_pay", "e_date", "label5"}, {"Asha Roy|Chitra Sen", "14000|9100", "01/07/2010|01/07/2010", ddo},
         "Nothing to display for Increment under this Head"},
    };

    activate(kBillDate);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texts.last().toStdString() + " " + c.command->objectName().toStdString());
        EXPECT_EQ(totalsAfter([&] { EXPECT_EQ(saidBy([&] { click(*c.command); }), QStringList()); }), c.totals);
        const reports::PageModel m = c.layout();
        EXPECT_EQ(textsOf(m, c.controls), c.texts);
        int printed = 0;
        for (const reports::Page& page : m.pages)
            for (const reports::Item& item : page.items)
                printed += item.text == QStringLiteral("450");
        EXPECT_EQ(printed, c.command == form->Command19 ? 1 : 0);
    }
    EXPECT_TRUE(layoutOf<DataReport14>().landscape);

    reports::Reports::unloadAll();
    salaryDb().execute(QStringLiteral("delete from emp_temp")); // no increment run since
    activate(kQuietBillDate);
    for (const auto& c : cases) {
        if (!c.none)
            continue;
        SCOPED_TRACE(c.none);
        const QStringList note{QStringLiteral("PLEASE NOTE|64|") + QLatin1String(c.none)};
        EXPECT_EQ(totalsAfter([&] { EXPECT_EQ(saidBy([&] { click(*c.command); }), note); }), QStringList(4, "-"));
        EXPECT_FALSE(c.loaded());
    }
    // The bill's one member of the 1987 scheme is no longer in the master; the rows pay no professional tax.
    EXPECT_EQ(totalsAfter([&] { click(*form->Command6); }), (QStringList{"20", "(Twenty) Only", "-", "-"}));
    EXPECT_EQ(textsOf(layoutOf<DataReport5>(), {"sum_total"}), QStringList{"20"});
    EXPECT_EQ(totalsAfter([&] { click(*form->Command4); }), (QStringList{"0", "() Only", "-", "-"}));

    // With no rows at all the sum is empty, and that is said, not printed.
    reports::Reports::unloadAll();
    salaryDb().execute(QStringLiteral("delete from sal"));
    const QStringList note{"PLEASE NOTE|64|Nothing to display for Prof. Tax under this Head"};
    EXPECT_EQ(totalsAfter([&] { EXPECT_EQ(saidBy([&] { click(*form->Command4); }), note); }), QStringList(4, "-"));
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport4>());

    // Each row at the ceilings (a part just under one crore, twice that where two add up): every schedule prints its
    // figures at their own size, and its totals (and the rows of a schedule that totals a group) hold ten-digit
    // rupees with paise.
    activate(kBillDate);
    const QString c = QStringLiteral("9999999.99");
    salaryDb().execute(QStringLiteral("UPDATE sal SET pay = %1, gpf_subs = %1, gpf_rec = %1, p_tax = %1, others = %1,"
                                      " hb_loan = %1, hb_int = %1, i_tax = %1").arg(c));
    salaryDb().execute(QStringLiteral("UPDATE temp SET i_tax = %1").arg(c));
    salaryDb().execute(QStringLiteral("UPDATE temp1 SET hb_loan = %1, hb_int = %1").arg(c));
    salaryDb().execute(QStringLiteral("UPDATE ginew SET iftotal = %1, sftotal = %1, total = 2 * %1").arg(c));
    salaryDb().execute(QStringLiteral("insert into emp_temp (emp_code, pr_pay, e_date) values ('S001', %1, '2010-07-01')")
                           .arg(c));
    salaryDb().execute(QStringLiteral("UPDATE employee SET basic = %1").arg(c));
    for (const auto& s : cases) {
        EXPECT_EQ(saidBy([&] { click(*s.command); }), QStringList());
        const auto m = s.layout();
        EXPECT_EQ(misfits(m, QStringLiteral("9999999999.99"), s.rowsAreTotals), QStringList()) << m.title.toStdString();
    }
}

// A bill of 31 March 2012 under head S of three group D employees in seven
// rows: S004 (1983 scheme) and S006 each paid a fraction of the month beside
// the salary, the fraction's funds deducted in full; S006 paid a bonus of
// 4000 and S007 a festival advance of 5000, each a row of its own without
// pay or deduction. S006 and S007 are not in the master: group D from their rows.
//   No. of group D employees 3; provident fund 600 + 650 + 700 + 600 + 650 = 3200
//   1983 scheme: one subscriber, S004, 3 + 5 twice = 16
//   1987 scheme, group D: S006 both funds (3 + 7 twice), S007 insurance only (3):
//     one and one, 9 + 14 = 23
TEST_F(BillOnForm, EachEmployeeCountsOnceBesideABonusAdvanceOrFractionRow)
{
    //             code    name          cat  acc_no    pay    gpf  rec if sf
    const Row rows[] = {{"S004", "Dulal Pal", "D", "Agri/9", 7000, 600, 0, 3, 5},
                        {"S006", "Fatik Das", "D", "Agri/6", 7200, 650, 0, 3, 7},
                        {"S007", "Gita Bala", "D", "Agri/7", 7100, 700, 0, 3, 0},
                        {"S004", "Dulal Pal", "D", "Agri/9", 2000, 600, 0, 3, 5},
                        {"S006", "Fatik Das", "D", "Agri/6", 2100, 650, 0, 3, 7}};
    for (const Row& r : rows)
        addSalary(kMarchBill, r);
    for (auto [code, name, amount] : {std::tuple{"S006", "Fatik Das", 4000.0}, {"S007", "Gita Bala", 5000.0}})
        salaryDb().execute(QStringLiteral("insert into salary (name, acc_no, pay, d_pay, da, hra, ma, oa, gross,"
                                          " gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, deduct, emp_code,"
                                          " bill_date, p_month, category) values (?, 'Agri/0', 0, 0, 0, 0, 0, 0, ?,"
                                          " 0, 0, 0, 0, 0, 0, ?, 0, ?, ?, 'Mar-12', 'D')"),
                           {QString::fromUtf8(name), amount, amount, QString::fromUtf8(code), kMarchBill});
    unloadAll(); // the bill dates are listed as the form loads
    open();
    activateOn(*form, kMarchBill, kHeadS);
    EXPECT_EQ(form->Label18->caption() + " of " + QString::number(salRowCount(salaryDb())), "3 of 7");

    click(*form->Command7);
    EXPECT_EQ(textsOf(layoutOf<DataReport6>(), {"nos", "tgpfs", "total"}), (QStringList{"3", "3200.00", "3200.00"}));
    click(*form->Command5);
    EXPECT_EQ(textsOf(layoutOf<DataReport2>(), {"ifno", "totalif", "totalsf", "total"}),
              (QStringList{"1", "6", "10", "16"}));
    click(*form->Command6);
    EXPECT_EQ(textsOf(layoutOf<DataReport5>(), {"grp", "ifno", "sfno", "iftotal", "sftotal", "total"}),
              (QStringList{"D", "1", "1", "9", "14", "23"}));
}

} // namespace
} // namespace billtest
