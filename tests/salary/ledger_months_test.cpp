// A loan and a festival advance over their whole life, each month begun by a
// different bill, through the real forms: whatever came first, each ledger
// moves once a month, by the month's first row that recovers its instalment.
#include "platform/data/data_control.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"
#include "salary/irregular_bill_form.h"
#include "salary/regular_salary_form.h"
#include "salary/single_click_form.h"
#include "salary_fixture.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

using namespace salarytest;
using namespace testsupport;
using forms::CommandButton;
using forms::Forms;
using forms::OptionButton;
using forms::TextBox;

namespace {

class LedgerMonths : public ::testing::Test {
protected:
    void SetUp() override
    {
        setDaOrder(40, 10, 300);
        addEmployee({"L1", "Asha Roy", 20000, 4000, "", 0, "NO", 0, 2000, 0, 0});
        addEmployee({"M1", "Bina Sen", 15000, 3000, "", 0, "NO", 0, 1500, 0, 0});
        addGpfLoan("L1", 1333.33, 0, 4);
        addFestivalAdvance("L1", 700, 0, 4);
    }
    void TearDown() override
    {
        Forms::unloadAll();
        settle();
    }

    // The one-click run on the date, answered Yes, then `repeat` to the duplicate question.
    QStringList oneClick(const QDate& date, std::optional<int> repeat = {})
    {
        auto& f9 = Forms::get<salary::Form9>();
        showForm(f9);
        f9.control<forms::DatePicker>("DTPicker1").setValue(date);
        const auto act = [&] { click(f9.control<CommandButton>("Command1")); };
        return repeat ? saidBy(act, {{forms::vbYes, "ONE CLICK SALARY"}, {*repeat, "HAS ALREADY PREPARED"}})
                      : saidBy(act, {{forms::vbYes, "ONE CLICK SALARY"}});
    }

    // An irregular bill of L1 on the date: option 1 a fraction of pay for
    // the period, 2 a bonus of `figure`, 4 an arrear of D.A. of `figure`.
    void irregular(int option, const QDate& billDate, const QString& figure = {}, const QString& from = {},
                   const QString& to = {})
    {
        auto& f = Forms::get<salary::Form11>();
        showForm(f);
        const auto box = [&f](int n) -> TextBox& { return f.control<TextBox>(QStringLiteral("Text%1").arg(n)); };
        click(f.control<OptionButton>(QStringLiteral("Option%1").arg(option)));
        if (option == 1) {
            enter(box(21), from);
            enter(box(22), to);
        }
        enter(box(1), vb::shortDate(billDate));
        box(2).setText("L1");
        pressEnter(box(2));
        if (option == 2) {
            enter(box(13), figure);
        } else {
            if (option == 4)
                type(box(9), figure);
            pressEnter(box(12));
            enter(box(19), "0");
        }
        click(f.control<CommandButton>("Command3"));
        EXPECT_EQ(saidBy([&] { click(f.control<CommandButton>("Command1")); }),
                  QStringList{"Hi|64|ENTERED IN THE AQUITTANCE ROLL"});
    }

    // L1's month on the regular salary form, a second row of the month
    // answered Yes; what the form said.
    QStringList regular(const QDate& billDate, bool again = false)
    {
        auto& f = Forms::get<salary::SALARY>();
        showForm(f);
        f.findChild<data::DataControl*>("Data1")->setCurrentRow(0);
        f.control<forms::DatePicker>("DTPicker1").setValue(billDate);
        enter(f.control<TextBox>("Text12"), "0");
        enter(f.control<TextBox>("Text19"), "0");
        const auto act = [&] {
            click(f.control<CommandButton>("Command1"));
            click(f.control<CommandButton>("Command4"));
        };
        const QStringList said = again ? saidBy(act, {{forms::vbYes, "HAS ALREADY PREPARED"}}) : saidBy(act);
        Forms::unload(f);
        settle();
        return said;
    }

    // L1's ledgers, "due recovered left", the loan's then the advance's.
    static QString ledgers()
    {
        return firstRow("select ifnull((select printf('%.2f %.2f %g', loan_due, loan_rec, inst_no) from gpf_loan), 'none')"
                        " || ' | ' || ifnull((select printf('%.2f %.2f %g', adv_due, adv_rec, inst_no) from festi_adv), 'none')")
            .value(0)
            .toString();
    }
    // What L1's rows of the month recovered, in the order written: "loan/advance".
    static QString recovered(const QString& month)
    {
        return firstRow("select group_concat(r, ', ') from (select printf('%.2f/%.2f', gpf_rec, less_fa) as r from salary"
                        " where emp_code = 'L1' and p_month = ? order by rowid)",
                        {month})
            .value(0)
            .toString();
    }

