// A hand-worked pay bill with its allotment and bill registers, and the bill form on a fresh data folder with
// its office seams recorded: the files it shows, the files it converts, and one print log across the documents'
// and the reports' printers.
#pragma once

#include "bill_fixture.h"
#include "common/pay_month.h"
#include "paybill/working_tables.h"
#include "platform/office/desktop.h"
#include "platform/reports/page_model.h"
#include "platform/reports/printer.h"
#include "support/ooxml_reader.h"

#include <QFileInfo>
#include <QVariant>

namespace doctest {

using billtest::activateOn;
using billtest::fundDb;
using billtest::salaryDb;

inline const char* const kDrawalCode = "20540010010101001";
// The February bill (bill No. 23 in the register), a March bill and a bill
// with almost nothing to recover.
inline const QDate kFebBill{2012, 2, 15};
inline const QDate kMarchBill{2012, 3, 31};
inline const QDate kQuietBill{2012, 1, 31};

struct Row {
    const char *code, *name, *designation, *accNo, *category;
    double pay, dPay, lessFa, da, hra, ma, oa, gpfSubs, gpfRec, iFund, sFund, pTax, hbLoan, hbInt, iTax, others;
};

inline void addSalary(const QDate& date, const Row& r)
{
    const double gross = r.pay + r.dPay + r.da + r.hra + r.ma + r.oa - r.lessFa;
    const double misc = r.hbLoan + r.hbInt + r.iTax + r.others;
    const double deduct = r.gpfSubs + r.gpfRec + r.iFund + r.sFund + r.pTax + misc;
    salaryDb().execute(
        QStringLiteral("insert into salary (name, designation, acc_no, pay, less_fa, d_pay, da, hra, ma, oa, gross,"
                       " gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, emp_code, bill_date, p_month, hb_loan,"
                       " hb_int, i_tax, others, deduct, category)"
                       " values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {QString::fromUtf8(r.name), QString::fromUtf8(r.designation), QString::fromUtf8(r.accNo), r.pay, r.lessFa,
         r.dPay, r.da, r.hra, r.ma, r.oa, gross, r.gpfSubs, r.gpfRec, r.iFund, r.sFund, r.pTax, misc, gross - deduct,
         QString::fromUtf8(r.code), date, common::payMonth(date), r.hbLoan, r.hbInt, r.iTax, r.others, deduct,
         QString::fromUtf8(r.category)});
}

// A bonus or a festival advance as the irregular bill keeps it: the amount in gross and net alone.
inline void addDrawnInGrossAlone(const QDate& date, const char* code, double amount)
{
    addSalary(date, {code, "Bonus Holder", "CLERK", "Nil", "C", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    salaryDb().execute(QStringLiteral("update salary set gross = ?, net = ? where emp_code = ? and bill_date = ?"),
                       {amount, amount, QString::fromLatin1(code), date});
}

// A bill of head S with thirds of a rupee and a bonus, worked by hand:
//   S011  10000 + 2000 + 4200 + 1500 + 300 - 1333.33 (4000/3)       = 16666.67  less 1646.67 = 15020
//         deductions 1000 + 416.67 (1250/3) + 30 + 70 + 130         =  1646.67
//   S012   8000 + 1900 + 3360 + 1200 + 300 + 50                     = 14810     less 1438    = 13372
//         deductions 800 + 3 + 5 + 130 + 500 income tax             =  1438
//   S013   5000 + 1300 + 2100 + 750 + 300 - 333.33 (1000/3)         =  9116.67  less 648     =  8468.67
//         deductions 600 + 3 + 5 + 40                               =   648
//   S014   bonus 3500 in gross alone                                =  3500                  =  3500
//   Every paper prints each row's figures to the paisa and adds what it prints:
//   the bill's gross 16666.67 + 14810 + 9116.67 + 3500 = 44093.34 (not the 44093.33 the
//   thirds add up to unrounded, which no column of printed lines could show)
//   the sheet's lines: pay 23000 - F.A. (1333.33 + 333.33) 1666.66 + grade pay 5200 + D.A. 9660
//     + H.R.A. 3450 + M.A. and O.A. 950 = 40593.34, so 3500 lies outside them
//   deductions 1646.67 + 1438 + 648 = 3732.67: G.P.F. other than D 2216.67, D 600; tax 300;
//     1983 if 6 sf 10, 1987 if 30 sf 70; income tax 500
//   net 44093.34 - 3732.67 = 40360.67 = 15020 + 13372 + 8468.67 + 3500
inline const QDate kBonusBill{2012, 1, 10};
inline void addBonusBill()
{
    const Row rows[] = {
        {"S011", "Gita Saha", "HEAD CLERK", "Edn/111", "C", 10000, 2000, 4000.0 / 3, 4200, 1500, 300, 0, 1000,
         1250.0 / 3, 30, 70, 130, 0, 0, 0, 0},
        {"S012", "Hari Mondal", "CLERK", "Edn/112", "C", 8000, 1900, 0, 3360, 1200, 300, 50, 800, 0, 3, 5, 130, 0, 0,
         500, 0},
        {"S013", "Jadu Roy", "PEON", "Edn/113", "D", 5000, 1300, 1000.0 / 3, 2100, 750, 300, 0, 600, 0, 3, 5, 40, 0,
         0, 0, 0},
    };
    for (const Row& r : rows)
        addSalary(kBonusBill, r);
    addDrawnInGrossAlone(kBonusBill, "S014", 3500);
}
inline const QString kBonusBillWords = QStringLiteral("(Forty Thousand Three Hundred SixtyAndSixtySeven) Only");

// An allotment (number 0) or a bill of the fund's registers: pay, da, d_pay, hra, ma, bonus.
// `date` a QDate, or text as stored (a date that is no date, from an older build).
inline void addRegisterRow(const QString& head, double no, const QVariant& date, const QVariantList& amounts)
{
    const QString into = no == 0 ? "all_allot (head, order_no, order_date" : "all_exp (head, bill_no, bill_date";
    fundDb().execute("insert into " + into + ", pay, da, d_pay, hra, ma, bonus) values (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                     QVariantList{head, no, date} + amounts);
}
inline void addRegisterRow(const QString& head, double no, const QDate& date, const QVariantList& amounts)
{
    addRegisterRow(head, no, QVariant(date), amounts);
}

// The bill of 15 February 2012, worked by hand:
//   net        16860 + 13192 + 8602 + 8625 = 47279
//   GPF        by group: other than D 2000 + 1000 = 3000, group D 800 + 0 = 800
//              by series: "Agr" (Agri/202, Agr/303) 1000 + 800 = 1800, others 2000
//   insurance  1983 (if + sf = 8): if 6, sf 10; 1987: if 30, sf 70
inline void makeOffice()
{
    fundDb().execute(QStringLiteral("insert into estt (ddo_code, degn, dist) values"
                                    " ('DDO-1', 'Block Development Officer', 'Nadia')"));
    fundDb().execute(QStringLiteral("insert into head (drawal_code, description, code_category) values (?,?,?)"),
                     {QString::fromLatin1(kDrawalCode), QStringLiteral("Salary Office S"), QStringLiteral("S")});

    const Row bill[] = {
        {"S001", "Asha Roy", "HEAD CLERK", "Edn/101", "C", 12000, 2400, 500, 5040, 1800, 300, 100, 1500, 500, 30, 70,
         130, 1000, 250, 800, 0},
        {"S002", "Bimal Das", "CLERK", "Agri/202", "C", 8000, 1900, 0, 3360, 1200, 300, 0, 1000, 0, 3, 5, 110, 0, 0,
         0, 450},
        {"S003", "Chandan Pal", "PEON", "Agr/303", "D", 5000, 1300, 0, 2100, 750, 300, 0, 600, 200, 3, 5, 40, 0, 0, 0,
         0},
        {"S004", "Dipa Sen", "NIGHT GUARD", "Nil", "D", 4500, 1300, 0, 1890, 675, 300, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0},
    };
    for (const Row& r : bill)
        addSalary(kFebBill, r);
    addSalary(kMarchBill, {"S001", "Asha Roy", "HEAD CLERK", "Edn/101", "C", 12000, 2400, 0, 5040, 1800, 300, 0,
                           1500, 0, 30, 70, 130, 0, 0, 0, 0});
    addSalary(kQuietBill, {"S005", "Emon Kar", "CLERK", "Nil", "C", 9000, 1900, 0, 3780, 1350, 300, 0, 0, 0, 0, 0, 0,
                           0, 0, 0, 0});

    // The year 2011-12 holds 195000 allotted and 57500 billed up to 15 February;
    // the March bill is kept under 1 April 2012, the first day of 2012-13.
    const QString head = QString::fromLatin1(kDrawalCode);
    //                                             pay     da     d_pay hra        ma bonus
    addRegisterRow(head, 0, {2010, 6, 1},         {999,    0,     0,    QVariant(), 0, 0});
    addRegisterRow(head, 0, {2011, 4, 10},        {100000, 40000, 0,    QVariant(), 0, QVariant()}); // a blank bonus still counts
    addRegisterRow(head, 0, {2011, 12, 1},        {50000,  0,     0,    QVariant(), 0, 5000});
    addRegisterRow(head, 0, {2012, 4, 1},         {70000,  0,     0,    QVariant(), 0, 0});
    addRegisterRow(QStringLiteral("OTHER"), 0, {2011, 5, 1}, {5, 0, 0, QVariant(), 0, 0});
    addRegisterRow(head, 11, {2011, 5, 1},        {20000,  8000,  0,    QVariant(), 0, 0});
    addRegisterRow(head, 23, {2012, 2, 15},       {29500,  0,     0,    QVariant(), 0, 0});
    addRegisterRow(head, 24, {2012, 2, 20},       {111,    0,     0,    QVariant(), 0, 0});
    addRegisterRow(head, 31, {2012, 4, 1},        {30000,  0,     0,    QVariant(), 0, 0});
}

// A cell's value as the tests compare it: numbers to 15 digits, "" for empty.
inline QString shown(const QVariant& v)
{
    const bool number = v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int;
    return v.isNull() ? QString() : number ? QString::number(v.toDouble(), 'g', 15) : v.toString();
}

// The February bill's outer sheet and pro statement, cell by cell in writing order.
inline const QStringList kFebOuterSheet = {
    "B15=23", "D15=15/02/2012", "D4=FEB-12", "F18=2011-2012", "G4=2012", "G6=29500", "G8=6900", "G7=500",
    "G10=12390", "G11=4425", "G14=1300", "G12=0", "G24=195000", "G29=57500", "I49=3000", "I51=1000", "I55=250",
    "I72=800", "I68=10", "I67=6", "I70=70", "I69=30", "I62=320", "I64=450", "I66=800",
    "H82=(FortySeven Thousand Two Hundred SeventyNine) Only"};
inline const QStringList kFebProStatement = {
    "C5=2054", "I9=29500", "I10=6900", "I11=500", "I12=12390", "I13=5725", "I14=0", "I19=1800", "I21=1000", "I25=250",
    "I33=800", "I35=10", "I36=6", "I37=70", "I38=30", "I40=450", "I32=320", "C30=47279",
    "D30=(FortySeven Thousand Two Hundred SeventyNine) Only", "I46=2000"};

class BillData : public ::testing::Test {
protected:
    void SetUp() override { makeOffice(); }
    void activate(const QDate& date) { paybill::activateBill(salaryDb(), date, QStringLiteral("S")); }

    testsupport::TempDataFolder folder;
};

// Both printers write into one log, so the order across documents and reports shows.
class LogReportPrinter : public reports::Printer {
public:
    explicit LogReportPrinter(QStringList& log) : mLog(log) {}
    void print(const reports::PageModel& m) override
    {
        mLog << m.title.section(QStringLiteral(" - "), 0, 0);
        models << m;
    }
    QStringList& mLog;
    static inline QList<reports::PageModel> models;
};
class LogPdfPrinter : public office::PdfPrinter {
public:
    LogPdfPrinter(QStringList& log, bool has) : mLog(log), mHas(has) {}
    void print(const QString& pdf, int from, int to) override
    {
        mLog << QStringLiteral("%1 %2-%3").arg(QFileInfo(pdf).fileName().section(QStringLiteral(" 20"), 0, 0)).arg(from).arg(to);
    }
    bool hasPrinter() override { return mHas; }
    QStringList& mLog;
    bool mHas;
};

// "ref=value" for each "ref=..." expected, read from the saved workbook's cells or document's bookmarks.
inline QStringList fileTexts(const QString& path, const QStringList& expected)
{
    QStringList out;
    for (const QString& e : expected) {
        const QString ref = e.section(QLatin1Char('='), 0, 0);
        out << ref + QLatin1Char('=')
                   + (path.endsWith(QLatin1String(".xlsx")) ? shown(ooxml::cell(path, ref)) : ooxml::bookmark(path, ref));
    }
    return out;
}
// The saved file holds each "ref=value" expected.
inline void expectTexts(const QString& path, const QStringList& expected)
{
    EXPECT_EQ(fileTexts(path, expected), expected) << path.toStdString();
}

// The bill form over the office's rows, with the office's seams recorded.
class BillFormFiles : public billtest::BillForm {
protected:
    void SetUp() override
    {
        BillForm::SetUp();
        LogReportPrinter::models.clear();
        office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
        office::setPdfConverter(std::make_unique<office::RecordingPdfConverter>(converter));
        office::setPdfPrinter(std::make_unique<LogPdfPrinter>(log, true));
        reports::setPrinter(std::make_unique<LogReportPrinter>(log));
        open();
    }

    void TearDown() override
    {
        BillForm::TearDown();
        office::setDesktop(nullptr);
        office::setPdfConverter(nullptr);
        office::setPdfPrinter(nullptr);
        reports::setPrinter(nullptr);
    }

    office::RecordingDesktop desktop;
    office::RecordingPdfConverter converter;
    QStringList log; // what was printed, in order
};

// The form over the bonus bill (worked by hand beside addBonusBill), which the register does not hold.
class BonusBillFiles : public BillFormFiles {
protected:
    void makeData() override
    {
        makeOffice();
        addBonusBill();
    }
    void activate() { activateOn(*form, kBonusBill, kDrawalCode, false); }
};

} // namespace doctest
