#include "allotment/register_form.h"

#include "common/amounts.h"
#include "common/pay_month.h"
#include "common/schema.h"
#include "platform/data/data_control.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/entry_chain.h"
#include "platform/forms/registry.h"
#include "platform/vb/amount.h"
#include "platform/vb/convert.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QTableView>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace allotment {

const std::array<Column, ColumnCount> kEntryOrder = {Pay, Da, Hra, Ma, Bonus, Wages, DPay,
                                                     Ta, Elec, Tele, Misc, Oe, Oc, Scheme};

namespace {

const QColor kOptionColour(124, 205, 124);
const QColor kYearColour(55, 200, 255);

// The controls of one amount column on this form.
struct ColumnControls {
    int allotmentBox;
    int billBox;
    const char* balanceLabel;
    const char* balanceCaption;
    const char* allotmentCaption;
    const char* billCaption;
};

// Indexed by Column (register order).
const std::array<ColumnControls, ColumnCount> kControls = {{
    {4, 18, "Label10", "PAY(01) ", "PAY(01)", "PAY(01)"},
    {31, 32, "Label74", "G_PAY(13)", "GRADE PAY (13)", "GRADE PAY(13)"},
    {5, 19, "Label11", "D.A(02)", "D.A(02)", "D.A(02)"},
    {6, 20, "Label12", "H.R.A(03)", "HRA(03)", "HRA(03)"},
    {7, 21, "Label13", "M.A(12)", "M.A(12)", "M.A(12)"},
    {8, 22, "Label14", "BONUS(04)", "BONUS(04)", "BONUS(04)"},
    {9, 23, "Label17", "WAGES", "WAGES(02)", "WAGES(02)"},
    {10, 24, "Label27", "T.A (01)", "T.A(01)", "T.A(01)"},
    {11, 25, "Label28", "ELEC(01)", "ELEC(01)", "ELEC(01)"},
    {12, 26, "Label29", "TELE(02)", "TELE(02)", "TELE(02)"},
    {13, 27, "Label30", "MISC(03)", "MISC(03)", "MISC(03)"},
    {14, 28, "Label31", "O.E ( 04)", "O. E(04)", "O.E(04)"},
    {15, 29, "Label32", "O. C (50)", "O. C(50)", "O.C(50)"},
    {17, 30, "Label68", "SCHEMATIC BALANCE", "Sch. / Vehi ...", "Sch. / Vehi ..."},
}};

// What each column's box is called in the checks' messages: a figure that is
// no amount of the register, and one typed finer than the paisa.
struct CheckMessages {
    const char* notNumber;
    const char* name;
};
const std::array<CheckMessages, ColumnCount> kCheckMessage = {{
    {"PAY MUST BE A NUMBER", "PAY"},     {"D.PAY MUST BE A NUMBER", "D.PAY"}, {"D.A. MUST BE A NUMBER", "D.A."},
    {"H.R.A. MUST BE A NUMBER", "H.R.A."}, {"M.A. MUST BE A NUMBER", "M.A."}, {"BONUS MUST BE A NUMBER", "BONUS"},
    {"WAGES MUST BE A NUMBER", "WAGES"}, {"T.A. MUST BE A NUMBER", "T.A."},   {"ELEC. MUST BE A NUMBER", "ELEC."},
    {"TELE MUST BE A NUMBER", "TELE"},   {"MISC. MUST BE A NUMBER", "MISC."}, {"O.E. MUST BE A NUMBER", "O.E."},
    {"O.C. MUST BE A NUMBER", "O.C."},   {"Schematic fund must be a number", "SCHEMATIC FUND"},
}};

// The first box of each group, tried in this order by Enter on a date picker.
const std::array<Column, 6> kGroupHeads = {Pay, Wages, Ta, Elec, Oc, Scheme};

// Enter in a box of a group leads to the next box of its group; the group's
// last box leads to the frame's OK (ColumnCount).
int nextInGroup(Column c)
{
    switch (c) {
    case Pay: return Da;
    case Da: return Hra;
    case Hra: return Ma;
    case Ma: return Bonus;
    case Bonus: return DPay;
    case Elec: return Tele;
    case Tele: return Misc;
    case Misc: return Oe;
    default: return ColumnCount;
    }
}

} // namespace

