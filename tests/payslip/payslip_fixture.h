// An office with two salary heads, a March bill registered under 1 April, and hand-worked salary rows.
#pragma once

#include "common/pay_month.h"
#include "common/schema.h"
#include "payslip/pay_slip_form.h"
#include "payslip/pay_statement_form.h"
#include "payslip/register_forms.h"
#include "platform/data/database.h"
#include "platform/forms/clock.h"
#include "platform/forms/registry.h"
#include "platform/office/desktop.h"
#include "platform/reports/page_model.h"
#include "platform/reports/registry.h"
#include "platform/vb/error.h"
#include "support/first_row.h"
#include "support/ooxml_reader.h"
#include "support/report_texts.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace slipstest {

inline data::Database& salaryDb() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }
inline data::Database& fundDb() { return data::Database::open(QString::fromLatin1(common::kFundDb)); }

inline const QString kHeadA = "12345678901234501";
inline const QString kHeadB = "22222222222222201";
inline const QDate kMarch{2013, 3, 31};
inline const QDate kRegister{2013, 4, 1};

// One salary row. gross and net are given as worked by hand, never derived here.
struct Row {
    QString code;
    QDate date;
    double pay, dPay, lessFa, da, hra, ma, oa, gross;
    double gpfSubs, gpfRec, iFund, sFund, pTax, misc, net;
    double iTax = 0;
};

inline void addRows(std::initializer_list<Row> rows)
{
    for (const Row& r : rows)
        salaryDb().execute(
            "INSERT INTO salary (name, designation, acc_no, pay, less_fa, d_pay, da, hra, ma, oa, gross, gpf_subs,"
            " gpf_rec, \"if\", sf, p_tax, misc, net, emp_code, bill_date, p_month, hb_loan, hb_int, i_tax, others,"
            " deduct, category, bank_ac) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,0,0,?,0,?,'C',?)",
            {"Name " + r.code, "CLERK", "GPF/" + r.code, r.pay, r.lessFa, r.dPay, r.da, r.hra, r.ma, r.oa, r.gross,
             r.gpfSubs, r.gpfRec, r.iFund, r.sFund, r.pTax, r.misc, r.net, r.code, r.date, common::payMonth(r.date),
             r.iTax, r.gross - r.net, "SB-" + r.code});
}

