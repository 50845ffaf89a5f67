#include "salary/irregular_bill_form.h"

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
#include "salary/rules.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace salary {

using namespace forms;

namespace {

const QString kHi = QStringLiteral("Hi");
const QString kPleaseNote = QStringLiteral("PLEASE NOTE");
const QString kNotDate = QStringLiteral("THIS IS NOT A VALID DATE");
const QString kNotNumber = QStringLiteral("YOUR INPUT MUST BE A NUMBER");

// A whole-rupee amount the look-up works out, "0" for none: an empty box would
// be refused by the form's own checks further on.
QString wholeText(double x)
{
    const QString t = vb::format(x, QStringLiteral("###"));
    return t.isEmpty() ? QStringLiteral("0") : t;
}

// What a box holds, by the number its text begins with (an empty box 0).
double boxValue(const TextBox* box)
{
    return vb::val(box->text());
}

void selectAndFocus(TextBox* box)
{
    box->setSelStart(0);
    box->setSelLength(box->text().length());
    box->setFocus();
}

} // namespace

Form11::Form11() : forms::Form(QStringLiteral("FRACTION PAY,BONUS,ADV ETC."))
{
    buildControls();
    connectHandlers();
}

Form11::~Form11() = default;

void Form11::buildControls()
{
    auto* kinds = new Frame(QStringLiteral("Frame1"), QString(), this);
    auto* kindsRow = new QHBoxLayout(kinds);
    const char* kindCaptions[5] = {nullptr, "FRACTION PAY", "BONUS", "FESTIVAL ADVANCE", "ARREAR PAY"};
    for (int i = 1; i <= 4; ++i) {
        Option[i] = new OptionButton(QStringLiteral("Option%1").arg(i), QString::fromLatin1(kindCaptions[i]), kinds);
        kindsRow->addWidget(Option[i]);
    }
    for (int i = 1; i <= 31; ++i) {
        if (i < 24 || i > 27) // 24 to 27 are no boxes of this form
            Text[i] = new TextBox(QStringLiteral("Text%1").arg(i), this);
    }
    for (int i : {3, 4, 5, 6})
        Text[i]->setLocked(true);
    Text[20]->setLocked(true); // the net is worked out, so the row always holds gross - deduct
    Text[2]->setToolTip(QStringLiteral("Press Enter Key when ready"));
    Combo1 = new ComboBox(QStringLiteral("Combo1"), this);
    Combo1->setMinimumContentsLength(8);

    Label3 = label("Label3", "");
    Label27 = label("Label27", "");
    Label29 = label("Label29", "");
    Label32 = label("Label32", "");
    Label36 = label("Label36", "");
    // Figures of the employee, framed like the boxes so that they read as values.
    for (Label* shown : {Label3, Label27, Label29, Label32, Label36}) {
        shown->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        shown->setMinimumHeight(Text[3]->sizeHint().height());
    }
    Label24 = label("Label24", " PAY FROM ");
    Label25 = label("Label25", "TO");
    Label33 = label("Label33", "PAY CALCULATED FOR");
    Label34 = label("Label34", "");
    Label35 = label("Label35", "DAYS");
    const char* commandCaptions[5] = {nullptr, "ADD", "CANCEL", "CONFIRM", "CLOSE"};
    for (int i = 1; i <= 4; ++i)
        Command[i] = new CommandButton(QStringLiteral("Command%1").arg(i), QString::fromLatin1(commandCaptions[i]), this);

    auto caption = [this](const char* text) { return new QLabel(QString::fromLatin1(text), this); };

    auto* period = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Label24, Text[21], Label25, Text[22], Label33, Label34, Label35})
        period->addWidget(w);
    period->addStretch();

    auto* choice = new QGridLayout;
    choice->addWidget(caption(" BILL DATE"), 0, 0);
    choice->addWidget(Text[1], 0, 1);
    choice->addWidget(caption(" SELECT EMP CODE"), 0, 2);
    choice->addWidget(Combo1, 0, 3);
    choice->addWidget(Text[2], 0, 4);

    auto* identity = new QGridLayout;
    const std::pair<const char*, QWidget*> who[] = {
        {"NAME", Text[3]},          {"DESIGNATION", Text[4]},       {"GPF A/C NUMBER", Text[5]},
        {"SCALE OF PAY", Text[6]},  {" PAY BAND ", Label3},         {" PAY BAND SCALE", Label27},
        {"GRADE PAY", Label29},     {"", Label32},                  {"", Label36},
    };
    int r = 0;
    for (const auto& [text, w] : who) {
        identity->addWidget(caption(text), r / 3, (r % 3) * 2);
        identity->addWidget(w, r / 3, (r % 3) * 2 + 1);
        ++r;
    }

    auto column = [&](std::initializer_list<std::pair<const char*, int>> boxes, const char* heading = nullptr) {
        auto* g = new QGridLayout;
        int row = 0;
        if (heading)
            g->addWidget(caption(heading), row++, 0, 1, 2);
        for (const auto& [text, box] : boxes) {
            Text[box]->setMinimumWidth(Text[box]->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 12);
            g->addWidget(caption(text), row, 0);
            g->addWidget(Text[box], row++, 1);
        }
        g->setRowStretch(row, 1); // the columns line up from the top
        return g;
    };
    auto* amounts = new QHBoxLayout;
    amounts->addLayout(column({{"BASIC PAY", 7}, {"GRADE PAY", 23}, {"LESS FESTIVAL ADVANCE", 8},
                               {"DEARNESS ALLOWANCE", 9}, {"HOUSE RENT ALLOWANCE", 10},
                               {"MEDICAL ALLOWANCE", 11}, {"OTHER ALLOWANCES", 12}, {"GROSS SALARY", 13}}));
    amounts->addLayout(column({{" GPF SUBSCRIPTION", 14}, {" GPF RECOVERY", 15}, {" INSURANCE FUND", 16},
                               {" SAVINGS FUND", 17}, {" PROFESIONAL TAX", 18}, {" MISC.RECOVERIES", 19},
                               {" NET PAYABLE", 20}}));
    amounts->addLayout(column({{" H.B. LOAN", 28}, {" H.B. INT.", 29}, {" I. TAX", 30}, {" H.R.A Etc.", 31}},
                              "DETAILS OF RECOVERIES"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i : {3, 1, 2, 4})
        buttons->addWidget(Command[i]);

    auto* page = new QVBoxLayout(this);
    page->addWidget(kinds);
    page->addLayout(period);
    page->addLayout(choice);
    page->addLayout(identity);
    page->addLayout(amounts);
    page->addLayout(buttons);
}

