#include "salary/pay_upgrade_form.h"

#include "common/schema.h"
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
#include "salary/regular_salary_form.h"
#include "salary/rules.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace salary {

using namespace forms;

struct form5::Period {
    int index;      // 0 or 1
    int payBox;     // typed monthly pay
    int fromBox, toBox;
    int gradePayBox; // monthly grade pay (old from the record, new typed)
    int payOut, gradePayOut, daOut, hraOut, maOut, oaOut, grossOut;
    Label* form5::*days;
    const char* dateMessage;
};

namespace {

QString wholeText(double x)
{
    return vb::format(x, QStringLiteral("###"));
}

double number(const data::FieldValue& v)
{
    return v.number();
}

// Says what is wrong with the box's entry and puts the clerk back in it; false.
bool refuse(TextBox* box, const QString& text, const char* title)
{
    Dialogs::msgBox(text, vbInformation, QString::fromLatin1(title));
    box->setFocus();
    return false;
}
bool refuse(TextBox* box, const char* text, const char* title)
{
    return refuse(box, QString::fromLatin1(text), title);
}
// An amount box that holds no amount: a figure too large or finer than the
// paisa is told so, anything else gets the box's own words.
bool refuseAmount(TextBox* box, const char* text, const char* title)
{
    return refuse(box, notAmountMessage(box->text(), QString::fromLatin1(text)), title);
}

} // namespace

const form5::Period form5::kPeriod1{0, 6, 7, 8, 29, 24, 9, 10, 11, 12, 31, 13, &form5::Label35,
                                     "THIS IS NOT A VALID DATE"};
const form5::Period form5::kPeriod2{1, 14, 15, 16, 30, 25, 17, 18, 19, 20, 32, 21, &form5::Label41,
                                    "ENTER A VALID DATE"};

form5::form5() : forms::Form(QStringLiteral("CAS"))
{
    buildControls();
    connectHandlers();
}

form5::~form5() = default;

void form5::buildControls()
{
    for (int i = 1; i <= 32; ++i) {
        Text[i] = new TextBox(QStringLiteral("Text%1").arg(i), this);
        Text[i]->setLocked(true);
    }
    for (int i : {1, 6, 7, 8, 14, 15, 16, 30}) {
        Text[i]->setLocked(false);
        Text[i]->setEntryBox(true);
    }
    Label1 = label("Label1", "PREPARATION OF BILL UNDER CARRIER ADVANCEMENT SCHEME [CAS]");
    Label1->setAlignment(Qt::AlignCenter);
    Label35 = label("Label35", "");
    Label37 = label("Label37", "");
    Label38 = label("Label38", "");
    Label41 = label("Label41", "");
    Check2 = new CheckBox(QStringLiteral("Check2"), QStringLiteral("STOP GPF RECOVERY"), this);
    const char* captions[8] = {nullptr,        "CALCULATE 1", "CALCULATE 2", "TOTAL SALARY",
                               "CLOSE",        "CANCEL 1",    "CANCEL 2",    "RE - SET"};
    for (int i = 1; i <= 7; ++i)
        Command[i] = new CommandButton(QStringLiteral("Command%1").arg(i), QString::fromLatin1(captions[i]), this);

    auto* particulars = new QGridLayout;
    const std::pair<const char*, QWidget*> rows[] = {
        {" EMPLOYEE  CODE", Text[1]},        {" NAME OF EMPLOYEE", Text[2]},
        {" DESIGNATION", Text[3]},           {" PAY SCALE", Text[4]},
        {" G.P.F. ACCOUNT NUMBER", Text[5]}, {"INS. FUND", Text[22]},
        {"SAVINGS FUND", Text[23]},          {" G.P.F. SUBSCRIPTION", Text[26]},
        {" PAY BAND NO.", Text[27]},         {" PAY BAND SCALE", Text[28]},
        {" OLD GRADE PAY", Text[29]},
    };
    int r = 0;
    for (const auto& [caption, w] : rows) {
        particulars->addWidget(new QLabel(QString::fromLatin1(caption), this), r / 2, (r % 2) * 2);
        particulars->addWidget(w, r / 2, (r % 2) * 2 + 1);
        ++r;
    }
    particulars->addWidget(Label37, r / 2 + 1, 0);
    particulars->addWidget(Label38, r / 2 + 1, 1);

    auto periodRows = [this](const Period& p, QWidget* gradePayTyped) {
        auto* g = new QGridLayout;
        int c = 0;
        auto add = [&](const char* caption, QWidget* w, int row) {
            g->addWidget(new QLabel(QString::fromLatin1(caption), this), row * 2, c);
            g->addWidget(w, row * 2 + 1, c);
            ++c;
        };
        add("PAY @ Rs. (Not Basic Pay)", Text[p.payBox], 0);
        add("FOR THE PERIOD FROM", Text[p.fromBox], 0);
        add("TO", Text[p.toBox], 0);
        if (gradePayTyped)
            add("NEW GRADE PAY", gradePayTyped, 0);
        add("PAY CALCULATED FOR", this->*p.days, 0);
        g->addWidget(new QLabel(QStringLiteral("DAYS"), this), 1, c);
        c = 0;
        add("PAY", Text[p.payOut], 1);
        add("GRADE PAY", Text[p.gradePayOut], 1);
        add("D.A", Text[p.daOut], 1);
        add("H.R.A", Text[p.hraOut], 1);
        add("M.A", Text[p.maOut], 1);
        add("O. A.", Text[p.oaOut], 1);
        add("GROSS", Text[p.grossOut], 1);
        return g;
    };

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Check2);
    buttons->addStretch();
    for (int i : {1, 5, 2, 6, 3, 7, 4})
        buttons->addWidget(Command[i]);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label1);
    page->addLayout(particulars);
    page->addLayout(periodRows(kPeriod1, nullptr));
    page->addLayout(periodRows(kPeriod2, Text[30]));
    page->addLayout(buttons);
}

