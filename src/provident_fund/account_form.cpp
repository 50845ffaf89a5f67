#include "provident_fund/account_form.h"

#include "common/pay_month.h"
#include "common/schema.h"
#include "platform/data/data_control.h"
#include "platform/data/database.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/entry_chain.h"
#include "provident_fund/broadsheet.h"
#include "provident_fund/sheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace provident_fund {

namespace {

const QColor kSummaryBack(0xFF, 0xC0, 0xC0); // &H00C0C0FF
const QColor kSummaryFore(0x00, 0x00, 0xFF); // &H00FF0000

// The labels and boxes each mode opens and the other closes.
const std::initializer_list<const char*> kEntryControls = {
    "Label2", "Label3", "Label11", "Label8", "Label9", "Label12", "Label13", "Label14", "Label22",
    "Text1",  "Text2",  "Text19",  "Text3",  "Text15", "Text11", "Text12", "Text13", "Command1", "Command2"};
const std::initializer_list<const char*> kCalculationLabels = {
    "Label10", "Label28", "Label29", "Label4", "Label5", "Label6", "Label7", "Label15", "Label16", "Label17", "Label18"};

} // namespace

gpf_ac::gpf_ac(QWidget* parent) : forms::Form(QStringLiteral("G.P.F CALCULATION"), parent)
{
    buildControls();
    wireHandlers();
}

gpf_ac::~gpf_ac() = default;

