#include "salary/regular_salary_form.h"

#include "common/schema.h"
#include "platform/data/data_control.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/entry_chain.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"
#include "salary/bill_row.h"
#include "salary/da_rates.h"
#include "salary/ledgers.h"
#include "salary/rules.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace salary {

using namespace forms;

namespace {

// Caption beside each box, by the box's number.
const char* const kCaptions[25] = {
    nullptr,
    "GRADE PAY",            // Text1
    "EMPLOYEE CODE",        // Text2
    "NAME",                 // Text3
    "DESIGNATION",          // Text4
    "SCALE OF PAY",         // Text5
    "GPF A/C NUMBER",       // Text6
    "BASIC PAY",            // Text7
    "LESS FESTIVAL ADVANCE", // Text8
    "DEARNESS ALLOWANCE",   // Text9
    "HOUSE RENT ALLOWANCE", // Text10
    "MEDICAL ALLOWANCE",    // Text11
    "OTHER ALLOWANCES",     // Text12
    "GROSS SALARY",         // Text13
    " GPF SUBSCRIPTION",    // Text14
    " GPF RECOVERY",        // Text15
    " INSURANCE FUND",      // Text16
    " SAVINGS FUND",        // Text17
    " PROFESIONAL TAX",     // Text18
    " MISC.RECOVERIES",     // Text19
    " NET PAYABLE",         // Text20
    " H.B. LOAN",           // Text21
    " H.B. INT.",           // Text22
    " I. TAX",              // Text23
    " H.R.A Etc.",          // Text24
};

const QString kNotNumber = QStringLiteral("YOUR INPUT MUST BE A NUMBER");
const QString kHi = QStringLiteral("Hi");

// Wide enough for seven-digit rupees with their paise.
void fitSevenDigits(QWidget* w)
{
    w->setMinimumWidth(w->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 12);
}

double number(const QVariant& v)
{
    return vb::isNumeric(v) ? vb::cdbl(v) : 0;
}

} // namespace

SALARY::SALARY() : forms::Form(QStringLiteral("SALARY"))
{
    buildControls();
    connectHandlers();
}

SALARY::~SALARY() = default;

