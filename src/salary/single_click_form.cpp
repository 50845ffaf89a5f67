#include "salary/single_click_form.h"

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/entry_chain.h"
#include "platform/forms/registry.h"
#include "platform/vb/error.h"
#include "salary/rules.h"
#include "salary/single_click_run.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace salary {

using namespace forms;

namespace {

const char* const kNote =
    "IMPOTANT NOTE : TO PREPARE SALARY BY A SINGLE CLICK , FIRST SET AN  APPROPRIATE BILL DATE "
    "AND THEN CLICK ON ' 1-CLICK SALARY ' BUTTON.  USER MUST HAVE TO EDIT IMMEDIATELY FOR "
    "DEDUCTION AGAINST MISCELLANEOUS  RECOVERY SEPERATELY (ONE BY ONE) IF THERE EXIST ANY SUCH "
    "CASE(S).";

} // namespace

Form9::Form9() : forms::Form(QStringLiteral("SINGLE CLICK SALARY"))
{
    buildControls();
    connectHandlers();
}

void Form9::buildControls()
{
    auto* heading = label("Label14", "SINGLE CLICK SALARY"); // the form's own title as its banner
    heading->setAlignment(Qt::AlignCenter);
    auto* Label1 = label("Label1", " SET BILL DATE ...");
    DTPicker1 = new DatePicker(QStringLiteral("DTPicker1"), this);
    auto* Label2 = label("Label2", " EMPLOYEE CODE");
    Text1 = box("Text1");
    Text1->setToolTip(QStringLiteral(
        "Enter employee code and click on Find Now button to see name, designation  etc."));
    label("Label3", " NAME OF EMPLOYEE ");
    Label4 = label("Label4", "");
    label("Label5", " DESIGNATION ");
    Label6 = label("Label6", "");
    Text2 = box("Text2");
    Text3 = box("Text3");
    Text4 = box("Text4");
    Text5 = box("Text5");
    Text6 = box("Text6");
    auto* Label7 = label("Label7", " H.B LOAN        .....");
    auto* Label8 = label("Label8", " H.B. INTEREST .....");
    auto* Label9 = label("Label9", " INOCME TAX    .....");
    auto* Label10 = label("Label10", " H.R.A ETC.       .....");
    auto* Label11 = label("Label11", " TOTAL MISC. REC.");
    auto* Label15 = label("Label15", "OR, TYPE THE NAME IN THE BOX BELOW");
    Label15->setToolTip(QStringLiteral("Try to type the name of the employee"));
    Text7 = box("Text7");
    Text7->setToolTip(QStringLiteral("Type the name here"));
    List1 = new ListBox(QStringLiteral("List1"), this);
    Label12 = label("Label12", "FORGET EMPLOYEE CODE? CLICK HERE");
    Label12->setToolTip(QStringLiteral("Click here to quick view employee code"));
    Label12->setCursor(Qt::PointingHandCursor);
    auto* Label13 = label("Label13", kNote);
    Label13->setWordWrap(true);
    auto* Label16 = label("Label16", "");
    Command1 = button("Command1", "1-CLICK SALARY");
    Command2 = button("Command2", "FIND DETAILS");
    Command3 = button("Command3", "EDIT");
    Command5 = button("Command5", "DELETE ");
    Command6 = button("Command6", "CANCEL");
    Command4 = button("Command4", "EXIT");
    Command7 = button("Command7", "< BACK");
    Text6->setReadOnly(true); // the total is worked out, never typed

    auto* row = new QGridLayout;
    int r = 0;
    row->addWidget(Label1, r, 0);
    row->addWidget(DTPicker1, r++, 1);
    row->addWidget(Label2, r, 0);
    row->addWidget(Text1, r++, 1);
    row->addWidget(findChild<Label*>(QStringLiteral("Label3")), r, 0);
    row->addWidget(Label4, r++, 1);
    row->addWidget(findChild<Label*>(QStringLiteral("Label5")), r, 0);
    row->addWidget(Label6, r++, 1);
    row->addWidget(Label7, r, 0);
    row->addWidget(Text2, r++, 1);
    row->addWidget(Label8, r, 0);
    row->addWidget(Text3, r++, 1);
    row->addWidget(Label9, r, 0);
    row->addWidget(Text4, r++, 1);
    row->addWidget(Label10, r, 0);
    row->addWidget(Text5, r++, 1);
    row->addWidget(Label11, r, 0);
    row->addWidget(Text6, r++, 1);
    row->setRowStretch(r, 1);

    // Label16 is the coloured panel the name search sits on.
    auto* search = new QVBoxLayout(Label16);
    search->addWidget(Label15);
    search->addWidget(Text7);
    search->addWidget(List1, 1);
    search->addWidget(Label12);
    Label16->setMinimumSize(search->sizeHint());

    auto* middle = new QHBoxLayout;
    middle->addLayout(row, 3);
    middle->addWidget(Label16, 2);

    auto* buttons = new QHBoxLayout;
    for (QWidget* b : {Command1, Command2, Command3, Command5, Command6, Command4, Command7})
        buttons->addWidget(b);

    auto* page = new QVBoxLayout(this);
    page->addWidget(heading);
    page->addLayout(middle);
    page->addWidget(Label13);
    page->addLayout(buttons);
}

