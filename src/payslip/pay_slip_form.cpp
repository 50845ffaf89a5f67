#include "payslip/pay_slip_form.h"

#include "common/inword.h"
#include "common/pay_month.h"
#include "common/schema.h"
#include "payslip/cheque_slip_figures.h"
#include "payslip/pay_reports.h"
#include "platform/data/data_control.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/entry_chain.h"
#include "platform/forms/registry.h"
#include "platform/reports/registry.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace payslip {

namespace {

const QColor kBandColour(55, 200, 255);
const QColor kEntryTitleColour(124, 205, 124);
const QColor kGridColour(125, 158, 192);

const QString kBlank = QStringLiteral(" ");

} // namespace

Form8::Form8(QWidget* parent) : forms::Form(QStringLiteral("PAY SLIP / CHEQUE SLIP"), parent)
{
    buildControls();
    wireHandlers();
}

void Form8::buildControls()
{
    Label1 = label(QStringLiteral("Label1"), QStringLiteral(" SELECT BILL DATE "));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral(" EMPLOYEE CODE"));
    Label3 = label(QStringLiteral("Label3"), QStringLiteral(" FOR PAY SLIP, SELECT BILL DATE AND THEN EMPLOYEE CODE"));
    Label4 = label(QStringLiteral("Label4"), kBlank);
    Label5 = label(QStringLiteral("Label5"), QStringLiteral(" FOR THE MONTH OF "));
    Label6 = label(QStringLiteral("Label6"), kBlank);
    Label7 = label(QStringLiteral("Label7"));
    Label8 = label(QStringLiteral("Label8"), QStringLiteral(" TOTAL EMPLOYEE FOR THIS MONTH"));
    Label9 = label(QStringLiteral("Label9"), kBlank);
    Label10 = label(QStringLiteral("Label10"), QStringLiteral(" NO. OF BILLS"));
    Label11 = label(QStringLiteral("Label11"), kBlank);
    Label12 = label(QStringLiteral("Label12"), QStringLiteral(" NET AMOUNT OF BILL (S) / CHEQUE (S)"));
    Label13 = label(QStringLiteral("Label13"), kBlank);
    Label14 = label(QStringLiteral("Label14"), QStringLiteral(" BILL NUMBER :"));
    Label15 = label(QStringLiteral("Label15"), QStringLiteral(" BILL DATE :"));
    Label16 = label(QStringLiteral("Label16"), QStringLiteral(" CHEQUE NUMBAR :"));
    Label17 = label(QStringLiteral("Label17"), QStringLiteral("C H E Q U E - E N T R Y"));
    Label18 = label(QStringLiteral("Label18"), QStringLiteral(" CHEQUE DATE"));
    Label19 = label(QStringLiteral("Label19"), QStringLiteral(" CHEQUE AMOUNT"));
    Label20 = label(QStringLiteral("Label20"), QStringLiteral(" PAY SLIP OF SRI / SMT."));
    Label21 = label(QStringLiteral("Label21"));
    Label22 = label(QStringLiteral("Label22"), QStringLiteral("Rupees"));
    Label23 = label(QStringLiteral("Label23"), QStringLiteral(" AMOUNT TO BE CREDITED"));
    Label24 = label(QStringLiteral("Label24"), kBlank);
    Label25 = label(QStringLiteral("Label25"), QStringLiteral(" AMOUNT TO BE REFUNDED"));
    Label26 = label(QStringLiteral("Label26"), kBlank);
    Label27 = label(QStringLiteral("Label27"), QStringLiteral(" BILL No."));
    Label28 = label(QStringLiteral("Label28"), QStringLiteral(" IN CASE OF HEAD-WISE CHEQUE SLIP, SELECT HEAD"));
    Label29 = label(QStringLiteral("Label29"));
    Label30 = label(QStringLiteral("Label30"), QStringLiteral("CHEQUE NUMBER"));
    Label31 = label(QStringLiteral("Label31"));
    Label32 = label(QStringLiteral("Label32"));
    Label33 = label(QStringLiteral("Label33"));
    Label34 = label(QStringLiteral("Label34"), QStringLiteral(" D. D. O. CODE"));
    Label35 = label(QStringLiteral("Label35"), QStringLiteral(" NAME OF OFFICE"));
    Label36 = label(QStringLiteral("Label36"), kBlank);
    Label37 = label(QStringLiteral("Label37"), QStringLiteral("Report is Loading. Please wait....."));
    Label38 = label(QStringLiteral("Label38"), kBlank);
    Label39 = label(QStringLiteral("Label39"));
    Label24->setWordWrap(true);

    Combo1 = new forms::ComboBox(QStringLiteral("Combo1"), this);
    Combo2 = new forms::ComboBox(QStringLiteral("Combo2"), this);
    Combo3 = new forms::ComboBox(QStringLiteral("Combo3"), this);
    List1 = new forms::ListBox(QStringLiteral("List1"), this);
    List1->setMaximumHeight(64);

    Text1 = box(QStringLiteral("Text1"));
    Text2 = box(QStringLiteral("Text2"));
    Text3 = box(QStringLiteral("Text3"));
    Text4 = box(QStringLiteral("Text4"));
    Text5 = box(QStringLiteral("Text5"));
    Text6 = box(QStringLiteral("Text6"));
    for (forms::TextBox* t : {Text1, Text2, Text3, Text4, Text5, Text6})
        t->setEntryBox(true);

    Command1 = button(QStringLiteral("Command1"), QStringLiteral("ALL PAY SLIP "));
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("CLOSE"));
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("SAVE"));
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("CHEQUE SLIP "));
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("CANCEL"));
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("CANCEL"));
    Command7 = button(QStringLiteral("Command7"), QStringLiteral("SINGLE PAY SLIP"));

    Timer1 = new forms::Timer(QStringLiteral("Timer1"), this);
    Timer1->setInterval(500);
    Timer1->setEnabled(false);

    Data1 = new data::DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));
    DBGrid1 = new forms::DataGrid(QStringLiteral("DBGrid1"), this);
    DBGrid1->setCaption(QStringLiteral("CHEQUE(S) DETAILS"));
    DBGrid1->setColumns({{QStringLiteral("BILL NO"), QStringLiteral("bill_no")},
                         {QStringLiteral("BILL DATE"), QStringLiteral("bill_date")},
                         {QStringLiteral("CHEQUE NO."), QStringLiteral("cheque_no")},
                         {QStringLiteral("CHEQUE DATE"), QStringLiteral("cheque_date")},
                         {QStringLiteral("AMOUNT"), QStringLiteral("cheque_amt")}});
    // Dates and cheque numbers are read whole: columns fit their contents.
    DBGrid1->view()->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DBGrid1->view()->horizontalHeader()->setStretchLastSection(true);

    // ---- Layout: the office band, then the three modes side by side ----
    auto* top = new QVBoxLayout(this);
    auto* office = new QGridLayout;
    office->addWidget(Label35, 0, 0);
    office->addWidget(Label32, 0, 1);
    office->addWidget(Label34, 0, 2);
    office->addWidget(Label33, 0, 3);
    office->setColumnStretch(1, 1);
    top->addLayout(office);
    top->addWidget(Label36);

    auto* modes = new QHBoxLayout;
    auto* slip = new QGroupBox(this);
    auto* slipGrid = new QGridLayout(slip);
    int r = 0;
    slipGrid->addWidget(Label1, r, 0);
    slipGrid->addWidget(Combo1, r++, 1);
    slipGrid->addWidget(Label5, r, 0);
    slipGrid->addWidget(Label6, r++, 1);
    slipGrid->addWidget(Label3, r++, 0, 1, 2);
    slipGrid->addWidget(Label2, r, 0);
    slipGrid->addWidget(Combo2, r++, 1);
    slipGrid->addWidget(Label20, r, 0);
    slipGrid->addWidget(Label4, r++, 1);
    slipGrid->addWidget(Command1, r, 0);
    slipGrid->addWidget(Command7, r++, 1);
    slipGrid->setRowStretch(r, 1);
    modes->addWidget(slip);

    auto* cheques = new QGroupBox(this);
    auto* chequeGrid = new QGridLayout(cheques);
    r = 0;
    chequeGrid->addWidget(Label8, r, 0);
    chequeGrid->addWidget(Label9, r++, 1);
    chequeGrid->addWidget(Label10, r, 0);
    chequeGrid->addWidget(Label11, r++, 1);
    chequeGrid->addWidget(Label27, r, 0);
    chequeGrid->addWidget(List1, r++, 1);
    chequeGrid->addWidget(Label12, r, 0);
    chequeGrid->addWidget(Label13, r++, 1);
    chequeGrid->addWidget(Label22, r++, 0);
    chequeGrid->addWidget(Label24, r++, 0, 1, 2);
    chequeGrid->addWidget(Label28, r++, 0, 1, 2);
    chequeGrid->addWidget(Combo3, r++, 0, 1, 2);
    chequeGrid->addWidget(Label23, r, 0);
    chequeGrid->addWidget(Text5, r++, 1);
    chequeGrid->addWidget(Label25, r, 0);
    chequeGrid->addWidget(Label26, r++, 1);
    chequeGrid->addWidget(Label30, r, 0);
    chequeGrid->addWidget(Text6, r++, 1);
    chequeGrid->addWidget(Command4, r, 0);
    chequeGrid->addWidget(Command6, r++, 1);
    chequeGrid->addWidget(Label21, r, 0);
    chequeGrid->addWidget(Label37, r++, 1);
    chequeGrid->setRowStretch(r, 1);
    modes->addWidget(cheques);

    auto* entry = new QGroupBox(this);
    auto* entryGrid = new QGridLayout(entry);
    r = 0;
    entryGrid->addWidget(Label17, r++, 0, 1, 2);
    entryGrid->addWidget(Label14, r, 0);
    entryGrid->addWidget(Text1, r++, 1);
    entryGrid->addWidget(Label15, r, 0);
    entryGrid->addWidget(Label7, r++, 1);
    entryGrid->addWidget(Label16, r, 0);
    entryGrid->addWidget(Text2, r++, 1);
    entryGrid->addWidget(Label18, r, 0);
    entryGrid->addWidget(Text3, r++, 1);
    entryGrid->addWidget(Label19, r, 0);
    entryGrid->addWidget(Text4, r++, 1);
    entryGrid->addWidget(Command3, r, 0);
    entryGrid->addWidget(Command5, r++, 1);
    entryGrid->addWidget(DBGrid1, r++, 0, 1, 2);
    entryGrid->setRowStretch(r - 1, 1);
    modes->addWidget(entry, 1);
    top->addLayout(modes, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Command2);
    top->addLayout(bottom);

    for (forms::Label* l : {Label29, Label31, Label37, Label38, Label39, Label22, Label30})
        l->hide();
    Text6->hide();
    Label17->setAlignment(Qt::AlignCenter);
    Label24->setMinimumHeight(2 * Label24->fontMetrics().lineSpacing() + 4);
    entry->setMinimumWidth(480);
    Label3->setWordWrap(true);
}

