// One pay-roll row as the regular and irregular salary forms hand it to `salary`.
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

namespace data {
class Database;
class TableRecordset;
}

namespace salary {

struct BillRow {
    QDate billDate;
    QString empCode, name, designation, scale, accNo, category, bankAc;
    double pay = 0, dPay = 0, lessFa = 0, da = 0, hra = 0, ma = 0, oa = 0, gross = 0;
    double gpfSubs = 0, gpfRec = 0, iFund = 0, sFund = 0, pTax = 0, misc = 0, net = 0;
    double hbLoan = 0, hbInt = 0, iTax = 0, others = 0;

    // gpf_subs + gpf_rec + if + sf + p_tax + misc, as every stored row holds it.
    double deduct() const;
    // hb_loan + hb_int + i_tax + others is misc to the paisa: the schedules
    // print the break-up, the bill deducts misc, and the two must tell the
    // same story.
    bool breakUpIsMisc() const;
};

// Why a row whose break-up is not its misc is refused, and that nothing was
// entered in the roll named (each form names its own roll).
QString breakUpNotMiscMessage(const BillRow& row, const QString& roll);

// Adds the row to the pay roll with its pay month (1 April booked to March)
// and saves it, every amount to the paisa; the recordset is left on no
// pending row either way.
void addBillRow(data::TableRecordset& salaryTable, const BillRow& row);

// The number an amount box stores: its trimmed text read whole, an empty box 0
// (a zero whole-rupee amount shows as an empty box). Anything else, a negative
// amount or one of a crore or more is no amount.
std::optional<double> boxAmount(const QString& text);
// A box that must hold a typed amount: not blank, and an amount boxAmount takes.
bool isTypedAmount(const QString& text);

// A worked-out figure (whole paise) as a computed box shows it: at most two
// decimals, so the box shows what the row stores.
QString shownFigure(double figure);

// An amount box of a salary form (by its index) and the figure of the row it fills.
struct AmountBox {
    int box;
    double BillRow::*figure;
};

// Reads the boxes' amounts into the row, in the order given, with boxAmount();
// textOf gives a box's text. Returns the first box holding no amount (the
// figures before it are already read), or nothing when all were read.
std::optional<int> readAmounts(BillRow& row, std::initializer_list<AmountBox> boxes,
                               const std::function<QString(int)>& textOf);

// What a salary form says of a box that holds no amount: the ceiling's message
// when the text is a number of a crore or more, the paisa's when it has more
// than two decimals, otherwise notNumber.
QString notAmountMessage(const QString& text, const QString& notNumber);
// A salary part of a crore or more.
QString tooLargeMessage();
// A box holding a figure finer than the paisa ("3197.123"), which no salary
// row can keep: refused where it is typed, before anything is worked out from it.
bool finerThanPaisa(const QString& text);
QString finerThanPaisaMessage();

// SQL condition on a salary row: it pays salary of its month, that is pay,
// grade pay, D.A., H.R.A., M.A. or O.A. that is not nothing to the paisa. A
// bonus or a festival advance paid is drawn in gross alone and pays none of
// them: offices pay those before the month's salary, and such a row must not
// make the month's salary look prepared already.
inline constexpr char kPaysSalary[] =
    "(ifnull(hundredths(pay), 0) <> 0 or ifnull(hundredths(d_pay), 0) <> 0 or ifnull(hundredths(da), 0) <> 0"
    " or ifnull(hundredths(hra), 0) <> 0 or ifnull(hundredths(ma), 0) <> 0 or ifnull(hundredths(oa), 0) <> 0)";

// Rows of the pay roll already paying this employee salary of this pay month.
int rowsForPayMonth(data::Database& db, const QString& payMonth, const QString& empCode);

} // namespace salary