void gpf_ac::buildControls()
{
    using forms::Label;
    using forms::TextBox;

    // ---- Start date, year and the two modes ----
    DTPicker1 = new forms::DatePicker(QStringLiteral("DTPicker1"), this);
    Label21 = label("Label21", "");
    Option1 = new forms::OptionButton(QStringLiteral("Option1"), QStringLiteral("NEW SUBSCRIBER"), this);
    Option2 = new forms::OptionButton(QStringLiteral("Option2"), QStringLiteral("EXISTING SUBSCRIBER"), this);
    auto* top = new QVBoxLayout(this);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(label("Label1", "SET APPROPRIATE STARTING DATE OF THE FINANCIAL YEAR "));
    dateRow->addWidget(DTPicker1);
    dateRow->addSpacing(20);
    dateRow->addWidget(label("Label20", "YEAR:-"));
    dateRow->addWidget(Label21);
    dateRow->addStretch(1);
    dateRow->addWidget(Option1);
    dateRow->addWidget(Option2);
    top->addLayout(dateRow);

    // ---- Data-entry part (left) ----
    Text1 = box("Text1");
    Text2 = box("Text2");
    Text19 = box("Text19");
    Text3 = box("Text3");
    Text15 = box("Text15");
    Text11 = box("Text11");
    Text12 = box("Text12");
    Text13 = box("Text13");
    Command4 = button("Command4", "FIND SUMMERY");
    Command2 = button("Command2", "CANCEL");
    Command1 = button("Command1", "SAVE");
    auto* entry = new QGridLayout;
    Label* heading = label("Label11", " DATA ENTRY PART ");
    heading->setAlignment(Qt::AlignHCenter);
    entry->addWidget(heading, 0, 0, 1, 2);
    const std::pair<const char*, const char*> entryCaptions[] = {
        {"Label2", " G.P.F ACCOUNT NUMBER"}, {"Label3", " NAME OF SUBSCRIBER"}, {"Label22", " OPENING BALANCE"},
        {"Label8", " SUBSCRIPTION DEPOSITED"}, {"Label9", "  TOTAL REFUND, IF ANY"}, {"Label12", " INTEREST EARNED"},
        {"Label13", "LOAN (WITHDRAWN) TAKEN"}, {"Label14", " CLOSING BALANCE"}};
    TextBox* entryBoxes[] = {Text1, Text2, Text19, Text3, Text15, Text11, Text12, Text13};
    for (int i = 0; i < 8; ++i) {
        entry->addWidget(label(entryCaptions[i].first, entryCaptions[i].second), i + 1, 0);
        entry->addWidget(entryBoxes[i], i + 1, 1);
    }
    auto* entryButtons = new QHBoxLayout;
    entryButtons->addWidget(Command4);
    entryButtons->addWidget(Command2);
    entryButtons->addWidget(Command1);
    entry->addLayout(entryButtons, 9, 0, 1, 2);
    entry->setRowStretch(10, 1);

    // ---- Calculation part (right) ----
    Combo2 = new forms::ComboBox(QStringLiteral("Combo2"), this);
    Combo2->setPlaceholderText(QStringLiteral("SELECT"));
    Combo2->setMinimumContentsLength(14);
    Label29 = label("Label29", "");
    Text5 = box("Text5");
    Text6 = box("Text6");
    Text8 = box("Text8");
    Text4 = box("Text4");
    Text7 = box("Text7");
    Combo1 = new forms::ComboBox(QStringLiteral("Combo1"), this);
    Text9 = box("Text9");
    Command7 = button("Command7", "CALCULATE");
    Command8 = button("Command8", "CANCEL");
    Command3 = button("Command3", "SAVE");
    auto* calc = new QGridLayout;
    calc->addWidget(label("Label10", "A/C NUMBER"), 0, 0);
    calc->addWidget(Combo2, 0, 1, 1, 3);
    calc->addWidget(label("Label28", " NAMEOF SUBSCRIBER "), 1, 0);
    calc->addWidget(Label29, 1, 1, 1, 3);
    calc->addWidget(label("Label5", " RATE OF  MONTHLY SUBS."), 2, 0);
    calc->addWidget(Text5, 2, 1, 1, 3);
    calc->addWidget(label("Label6", " RATE OF REFUND OF LOAN"), 3, 0);
    calc->addWidget(Text6, 3, 1, 1, 3);
    calc->addWidget(label("Label16", " FROM"), 4, 0);
    calc->addWidget(Text8, 4, 1);
    calc->addWidget(label("Label18", "TO"), 4, 2);
    calc->addWidget(Text4, 4, 3);
    calc->addWidget(label("Label15", " AMOUNT  WITHDRAWN (LOAN)"), 5, 0);
    calc->addWidget(Text7, 5, 1, 1, 3);
    calc->addWidget(label("Label4", " LOAN TAKEN ON .................."), 6, 0);
    calc->addWidget(Combo1, 6, 1, 1, 3);
    calc->addWidget(label("Label7", " RATE OF INTEREST..............."), 7, 0);
    calc->addWidget(Text9, 7, 1, 1, 3);
    auto* calcButtons = new QHBoxLayout;
    calcButtons->addWidget(Command7);
    calcButtons->addWidget(Command8);
    calcButtons->addWidget(Command3);
    calc->addLayout(calcButtons, 8, 0, 1, 4);
    calc->setRowStretch(9, 1);

    auto* parts = new QHBoxLayout;
    auto* entryFrame = new forms::Frame(QString(), QString(), this);
    entryFrame->setLayout(entry);
    auto* calcFrame = new forms::Frame(QString(), QString(), this);
    calcFrame->setLayout(calc);
    parts->addWidget(entryFrame);
    parts->addWidget(calcFrame);
    top->addLayout(parts);

    // ---- Summary (below) with the sheet's grid beside it ----
    Label31 = label("Label31", "");
    Label30 = label("Label30", "");
    Text14 = box("Text14");
    Text16 = box("Text16");
    Text17 = box("Text17");
    Text10 = box("Text10");
    Text18 = box("Text18");
    Text20 = box("Text20");
    Command6 = button("Command6", "PREVIEW SLIP");
    Command9 = button("Command9", "CANCEL");
    Command5 = button("Command5", "CLOSE");
    auto* summary = new QGridLayout;
    summary->addWidget(label("Label27", " G.P.F SUMMERY REPORT OF "), 0, 0);
    summary->addWidget(Label31, 0, 1, 1, 2);
    summary->addWidget(label("Label32", " FOR THE YEAR   "), 1, 0);
    summary->addWidget(Label30, 1, 1, 1, 2);
    const std::pair<const char*, const char*> summaryCaptions[] = {
        {"Label19", " OPENING BALANCE FOR THE YEAR"}, {"Label23", " TOTAL SUBSCRIPTION DEPOSITED"},
        {"Label24", " TOTAL RECOVERY,  IF ANY"},      {"Label17", " INTEREST EARNED FOR THE YEAR"},
        {"Label25", " LESS WITHDRAWAL ( - )"},        {"Label26", " CLOSING BALANCE FOR THE YEAR"}};
    TextBox* summaryBoxes[] = {Text14, Text16, Text17, Text10, Text18, Text20};
    for (int i = 0; i < 6; ++i) {
        summary->addWidget(label(summaryCaptions[i].first, summaryCaptions[i].second), i + 2, 0);
        summary->addWidget(new Label(QStringLiteral("Label%1").arg(33 + i), QStringLiteral("Rs...."), this), i + 2, 1);
        summary->addWidget(summaryBoxes[i], i + 2, 2);
        summaryBoxes[i]->setBackColor(kSummaryBack);
        forms::setForeColor(summaryBoxes[i], kSummaryFore);
    }
    auto* summaryButtons = new QHBoxLayout;
    summaryButtons->addWidget(Command6);
    summaryButtons->addWidget(Command9);
    summaryButtons->addWidget(Command5);
    summary->addLayout(summaryButtons, 8, 0, 1, 3);
    auto* summaryFrame = new forms::Frame(QString(), QString(), this);
    summaryFrame->setLayout(summary);

    Data1 = new data::DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));
    DBGrid1 = new forms::DataGrid(QStringLiteral("DBGrid1"), this);
    DBGrid1->setCaption(QStringLiteral("GENERAL PROVIDENT FUND STATEMENT"));
    const QVector<forms::GridColumn> columns{{QStringLiteral("MONTH"), QStringLiteral("month")},
                                             {QStringLiteral("SUBSRIPTION"), QStringLiteral("subs")},
                                             {QStringLiteral("REFUND OF LOAN"), QStringLiteral("refund")},
                                             {QStringLiteral("TOTAL"), QStringLiteral("total")},
                                             {QStringLiteral("WITHDRAWAL"), QStringLiteral("loan")},
                                             {QStringLiteral("CUMULATIVE TOTAL"), QStringLiteral("cumulative")}};
    DBGrid1->setColumns(columns);
    // Every heading whole and all twelve months in sight, with no scrolling.
    QTableView* view = DBGrid1->view();
    QHeaderView* headings = view->horizontalHeader();
    headings->setSectionResizeMode(QHeaderView::ResizeToContents);
    headings->setStretchLastSection(true);
    view->verticalHeader()->setDefaultSectionSize(20);
    QFont bold = headings->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int width = 0;
    for (const forms::GridColumn& c : columns)
        width += metrics.horizontalAdvance(c.heading) + 2 * metrics.averageCharWidth() + 8;
    view->setMinimumWidth(width + view->verticalHeader()->sizeHint().width() + 2 * view->frameWidth() + 4);
    view->setMinimumHeight(kMonths * 20 + headings->sizeHint().height() + 2 * view->frameWidth());
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(summaryFrame);
    bottom->addWidget(DBGrid1, 1);
    top->addLayout(bottom, 1);
}