void Form8::wireHandlers()
{
    using forms::ComboBox;
    using forms::CommandButton;
    using forms::TextBox;
    forms::on(Combo1, &ComboBox::Click, this, &Form8::Combo1_Click);
    forms::on(Combo2, &ComboBox::Click, this, &Form8::Combo2_Click);
    forms::on(Command1, &CommandButton::Click, this, &Form8::Command1_Click);
    forms::on(Command7, &CommandButton::Click, this, &Form8::Command7_Click);
    forms::on(Command2, &CommandButton::Click, this, &Form8::Command2_Click);
    forms::on(Timer1, &forms::Timer::Tick, this, &Form8::Timer1_Timer);

    forms::on(Text1, &TextBox::GotFocus, this, &Form8::Text1_GotFocus);
    forms::on(Text1, &TextBox::Change, this, &Form8::Text1_Change);
    forms::on(Text1, &TextBox::KeyUp, this, &Form8::Text1_KeyUp);
    forms::on(Text1, &TextBox::LostFocus, this, &Form8::Text1_LostFocus);
    forms::EntryChain{{{Text2, Text3}, {Text3, Text4}, {Text4, Command3}}};
    forms::on(Command3, &CommandButton::Click, this, &Form8::Command3_Click);
    forms::on(Command5, &CommandButton::Click, this, &Form8::Command5_Click);

    forms::on(Combo3, &ComboBox::Click, this, &Form8::Combo3_Click);
    forms::on(Text5, &TextBox::GotFocus, this, &Form8::Text5_GotFocus);
    forms::on(Text5, &TextBox::KeyUp, this, &Form8::Text5_KeyUp);
    forms::on(Text5, &TextBox::LostFocus, this, &Form8::Text5_LostFocus);
    forms::on(Text6, &TextBox::GotFocus, this, &Form8::Text6_GotFocus);
    forms::on(Text6, &TextBox::Change, this, &Form8::Text6_Change);
    forms::on(Text6, &TextBox::KeyUp, this, &Form8::Text6_KeyUp);
    forms::on(Text6, &TextBox::LostFocus, this, &Form8::Text6_LostFocus);
    forms::on(Command4, &CommandButton::Click, this, &Form8::Command4_Click);
    forms::on(Command6, &CommandButton::Click, this, &Form8::Command6_Click);
}