    forms::Clock::Override today{QDate(2027, 5, 31)};
    TempDataFolder folder;
};

QString prepared(const QString& month)
{
    return "PLEASE NOTE|0|SALARY OF 2 NUMBERS EMPLOYEE FOR THE MONTH OF " + month
        + "\n\n PREPARED AND SAVED IN THE AQUITTANCE ROLL.\n";
}

} // namespace

// The loan: 1333.33 in 4; 1333.33 / 4 = 333.3325 -> 333.33, 1000 / 3 -> 333.33,
// 666.67 / 2 = 333.335 -> 333.34, and the last 333.33: 1333.33 in all.
// The advance: 700 in 4, 175 a month.
TEST_F(LedgerMonths, EachLedgerMovesOnceAMonthWhateverBillCameFirst)
{
    // January: a D.A. arrear of 1500 first. It pays salary, so the run asks;
    // Yes pays the month, and both ledgers move by the run's instalments.
    irregular(4, QDate(2027, 1, 8), "1500");
    EXPECT_EQ(oneClick(QDate(2027, 1, 25), forms::vbYes).mid(1),
              (QStringList{"DUPLICATE ENTRY ERROR|260|SALARY OF ASHA ROY AND 0 OTHERS  FOR THE MONTH OF Jan-27\n\n"
                           "HAS ALREADY PREPARED. SO, HE / SHE / THEY WILL NOT ENTITLE TO GET\n\n"
                           "SALARY FOR THIS MONTH AGAIN. DO YOU WANT TO PROCEED ANY WAY?\n\n",
                           prepared("Jan-27")}));
    EXPECT_EQ(recovered("Jan-27"), "0.00/0.00, 333.33/175.00");
    EXPECT_EQ(ledgers(), "1000.00 333.33 3 | 525.00 175.00 3");

    // February: a bonus first, the run, then a second run: that one takes
    // the instalments again but moves nothing.
    irregular(2, QDate(2027, 2, 3), "4000");
    EXPECT_EQ(oneClick(QDate(2027, 2, 24)).mid(1), QStringList{prepared("Feb-27")});
    EXPECT_EQ(oneClick(QDate(2027, 2, 26), forms::vbYes).size(), 3);
    EXPECT_EQ(recovered("Feb-27"), "0.00/0.00, 333.33/175.00, 333.34/175.00");
    EXPECT_EQ(ledgers(), "666.67 666.66 2 | 350.00 350.00 2");

    // March: the regular salary form moves them; a second row of the month
    // there takes the instalments again and moves nothing.
    EXPECT_EQ(regular(QDate(2027, 3, 26)), QStringList{"Hi|64|ENTERED IN THE PAY ROLL"});
    EXPECT_EQ(regular(QDate(2027, 3, 31), true).value(1), "Hi|64|ENTERED IN THE PAY ROLL");
    EXPECT_EQ(recovered("Mar-27"), "333.34/175.00, 333.33/175.00");
    EXPECT_EQ(ledgers(), "333.33 1000.00 1 | 175.00 525.00 1");

    // April: a fraction of pay, recovering the full instalments, clears both.
    irregular(1, QDate(2027, 4, 20), {}, "01/04/2027", "15/04/2027");
    EXPECT_EQ(recovered("Apr-27"), "333.33/175.00");
    EXPECT_EQ(ledgers(), "0.00 1333.33 0 | 0.00 700.00 0");

    // May: the run meets two cleared ledgers, deletes them and takes nothing.
    EXPECT_EQ(oneClick(QDate(2027, 5, 27)).mid(1), QStringList{prepared("May-27")});
    EXPECT_EQ(recovered("May-27"), "0.00/0.00");
    EXPECT_EQ(ledgers(), "none | none");

    // Each month's first recovery is what its ledger moved by: the loan and
    // the advance recovered exactly, once each month.
    EXPECT_EQ(firstRow("select round(sum(gpf_rec), 2), round(sum(less_fa), 2) from salary s where emp_code = 'L1' and rowid ="
                       " (select min(rowid) from salary where emp_code = 'L1' and p_month = s.p_month and gpf_rec <> 0)"),
              (QVariantList{1333.33, 700.0}));
}