void Form11::connectHandlers()
{
    on(Option[1], &OptionButton::Click, this, &Form11::Option1_Click);
    on(Option[2], &OptionButton::Click, this, &Form11::Option2_Click);
    on(Option[3], &OptionButton::Click, this, &Form11::Option3_Click);
    on(Option[4], &OptionButton::Click, this, &Form11::Option4_Click);
    on(Text[1], &TextBox::Change, this, &Form11::Text1_Change);
    on(Combo1, &ComboBox::Click, this, &Form11::Combo1_Click);
    on(Text[2], &TextBox::KeyUp, this, &Form11::Text2_KeyUp);
    Text[2]->setEntryBox(true);
    auto enter = [this](int box, void (Form11::*handler)()) {
        on(Text[box], &TextBox::KeyUp, this, [this, handler](int key) {
            if (key == vbKeyReturn)
                (this->*handler)();
        });
    };
    enter(12, &Form11::Text12_Enter);
    enter(13, &Form11::Text13_Enter);
    enter(19, &Form11::Text19_Enter);
    // An amount box refuses a figure finer than the paisa on Enter, before
    // the focus moves on; the rest is checked where the figures are used.
    const auto paisa = [this](int box) { return [this, box] { return !refuseFinerThanPaisa({box}); }; };
    EntryChain{{
        {Text[1], Combo1, [this] { return Text1_Enter(); }},
        {Text[21], Text[22]},
        {Text[22], Text[1], [this] { return Text22_Enter(); }},
        {Text[7], Text[23], paisa(7)},
        {Text[23], Text[8], paisa(23)},
        {Text[8], Text[9], paisa(8)},
        {Text[9], Text[10], paisa(9)},
        {Text[10], Text[11], paisa(10)},
        {Text[11], Text[12], paisa(11)},
        {Text[14], Text[15], paisa(14)},
        {Text[15], Text[16], paisa(15)},
        {Text[16], Text[17], paisa(16)},
        {Text[17], Text[18], paisa(17)},
        {Text[18], Text[19], paisa(18)},
        {Text[28], Text[29], paisa(28)},
        {Text[29], Text[30], paisa(29)},
        {Text[30], Text[31], paisa(30)},
        {Text[31], nullptr, paisa(31)},
    }};
    for (int i : {12, 13, 19})
        Text[i]->setEntryBox(true);
    on(Text[21], &TextBox::LostFocus, this, [this] { periodBoxLeft(Text[21]); });
    on(Text[22], &TextBox::LostFocus, this, [this] { periodBoxLeft(Text[22]); });
    on(Text[2], &TextBox::Change, this, [this] {
        mCode.clear();
        figuresChanged();
    });
    for (int i : {1, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 23})
        on(Text[i], &TextBox::Change, this, [this] { figuresChanged(); });
    // A fraction or arrear bill's gross is worked out in the O.A. box; a part
    // changed since then must not reach the net through a stale gross.
    for (int i : {7, 8, 9, 10, 11, 12, 23})
        on(Text[i], &TextBox::Change, this, [this] { mGrossStale = true; });
    on(Command[1], &CommandButton::Click, this, &Form11::Command1_Click);
    on(Command[2], &CommandButton::Click, this, &Form11::Command2_Click);
    on(Command[3], &CommandButton::Click, this, &Form11::Command3_Click);
    on(Command[4], &CommandButton::Click, this, &Form11::Command4_Click);
}

