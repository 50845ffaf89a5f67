#include "salary/bill_row.h"

#include "common/amounts.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"
#include "salary/rules.h"

namespace salary {

double BillRow::deduct() const
{
    return totalDeduction(gpfSubs, gpfRec, iFund, sFund, pTax, misc);
}

bool BillRow::breakUpIsMisc() const
{
    return vb::hundredths(hbLoan) + vb::hundredths(hbInt) + vb::hundredths(iTax) + vb::hundredths(others)
        == vb::hundredths(misc);
}

QString breakUpNotMiscMessage(const BillRow& r, const QString& roll)
{
    return QStringLiteral("THE DETAILS OF RECOVERIES ADD UP TO %1, BUT MISC.RECOVERIES IS %2. "
                          "H.B. LOAN, H.B. INT., I. TAX AND H.R.A ETC. MUST ADD UP TO THE MISC.RECOVERIES AMOUNT."
                          "\n\nNOTHING IS ENTERED IN THE %3; THE BOXES ARE KEPT AS THEY ARE.")
        .arg(vb::figure(r.hbLoan + r.hbInt + r.iTax + r.others), vb::figure(r.misc), roll);
}

void addBillRow(data::TableRecordset& t, const BillRow& r)
{
    t.addNew();
    try {
        t["name"] = r.name;
        t["designation"] = r.designation;
        t["scale"] = r.scale;
        t["acc_no"] = r.accNo;
        t["pay"] = wholePaise(r.pay);
        t["less_fa"] = wholePaise(r.lessFa);
        t["d_pay"] = wholePaise(r.dPay);
        t["da"] = wholePaise(r.da);
        t["hra"] = wholePaise(r.hra);
        t["ma"] = wholePaise(r.ma);
        t["oa"] = wholePaise(r.oa);
        t["gross"] = wholePaise(r.gross);
        t["gpf_subs"] = wholePaise(r.gpfSubs);
        t["gpf_rec"] = wholePaise(r.gpfRec);
        t["if"] = wholePaise(r.iFund);
        t["sf"] = wholePaise(r.sFund);
        t["p_tax"] = wholePaise(r.pTax);
        t["misc"] = wholePaise(r.misc);
        t["net"] = wholePaise(r.net);
        t["emp_code"] = r.empCode;
        t["bill_date"] = r.billDate;
        t["p_month"] = payMonth(r.billDate);
        t["hb_loan"] = wholePaise(r.hbLoan);
        t["hb_int"] = wholePaise(r.hbInt);
        t["i_tax"] = wholePaise(r.iTax);
        t["others"] = wholePaise(r.others);
        t["deduct"] = r.deduct();
        t["category"] = r.category;
        t["bank_ac"] = r.bankAc;
        t.update();
    } catch (...) {
        t.cancelUpdate();
        throw;
    }
}

std::optional<double> boxAmount(const QString& text)
{
    const vb::AmountRead a = vb::readAmount(text, common::kSalaryPart);
    if (!a.ok())
        return std::nullopt;
    return a.value;
}

bool isTypedAmount(const QString& text)
{
    return !text.trimmed().isEmpty() && boxAmount(text).has_value();
}

QString shownFigure(double figure)
{
    return vb::figure(figure);
}

std::optional<int> readAmounts(BillRow& row, std::initializer_list<AmountBox> boxes,
                               const std::function<QString(int)>& textOf)
{
    for (const AmountBox& b : boxes) {
        const std::optional<double> a = boxAmount(textOf(b.box));
        if (!a)
            return b.box;
        row.*b.figure = *a;
    }
    return std::nullopt;
}

QString tooLargeMessage()
{
    return QStringLiteral("THE AMOUNT IS TOO LARGE: A SALARY PART MUST BE LESS THAN ONE CRORE");
}

bool finerThanPaisa(const QString& text)
{
    return vb::readAmount(text, common::kSalaryPart).fault == vb::AmountFault::TooManyDecimals;
}

QString finerThanPaisaMessage()
{
    return QStringLiteral("A SALARY AMOUNT IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT");
}

QString notAmountMessage(const QString& text, const QString& notNumber)
{
    switch (vb::readAmount(text, common::kSalaryPart).fault) {
    case vb::AmountFault::TooLarge:
        return tooLargeMessage();
    case vb::AmountFault::TooManyDecimals:
        return finerThanPaisaMessage();
    default:
        return notNumber;
    }
}

int rowsForPayMonth(data::Database& db, const QString& payMonth, const QString& empCode)
{
    data::QueryRecordset rs(db,
        QStringLiteral("select count(*) as nos from salary where p_month = ? and emp_code = ? and ")
            + QLatin1String(kPaysSalary),
        {payMonth, empCode});
    return int(rs.field(QStringLiteral("nos")).number());
}

} // namespace salary
