#include "allotment/heads.h"

#include "common/pay_month.h"

namespace allotment {

const std::array<AmountColumn, ColumnCount> kAmountColumns = {{
    {Pay, "pay", "pay", "01", "01", ""},
    {DPay, "d_pay", "grade pay", "13", "01", ""},
    {Da, "da", "dearness allowance", "02", "01", ""},
    {Hra, "hra", "house-rent allowance", "03", "01", ""},
    {Ma, "ma", "medical allowance", "12", "01", ""},
    {Bonus, "bonus", "bonus", "04", "01", ""},
    {Wages, "wages", "wages", "02", "02", ""},
    {Ta, "ta", "travelling allowance", "01", "11", ""},
    {Elec, "elec", "electricity", "01", "13", ""},
    {Tele, "tele", "telephone", "02", "13", ""},
    {Misc, "misc", "miscellaneous", "03", "13", ""},
    {Oe, "oe", "office expenses", "04", "13", ""},
    {Oc, "oc", "other charges", "50", "50", "NP"},
    {Scheme, "scheme", "schematic fund", "", "50", "SP"},
}};

QString planLetters(const QString& drawalCode)
{
    return drawalCode.mid(12, 2);
}

QString objectHead(const QString& drawalCode)
{
    return drawalCode.mid(21, 2);
}

QString entryObjectHead(const QString& drawalCode)
{
    return drawalCode.mid(21, 23);
}

bool isSalaryHead(const QString& drawalCode)
{
    return drawalCode.endsWith(QLatin1String("01"));
}

bool isPayHead(const QString& drawalCode)
{
    return entryObjectHead(drawalCode) == QLatin1String("01");
}

QVector<Column> columnsOpened(const QString& drawalCode)
{
    const QString object = entryObjectHead(drawalCode);
    const QString plan = planLetters(drawalCode);
    if (object == QLatin1String("01"))
        return {Pay, DPay, Da, Hra, Ma, Bonus};
    if (object == QLatin1String("02"))
        return {Wages};
    if (object == QLatin1String("11"))
        return {Ta};
    if (object == QLatin1String("13"))
        return {Elec, Tele, Misc, Oe};
    if (object == QLatin1String("50")) {
        if (plan == QLatin1String("NP"))
            return {Oc};
        if (plan == QLatin1String("SP"))
            return {Scheme};
        return {};
    }
    if (object.isEmpty())
        return {};
    return {Scheme};
}

QDate registerDate(const QString& drawalCode, const QDate& billDate)
{
    return isPayHead(drawalCode) ? common::payBillRegisterDate(billDate) : billDate;
}

} // namespace allotment