void Form11::Form_Load()
{
    data::Database& db = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    mEmployee = std::make_unique<data::TableRecordset>(db, QStringLiteral("employee"));
    mDa = std::make_unique<data::TableRecordset>(db, QStringLiteral("da_table"));
    mSalary = std::make_unique<data::TableRecordset>(db, QStringLiteral("salary"));
    mFesti = std::make_unique<data::TableRecordset>(db, QStringLiteral("festi_adv"));
    mLoan = std::make_unique<data::TableRecordset>(db, QStringLiteral("gpf_loan"));
    for (mEmployee->moveFirst(); !mEmployee->eof(); mEmployee->moveNext()) {
        const QString code = mEmployee->get(QStringLiteral("emp_code")).text();
        Combo1->addItem(code, code);
    }
    mEmployee->moveFirst();
    showPeriod(false);
    for (int i : {1, 2, 3})
        Command[i]->setEnabled(false);
}

Form11::Kind Form11::kind() const
{
    if (Option[1]->value())
        return Kind::FractionPay;
    if (Option[2]->value())
        return Kind::Bonus;
    if (Option[3]->value())
        return Kind::FestivalAdvance;
    if (Option[4]->value())
        return Kind::ArrearPay;
    return Kind::None;
}

void Form11::showPeriod(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Label24, Label25, Text[21], Text[22], Label33, Label34, Label35})
        w->setVisible(on);
}

void Form11::Option1_Click()
{
    figuresChanged();
    showPeriod(true);
    Text[21]->setFocus();
}

void Form11::Option2_Click()
{
    figuresChanged();
    showPeriod(false);
    Text[1]->setFocus();
}

void Form11::Option3_Click()
{
    Option2_Click();
}

void Form11::Option4_Click()
{
    Option2_Click();
}

bool Form11::Text1_Enter()
{
    if (vb::isDate(Text[1]->text()))
        return true;
    Dialogs::msgBox(kNotDate, vbInformation, kPleaseNote);
    selectAndFocus(Text[1]);
    return false;
}

void Form11::Text1_Change()
{
    Command[2]->setEnabled(!Text[1]->text().isEmpty());
}

void Form11::Combo1_Click()
{
    Text[2]->setText(Combo1->currentData().toString());
    Text[2]->setFocus();
}