void form5::connectHandlers()
{
    auto numeric = [this](int box, const char* text, const char* title) {
        return isTypedAmount(Text[box]->text()) || refuseAmount(Text[box], text, title);
    };
    auto date = [this](int box, const char* text, const char* title) {
        return vb::isDate(Text[box]->text()) || refuse(Text[box], text, title);
    };
    on(Text[1], &TextBox::KeyUp, this, [this](int key) {
        if (key == vbKeyReturn)
            Text1_Enter();
    });
    EntryChain{{
        {Text[6], Text[7], [=] { return numeric(6, "ONLY NUMBERS ARE ACCEPTABLE AS BASIC PAY", "Hi"); }},
        {Text[7], Text[8], [=] { return date(7, "THIS IS NOT A VALID DATE", "Hi"); }},
        {Text[8], Command[1], [=] { return date(8, "THIS IS NOT A VALID DATE", "Hi"); }},
        {Text[14], Text[15], [=] { return numeric(14, "ONLY DIGIT IS ACCEPTABLE AS BASIC PAY", "Please Note"); }},
        {Text[15], Text[16], [=] { return date(15, "ONLY DATE IS ACCEPTABLE", "Please Note"); }},
        {Text[16], Text[30], [=] { return date(16, "ONLY DATE IS ACCEPTABLE", "Please Note"); }},
        {Text[30], Command[2], [this] { return isTypedAmount(Text[30]->text()); }},
    }};
    on(Command[1], &CommandButton::Click, this, &form5::Command1_Click);
    on(Command[2], &CommandButton::Click, this, &form5::Command2_Click);
    on(Command[3], &CommandButton::Click, this, &form5::Command3_Click);
    on(Command[4], &CommandButton::Click, this, &form5::Command4_Click);
    on(Command[5], &CommandButton::Click, this, &form5::Command5_Click);
    on(Command[6], &CommandButton::Click, this, &form5::Command6_Click);
    on(Command[7], &CommandButton::Click, this, &form5::Command7_Click);
}