void SALARY::buildControls()
{
    Data1 = new data::DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));

    for (int i = 1; i <= 24; ++i)
        Text[i] = new TextBox(QStringLiteral("Text%1").arg(i), this);
    // The code follows the employee chosen through the data control; a code
    // written here by another form must never reach the employee table.
    Text[2]->setLocked(true);
    for (int i : {3, 4, 5, 6, 13, 20})
        Text[i]->setLocked(true);

    Label25 = label(QStringLiteral("Label25"), QString());
    Label27 = label(QStringLiteral("Label27"), QString());
    Label38 = label(QStringLiteral("Label38"), QString());
    Label39 = label(QStringLiteral("Label39"), QString());
    Label41 = label(QStringLiteral("Label41"), QString());
    Label40 = label(QStringLiteral("Label40"), QStringLiteral("CLICK HERE FOR QUICK PAY BILL"));
    Label40->setCursor(Qt::PointingHandCursor);
    for (QWidget* w : std::initializer_list<QWidget*>{Text[13], Text[15], Text[20], Label38})
        fitSevenDigits(w);
    DTPicker1 = new DatePicker(QStringLiteral("DTPicker1"), this);
    Check1 = new CheckBox(QStringLiteral("Check1"), QStringLiteral("STOP GPF RECOVERY"), this);
    Command1 = new CommandButton(QStringLiteral("Command1"), QStringLiteral("CONFIRM"), this);
    Command4 = new CommandButton(QStringLiteral("Command4"), QStringLiteral("OK"), this);

    auto* nav = new QHBoxLayout;
    const struct { const char* name; const char* caption; void (data::DataControl::*move)(); } moves[] = {
        {"Data1First", "|<", &data::DataControl::moveFirst},
        {"Data1Previous", "<", &data::DataControl::movePrevious},
        {"Data1Next", ">", &data::DataControl::moveNext},
        {"Data1Last", ">|", &data::DataControl::moveLast},
    };
    nav->addWidget(new QLabel(QStringLiteral("EMPLOYEE"), this));
    for (const auto& m : moves) {
        auto* b = new CommandButton(QString::fromLatin1(m.name), QString::fromLatin1(m.caption), this);
        auto move = m.move;
        on(b, &CommandButton::Click, this, [this, move] { (Data1->*move)(); });
        nav->addWidget(b);
    }
    nav->addStretch();
    nav->addWidget(new QLabel(QStringLiteral(" BILL DATE"), this));
    nav->addWidget(DTPicker1);

    auto* particulars = new QGridLayout;
    int r = 0;
    for (int i : {2, 3, 4, 5, 6}) {
        particulars->addWidget(new QLabel(QString::fromLatin1(kCaptions[i]), this), r, 0);
        particulars->addWidget(Text[i], r++, 1);
    }
    const std::pair<const char*, Label*> captions[] = {
        {" PAY BAND ", Label25}, {" PAY BAND SCALE", Label27}, {"CATEGORY", Label39}, {"BANK A/C", Label41}};
    for (const auto& [caption, l] : captions) {
        particulars->addWidget(new QLabel(QString::fromLatin1(caption), this), r, 0);
        particulars->addWidget(l, r++, 1);
    }

    auto* pay = new QGridLayout;
    r = 0;
    for (int i : {7, 1, 9, 10, 11, 12, 8, 13}) {
        pay->addWidget(new QLabel(QString::fromLatin1(kCaptions[i]), this), r, 0);
        pay->addWidget(Text[i], r++, 1);
    }
    auto* deductions = new QGridLayout;
    r = 0;
    for (int i : {14, 15, 16, 17, 18, 19}) {
        deductions->addWidget(new QLabel(QString::fromLatin1(kCaptions[i]), this), r, 0);
        deductions->addWidget(Text[i], r++, 1);
    }
    deductions->addWidget(new QLabel(QStringLiteral(" TOTAL DEDUCTION"), this), r, 0);
    deductions->addWidget(Label38, r++, 1);
    deductions->addWidget(new QLabel(QString::fromLatin1(kCaptions[20]), this), r, 0);
    deductions->addWidget(Text[20], r++, 1);
    deductions->addWidget(Check1, r++, 0, 1, 2);

    auto* breakUp = new QGridLayout;
    breakUp->addWidget(new QLabel(QStringLiteral("DETAILS OF RECOVERIES"), this), 0, 0, 1, 2);
    r = 1;
    for (int i : {21, 22, 23, 24}) {
        breakUp->addWidget(new QLabel(QString::fromLatin1(kCaptions[i]), this), r, 0);
        breakUp->addWidget(Text[i], r++, 1);
    }

    // Each column starts at the top, its heading (if any) right over its boxes.
    for (QGridLayout* g : {pay, deductions, breakUp})
        g->setRowStretch(g->rowCount(), 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(pay);
    columns->addLayout(deductions);
    columns->addLayout(breakUp);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label40);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command4);

    auto* page = new QVBoxLayout(this);
    page->addLayout(nav);
    page->addLayout(particulars);
    page->addLayout(columns);
    page->addLayout(buttons);
}

void SALARY::connectHandlers()
{
    QObject::connect(Data1, &data::DataControl::currentRowChanged, this, [this] {
        dispatch(QStringLiteral("Data1_Reposition"), [this] { Data1_Reposition(); });
    });
    EntryChain{{
        {Text[12], Text[19], [this] { return Text12_Enter(); }},
        {Text[19], Command1, [this] { return Text19_Enter(); }},
    }};
    on(Command1, &CommandButton::Click, this, &SALARY::Command1_Click);
    on(Command4, &CommandButton::Click, this, &SALARY::Command4_Click);
    on(Check1, &CheckBox::Click, this, &SALARY::Check1_Click);
    on(Label40, &Label::Click, this, &SALARY::Label40_Click);
    on(DTPicker1, &DatePicker::Change, this, [this] { figuresChanged(); });
    for (int i : {1, 2, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})
        on(Text[i], &TextBox::Change, this, [this] { figuresChanged(); });
    // A changed part of the gross (the pay-upgrade form writes them all, with a
    // gross of its own) needs Enter in the O.A. box before the net is taken.
    for (int i : {1, 7, 8, 9, 10, 11, 12})
        on(Text[i], &TextBox::Change, this, [this] { mGrossStale = true; });
}