bool Form11::readPeriod(QDate* from, QDate* to)
{
    for (TextBox* box : {Text[21], Text[22]}) {
        if (!vb::isDate(box->text())) {
            Dialogs::msgBox(kNotDate, vbInformation, kPleaseNote);
            selectAndFocus(box);
            return false;
        }
    }
    *from = vb::cdate(Text[21]->text());
    *to = vb::cdate(Text[22]->text());
    // A period that ends before it begins would pay nothing or less than nothing.
    if (*to < *from) {
        Dialogs::msgBox(QStringLiteral("THE PERIOD ENDS BEFORE IT BEGINS. CHECK THE DATES."), vbInformation,
                        kPleaseNote);
        selectAndFocus(Text[22]);
        return false;
    }
    return true;
}

bool Form11::Text22_Enter()
{
    QDate from, to;
    if (!readPeriod(&from, &to))
        return false;
    Label34->setCaption(QString::number(prorationDays(from, to)));
    return true;
}

void Form11::periodBoxLeft(TextBox* box)
{
    // Leaving for CANCEL, CLOSE or another kind of bill is no entry of a date.
    QWidget* to = QApplication::focusWidget();
    if (to == Command[2] || to == Command[4] || qobject_cast<OptionButton*>(to))
        return;
    // Checked once the focus has settled: a message box in the middle of a
    // focus change would leave the focus nowhere.
    QTimer::singleShot(0, this, [this, box] {
        if (mValidating || isUnloading() || !box->visible() || vb::isDate(box->text()))
            return;
        mValidating = true;
        Dialogs::msgBox(kNotDate, vbInformation, kPleaseNote);
        selectAndFocus(box);
        mValidating = false;
    });
}

void Form11::Text2_KeyUp(int keyCode)
{
    if (keyCode == vbKeyReturn)
        lookUp();
    Command[2]->setEnabled(true);
}

QString Form11::instalmentText(data::TableRecordset& ledger, const QString& dueField)
{
    const std::optional<double> inst =
        dueInstalment(ledger, dueField, mEmployee->get(QStringLiteral("emp_code")).text().trimmed());
    return shownFigure(inst.value_or(0));
}

void Form11::lookUp()
{
    const Kind k = kind();
    if (k == Kind::None)
        return;
    const QString code = Text[2]->text().trimmed();
    mEmployee->setIndex(QStringLiteral("ec"));
    mEmployee->seek(QStringLiteral("="), code);
    if (mEmployee->noMatch()) {
        Dialogs::msgBox(QStringLiteral("EMPLOYEE CODE IS FOUND INCORRECT. PLEASE CHECK."), vbInformation, kHi);
        return;
    }
    QDate from, to;
    if (k == Kind::FractionPay && !readPeriod(&from, &to))
        return;

    auto text = [this](const char* f) { return mEmployee->get(QString::fromLatin1(f)).text(); };
    auto num = [this](const char* f) { return mEmployee->get(QString::fromLatin1(f)).number(); };
    Text[3]->setText(text("name"));
    Text[4]->setText(text("designation"));
    Text[5]->setText(text("acc_no"));
    Text[6]->setText(text("scale"));
    Label3->setCaption(text("pay_band"));
    Label27->setCaption(text("pay_band_scale"));
    Label29->setCaption(text("grade_pay"));
    Label32->setCaption(text("category"));
    Label36->setCaption(text("bank_ac"));
    // The misc. recovery and its break-up are this employee's to enter: the
    // last employee's, left standing, would be taken off this one's pay.
    for (int i : {19, 28, 29, 30, 31}) {
        Text[i]->setText(QStringLiteral("0"));
        Text[i]->setSelStart(0);
        Text[i]->setSelLength(1);
    }

    switch (k) {
    case Kind::FractionPay: {
        const int days = prorationDays(from, to);
        const int length = prorationMonthLength(from);
        const std::optional<DaRates> inForce = daOrderInForce(*mDa);
        if (!inForce) {
            Dialogs::msgBox(noDaOrderMessage(), vbInformation, noDaOrderTitle());
            return;
        }
        const DaRates order = *inForce;
        Text[7]->setText(wholeText(prorate(num("b_pay"), length, days)));
        Text[23]->setText(wholeText(prorate(num("grade_pay"), length, days)));
        const double pay = vb::val(Text[7]->text()), gradePay = vb::val(Text[23]->text());
        Text[9]->setText(wholeText(dearnessAllowance(pay, gradePay, order.da)));
        Text[10]->setText(wholeText(houseRentAllowanceByRate(pay, gradePay, order.hra)));
        Text[11]->setText(wholeText(prorate(order.ma, length, days)));
        Text[12]->setText(wholeText(prorate(num("oa"), length, days)));
        Text[14]->setText(vb::cstr(num("gpf_subs")));
        Text[16]->setText(vb::cstr(num("i_fund")));
        Text[17]->setText(vb::cstr(num("s_fund")));
        Text[8]->setText(instalmentText(*mFesti, QStringLiteral("adv_due")));
        Text[15]->setText(instalmentText(*mLoan, QStringLiteral("loan_due")));
        mCode = code;
        Text[12]->setFocus();
        break;
    }
    case Kind::Bonus:
    case Kind::FestivalAdvance:
        for (int i : {7, 8, 9, 10, 11, 12, 23})
            Text[i]->setText(QStringLiteral("0"));
        mCode = code;
        Text[13]->setFocus();
        break;
    case Kind::ArrearPay:
        // Grade pay is an arrear component like the others: a figure left from
        // an earlier employee must not ride along.
        for (int i : {7, 8, 9, 10, 11, 12, 23}) {
            Text[i]->setText(QStringLiteral("0"));
            Text[i]->setSelStart(0);
            Text[i]->setSelLength(1);
        }
        mCode = code;
        Text[7]->setFocus();
        break;
    case Kind::None:
        break;
    }
}