void form5::Form_Load()
{
    data::Database& db = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    mEmployee = std::make_unique<data::TableRecordset>(db, QStringLiteral("employee"));
    mFesti = std::make_unique<data::TableRecordset>(db, QStringLiteral("festi_adv"));
    mDa = std::make_unique<data::TableRecordset>(db, QStringLiteral("da_table"));
    mLoan = std::make_unique<data::TableRecordset>(db, QStringLiteral("gpf_loan"));
    Label1->setBackColor(QColor(99, 184, 255));
    Command[3]->setEnabled(false);
}

void form5::Text1_Enter()
{
    const QString code = Text[1]->text().trimmed();
    mEmployee->setIndex(QStringLiteral("ec"));
    mEmployee->seek(QStringLiteral("="), code);
    // Whatever the look-up finds, figures worked out for the previous
    // employee must not be handed over under this code.
    mCode.clear();
    clearComputed();
    if (mEmployee->noMatch()) {
        Dialogs::msgBox(QStringLiteral("Record not found in Employee table.Check emp code"), vbInformation,
                        QStringLiteral("Please Note"));
        return;
    }
    auto text = [this](const char* f) { return mEmployee->get(QString::fromLatin1(f)).text(); };
    Text[2]->setText(text("name"));
    Text[3]->setText(text("designation"));
    Text[4]->setText(text("scale"));
    Text[5]->setText(text("acc_no"));
    Text[22]->setText(text("i_fund"));
    Text[23]->setText(text("s_fund"));
    Text[26]->setText(text("gpf_subs"));
    Text[27]->setText(text("pay_band"));
    Text[28]->setText(text("pay_band_scale"));
    Text[29]->setText(text("grade_pay"));
    Label37->setCaption(text("category"));
    Label38->setCaption(text("bank_ac"));
    mCode = code;
    Text[6]->setFocus();
}

bool form5::calculate(const Period& p)
{
    if (!isTypedAmount(Text[p.payBox]->text()))
        return refuseAmount(Text[p.payBox], "ONLY DIGIT ARE ACCEPTABLE AS BASIC PAY", "Please Note");
    if (!vb::isDate(Text[p.fromBox]->text()))
        return refuse(Text[p.fromBox], p.dateMessage, "Hi");
    if (!vb::isDate(Text[p.toBox]->text()))
        return refuse(Text[p.toBox], p.dateMessage, "Hi");
    if (p.index == 1 && !isTypedAmount(Text[p.gradePayBox]->text()))
        return refuseAmount(Text[p.gradePayBox], "NEW GRADE PAY INVALID TYPE", "Hi");
    const QDate from = vb::cdate(Text[p.fromBox]->text());
    const QDate to = vb::cdate(Text[p.toBox]->text());
    // A period that ends before it begins would pay negative amounts.
    if (to < from)
        return refuse(Text[p.toBox], "THE PERIOD ENDS BEFORE IT BEGINS. CHECK THE DATES.", "Hi");

    const int days = prorationDays(from, to);
    const int length = prorationMonthLength(from);
    const std::optional<DaRates> inForce = daOrderInForce(*mDa);
    if (!inForce) {
        Dialogs::msgBox(noDaOrderMessage(), vbInformation, noDaOrderTitle());
        return false;
    }
    const DaRates order = *inForce;
    const double oa = mEmployee->hasCurrent() && !mCode.isEmpty() ? number(mEmployee->get(QStringLiteral("oa"))) : 0;

    Text[p.payOut]->setText(wholeText(prorate(vb::cdbl(Text[p.payBox]->text()), length, days)));
    Text[p.gradePayOut]->setText(wholeText(prorate(vb::val(Text[p.gradePayBox]->text()), length, days)));
    const double pay = vb::val(Text[p.payOut]->text());
    const double gradePay = vb::val(Text[p.gradePayOut]->text());
    Text[p.daOut]->setText(wholeText(dearnessAllowance(pay, gradePay, order.da)));
    Text[p.hraOut]->setText(wholeText(houseRentAllowanceByRate(pay, gradePay, order.hra)));
    Text[p.maOut]->setText(wholeText(prorate(order.ma, length, days)));
    double periodGross = 0;
    for (int box : {p.payOut, p.gradePayOut, p.daOut, p.hraOut, p.maOut})
        periodGross += vb::val(Text[box]->text());
    Text[p.grossOut]->setText(vb::cstr(periodGross));
    Text[p.oaOut]->setText(oa == 0 ? QStringLiteral("0") : wholeText(prorate(oa, length, days)));
    (this->*p.days)->setCaption(QString::number(days));
    mPeriodDone[p.index] = true;
    updateTotalCommand();
    return true;
}