void SALARY::Form_Load()
{
    mDb.open();
    mSalary = std::make_unique<data::TableRecordset>(*mDb, QStringLiteral("salary"));
    mDa = std::make_unique<data::TableRecordset>(*mDb, QStringLiteral("da_table"));
    mFesti = std::make_unique<data::TableRecordset>(*mDb, QStringLiteral("festi_adv"));
    mLoan = std::make_unique<data::TableRecordset>(*mDb, QStringLiteral("gpf_loan"));
    mFesti->setIndex(QStringLiteral("ec"));
    mLoan->setIndex(QStringLiteral("ec"));

    Command1->setEnabled(false);
    Command4->setEnabled(false);
    for (int i = 21; i <= 24; ++i)
        Text[i]->setEnabled(false);

    Text[2]->setDataSource(Data1, QStringLiteral("emp_code"));
    Data1->setDatabaseName(QString::fromLatin1(common::kSalaryDb));
    Data1->setRecordSource(QStringLiteral("employee"));
    Data1->refresh();
}

double SALARY::gpfInstalment(const QString& code)
{
    mLoan->seek(QStringLiteral("="), code);
    if (mLoan->noMatch())
        return 0;
    return instalment(mLoan->get(QStringLiteral("loan_due")).number(),
                      mLoan->get(QStringLiteral("inst_no")).number());
}

void SALARY::Data1_Reposition()
{
    if (Data1->currentRow() < 0)
        return;
    auto text = [this](const char* f) { return vb::cstr(Data1->value(QString::fromLatin1(f))); };
    auto num = [this](const char* f) { return number(Data1->value(QString::fromLatin1(f))); };
    const QString code = text("emp_code").trimmed();

    figuresChanged();
    const std::optional<DaRates> inForce = daOrderInForce(*mDa);
    if (!inForce) {
        Dialogs::msgBox(noDaOrderMessage(), vbInformation, noDaOrderTitle());
        return;
    }
    const DaRates order = *inForce;
    double lessFa = 0;
    mFesti->seek(QStringLiteral("="), code);
    if (!mFesti->noMatch())
        lessFa = instalment(mFesti->get(QStringLiteral("adv_due")).number(),
                            mFesti->get(QStringLiteral("inst_no")).number());
    const double gpfRec = Check1->value() == vbChecked ? 0 : gpfInstalment(code);

    const double pay = num("b_pay"), gradePay = num("grade_pay"), oa = num("oa");
    const bool fixedHra = text("hra_type") == QLatin1String("FIXED");
    const double da = dearnessAllowance(pay, gradePay, order.da);
    const double hra = houseRentAllowance(text("hra_type"), num("hra"), pay, gradePay, order.hra);
    const double ma = medicalAllowance(text("health_sch"), order.ma);
    const double grossPay = gross(pay, gradePay, da, hra, ma, oa, lessFa);
    const double pTax = professionalTax(grossPay);
    const double deduct = totalDeduction(num("gpf_subs"), gpfRec, num("i_fund"), num("s_fund"), pTax, 0);

    Text[2]->setText(text("emp_code"));
    Text[3]->setText(text("name"));
    Text[4]->setText(text("designation"));
    Text[5]->setText(text("scale"));
    Text[6]->setText(text("acc_no"));
    Text[7]->setText(vb::cstr(pay));
    Text[1]->setText(vb::cstr(gradePay));
    Text[8]->setText(shownFigure(lessFa));
    Text[9]->setText(vb::format(da, QStringLiteral("###")));
    Text[10]->setText(fixedHra ? vb::cstr(hra) : vb::format(hra, QStringLiteral("###")));
    Text[11]->setText(vb::cstr(ma));
    Text[12]->setText(vb::cstr(oa));
    Text[13]->setText(shownFigure(grossPay));
    Text[14]->setText(vb::cstr(num("gpf_subs")));
    Text[15]->setText(shownFigure(gpfRec));
    Text[16]->setText(vb::cstr(num("i_fund")));
    Text[17]->setText(vb::cstr(num("s_fund")));
    Text[18]->setText(vb::cstr(pTax));
    Text[19]->setText(QStringLiteral("0"));
    Label38->setCaption(shownFigure(deduct));
    Text[20]->setText(shownFigure(net(grossPay, deduct)));
    for (int i = 21; i <= 24; ++i) {
        Text[i]->setText(QStringLiteral("0"));
        Text[i]->setEnabled(false);
    }
    Label25->setCaption(text("pay_band"));
    Label27->setCaption(text("pay_band_scale"));
    Label39->setCaption(text("category"));
    Label41->setCaption(text("bank_ac"));
    figuresChanged();
    mGrossStale = false;
    Text[12]->setFocus();
}

