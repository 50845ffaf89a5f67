#include "payslip/annexure.h"

#include "common/pay_month.h"
#include "payslip/cheque_slip_figures.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

namespace payslip {

namespace {

[[noreturn]] void missing(const QString& what)
{
    throw vb::Error(vb::NoCurrentRecord, what);
}

// The bank reads every amount of the list to the paisa, so each carries its
// two decimals: 37250.50, never 37250.5.
QString rupees(double amount)
{
    return vb::format(amount, QStringLiteral("0.00"));
}

} // namespace

QStringList Annexure::employeeHeading()
{
    return {QStringLiteral("Sl. No."), QStringLiteral("Name of Employee"), QStringLiteral("Designation"),
            QStringLiteral("Bank Account Number"), QStringLiteral("Amount")};
}

QStringList Annexure::employeeNumbers()
{
    return {QStringLiteral("(1)"), QStringLiteral("(2)"), QStringLiteral("(3)"), QStringLiteral("(4)"),
            QStringLiteral("(5)")};
}

QStringList Annexure::chequeHeading()
{
    return {QStringLiteral("Cheque No."), QStringLiteral("Cheque Date"), QStringLiteral("Amount")};
}

QString Annexure::bookmark(const QString& name) const
{
    for (const auto& [n, text] : bookmarks)
        if (n == name)
            return text;
    return QString();
}

Annexure buildAnnexure(data::Database& salaryDb, data::Database& fundDb, const AnnexureRequest& request)
{
    Annexure a;
    QList<double> nets;
    data::QueryRecordset rows(salaryDb, QStringLiteral("SELECT sl_no, name, designation, bank_ac, net FROM chq_sal"
                                                       " ORDER BY sl_no, rowid"));
    for (; !rows.eof(); rows.moveNext()) {
        // A bank credits whole paise: a net carrying a loan instalment's third
        // of a rupee is listed to the paisa, and the total is of what is listed.
        const double net = rows.field("net").number();
        a.employees << QStringList{rows.field("sl_no").text(), rows.field("name").text(),
                                   rows.field("designation").text(), rows.field("bank_ac").text(),
                                   rupees(netToThePaisa(net))};
        nets << net;
    }
    if (a.employees.isEmpty())
        missing(QStringLiteral("No employee of the bill is ready for the slip."));

    // Every counted bill encloses its cheque, in the order the register holds
    // them; one bill without its cheque would leave the slip short of money
    // the bank is asked to credit. A head-wise slip encloses the one cheque named.
    const QList<double> bills = countedBills(fundDb, request.billDate, request.drawalCode);
    if (bills.isEmpty())
        missing(QStringLiteral("No bill of this date is in the bill register."));
    QList<double> unpaid = bills;
    data::QueryRecordset chq(fundDb,
                             QStringLiteral("SELECT bill_no, cheque_no, cheque_date, cheque_amt FROM cheque"
                                            " WHERE bill_date = ? ORDER BY rowid"),
                             {QVariant(common::payBillRegisterDate(request.billDate))});
    for (; !chq.eof(); chq.moveNext()) {
        const double billNo = chq.field("bill_no").number();
        const QString number = chq.field("cheque_no").text();
        if (!bills.contains(billNo))
            continue;
        unpaid.removeAll(billNo);
        if (!request.chequeNo.isEmpty() && number.compare(request.chequeNo, Qt::CaseInsensitive) != 0)
            continue;
        a.cheques << QStringList{number, vb::cstr(chq.field("cheque_date").variant()),
                                 rupees(chq.field("cheque_amt").number())};
    }
    if (request.chequeNo.isEmpty() && !unpaid.isEmpty())
        missing(QStringLiteral("Bill %1 has no cheque in the cheque register.").arg(vb::cstr(unpaid.first())));
    if (!request.chequeNo.isEmpty() && a.cheques.isEmpty())
        missing(QStringLiteral("Cheque %1 is not the cheque of a bill of this head.").arg(request.chequeNo));

    const double total = slipNet(nets);
    const QString rs = rupees(total);
    a.bookmarks = {{QStringLiteral("month"), request.month},
                   {QStringLiteral("rs"), rs},
                   {QStringLiteral("credited"), rs},
                   {QStringLiteral("refunded"),
                    rupees(double(vb::hundredths(total) - vb::hundredths(request.amount)) / 100)},
                   {QStringLiteral("chqamt"), rupees(request.amount)}};
    return a;
}

} // namespace payslip