// The March 2013 bill: gross = pay + grade pay + D.A. + H.R.A. + M.A. + O.A.
// less the F.A. instalment; net = gross less subscription, loan instalment,
// I.F., S.F., professional tax and miscellaneous.
//   A101  12000+2400+10800+1800+300+0-500 = 26800; 26800-(2000+1000+30+30+150+1290) = 22300
//   A102  on leave without pay: nothing drawn, net 0, nothing to credit on the slip
//   B201  8000+1900+7200+1200+300+100 = 18700; 18700-(1000+0+3+5+130+0) = 17562
//   BA07  9000+1900+8100+1350+300 = 20650; 20650-(1200+500+30+30+150+0) = 18740 (head B: the A is inside)
// Net credited on the date 22300 + 17562 + 18740 = 58602.
inline void makeMarchBill()
{
    addRows({{"A101", kMarch, 12000, 2400, 500, 10800, 1800, 300, 0, 26800, 2000, 1000, 30, 30, 150, 1290, 22300, 1290},
             {"A102", kMarch, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
             {"B201", kMarch, 8000, 1900, 0, 7200, 1200, 300, 100, 18700, 1000, 0, 3, 5, 130, 0, 17562},
             {"BA07", kMarch, 9000, 1900, 0, 8100, 1350, 300, 0, 20650, 1200, 500, 30, 30, 150, 0, 18740}});
}

inline void addEmployees(std::initializer_list<const char*> codes)
{
    for (const QString code : codes)
        salaryDb().execute("INSERT INTO employee (emp_code, name, designation, acc_no, pan) VALUES (?, ?, 'CLERK', ?, ?)",
                           {code, "Name " + code, "GPF/" + code, "PAN" + code});
}

// Bills of one date in the register: head, number and pay; the description is the head's.
inline void addBills(const QDate& date, std::initializer_list<std::tuple<QString, int, double>> bills)
{
    for (const auto& [head, no, pay] : bills)
        fundDb().execute("INSERT INTO all_exp (head, bill_no, bill_date, pay, despn) VALUES (?1, ?2, ?3, ?4,"
                         " (SELECT description FROM head WHERE drawal_code = ?1))", {head, no, date, pay});
}

// A bill in the register with its amounts by column ("pay", "bonus", "deduction" ...), the rest empty.
inline void addRegisteredBill(const QDate& date, const QString& head, int no,
                              std::initializer_list<std::pair<const char*, double>> amounts)
{
    fundDb().execute("INSERT INTO all_exp (head, bill_no, bill_date) VALUES (?, ?, ?)", {head, no, date});
    for (const auto& [column, amount] : amounts)
        fundDb().execute(QString("UPDATE all_exp SET %1 = ? WHERE rowid = last_insert_rowid()").arg(column), {amount});
}

inline void makeOffice()
{
    fundDb().execute("INSERT INTO estt (ddo_code, degn, dist) VALUES ('DDO-7', 'Block Development Officer', 'Nadia')");
    fundDb().execute("INSERT INTO head (drawal_code, description, code_category) VALUES (?, 'SALARY', 'A'),"
                     " ('11111111111111102', 'WAGES', 'A'), (?, 'SALARY (PLAN)', 'B')", {kHeadA, kHeadB});
    // Opening rows (number 0, no pay) and the two March bills, kept under 1 April.
    addBills(kRegister, {{kHeadA, 0, 0}, {kHeadB, 0, 0}, {kHeadA, 5, 14400}, {kHeadB, 6, 19000}});
    addEmployees({"A101", "A102", "B201", "BA07"});
    salaryDb().execute("INSERT INTO back_up (emp_code, name, designation, acc_no) VALUES ('R900', 'Ramen Sil', 'PEON',"
                       " 'GPF/R900')");
}

inline void addCheque(double billNo, const QDate& billDate, const QString& number, double amount)
{
    fundDb().execute("INSERT INTO cheque (bill_no, bill_date, cheque_no, cheque_date, cheque_amt) VALUES (?, ?, ?, ?, ?)",
                     {billNo, billDate, number, billDate.addDays(4), amount});
}

// The main window's area of forms for one test, with another form open in
// it (what the clerk left open before); the forms are unloaded before the
// area goes, however the test ends.
class FormArea {
public:
    FormArea()
    {
        area.resize(1400, 1000);
        area.show();
        other = area.addSubWindow(new QLineEdit);
        other->setWindowTitle("ALLOTMENT AND EXPENDITURE");
        other->show();
        forms::Forms::setMdiArea(&area);
    }
    ~FormArea()
    {
        forms::Forms::unloadAll();
        testsupport::settle();
        forms::Forms::setMdiArea(nullptr);
    }
    // The title of the window in front and whether the focus is inside it.
    QString front() const
    {
        const QMdiSubWindow* sub = area.activeSubWindow();
        if (!sub)
            return "none";
        const QWidget* focus = QApplication::focusWidget();
        return sub->windowTitle() + (focus && sub->isAncestorOf(focus) ? " (focus)" : "");
    }

    QMdiArea area;
    QMdiSubWindow* other = nullptr;
};

// Qt's own warnings while one lives.
class QtWarnings {
public:
    QtWarnings() { mPrevious = qInstallMessageHandler(&QtWarnings::handle); seen().clear(); }
    ~QtWarnings() { qInstallMessageHandler(mPrevious); }
    static QStringList& seen()
    {
        static QStringList s;
        return s;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            seen() << text;
    }
    QtMessageHandler mPrevious = nullptr;
};

using testsupport::captions;
using testsupport::number;

// One line's fifteen figures of a pay report (fields "Amount1".. or "Function1"..).
inline QStringList fifteen(const reports::PageModel& model, const char* field, int line = 0)
{
    QStringList out;
    for (int i = 1; i <= 15; ++i)
        out << model.texts(QString::fromLatin1(field) + QString::number(i)).value(line);
    return out;
}

// A data folder with the office, today fixed, scripted boxes; forms and
// reports unloaded at the end.
class Office : public ::testing::Test {
protected:
    void SetUp() override
    {
        payslip::registerForms();
        makeOffice();
    }
    payslip::Form8& slipForm(payslip::Form8::Mode mode)
    {
        auto& f = forms::Forms::get<payslip::Form8>();
        testsupport::showForm(f);
        f.setMode(mode);
        return f;
    }
    payslip::Form15& statementForm()
    {
        auto& f = forms::Forms::get<payslip::Form15>();
        testsupport::showForm(f);
        return f;
    }
    // Types a cheque's number, date and amount into the entry boxes, over what was there.
    static void typeCheque(payslip::Form8& f, const QString& number, const QString& date, const QString& amount)
    {
        testsupport::type(*f.Text2, number);
        testsupport::type(*f.Text3, date);
        testsupport::type(*f.Text4, amount);
    }

    // The prompts shown since the last look, forgotten once looked at.
    QStringList shown()
    {
        const QStringList p = boxes.prompts();
        boxes.clearBoxes();
        return p;
    }

    void TearDown() override
    {
        reports::Reports::unloadAll();
        forms::Forms::unloadAll();
        testsupport::settle();
    }

    forms::Clock::Override today{QDate(2014, 3, 20)};
    testsupport::TempDataFolder folder;
    testsupport::ScriptedBoxes boxes;
};

// The office whose filled documents go to a recording desktop instead of the screen.
class DesktopOffice : public Office {
protected:
    DesktopOffice() { office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop)); }
    ~DesktopOffice() override { office::setDesktop(nullptr); }

    office::RecordingDesktop desktop;
};

using ooxml::tableRows;

// How many times each text stands whole between tags of the document's body.
inline QStringList occurrences(const QString& docx, std::initializer_list<const char*> texts)
{
    const QString body = QString::fromUtf8(testsupport::part(docx, "word/document.xml"));
    QStringList out;
    for (const char* t : texts)
        out << QString::number(body.count(QLatin1Char('>') + QLatin1String(t) + QLatin1Char('<')));
    return out;
}

} // namespace slipstest