Form1::Form1(QWidget* parent) : forms::Form(QStringLiteral("ALLOTMENT AND EXPENDITURE"), parent)
{
    buildControls();
    wireHandlers();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    auto label = [](const QString& name, const QString& caption, QWidget* parent) {
        return new forms::Label(name, caption, parent);
    };
    auto caption = [](const QString& text, QWidget* parent) {
        return new forms::Label(QString(), text, parent);
    };
    auto button = [](const QString& name, const QString& text, QWidget* parent) {
        return new forms::CommandButton(name, text, parent);
    };

    // ---- Head, period and the financial year ----
    Label75 = label(QStringLiteral("Label75"), QStringLiteral("FINANCIAL YEAR :"), this);
    Label76 = label(QStringLiteral("Label76"), QString(), this);
    Label77 = label(QStringLiteral("Label77"), QStringLiteral("--"), this);
    Label78 = label(QStringLiteral("Label78"), QString(), this);
    Label81 = label(QStringLiteral("Label81"), QString(), this);
    Label82 = label(QStringLiteral("Label82"), QString(), this);
    Combo1 = new forms::ComboBox(QStringLiteral("Combo1"), this);
    Combo1->setMinimumContentsLength(24);
    DTPicker1 = new forms::DatePicker(QStringLiteral("DTPicker1"), this);
    DTPicker2 = new forms::DatePicker(QStringLiteral("DTPicker2"), this);
    Label2 = label(QStringLiteral("Label2"), QString(), this);
    Label79 = label(QStringLiteral("Label79"), QString(), this);

    auto* top = new QVBoxLayout(this);
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(Label81, 1);
    yearRow->addWidget(Label75);
    yearRow->addWidget(Label76);
    yearRow->addWidget(Label77);
    yearRow->addWidget(Label78);
    yearRow->addWidget(Label82, 1);
    top->addLayout(yearRow);

    auto* headRow = new QHBoxLayout;
    headRow->addWidget(caption(QStringLiteral("  SELECT DRAWAL CODE "), this));
    headRow->addWidget(Combo1, 1);
    headRow->addWidget(caption(QStringLiteral(" YEAR BEGIN FROM"), this));
    headRow->addWidget(DTPicker1);
    headRow->addWidget(caption(QStringLiteral(" REPORT DATE "), this));
    headRow->addWidget(DTPicker2);
    top->addLayout(headRow);

    auto* descRow = new QHBoxLayout;
    descRow->addWidget(Label2, 1);
    descRow->addWidget(caption(QStringLiteral(" Current Balance Under "), this));
    descRow->addWidget(Label79, 1);
    top->addLayout(descRow);

    // ---- Balance panel: captions in groups, a value under each ----
    for (int c = 0; c < ColumnCount; ++c)
        balanceLabel[c] = label(QString::fromLatin1(kControls[c].balanceLabel), QString(), this);
    Label10 = balanceLabel[Pay];
    Label74 = balanceLabel[DPay];
    Label11 = balanceLabel[Da];
    Label12 = balanceLabel[Hra];
    Label13 = balanceLabel[Ma];
    Label14 = balanceLabel[Bonus];
    Label17 = balanceLabel[Wages];
    Label27 = balanceLabel[Ta];
    Label28 = balanceLabel[Elec];
    Label29 = balanceLabel[Tele];
    Label30 = balanceLabel[Misc];
    Label31 = balanceLabel[Oe];
    Label32 = balanceLabel[Oc];
    Label68 = balanceLabel[Scheme];
    Label15 = label(QStringLiteral("Label15"), QString(), this);

    auto* panel = new QGridLayout;
    panel->addWidget(caption(QStringLiteral("S A L A R Y(01)"), this), 0, 0, 1, 7, Qt::AlignHCenter);
    panel->addWidget(caption(QStringLiteral("WAGES(02)"), this), 0, 7, Qt::AlignHCenter);
    panel->addWidget(caption(QStringLiteral("T.A (11)"), this), 0, 8, Qt::AlignHCenter);
    panel->addWidget(caption(QStringLiteral("CONTINGENCIES (13)"), this), 0, 9, 1, 5, Qt::AlignHCenter);
    const Column panelOrder[] = {Pay, DPay, Da, Hra, Ma, Bonus};
    int col = 0;
    for (Column c : panelOrder) {
        panel->addWidget(caption(QString::fromLatin1(kControls[c].balanceCaption), this), 1, col);
        panel->addWidget(balanceLabel[c], 2, col++);
    }
    panel->addWidget(caption(QStringLiteral("TOTAL"), this), 1, col);
    panel->addWidget(Label15, 2, col++);
    for (Column c : {Wages, Ta, Elec, Tele, Misc, Oe, Oc}) {
        panel->addWidget(caption(QString::fromLatin1(kControls[c].balanceCaption), this), 1, col);
        panel->addWidget(balanceLabel[c], 2, col++);
    }
    top->addLayout(panel);

    Label67 = label(QStringLiteral("Label67"), QString(), this);
    auto* schemeRow = new QHBoxLayout;
    schemeRow->addWidget(caption(QString::fromLatin1(kControls[Scheme].balanceCaption), this));
    schemeRow->addWidget(Label68);
    schemeRow->addStretch(1);
    schemeRow->addWidget(caption(QStringLiteral(" LAST BILL NUMBER "), this));
    schemeRow->addWidget(Label67);
    top->addLayout(schemeRow);

    // ---- Entry options and the reset panel ----
    Option1 = new forms::OptionButton(QStringLiteral("Option1"), QStringLiteral("NEW ALLOTMENT ENTRY"), this);
    Option2 = new forms::OptionButton(QStringLiteral("Option2"), QStringLiteral("NEW BILL ENTRY"), this);
    Option3 = new forms::OptionButton(QStringLiteral("Option3"), QStringLiteral("DELETE RECORDS"), this);
    Text3 = new forms::TextBox(QStringLiteral("Text3"), this);
    Text1 = new forms::TextBox(QStringLiteral("Text1"), this);
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("RESET FUND REGISTER"), this);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("RESET BILL REGISTER"), this);
    auto* optionRow = new QHBoxLayout;
    optionRow->addWidget(Option1);
    optionRow->addWidget(Option2);
    optionRow->addWidget(Option3);
    // The grid's two static captions name the reset panel's dates here.
    optionRow->addWidget(caption(QStringLiteral("CR_YR"), this));
    optionRow->addWidget(Text3);
    optionRow->addWidget(caption(QStringLiteral(" PRE_ YR"), this));
    optionRow->addWidget(Text1);
    optionRow->addWidget(Command6);
    optionRow->addWidget(Command3);
    top->addLayout(optionRow);

    // ---- The two entry frames ----
    auto* allotFrame = new forms::Frame(QString(), QStringLiteral("ALLOTMENT"), this);
    auto* billFrame = new forms::Frame(QString(), QStringLiteral("EXPENDITURE"), this);
    Text2 = new forms::TextBox(QStringLiteral("Text2"), allotFrame);
    DTPicker3 = new forms::DatePicker(QStringLiteral("DTPicker3"), allotFrame);
    Text16 = new forms::TextBox(QStringLiteral("Text16"), billFrame);
    DTPicker4 = new forms::DatePicker(QStringLiteral("DTPicker4"), billFrame);
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("OK"), allotFrame);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("CANCEL"), allotFrame);
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("OK"), billFrame);
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("CANCEL"), billFrame);
    Command8 = button(QStringLiteral("Command8"), QStringLiteral("Import <<.."), billFrame);
    Label83 = label(QStringLiteral("Label83"), QString(), billFrame);
    Label84 = label(QStringLiteral("Label84"), QStringLiteral("TOTAL DEDUCTION "), billFrame);
    // They come and go with Import and a pay bill's deduction: their room is
    // kept, so that no box moves or narrows under the clerk's hand.
    for (QWidget* w : std::initializer_list<QWidget*>{Command8, Label83, Label84}) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        w->setSizePolicy(keep);
    }

    auto fillFrame = [&](forms::Frame* frame, forms::TextBox* number, const QString& numberCaption,
                         forms::DatePicker* date, const QString& dateCaption,
                         std::array<forms::TextBox*, ColumnCount>& boxes, bool bill) {
        auto* grid = new QGridLayout(frame);
        grid->setVerticalSpacing(2);
        grid->addWidget(caption(numberCaption, frame), 0, 0);
        grid->addWidget(number, 0, 1);
        grid->addWidget(caption(dateCaption, frame), 0, 2);
        grid->addWidget(date, 0, 3);
        // Two columns of boxes keep the form low enough for a small screen:
        // the salary group with wages on the left, the rest on the right.
        const Column layoutOrder[] = {Pay, Da, Hra, Ma, Bonus, DPay, Wages,
                                      Ta, Elec, Tele, Misc, Oe, Oc, Scheme};
        int i = 0;
        for (Column c : layoutOrder) {
            const int n = bill ? kControls[c].billBox : kControls[c].allotmentBox;
            boxes[c] = new forms::TextBox(QStringLiteral("Text%1").arg(n), frame);
            boxes[c]->setMinimumWidth(80);
            const char* text = bill ? kControls[c].billCaption : kControls[c].allotmentCaption;
            forms::Label* boxCaption = caption(QString::fromLatin1(text), frame);
            if (c == Scheme)
                boxCaption->setToolTip(QStringLiteral("Schematic fund (scheme or vehicle)"));
            const int row = 1 + i % 7;
            const int col = i / 7 * 2;
            grid->addWidget(boxCaption, row, col);
            grid->addWidget(boxes[c], row, col + 1);
            ++i;
        }
        return std::make_pair(grid, 8);
    };
    auto [allotGrid, allotRow] = fillFrame(allotFrame, Text2, QStringLiteral("ORDER NO."), DTPicker3,
                                           QStringLiteral("ORDER DATE"), allotmentBox, false);
    auto* allotButtons = new QHBoxLayout;
    allotButtons->addWidget(Command1);
    allotButtons->addWidget(Command2);
    allotGrid->addLayout(allotButtons, allotRow, 0, 1, 4);

    auto [billGrid, billRow] = fillFrame(billFrame, Text16, QStringLiteral("BILL NO."), DTPicker4,
                                         QStringLiteral("BILL DATE"), billBox, true);
    billGrid->addWidget(Command8, 0, 4);
    auto* billButtons = new QHBoxLayout;
    billButtons->addWidget(Label84);
    billButtons->addWidget(Label83);
    billButtons->addWidget(Command4);
    billButtons->addWidget(Command5);
    billGrid->addLayout(billButtons, billRow, 0, 1, 5);

    // ---- The head's allotment orders ----
    Data1 = new data::DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));
    DBGrid1 = new forms::DataGrid(QStringLiteral("DBGrid1"), this);
    DBGrid1->setCaption(QStringLiteral("ALLOTMENT RECEIVED FOR THIS FINANCIAL YEAR"));
    DBGrid1->setColumns({{QStringLiteral("ORDER NO"), QStringLiteral("order_no")},
                         {QStringLiteral("DATE"), QStringLiteral("order_date")},
                         {QStringLiteral("PAY"), QStringLiteral("pay")},
                         {QStringLiteral("G.PAY"), QStringLiteral("d_pay")},
                         {QStringLiteral("D.A"), QStringLiteral("da")},
                         {QStringLiteral("H.R.A"), QStringLiteral("hra")},
                         {QStringLiteral("M.A"), QStringLiteral("ma")},
                         {QStringLiteral("BONUS"), QStringLiteral("bonus")},
                         {QStringLiteral("WAGES"), QStringLiteral("wages")},
                         {QStringLiteral("T.A"), QStringLiteral("ta")},
                         {QStringLiteral("ELEC"), QStringLiteral("elec")},
                         {QStringLiteral("TELE"), QStringLiteral("tele")},
                         {QStringLiteral("MISC"), QStringLiteral("misc")},
                         {QStringLiteral("O.E"), QStringLiteral("oe")},
                         {QStringLiteral("O.C"), QStringLiteral("oc")},
                         {QStringLiteral("SCHEME"), QStringLiteral("scheme")},
                         {QStringLiteral("HEAD"), QStringLiteral("head")},
                         {QStringLiteral("DESCRIPTION"), QStringLiteral("despn")}});

    Command7 = button(QStringLiteral("Command7"), QStringLiteral("CLOSE"), this);

    // The grid runs the form's full width beneath the two frames, so that
    // most of its eighteen columns are seen at once.
    DBGrid1->view()->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DBGrid1->setMinimumHeight(110);
    auto* middle = new QHBoxLayout;
    middle->addWidget(allotFrame);
    middle->addWidget(billFrame);
    top->addLayout(middle);
    top->addWidget(DBGrid1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Command7);
    top->addLayout(bottom);

    // Nothing can be entered or reset before an entry option is chosen.
    for (int c = 0; c < ColumnCount; ++c) {
        allotmentBox[c]->setEnabled(false);
        billBox[c]->setEnabled(false);
    }
    for (forms::CommandButton* b : {Command1, Command2, Command4, Command5, Command3, Command6})
        b->setEnabled(false);
    Command8->setVisible(false);
    Label83->setVisible(false);
    Label84->setVisible(false);
}

