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
    return vb::roundHalfAway(hbLoan + hbInt + iTax + others - misc, 2) == 0;
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
        t["pay"] = r.pay;
        t["less_fa"] = r.lessFa;
        t["d_pay"] = r.dPay;
        t["da"] = r.da;
        t["hra"] = r.hra;
        t["ma"] = r.ma;
        t["oa"] = r.oa;
        t["gross"] = r.gross;
        t["gpf_subs"] = r.gpfSubs;
        t["gpf_rec"] = r.gpfRec;
        t["if"] = r.iFund;
        t["sf"] = r.sFund;
        t["p_tax"] = r.pTax;
        t["misc"] = r.misc;
        t["net"] = r.net;
        t["emp_code"] = r.empCode;
        t["bill_date"] = r.billDate;
        t["p_month"] = payMonth(r.billDate);
        t["hb_loan"] = r.hbLoan;
        t["hb_int"] = r.hbInt;
        t["i_tax"] = r.iTax;
        t["others"] = r.others;
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

QString ShownFigures::show(int box, double figure)
{
    const QString text = shownFigure(figure);
    mShown[box] = {text, figure};
    return text;
}

std::optional<double> ShownFigures::figure(int box, const QString& text) const
{
    const auto it = mShown.find(box);
    if (it == mShown.end() || it->second.first != text.trimmed())
        return std::nullopt;
    return it->second.second;
}

double ShownFigures::value(int box, const QString& text) const
{
    return figure(box, text).value_or(vb::val(text));
}

std::optional<int> readAmounts(BillRow& row, std::initializer_list<AmountBox> boxes,
                               const std::function<QString(int)>& textOf, const ShownFigures* shown)
{
    for (const AmountBox& b : boxes) {
        const QString text = textOf(b.box);
        std::optional<double> a = shown ? shown->figure(b.box, text) : std::nullopt;
        if (!a)
            a = boxAmount(text);
        if (!a)
            return b.box;
        row.*b.figure = *a;
    }
    return std::nullopt;
}

int rowsForPayMonth(data::Database& db, const QString& payMonth, const QString& empCode)
{
    data::QueryRecordset rs(db,
        QStringLiteral("select count(*) as nos from salary where p_month = ? and emp_code = ?"),
        {payMonth, empCode});
    return int(rs.field(QStringLiteral("nos")).number());
}

} // namespace salary
