#include "payslip/cheque_register.h"

#include "common/amounts.h"
#include "common/free_text.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

namespace payslip {

namespace {

ChequeRefusal refuse(const char* message, ChequeBox box)
{
    return {QString::fromLatin1(message), box};
}

} // namespace

std::optional<int> billNumber(const QString& typed)
{
    const std::optional<qint64> n = vb::readWhole(typed);
    return n ? std::optional<int>(int(*n)) : std::nullopt;
}

std::optional<QDate> registeredBillDate(data::Database& fundDb, int billNo)
{
    data::QueryRecordset rs(fundDb,
                            QStringLiteral("SELECT bill_date FROM all_exp WHERE bill_no = ? AND bill_date IS NOT NULL"
                                           " ORDER BY rowid LIMIT 1"),
                            {billNo});
    if (rs.eof())
        return std::nullopt;
    return rs.field("bill_date").toDate();
}

bool isRegisteredBill(data::Database& fundDb, int billNo, const QDate& billDate)
{
    data::QueryRecordset rs(fundDb, QStringLiteral("SELECT count(*) FROM all_exp WHERE bill_no = ? AND bill_date = ?"),
                            {billNo, QVariant(billDate)});
    return billNo > 0 && rs.field(0).number() > 0;
}

std::optional<ChequeRefusal> checkCheque(data::Database& fundDb, const ChequeEntry& e, qint64 editedRow)
{
    if (e.chequeNo.trimmed().isEmpty())
        return refuse("PLEASE ENTER CHEQUE NUMBER", ChequeBox::ChequeNo);
    const common::TextRead chequeNo = common::readText(e.chequeNo, QStringLiteral("cheque"), QStringLiteral("cheque_no"));
    if (!chequeNo.ok())
        return ChequeRefusal{chequeNo.refusal(QStringLiteral("CHEQUE NUMBER")), ChequeBox::ChequeNo};
    if (!vb::isDate(e.chequeDate.trimmed()))
        return refuse(" PLEASE ENTER CHEQUE DATE IN PROPER FORMAT", ChequeBox::ChequeDate);
    const vb::AmountRead read = vb::readAmount(e.amount, common::kBillAmount);
    if (read.fault == vb::AmountFault::NotANumber || read.fault == vb::AmountFault::TooManyDigits)
        return refuse("PLEASE ENTER CHEQUE AMOUNT IN FIGURE", ChequeBox::Amount);
    if (read.fault == vb::AmountFault::TooManyDecimals)
        return ChequeRefusal{common::keptToThePaisa(QStringLiteral("CHEQUE AMOUNT")), ChequeBox::Amount};
    const double amount = read.value;
    if (!read.ok() || amount <= 0)
        return refuse("CHEQUE AMOUNT MUST BE MORE THAN 0 AND LESS THAN A THOUSAND CRORE", ChequeBox::Amount);
    // The pair is the bill the look-up found; a number typed after it, or one
    // never looked up, has no date to pair with.
    const auto billNo = billNumber(e.billNo);
    if (!billNo || !e.billDate.isValid() || !isRegisteredBill(fundDb, *billNo, e.billDate))
        return refuse("PLEASE ENTER THE BILL NUMBER AND PRESS ENTER TO FIND ITS BILL DATE", ChequeBox::BillNo);
    data::QueryRecordset dup(fundDb,
                             QStringLiteral("SELECT count(*) AS nos FROM cheque WHERE bill_no = ? AND bill_date = ?"
                                            " AND rowid <> ?"),
                             {*billNo, QVariant(e.billDate), editedRow});
    if (dup.field("nos").number() > 0)
        return refuse("Cheque for this bill has already entered in the Register", ChequeBox::Cancel);
    return std::nullopt;
}

void addCheque(data::Database& fundDb, const ChequeEntry& e)
{
    data::TableRecordset rs(fundDb, QStringLiteral("cheque"));
    rs.addNew();
    rs["bill_no"] = *billNumber(e.billNo);
    rs["bill_date"] = e.billDate;
    rs["cheque_no"] = e.chequeNo.trimmed();
    rs["cheque_date"] = vb::cdate(e.chequeDate.trimmed());
    rs["cheque_amt"] = vb::cdbl(e.amount.trimmed());
    rs.update();
}

QString billName(const QVariant& billNo, const QDate& billDate)
{
    return QStringLiteral("BILL NO. %1 OF %2").arg(vb::cstr(billNo), vb::shortDate(billDate));
}

QString otherBillOfCheque(data::Database& fundDb, const ChequeEntry& e, qint64 editedRow)
{
    const auto billNo = billNumber(e.billNo);
    data::QueryRecordset rs(fundDb,
                            QStringLiteral("SELECT bill_no, bill_date FROM cheque WHERE cheque_no = ?"
                                           " AND NOT (bill_no IS ? AND bill_date IS ?) AND rowid <> ?"
                                           " ORDER BY rowid LIMIT 1"),
                            {e.chequeNo.trimmed(), billNo ? QVariant(*billNo) : QVariant(), QVariant(e.billDate),
                             editedRow});
    return rs.eof() ? QString() : billName(rs.field("bill_no").variant(), rs.field("bill_date").toDate());
}

QString sharedChequeQuestion(const ChequeEntry& e, const QString& otherBill)
{
    return QStringLiteral("CHEQUE NUMBER %1 IS ALREADY IN THE REGISTER FOR %2.\n"
                          "A CHEQUE SAVED AGAINST THE WRONG BILL IS MOVED BY CHANGING ITS BILL NO. IN THE GRID"
                          " BELOW.\nSAVE CHEQUE NUMBER %1 FOR %3 AS WELL?")
        .arg(e.chequeNo.trimmed(), otherBill, billName(billNumber(e.billNo).value_or(0), e.billDate));
}

ChequeEdit proposeChequeEdit(data::Database& fundDb, qint64 row, const QString& field, const QVariant& value)
{
    data::QueryRecordset rs(fundDb,
                            QStringLiteral("SELECT bill_no, bill_date, cheque_no, cheque_date, cheque_amt FROM cheque"
                                           " WHERE rowid = ?"),
                            {row});
    if (rs.eof())
        throw vb::Error(vb::NoCurrentRecord, QStringLiteral("The cheque is no longer in the register."));
    ChequeEntry e{vb::cstr(rs.field("bill_no").variant()), rs.field("bill_date").toDate(),
                  rs.field("cheque_no").text(), vb::cstr(rs.field("cheque_date").variant()),
                  vb::cstr(rs.field("cheque_amt").variant())};
    const std::optional<int> billNo = billNumber(e.billNo);
    const QDate billDate = e.billDate;
    // Every refusal of a move says where the cheque is still registered.
    const auto refuseMove = [&](const QString& why) {
        return ChequeEdit{e, ChequeRefusal{why + QStringLiteral("\nTHE CHEQUE STAYS WITH %1.")
                                                     .arg(billName(rs.field("bill_no").variant(), billDate)),
                                           ChequeBox::BillNo}};
    };
    const QString text = value.typeId() == QMetaType::QDate ? vb::shortDate(value.toDate()) : value.toString();
    if (field == QLatin1String("bill_no")) {
        const std::optional<int> to = billNumber(text);
        if (!to)
            return refuseMove(QStringLiteral("PLEASE ENTER THE BILL NUMBER IN FIGURE."));
        // The same number keeps its bill; another takes the date the look-up finds.
        if (to != billNo) {
            const std::optional<QDate> date = registeredBillDate(fundDb, *to);
            if (!date)
                return refuseMove(QStringLiteral("BILL NO. %1 IS NOT IN THE BILL REGISTER.").arg(*to));
            e.billNo = QString::number(*to);
            e.billDate = *date;
        }
    } else if (field == QLatin1String("bill_date")) {
        const QDate date = vb::parseDate(text.trimmed());
        if (!date.isValid())
            return refuseMove(QStringLiteral("PLEASE ENTER THE BILL DATE IN PROPER FORMAT."));
        if (!billNo || !isRegisteredBill(fundDb, *billNo, date))
            return refuseMove(QStringLiteral("%1 IS NOT IN THE BILL REGISTER. TO MOVE THE CHEQUE TO ANOTHER BILL,"
                                             " CHANGE ITS BILL NO.: THE BILL DATE FOLLOWS FROM THE REGISTER.")
                                  .arg(billName(rs.field("bill_no").variant(), date)));
        e.billDate = date;
    } else if (field == QLatin1String("cheque_no"))
        e.chequeNo = text;
    else if (field == QLatin1String("cheque_date"))
        e.chequeDate = text;
    else if (field == QLatin1String("cheque_amt"))
        e.amount = text;
    else
        throw vb::Error(vb::InvalidProcedureCall, QStringLiteral("The register has no column %1.").arg(field));
    if (e.billDate != billDate || billNumber(e.billNo) != billNo) {
        data::QueryRecordset taken(fundDb,
                                   QStringLiteral("SELECT count(*) FROM cheque WHERE bill_no = ? AND bill_date = ?"
                                                  " AND rowid <> ?"),
                                   {*billNumber(e.billNo), QVariant(e.billDate), row});
        if (taken.field(0).number() > 0)
            return refuseMove(QStringLiteral("%1 HAS ITS CHEQUE IN THE REGISTER ALREADY.")
                                  .arg(billName(*billNumber(e.billNo), e.billDate)));
    }
    return ChequeEdit{e, checkCheque(fundDb, e, row)};
}

void writeChequeEdit(data::Database& fundDb, qint64 row, const ChequeEntry& e)
{
    fundDb.execute(QStringLiteral("UPDATE cheque SET bill_no = ?, bill_date = ?, cheque_no = ?, cheque_date = ?,"
                                  " cheque_amt = ? WHERE rowid = ?"),
                   {*billNumber(e.billNo), QVariant(e.billDate), e.chequeNo.trimmed(),
                    QVariant(vb::cdate(e.chequeDate.trimmed())), vb::cdbl(e.amount.trimmed()), row});
}

std::optional<ChequeRefusal> editCheque(data::Database& fundDb, qint64 row, const QString& field,
                                        const QVariant& value)
{
    const ChequeEdit edit = proposeChequeEdit(fundDb, row, field, value);
    if (!edit.refusal)
        writeChequeEdit(fundDb, row, edit.entry);
    return edit.refusal;
}

} // namespace payslip