void Form1::wireHandlers()
{
    forms::on(Combo1, &forms::ComboBox::Click, this, &Form1::Combo1_Click);
    forms::on(Option1, &forms::OptionButton::Click, this, &Form1::Option1_Click);
    forms::on(Option2, &forms::OptionButton::Click, this, &Form1::Option2_Click);
    forms::on(Option3, &forms::OptionButton::Click, this, &Form1::Option3_Click);
    forms::on(Command1, &forms::CommandButton::Click, this, &Form1::Command1_Click);
    forms::on(Command2, &forms::CommandButton::Click, this, &Form1::Command2_Click);
    forms::on(Command3, &forms::CommandButton::Click, this, &Form1::Command3_Click);
    forms::on(Command4, &forms::CommandButton::Click, this, &Form1::Command4_Click);
    forms::on(Command5, &forms::CommandButton::Click, this, &Form1::Command5_Click);
    forms::on(Command6, &forms::CommandButton::Click, this, &Form1::Command6_Click);
    forms::on(Command7, &forms::CommandButton::Click, this, &Form1::Command7_Click);
    forms::on(Command8, &forms::CommandButton::Click, this, &Form1::Command8_Click);
    forms::on(DTPicker3, &forms::DatePicker::KeyUp, this, &Form1::DTPicker3_KeyUp);
    forms::on(DTPicker4, &forms::DatePicker::KeyUp, this, &Form1::DTPicker4_KeyUp);
    forms::on(DTPicker4, &forms::DatePicker::Change, this, &Form1::DTPicker4_Change);

    // The Enter chain: within a group each box leads to the next, the group's
    // last to its frame's OK; nothing is checked on the way.
    forms::EntryChain chain;
    chain.add({Text2, DTPicker3});
    const auto offerImport = [this] {
        // The pay-bill totals can only be taken into a new pay bill.
        if (Option2->value() && isPayHead(chosenHead()))
            Command8->setVisible(true);
    };
    chain.add({Text16, DTPicker4, [offerImport] {
                   offerImport();
                   return true;
               }});
    // Tab or a click leaves the bill number as Enter does.
    forms::on(Text16, &forms::TextBox::LostFocus, this, offerImport);
    for (int c = 0; c < ColumnCount; ++c) {
        const int next = nextInGroup(Column(c));
        chain.add({allotmentBox[c], next == ColumnCount ? static_cast<QWidget*>(Command1) : allotmentBox[next]});
        chain.add({billBox[c], next == ColumnCount ? static_cast<QWidget*>(Command4) : billBox[next]});
    }
    // Enter in a date goes to the first open box (DTPicker3_KeyUp,
    // DTPicker4_KeyUp); Tab reaches the same box, past the closed ones.
    chain.addTab(DTPicker3, allotmentBox[kGroupHeads.front()]);
    chain.addTab(DTPicker4, billBox[kGroupHeads.front()]);
}