void gpf_ac::wireHandlers()
{
    using forms::CommandButton;
    using forms::TextBox;
    forms::on(DTPicker1, &forms::DatePicker::Change, this, &gpf_ac::DTPicker1_Change);
    forms::on(Option1, &forms::OptionButton::Click, this, &gpf_ac::Option1_Click);
    forms::on(Option2, &forms::OptionButton::Click, this, &gpf_ac::Option2_Click);
    forms::on(Text1, &TextBox::Change, this, &gpf_ac::Text1_Change);
    forms::on(Text5, &TextBox::KeyUp, this, &gpf_ac::Text5_KeyUp);
    forms::on(Text6, &TextBox::KeyUp, this, &gpf_ac::Text6_KeyUp);
    forms::on(Text8, &TextBox::KeyUp, this, &gpf_ac::Text8_KeyUp);
    forms::on(Text4, &TextBox::KeyUp, this, &gpf_ac::Text4_KeyUp);
    forms::on(Text7, &TextBox::KeyUp, this, &gpf_ac::Text7_KeyUp);
    forms::on(Combo1, &forms::ComboBox::Click, this, &gpf_ac::Combo1_Click);
    forms::on(Text9, &TextBox::KeyUp, this, &gpf_ac::Text9_KeyUp);
    forms::on(Combo2, &forms::ComboBox::Click, this, &gpf_ac::Combo2_Click);
    forms::on(Combo2, &forms::ComboBox::KeyUp, this, &gpf_ac::Combo2_KeyUp);
    forms::on(Text12, &TextBox::LostFocus, this, &gpf_ac::Text12_LostFocus);
    forms::on(Command1, &CommandButton::Click, this, &gpf_ac::Command1_Click);
    forms::on(Command2, &CommandButton::Click, this, &gpf_ac::Command2_Click);
    forms::on(Command3, &CommandButton::Click, this, &gpf_ac::Command3_Click);
    forms::on(Command4, &CommandButton::Click, this, &gpf_ac::Command4_Click);
    forms::on(Command5, &CommandButton::Click, this, &gpf_ac::Command5_Click);
    forms::on(Command6, &CommandButton::Click, this, &gpf_ac::Command6_Click);
    forms::on(Command7, &CommandButton::Click, this, &gpf_ac::Command7_Click);
    forms::on(Command8, &CommandButton::Click, this, &gpf_ac::Command8_Click);
    forms::on(Command9, &CommandButton::Click, this, &gpf_ac::Command9_Click);

    // Whatever the year's figures rest on, changed, sends the clerk back
    // through the interest step; a changed summary back through CALCULATE.
    for (TextBox* b : {Text5, Text6, Text8, Text4, Text7, Text9})
        connect(b, &TextBox::Change, this, &gpf_ac::disarmYear);
    for (TextBox* b : {Text14, Text16, Text17, Text10, Text18, Text20})
        connect(b, &TextBox::Change, this, &gpf_ac::disarmSave);
    // A new subscriber's closing balance follows its amounts until typed over.
    for (TextBox* b : {Text19, Text3, Text15, Text11, Text12})
        connect(b, &TextBox::Change, this, [this] { mEntryClosingStale = true; });
    connect(Text13, &TextBox::Change, this, [this] { mEntryClosingStale = false; });

    forms::EntryChain chain{
        {Text1, Text2},
        {Text2, Text19,
         [this] {
             if (Option1->value())
                 return true;
             forms::Dialogs::msgBox(
                 QStringLiteral("IF YOU WISH TO ENTER DATA FOR NEW SUBSCRIBER SELECT NEW SUBSCRIBER OPTION FIRST"));
             return false;
         }},
        {Text19, Text3},
        {Text3, Text15},
        {Text15, Text11},
        {Text11, Text12},
        {Text12, Command1},
    };
    for (TextBox* b : {Text13, Text5, Text6, Text8, Text4, Text7, Text9})
        b->setEntryBox(true);
}