double SALARY::figure(int box) const
{
    return vb::val(Text[box]->text());
}

void SALARY::figuresChanged()
{
    Command1->setEnabled(false);
    Command4->setEnabled(false);
}

bool SALARY::Text12_Enter()
{
    if (!isTypedAmount(Text[12]->text())) {
        Dialogs::msgBox(notAmountMessage(Text[12]->text(), kNotNumber), vbInformation, kHi);
        Text[12]->setFocus();
        return false;
    }
    const double g = gross(figure(7), figure(1), figure(9), figure(10), figure(11), figure(12), figure(8));
    Text[13]->setText(shownFigure(g));
    Text[18]->setText(vb::cstr(professionalTax(g)));
    mGrossStale = false;
    return true;
}

bool SALARY::Text19_Enter()
{
    if (mGrossStale) {
        Dialogs::msgBox(QStringLiteral("PRESS ENTER IN THE OTHER ALLOWANCES BOX TO WORK OUT THE GROSS FIRST"),
                        vbInformation, kHi);
        Text[12]->setFocus();
        return false;
    }
    if (!isTypedAmount(Text[19]->text())) {
        Dialogs::msgBox(notAmountMessage(Text[19]->text(), kNotNumber), vbInformation, kHi);
        Text[19]->setFocus();
        return false;
    }
    if (!daOrderInForce(*mDa)) {
        Dialogs::msgBox(noDaOrderMessage(), vbInformation, noDaOrderTitle());
        return false;
    }
    const double deduct = totalDeduction(figure(14), figure(15), figure(16), figure(17), figure(18), figure(19));
    Label38->setCaption(shownFigure(deduct));
    Text[20]->setText(shownFigure(net(figure(13), deduct)));
    Command1->setEnabled(true);
    return true;
}

void SALARY::Command1_Click()
{
    const QString code = Text[2]->text().trimmed();
    if (code.isEmpty()) {
        Dialogs::msgBox(QStringLiteral("EMPLOYEE CODE IS FOUND INCORRECT. PLEASE CHECK."), vbInformation, kHi);
        return;
    }
    const QString month = payMonth(DTPicker1->value());
    if (rowsForPayMonth(*mDb, month, code) > 0) {
        const QString question = QStringLiteral("SALARY OF ") + Text[3]->text().toUpper()
            + QStringLiteral(" FOR THE MONTH OF ") + month
            + QStringLiteral("\n\nHAS ALREADY PREPARED. SO, HE / SHE WILL NOT ENTITLE TO GET")
            + QStringLiteral("\n\nSALARY FOR THIS MONTH AGAIN. DO YOU WANT TO PROCEED ANY WAY?");
        // Yes writes the employee's month a second time: Enter must not do that.
        if (!Dialogs::confirm(question, QStringLiteral("DUPLICATE ENTRY ERROR"), 0))
            return;
    }
    Command4->setEnabled(true);
    const bool breakUp = figure(19) > 0;
    for (int i = 21; i <= 24; ++i) {
        // A break-up without a total would be stored beside a zero misc.
        if (!breakUp)
            Text[i]->setText(QStringLiteral("0"));
        Text[i]->setEnabled(breakUp);
    }
    if (breakUp)
        Text[21]->setFocus();
    else
        Command4->setFocus();
}