void Form1::Form_Load()
{
    mFund.open();
    mAllotments = std::make_unique<data::TableRecordset>(*mFund, QStringLiteral("all_allot"));
    mBills = std::make_unique<data::TableRecordset>(*mFund, QStringLiteral("all_exp"));

    data::QueryRecordset heads(*mFund, QStringLiteral("select drawal_code from head"));
    for (; !heads.eof(); heads.moveNext()) {
        const QString code = heads.field(0).text();
        Combo1->addItem(code, code);
    }
    Combo1->setListIndex(-1);

    const QDate today = forms::Clock::today();
    const QDate start = common::financialYearStart(today);
    DTPicker1->setValue(start);
    Label76->setCaption(QString::number(start.year()));
    Label78->setCaption(QString::number(start.year() + 1));
    DTPicker2->setValue(today);
    DTPicker3->setValue(today);
    DTPicker4->setValue(today);

    for (forms::OptionButton* o : {Option1, Option2, Option3})
        forms::setBackColor(o, kOptionColour);
    for (forms::Label* l : {Label75, Label76, Label77, Label78, Label81, Label82})
        l->setBackColor(kYearColour);
    forms::setBackColor(Command8, kYearColour);

    Data1->setDatabaseName(QString::fromLatin1(common::kFundDb));
    DBGrid1->setDataSource(Data1);
}