QDate Form8::billDate() const
{
    return Combo1->currentData().toDate();
}

QString Form8::drawalCode() const
{
    return Combo3->listIndex() < 0 ? QString() : Combo3->currentData().toString();
}

void Form8::Form_Load()
{
    mSalaryDb.open();
    mFundDb.open();

    data::QueryRecordset dates(*mSalaryDb, QStringLiteral("SELECT DISTINCT bill_date FROM salary"
                                                          " WHERE bill_date IS NOT NULL ORDER BY bill_date"));
    for (; !dates.eof(); dates.moveNext()) {
        const QDate d = dates.field("bill_date").toDate();
        Combo1->addItem(vb::shortDate(d), d);
    }
    data::QueryRecordset codes(*mSalaryDb, QStringLiteral("SELECT DISTINCT emp_code FROM salary"
                                                          " WHERE emp_code IS NOT NULL ORDER BY emp_code"));
    for (; !codes.eof(); codes.moveNext())
        Combo2->addItem(codes.field("emp_code").text());
    // Two heads may share a description, never a drawal code.
    data::QueryRecordset heads(*mFundDb, QStringLiteral("SELECT description, drawal_code FROM head"
                                                        " WHERE drawal_code LIKE '%01' ORDER BY rowid"));
    for (; !heads.eof(); heads.moveNext())
        Combo3->addItem(heads.field("description").text(), heads.field("drawal_code").text());
    Combo1->setListIndex(-1);
    Combo2->setListIndex(-1);
    Combo3->setListIndex(-1);
    Combo2->setLocked(true);

    Label31->setCaption(vb::shortDate(common::financialYearStart(forms::Clock::today())));

    // With no office particulars the office line stays empty.
    data::QueryRecordset estt(*mFundDb, QStringLiteral("SELECT ddo_code, degn, dist FROM estt ORDER BY rowid LIMIT 1"));
    if (!estt.eof()) {
        Label32->setCaption(QStringLiteral("Office of the ") + estt.field("degn").text() + QLatin1Char(' ')
                            + estt.field("dist").text());
        Label33->setCaption(estt.field("ddo_code").text());
    }

    Data1->setDatabaseName(QString::fromLatin1(common::kFundDb));
    Data1->setRecordSource(QStringLiteral("SELECT rowid AS row_id, bill_no, bill_date, cheque_no, cheque_date,"
                                          " cheque_amt FROM cheque ORDER BY rowid"));
    DBGrid1->setDataSource(Data1);
    Data1->refresh();
    DBGrid1->setAllowUpdate(true, [this](int row, const QString& field, const QVariant& value) {
        editRegisterCell(row, field, value);
    });

    Timer1->setEnabled(false);
    for (forms::Label* l : {Label1, Label28, Label36})
        l->setBackColor(kBandColour);
    Label17->setBackColor(kEntryTitleColour);
    DBGrid1->setBackColor(kGridColour);
}