void form5::Command1_Click()
{
    if (calculate(kPeriod1))
        Text[14]->setFocus();
}

void form5::Command2_Click()
{
    calculate(kPeriod2);
}

void form5::updateTotalCommand()
{
    Command[3]->setEnabled(!mCode.isEmpty() && mPeriodDone[0] && mPeriodDone[1]);
}

double form5::handOverInstalment(data::TableRecordset& ledger, const QString& dueField, bool stopped)
{
    // A paid-off row goes even when the recovery is stopped.
    const std::optional<double> inst = dueInstalment(ledger, dueField, mCode);
    return inst && !stopped ? *inst : 0;
}

void form5::Command3_Click()
{
    const double festival = handOverInstalment(*mFesti, QStringLiteral("adv_due"), false);
    const double loan = handOverInstalment(*mLoan, QStringLiteral("loan_due"), Check2->value() == vbChecked);

    SALARY& salary = Forms::get<SALARY>();
    auto box = [&salary](int n) -> TextBox& { return salary.control<TextBox>(QStringLiteral("Text%1").arg(n)); };
    auto caption = [&salary](const char* name) -> Label& {
        return salary.control<Label>(QString::fromLatin1(name));
    };
    auto sum = [this](int a, int b) { return vb::cstr(vb::val(Text[a]->text()) + vb::val(Text[b]->text())); };

    box(8).setText(shownFigure(festival)); // whole paise: the box holds the instalment itself
    box(15).setText(shownFigure(loan));
    box(2).setText(mCode);
    box(3).setText(Text[2]->text());
    box(4).setText(Text[3]->text());
    box(5).setText(Text[4]->text());
    box(6).setText(Text[5]->text());
    box(7).setText(sum(24, 25));
    box(1).setText(sum(9, 17));
    box(9).setText(sum(10, 18));
    box(10).setText(sum(11, 19));
    box(11).setText(sum(12, 20));
    box(12).setText(sum(31, 32));
    box(13).setText(sum(13, 21));
    box(16).setText(Text[22]->text());
    box(17).setText(Text[23]->text());
    box(14).setText(Text[26]->text());
    caption("Label25").setCaption(Text[27]->text());
    caption("Label27").setCaption(Text[28]->text());
    caption("Label39").setCaption(Label37->caption());
    caption("Label41").setCaption(Label38->caption());
    Forms::show(salary);
    box(12).setFocus();
}

void form5::clearPeriod(const Period& p)
{
    for (int b : {p.payOut, p.gradePayOut, p.daOut, p.hraOut, p.maOut, p.oaOut, p.grossOut})
        Text[b]->clear();
    (this->*p.days)->setCaption(QString());
    mPeriodDone[p.index] = false;
    updateTotalCommand();
}

void form5::clearComputed()
{
    clearPeriod(kPeriod1);
    clearPeriod(kPeriod2);
}

void form5::Command5_Click()
{
    for (int b : {kPeriod1.payBox, kPeriod1.fromBox, kPeriod1.toBox})
        Text[b]->clear();
    clearPeriod(kPeriod1);
    Text[6]->setFocus();
}

void form5::Command6_Click()
{
    for (int b : {kPeriod2.payBox, kPeriod2.fromBox, kPeriod2.toBox, kPeriod2.gradePayBox})
        Text[b]->clear();
    clearPeriod(kPeriod2);
    Text[14]->setFocus();
}

void form5::Command7_Click()
{
    for (int i = 1; i <= 32; ++i)
        Text[i]->clear();
    mCode.clear();
    clearComputed();
    Text[1]->setFocus();
}

void form5::Command4_Click()
{
    Forms::unload(*this);
}

} // namespace salary