void Form1::Form_Unload()
{
    mAllotments.reset();
    mBills.reset();
    mFund.close();
}

void Form1::Command7_Click()
{
    unload();
}

QString Form1::chosenHead() const
{
    return Combo1->listIndex() < 0 ? QString() : Combo1->currentData().toString();
}

void Form1::disarmReset()
{
    if (Text3->text().isEmpty())
        return;
    Text3->setText(QString());
    Text1->setText(QString());
    Command3->setEnabled(false);
    Command6->setEnabled(false);
}

bool Form1::checkAmounts(const std::array<forms::TextBox*, ColumnCount>& boxes, const vb::AmountRule& rule,
                         int style, const QString& title)
{
    for (Column c : kEntryOrder) {
        const vb::AmountFault fault = vb::readAmount(boxes[c]->text(), rule).fault;
        if (fault != vb::AmountFault::None) {
            forms::Dialogs::msgBox(fault == vb::AmountFault::TooManyDecimals
                                       ? common::keptToThePaisa(QString::fromLatin1(kCheckMessage[c].name))
                                       : QString::fromLatin1(kCheckMessage[c].notNumber),
                                   style, title);
            boxes[c]->setFocus();
            return false;
        }
    }
    return true;
}

void Form1::fillAmountBoxes(const std::array<forms::TextBox*, ColumnCount>& boxes, const QString& text,
                            bool select)
{
    for (Column c : kEntryOrder) {
        boxes[c]->setText(text);
        if (select) {
            boxes[c]->setSelStart(0);
            boxes[c]->setSelLength(int(text.size()));
        }
    }
}

void Form1::focusFirstOpen(const std::array<forms::TextBox*, ColumnCount>& boxes)
{
    for (Column c : kGroupHeads) {
        if (boxes[c]->isEnabled()) {
            boxes[c]->setFocus();
            return;
        }
    }
}

} // namespace allotment