void gpf_ac::Form_Load()
{
    mDb.open();
    mSheet = std::make_unique<Sheet>(*mDb);
    mBroadSheet = std::make_unique<BroadSheet>(*mDb);

    mStart = common::financialYearStart(forms::Clock::today());
    DTPicker1->setValue(mStart);
    showYear();
    for (const QString& account : mBroadSheet->accounts())
        Combo2->addItem(account, account);
    Combo2->setListIndex(-1);

    Data1->setDatabaseName(QString::fromLatin1(common::kSalaryDb));
    DBGrid1->setDataSource(Data1);
    Data1->setRecordSource(QString());
    Data1->refresh();

    // Nothing is worked out or filed before a mode is chosen.
    for (forms::TextBox* b : {Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12, Text13, Text15,
                              Text19})
        b->setEnabled(false);
    Combo1->setEnabled(false);
    Combo2->setEnabled(false);
    for (forms::CommandButton* b : {Command1, Command2, Command3, Command4, Command6, Command7, Command8})
        b->setEnabled(false);
}

void gpf_ac::Form_Unload()
{
    mSheet.reset();
    mBroadSheet.reset();
    mDb.close();
}

forms::Label* gpf_ac::labelNamed(const char* name) const
{
    return &control<forms::Label>(QString::fromLatin1(name));
}

