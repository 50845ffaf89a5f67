// kill_worker PHASE FOLDER [ROUNDS]: runs one of the program's saving commands
// over and over on a data folder, as the program would (holding the folder's
// lock), until it is killed or has done ROUNDS rounds. The kill test kills it
// at random moments and then looks at what the folder holds.
#include "allotment/financial_report_form.h"
#include "allotment/report_period.h"
#include "common/folder_lock.h"
#include "payslip/cheque_register.h"
#include "payslip/cheque_slip_figures.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/office/desktop.h"
#include "provident_fund/broadsheet.h"
#include "provident_fund/sheet.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "support/folder_digest.h"
#include "support/ui_driver.h"



namespace {

// The month after the last statement (April 2026 when none), or the last
// one again when its row is stored without its workbook: a run killed after
// the row went in and before the file took its name, made again, row kept.
std::pair<int, int> nextStatement()
{
    const testsupport::StatementMonths months = testsupport::statementMonths(data::dataFolder(), false);
    if (months.stored.empty())
        return {2026, 4};
    const auto [year, month] = *months.stored.rbegin();
    return months.files < months.stored.size() ? std::pair{year, month}
                                               : month == 15 ? std::pair{year + 1, 4} : std::pair{year, month + 1};
}

void bStatementRound(int)
{
    const auto [year, month] = nextStatement();
    auto& form = forms::Forms::get<allotment::Form4>();
    testsupport::showForm(form);
    testsupport::enter(*form.Text3, QStringLiteral("01/04/%1").arg(year));
    testsupport::choose(*form.Combo2, allotment::reportingMonths().at(month - 4));
    testsupport::choose(*form.Combo1, QStringLiteral("Salary Secondary Schools"));
    testsupport::click(*form.Command4);
}

void chequeRound(int)
{
    data::Database& fund = data::Database::open(common::kFundDb);
    data::QueryRecordset open(fund, QStringLiteral("SELECT bill_no, bill_date FROM all_exp e WHERE bill_no > 0 AND NOT EXISTS"
                                                   " (SELECT 1 FROM cheque c WHERE c.bill_no = e.bill_no AND"
                                                   " c.bill_date = e.bill_date) ORDER BY rowid LIMIT 1"));
    if (open.eof())
        return;
    const payslip::ChequeEntry entry{vb::cstr(open.field("bill_no").variant()), open.field("bill_date").toDate(),
                                     QStringLiteral("CHQ %1").arg(open.field("bill_no").number()),
                                     QStringLiteral("15/05/2026"), QStringLiteral("1000.50")};
    if (!payslip::checkCheque(fund, entry))
        payslip::addCheque(fund, entry);
}

void slipRowsRound(int round)
{
    payslip::chooseSlipRows(data::Database::open(common::kSalaryDb), data::Database::open(common::kFundDb),
                            round % 2 ? QDate(2026, 5, 31) : QDate(2026, 4, 30), std::nullopt);
}

// Reset, stamp, interest, and the year filed in the broad sheet: the steps of
// the provident-fund form, each account's next year not yet filed.
void providentFundRound(int round)
{
    data::Database& salary = data::Database::open(common::kSalaryDb);
    provident_fund::Sheet sheet(salary);
    provident_fund::BroadSheet broad(salary);
    const QStringList accounts = broad.accounts();
    const QString account = accounts.at(round % accounts.size()).trimmed();
    QDate start(2026, 4, 1);
    while (broad.find(account, start))
        start = start.addYears(1);
    if (!sheet.reset())
        throw vb::Error(5, QStringLiteral("the working sheet's template is not twelve rows"));
    sheet.stamp(account, QStringLiteral("SUBSCRIBER"), 1500, start);
    sheet.setTotals();
    sheet.bookRefund(250, start.addMonths(2), start.addMonths(4));
    const provident_fund::YearInterest year = sheet.workOut(100000, 7.1);
    const provident_fund::SheetTotals sums = sheet.totals();
    provident_fund::YearRecord r{provident_fund::yearCaption(start), account, QStringLiteral("SUBSCRIBER"), 100000,
                                 sums.subs, sums.refund, year.interest, sums.loan, 0, start};
    r.cb = r.componentSum();
    broad.add(r);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    const QMap<QString, std::function<void(int)>> phases{
        {"bstatement", bStatementRound}, {"cheque", chequeRound}, {"slips", slipRowsRound}, {"pf", providentFundRound}};
    const std::function<void(int)> round = args.size() < 3 ? nullptr : phases.value(args.at(1));
    if (!round) {
        err << "usage: kill_worker bstatement|cheque|slips|pf FOLDER [ROUNDS]\n";
        return 2;
    }
    const QString folder = args.at(2);
    const int rounds = args.size() > 3 ? args.at(3).toInt() : 100000;

    common::FolderLock lock(folder);
    if (!lock.tryLock()) {
        err << lock.message() << "\n";
        return 3;
    }
    data::setDataFolder(folder);
    office::setDesktop(std::make_unique<office::RecordingDesktop>());
    // A round shows no box: any message is a command that failed or refused.
    forms::ScriptedDialogs boxes;

    try {
        for (int i = 0; i < rounds; ++i) {
            round(i);
            if (!boxes.boxes().isEmpty()) {
                err << "kill_worker: " << boxes.prompts().join(QStringLiteral(" | ")) << "\n";
                return 1;
            }
        }
    } catch (const vb::Error& e) {
        err << "kill_worker: " << e.description << "\n";
        return 1;
    }
    forms::Forms::unloadAll();
    data::Database::closeAll();
    return 0;
}