void Form11::Text12_Enter()
{
    const Kind k = kind();
    if (k != Kind::FractionPay && k != Kind::ArrearPay)
        return;
    if (k == Kind::FractionPay && !isTypedAmount(Text[12]->text())) {
        Dialogs::msgBox(notAmountMessage(Text[12]->text(), QStringLiteral("OTHER ALLOWANCE MUST BE A NUMBER")),
                        vbInformation, kHi);
        Text[12]->setFocus();
        return;
    }
    if (refuseFinerThanPaisa({12, 7, 23, 8, 9, 10, 11}))
        return;
    auto v = [this](int i) { return boxValue(Text[i]); };
    const double g = gross(v(7), v(23), v(9), v(10), v(11), v(12), v(8));
    Text[13]->setText(shownFigure(g));
    Text[18]->setText(vb::cstr(professionalTax(g)));
    mGrossStale = false;
    if (k == Kind::FractionPay) {
        Text[19]->setFocus();
        return;
    }
    // The break-up goes with the deductions it details: one left from the last
    // employee would be filed as this one's income tax or loan.
    for (int i : {14, 15, 16, 17, 18, 19, 28, 29, 30, 31}) {
        Text[i]->setText(QStringLiteral("0"));
        Text[i]->setSelStart(0);
        Text[i]->setSelLength(1);
    }
    Text[14]->setFocus();
}

void Form11::Text13_Enter()
{
    const Kind k = kind();
    if (k != Kind::Bonus && k != Kind::FestivalAdvance)
        return;
    if (!isTypedAmount(Text[13]->text())) {
        Dialogs::msgBox(notAmountMessage(Text[13]->text(), kNotNumber), vbInformation, kHi);
        Text[13]->setFocus();
        return;
    }
    // No deductions, so no break-up of them either.
    for (int i : {14, 15, 16, 17, 18, 19, 28, 29, 30, 31})
        Text[i]->setText(QStringLiteral("0"));
    Text[20]->setText(Text[13]->text().trimmed());
    Command[3]->setEnabled(true);
    Command[3]->setFocus();
}

void Form11::Text19_Enter()
{
    const Kind k = kind();
    if ((k == Kind::FractionPay || k == Kind::ArrearPay) && mGrossStale) {
        Dialogs::msgBox(QStringLiteral("PRESS ENTER IN THE OTHER ALLOWANCES BOX TO WORK OUT THE GROSS FIRST"),
                        vbInformation, kHi);
        Text[12]->setFocus();
        return;
    }
    if (!isTypedAmount(Text[19]->text())) {
        Dialogs::msgBox(notAmountMessage(Text[19]->text(), kNotNumber), vbInformation, kHi);
        Text[19]->setFocus();
        return;
    }
    if (refuseFinerThanPaisa({14, 15, 16, 17, 18}))
        return;
    auto v = [this](int i) { return boxValue(Text[i]); };
    const double deduct = totalDeduction(v(14), v(15), v(16), v(17), v(18), v(19));
    Text[20]->setText(shownFigure(net(v(13), deduct)));
    Command[3]->setEnabled(true);
    Command[3]->setFocus();
}