void Form8::setMode(Mode mode)
{
    const QList<QWidget*> paySlip{Label1, Label2, Label3, Label4, Label5, Label6, Label20, Label32, Label33,
                                  Label34, Label35, Combo1, Combo2, Command1, Command7};
    const QList<QWidget*> chequeEntry{Label7, Label14, Label15, Label16, Label17, Label18, Label19, Text1,
                                      Text2, Text3, Text4, Command3, Command5, DBGrid1};
    const QList<QWidget*> chequeSlip{Label1, Label8, Label9, Label10, Label11, Label12, Label13, Label21,
                                     Label22, Label23, Label24, Label25, Label26, Label27, Label28, Label30,
                                     Combo1, Combo3, List1, Text5, Text6, Command4, Command6};
    const QList<QWidget*>& on = mode == Mode::PaySlip ? paySlip : mode == Mode::ChequeEntry ? chequeEntry : chequeSlip;
    for (const QList<QWidget*>* group : {&paySlip, &chequeEntry, &chequeSlip})
        for (QWidget* w : *group)
            w->setEnabled(on.contains(w));
    if (mode == Mode::ChequeEntry)
        forms::setFocus(Text1);
}

void Form8::Combo1_Click()
{
    // From the first choice on, a code may be chosen for one slip.
    Combo2->setLocked(false);
    const QDate date = billDate();
    if (!date.isValid())
        return;
    Label6->setCaption(common::payMonth(date).toUpper());
    Text5->setText(kBlank);
    Label26->setCaption(kBlank);
    Label22->show();

    // A head chosen for a head-wise slip stays chosen: the new date's figures are the head's.
    if (Combo3->listIndex() >= 0) {
        applyHead();
        return;
    }
    const std::optional<SlipFigures> f = chooseRows(date, std::nullopt, QStringLiteral("Choosing the bill date"),
                                                    QStringLiteral("PLEASE CHECK"), QStringLiteral("Combo1_Click"));
    if (!f)
        return;
    showSlipFigures(*f);
    if (!f->net) {
        clearSlipFigures();
        forms::Dialogs::msgBox(QStringLiteral("NO RECORD FOUND"), forms::vbInformation, QStringLiteral("PLEASE CHECK"));
    }
}

