// A data folder with the blank provident-fund sheet, and broad-sheet records put in by hand.
#pragma once

#include "common/schema.h"
#include "platform/data/recordset.h"
#include "platform/forms/clock.h"
#include "platform/office/desktop.h"
#include "platform/office/workbook.h"
#include "provident_fund/account_form.h"
#include "provident_fund/broadsheet.h"
#include "setup/demo_office.h"
#include "support/form_fixture.h"

#include <QFileInfo>

namespace fundtest {

inline data::Database& salaryDb() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }

// A year filed for an account whose closing balance is its parts' sum
// unless cb is given.
inline void fileYear(const QString& account, const QString& name, const QDate& begin, double ob, double subs = 0,
                     double refund = 0, double interest = 0, double loan = 0, double cb = -1)
{
    provident_fund::YearRecord r{QStringLiteral("%1--%2").arg(begin.year()).arg(begin.year() + 1),
                                 account, name, ob, subs, refund, interest, loan, 0, begin};
    r.cb = cb < 0 ? r.componentSum() : cb;
    provident_fund::BroadSheet(salaryDb()).add(r);
}

// What a query gives: each row's fields joined by `comma`, the rows by "|".
inline QString rowsOf(const QString& sql, const QVariantList& params = {}, QChar comma = ',')
{
    data::QueryRecordset rs(salaryDb(), sql, params);
    QStringList rows;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList row;
        for (int i = 0; i < rs.columnNames().size(); ++i)
            row << rs.field(i).variant().toString();
        rows << row.join(comma);
    }
    return rows.join('|');
}
// The sheet's rows in stored order.
inline QString sheetColumn(const QString& fields) { return rowsOf("select " + fields + " from calc_sheet order by rowid"); }

struct FundFolder : testsupport::TempDataFolder { FundFolder() { setup::writeStartingRows(QStringLiteral("pw")); } };

// The account form over a folder with the blank sheet on 15/01/2012, in the
// year 2011--2012; a test files its years first, then opens the form.
class FundForm : public testsupport::FormFixture<provident_fund::gpf_ac> {
protected:
    FundForm() { setup::writeStartingRows(QStringLiteral("pw")); }
    // Every box shown since the last call, as said() lines.
    QStringList said()
    {
        QStringList out;
        for (const auto& b : boxes.boxes())
            out << testsupport::said(b);
        boxes.clearBoxes();
        return out;
    }
    // Opening, subscriptions, refunds, interest, withdrawals, closing.
    QString summary() { return texts({14, 16, 17, 10, 18, 20}).join('|'); }
    void existing(const QString& account)
    {
        testsupport::click(*form->Option2);
        EXPECT_EQ(testsupport::focused(), form->Combo2);
        ASSERT_TRUE(testsupport::choose(*form->Combo2, account));
    }
    // The account's record of 2011--2012, its fields joined by "|".
    QString record(const QString& account)
    {
        return rowsOf("select year, ac_no, name, ob, tot_subs, tot_refund, interest, loan_tkn, cb from broadsheet "
                      "where ac_no = ? and yr_begin = '2011-04-01'", {account}, '|');
    }
    // PREVIEW SLIP; the given cells of the one workbook it showed, or nothing.
    QVariantList statement(std::initializer_list<std::pair<int, int>> cells)
    {
        office::RecordingDesktop desktop;
        office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
        testsupport::click(*form->Command6);
        office::setDesktop(nullptr);
        QVariantList out;
        if (desktop.opened().size() != 1)
            return out;
        savedName = QFileInfo(desktop.opened().first()).fileName();
        const office::Workbook book = office::Workbook::open(desktop.opened().first());
        for (auto [row, col] : cells)
            out << book.value(row, col);
        return out;
    }

    QString savedName; // of the workbook PREVIEW SLIP showed last
    forms::Clock::Override today{QDate(2012, 1, 15)};
    testsupport::ScriptedBoxes boxes;
};

} // namespace fundtest