void SALARY::Command4_Click()
{
    BillRow row;
    row.billDate = DTPicker1->value();
    row.empCode = Text[2]->text().trimmed();
    row.name = Text[3]->text();
    row.designation = Text[4]->text();
    row.scale = Text[5]->text();
    row.accNo = Text[6]->text();
    row.category = Label39->caption();
    row.bankAc = Label41->caption();
    const std::optional<int> notAmount = readAmounts(
        row,
        {
            {7, &BillRow::pay},     {1, &BillRow::dPay},    {8, &BillRow::lessFa},  {9, &BillRow::da},
            {10, &BillRow::hra},    {11, &BillRow::ma},     {12, &BillRow::oa},     {13, &BillRow::gross},
            {14, &BillRow::gpfSubs}, {15, &BillRow::gpfRec}, {16, &BillRow::iFund},  {17, &BillRow::sFund},
            {18, &BillRow::pTax},   {19, &BillRow::misc},   {20, &BillRow::net},    {21, &BillRow::hbLoan},
            {22, &BillRow::hbInt},  {23, &BillRow::iTax},   {24, &BillRow::others},
        },
        [this](int box) { return Text[box]->text(); });
    if (notAmount) {
        Dialogs::msgBox(notAmountMessage(Text[*notAmount]->text(), kNotNumber), vbInformation, kHi);
        Text[*notAmount]->setFocus();
        return;
    }
    // The break-up boxes keep what they held when the pay-upgrade form fills
    // the others, and nothing ties what is typed in them to the misc.
    if (!row.breakUpIsMisc()) {
        Dialogs::msgBox(breakUpNotMiscMessage(row, QStringLiteral("PAY ROLL")), vbInformation, kHi);
        if (Text[21]->isEnabled())
            Text[21]->setFocus();
        return;
    }

    // The row and the ledger instalments it recovers stand or fall together;
    // the notes are shown once both are stored. A ledger the month has
    // recovered already (by a run, a fraction of pay) has moved for the month;
    // with the recovery stopped, the loan keeps its instalments.
    const LedgersHeld held = addRowRecovering(*mDb, *mSalary, *mFesti, *mLoan, row, Check1->value() == vbChecked);
    QStringList notes;
    if (!held.advance)
        notes << QStringLiteral("No Festival Advance Pending");
    if (!held.loan)
        notes << QStringLiteral("No GPF Loan pending");
    // Saved once: another row of the same bill needs CONFIRM again.
    Command4->setEnabled(false);
    for (const QString& note : notes)
        Dialogs::msgBox(note, vbInformation, kHi);
    Dialogs::msgBox(QStringLiteral("ENTERED IN THE PAY ROLL"), vbInformation, kHi);
}

void SALARY::Check1_Click()
{
    const bool stopped = Check1->value() == vbChecked;
    Text[15]->setText(shownFigure(stopped ? 0 : gpfInstalment(Text[2]->text().trimmed())));
}

void SALARY::Label40_Click()
{
    Forms::unload(*this);
    Form& quick = Forms::get(QStringLiteral("Form9"));
    Forms::show(quick);
    quick.control<CommandButton>(QStringLiteral("Command7")).setVisible(false);
}

} // namespace salary