void Form9::connectHandlers()
{
    on(Command1, &CommandButton::Click, this, &Form9::Command1_Click);
    on(Command2, &CommandButton::Click, this, &Form9::Command2_Click);
    on(Command3, &CommandButton::Click, this, &Form9::Command3_Click);
    on(Command5, &CommandButton::Click, this, &Form9::Command5_Click);
    on(Command6, &CommandButton::Click, this, &Form9::Command6_Click);
    on(Command4, &CommandButton::Click, this, &Form9::Command4_Click);
    on(Command7, &CommandButton::Click, this, &Form9::Command7_Click);
    on(Label12, &Label::Click, this, &Form9::Label12_Click);
    on(List1, &ListBox::Click, this, &Form9::List1_Click);
    on(Text1, &TextBox::Change, this, &Form9::Text1_Change);
    on(Text7, &TextBox::Change, this, &Form9::Text7_Change);
    on(Text5, &TextBox::LostFocus, this, &Form9::Text5_LostFocus);
    on(DTPicker1, &DatePicker::Change, this, &Form9::DTPicker1_Change);
    for (TextBox* t : {Text2, Text3, Text4, Text5})
        on(t, &TextBox::GotFocus, this, [t] { t->selectAll(); });

    EntryChain{{
        {DTPicker1, Text1},
        {Text1, Command2},
        {Text2, Text3},
        {Text3, Text4},
        {Text4, Text5},
        {Text5, Command3, [this] { totalRecoveries(); return true; }},
    }};
}

void Form9::Form_Load()
{
    mDb.open();
    DTPicker1->setValue(Clock::today());

    const QColor sky(135, 206, 250);
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15})
        control<Label>(QStringLiteral("Label%1").arg(i)).setBackColor(sky);
    Label12->setBackColor(QColor(124, 205, 124));
    control<Label>(QStringLiteral("Label13")).setBackColor(QColor(142, 229, 238));
    control<Label>(QStringLiteral("Label14")).setBackColor(QColor(140, 170, 255));
    control<Label>(QStringLiteral("Label16")).setBackColor(QColor(125, 158, 192));

    Command2->setEnabled(false);
    Command3->setEnabled(false);
    Command5->setEnabled(false);
}

void Form9::Command1_Click()
{
    if (Dialogs::msgBox(singleClickQuestion(), vbYesNo + vbInformation, QStringLiteral("Hi")) != vbYes)
        return;

    // The month asked about, counted and reported is the month the rows are
    // booked to, so a second run on 1 April is caught like any other.
    const QDate billDate = DTPicker1->value();
    const QString month = payMonth(billDate);
    // A bonus or festival advance paid earlier in the month prepared no
    // salary, so it is asked of only when a row pays salary; whichever run
    // this is, each ledger moves once a month (runSingleClick).
    const MonthRows already = monthRows(*mDb, month);
    if (already.count > 0) {
        // Yes books the whole month a second time: Enter must not do that.
        if (!Dialogs::confirm(duplicateQuestion(already, month), QStringLiteral("DUPLICATE ENTRY ERROR"), 0))
            return;
    }

    int written = 0;
    try {
        written = runSingleClick(*mDb, billDate);
    } catch (const vb::Error& e) {
        // The run's own refusals are worded for the clerk; the engine's words go under details.
        if (e.number == vb::NoCurrentRecord) {
            Dialogs::msgBox(runFailedMessage(e.description), vbCritical, QStringLiteral("PLEASE NOTE"));
        } else {
            QString reason = forms::clerkReason(e);
            reason[0] = reason[0].toUpper();
            Dialogs::msgBox(runFailedMessage(reason + QLatin1Char('.')), vbCritical, QStringLiteral("PLEASE NOTE"),
                            forms::describeFailure(QStringLiteral("Command1_Click"), e).details);
        }
        return;
    }
    Dialogs::msgBox(runDoneMessage(written, month), vbOKOnly, QStringLiteral("PLEASE NOTE"));
}

void Form9::Command4_Click()
{
    unload();
    Forms::get(QStringLiteral("SALARY")).show();
}

void Form9::Command7_Click()
{
    const int line = List1->listIndex();
    const QString code = line >= 0 ? List1->itemData(line).toString() : QString();
    unload();
    Form& employee = Forms::get(QStringLiteral("Employee"));
    employee.show();
    employee.control<TextBox>(QStringLiteral("Text1")).setText(code);
}

void Form9::Label12_Click()
{
    Forms::get(QStringLiteral("Status")).show();
}

} // namespace salary