void Form11::figuresChanged()
{
    Command[1]->setEnabled(false);
    Command[3]->setEnabled(false);
}

bool Form11::refuseFinerThanPaisa(std::initializer_list<int> boxes)
{
    for (int box : boxes) {
        if (finerThanPaisa(Text[box]->text())) {
            Dialogs::msgBox(finerThanPaisaMessage(), vbInformation, kHi);
            Text[box]->setFocus();
            return true;
        }
    }
    return false;
}

void Form11::Command3_Click()
{
    if (!vb::isDate(Text[1]->text())) {
        Dialogs::msgBox(kNotDate, vbInformation, kPleaseNote);
        selectAndFocus(Text[1]);
        return;
    }
    if (mCode.isEmpty()) {
        Dialogs::msgBox(QStringLiteral("EMPLOYEE CODE IS FOUND INCORRECT. PLEASE CHECK."), vbInformation, kHi);
        Text[2]->setFocus();
        return;
    }
    Command[1]->setEnabled(true);
    Command[1]->setFocus();
}

void Form11::Command1_Click()
{
    if (!vb::isDate(Text[1]->text())) {
        Dialogs::msgBox(kNotDate, vbInformation, kPleaseNote);
        selectAndFocus(Text[1]);
        return;
    }
    BillRow row;
    row.billDate = vb::cdate(Text[1]->text());
    row.empCode = Text[2]->text().trimmed();
    row.name = Text[3]->text();
    row.designation = Text[4]->text();
    row.accNo = Text[5]->text();
    row.scale = Text[6]->text();
    row.category = Label32->caption();
    row.bankAc = Label36->caption();
    const std::optional<int> notAmount = readAmounts(
        row,
        {
            {7, &BillRow::pay},     {8, &BillRow::lessFa},   {9, &BillRow::da},      {10, &BillRow::hra},
            {11, &BillRow::ma},     {12, &BillRow::oa},      {13, &BillRow::gross},  {14, &BillRow::gpfSubs},
            {15, &BillRow::gpfRec}, {16, &BillRow::iFund},   {17, &BillRow::sFund},  {18, &BillRow::pTax},
            {19, &BillRow::misc},   {20, &BillRow::net},     {23, &BillRow::dPay},   {28, &BillRow::hbLoan},
            {29, &BillRow::hbInt},  {30, &BillRow::iTax},    {31, &BillRow::others},
        },
        [this](int box) { return Text[box]->text(); });
    if (notAmount) {
        Dialogs::msgBox(notAmountMessage(Text[*notAmount]->text(), kNotNumber), vbInformation, kHi);
        Text[*notAmount]->setFocus();
        return;
    }
    if (!row.breakUpIsMisc()) {
        Dialogs::msgBox(breakUpNotMiscMessage(row, QStringLiteral("AQUITTANCE ROLL")), vbInformation, kHi);
        Text[28]->setFocus();
        return;
    }
    // An instalment the row recovers (the full one of a fraction of pay, or
    // one typed into an arrear) moves its ledger, unless the month has
    // recovered it already.
    addRowRecovering(data::Database::open(QString::fromLatin1(common::kSalaryDb)), *mSalary, *mFesti, *mLoan, row);
    Command[1]->setEnabled(false); // one row per ADD
    Dialogs::msgBox(QStringLiteral("ENTERED IN THE AQUITTANCE ROLL"), vbInformation, kHi);
}

void Form11::Command2_Click()
{
    for (TextBox* t : Text) {
        if (t)
            t->clear();
    }
    for (Label* l : {Label3, Label27, Label29, Label32, Label34, Label36})
        l->setCaption(QString());
    mCode.clear();
    figuresChanged();
    Text[1]->setFocus();
}

void Form11::Command4_Click()
{
    Forms::unload(*this);
}

} // namespace salary