void gpf_ac::enable(std::initializer_list<const char*> names, bool on)
{
    for (const char* n : names)
        if (QWidget* w = findChild<QWidget*>(QString::fromLatin1(n)))
            w->setEnabled(on);
}

void gpf_ac::showYear()
{
    const QString caption = yearCaption(mStart);
    Label21->setCaption(caption);
    Label30->setCaption(caption);
    Combo1->clear();
    for (const QString& month : monthCaptions(mStart))
        Combo1->addItem(month);
    Combo1->setListIndex(-1);
}

void gpf_ac::DTPicker1_Change()
{
    const QDate picked = DTPicker1->value();
    if (picked == mStart)
        return;
    if (!isYearStart(picked)) {
        DTPicker1->setValue(mStart);
        forms::Dialogs::msgBox(QStringLiteral("THE FINANCIAL YEAR STARTS ON 1ST APRIL. SET 01/04 OF THE YEAR."),
                               forms::vbInformation, QStringLiteral("PLEASE NOTE"));
        return;
    }
    mStart = picked;
    showYear();
    Label29->setCaption(QString());
    Combo2->setListIndex(-1);
    disarmYear();
}

void gpf_ac::Option1_Click()
{
    enable(kEntryControls, true);
    enable(kCalculationLabels, false);
    Combo2->setEnabled(false);
    for (forms::TextBox* b : {Text4, Text5, Text6, Text7, Text8, Text9, Text10})
        b->setEnabled(false);
    for (forms::CommandButton* b : {Command3, Command6, Command7, Command8})
        b->setEnabled(false);
    Combo1->setLocked(true);
    Combo2->setListIndex(-1);
    Label29->setCaption(QString());
    Label31->setCaption(QString());
    Text1->setFocus();
    for (forms::TextBox* b : {Text1, Text2, Text14, Text16, Text17, Text10, Text18, Text20})
        b->setText(QStringLiteral(" "));
}

void gpf_ac::Option2_Click()
{
    enable(kEntryControls, false);
    enable(kCalculationLabels, true);
    Combo2->setEnabled(true);
    Combo2->setFocus();
    freshSheet();
}

bool gpf_ac::freshSheet()
{
    for (forms::TextBox* b : {Text5, Text6, Text7, Text9, Text10})
        b->setEnabled(true);
    Command8->setEnabled(true);
    Combo1->setLocked(true);
    disarmYear();
    if (mSheet->reset()) {
        // The grid shows the sheet now worked on, never the year before it.
        Data1->refresh();
        return true;
    }
    forms::Dialogs::msgBox(QStringLiteral("The blank G.P.F sheet holds %1 rows instead of twelve, so no year can "
                                          "be worked out. The sheet was kept as it was.")
                               .arg(mSheet->templateRows()),
                           forms::vbCritical, QStringLiteral("PLEASE NOTE"));
    return false;
}

void gpf_ac::Text1_Change()
{
    Command4->setEnabled(Text1->text() != QLatin1String(" "));
}

void gpf_ac::disarmYear()
{
    Command7->setEnabled(false);
    disarmSave();
}

void gpf_ac::disarmSave()
{
    Command3->setEnabled(false);
    Command6->setEnabled(false);
}

void gpf_ac::showSheet()
{
    Data1->setRecordSource(QStringLiteral("select month, subs, refund, total, loan, cumulative from calc_sheet "
                                          "order by rowid"));
    Data1->refresh();
}

void gpf_ac::emptyBoxes(std::initializer_list<forms::TextBox*> boxes)
{
    for (forms::TextBox* b : boxes)
        b->setText(QString());
}

void gpf_ac::Command5_Click()
{
    unload();
}

} // namespace provident_fund