void Form8::showSlipFigures(const SlipFigures& f)
{
    Label9->setCaption(QString::number(f.employees));
    Label11->setCaption(QString::number(f.bills));
    Label39->setCaption(QString::number(f.slipEmployees));
    List1->clear();
    for (double b : f.billNumbers)
        List1->addItem(vb::cstr(b), b);
    if (f.net) {
        Label13->setCaption(vb::cstr(*f.net));
        Label24->setCaption(common::inwordShort(*f.net));
    }
}

void Form8::clearSlipFigures()
{
    Label13->setCaption(kBlank);
    Label24->setCaption(kBlank);
    Label26->setCaption(kBlank);
    Text5->setText(kBlank);
    List1->clear();
}

void Form8::Combo2_Click()
{
    const QString code = Combo2->text();
    data::QueryRecordset emp(salaryDb(), QStringLiteral("SELECT name FROM employee WHERE emp_code = ? ORDER BY rowid"),
                             {code});
    if (!emp.eof()) {
        Label4->setCaption(emp.field("name").text());
        return;
    }
    // No name is shown for a code that is not found, so no slip goes out
    // under the name of the employee chosen before.
    Label4->setCaption(QString());
    if (forms::Dialogs::msgBox(QStringLiteral("EMPLOYEE NOT EXIST IN THE ESTABLISHMENT. CONTINUE YET ?"),
                               forms::vbYesNo, QStringLiteral("Hi"))
        != forms::vbYes)
        return;
    data::QueryRecordset removed(salaryDb(),
                                 QStringLiteral("SELECT name FROM back_up WHERE emp_code = ? ORDER BY rowid"), {code});
    if (removed.eof()) {
        forms::Dialogs::msgBox(QStringLiteral("EMPLOYEE NOT FOUND IN BACK UP TABLE."), forms::vbInformation,
                               QStringLiteral("Hi"));
        return;
    }
    Label4->setCaption(removed.field("name").text());
}

namespace {

// The slip reads the form when it is made, so each showing makes it afresh.
void showPaySlips()
{
    reports::Reports::unload<DataReport7>();
    reports::Reports::get<DataReport7>().show();
}

bool askForBillDate(forms::ComboBox* combo)
{
    if (combo->currentData().toDate().isValid())
        return true;
    forms::Dialogs::msgBox(QStringLiteral("PLEASE SELECT BILL DATE FOR PAY SLIP"), forms::vbInformation,
                           QStringLiteral("Please Note"));
    forms::setFocus(combo);
    return false;
}

} // namespace

void Form8::Command1_Click()
{
    if (!askForBillDate(Combo1))
        return;
    Combo2->setListIndex(-1);
    Label4->setCaption(QString());
    showPaySlips();
}

void Form8::Command7_Click()
{
    if (Combo2->text().trimmed().isEmpty()) {
        forms::Dialogs::msgBox(QStringLiteral("EMPLOYEE CODE NOT MENTIONED"), forms::vbInformation,
                               QStringLiteral("ERROR"));
        forms::setFocus(Combo2);
        return;
    }
    if (!askForBillDate(Combo1))
        return;
    data::QueryRecordset rows(salaryDb(), QStringLiteral("SELECT count(*) FROM salary WHERE bill_date = ? AND emp_code = ?"),
                              {QVariant(billDate()), Combo2->text().trimmed()});
    if (rows.field(0).number() == 0) {
        forms::Dialogs::msgBox(QStringLiteral("NO RECORD FOUND"), forms::vbInformation, QStringLiteral("PLEASE CHECK"));
        return;
    }
    showPaySlips();
}

void Form8::Command2_Click()
{
    unload();
}

void Form8::Timer1_Timer()
{
    Label38->setCaption(vb::cstr(vb::val(Label38->caption()) + 10));
    if (vb::val(Label38->caption()) >= 100) {
        Timer1->setEnabled(false);
        Label37->hide();
    }
}

} // namespace payslip
