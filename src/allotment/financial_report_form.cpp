#include "allotment/financial_report_form.h"

#include "allotment/register_reports.h"
#include "allotment/report_period.h"
#include "common/pay_month.h"
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/entry_chain.h"
#include "platform/reports/registry.h"
#include "platform/vb/convert.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace allotment {

namespace {

const QColor kHeadingColour(244, 164, 96);
const QColor kYearColour(55, 200, 255);
const QColor kBarColour(124, 205, 124);

// A fresh report each time: it takes its period, rows and header from the form
// as they stand now, never from an earlier showing.
template <class R>
void showRegister(forms::CommandButton* used)
{
    reports::Reports::unload<R>();
    R& report = reports::Reports::get<R>();
    report.setOrientation(reports::Orientation::Landscape);
    report.setWindowState(reports::WindowState::Maximized);
    report.show();
    used->setEnabled(false);
}

} // namespace

Form4::Form4() : forms::Form(QStringLiteral("FINANCIAL REPORT"))
{

    Label3 = new forms::Label("Label3", "SET STARTING DATE OF THE FINANCIAL YEAR (FORMAT = DD/MM/YYYY)", this);
    Text3 = new forms::TextBox("Text3", this);
    Label6 = new forms::Label("Label6", "FINANCIAL YEAR :-", this);
    Label10 = new forms::Label("Label10", QString(), this);
    Label15 = new forms::Label("Label15", "--", this);
    Label11 = new forms::Label("Label11", QString(), this);
    Label16 = new forms::Label("Label16", "Label16", this);

    Label13 = new forms::Label("Label13", "BILL / ALLOTMENT REPORT", this);
    Label1 = new forms::Label("Label1", " STARTING DATE OF THE REPORT (DD/MM/YYYY)", this);
    Text1 = new forms::TextBox("Text1", this);
    Text1->setToolTip("Enter date from when the report is required");
    Label2 = new forms::Label("Label2", " ENDING DATE OF THE REPORT (DD/MM/YYYY)", this);
    Text2 = new forms::TextBox("Text2", this);
    Text2->setToolTip("Enter date up to when the report is required");
    Label4 = new forms::Label("Label4", "Label4", this);
    Label5 = new forms::Label("Label5", "Label5", this);

    Label8 = new forms::Label("Label8", "B-STATEMENT REPORT", this);
    Label12 = new forms::Label("Label12", " SELECT REPORTING MONTH", this);
    Combo2 = new forms::ComboBox("Combo2", this);
    Label14 = new forms::Label("Label14", "Label14", this);
    Label7 = new forms::Label("Label7", " SELECT REPORTING HEAD ", this);
    Combo1 = new forms::ComboBox("Combo1", this);
    Label9 = new forms::Label("Label9", QString(), this);

    Label17 = new forms::Label("Label17", QString(), this);
    Label18 = new forms::Label("Label18", QString(), this);
    Label17->setFixedHeight(8);
    Label18->setFixedHeight(8);

    Command2 = new forms::CommandButton("Command2", "SHOW ALL BILL", this);
    Command1 = new forms::CommandButton("Command1", "SHOW ALL ALLOTMENT ", this);
    Command4 = new forms::CommandButton("Command4", "B-STATEMENT", this);
    Command3 = new forms::CommandButton("Command3", "CLOSE", this);
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    Command4->setEnabled(false);   // until a head is picked

    for (forms::TextBox* box : {Text1, Text2, Text3})
        box->setMinimumWidth(110);
    for (forms::Label* year : {Label10, Label11})
        year->setMinimumWidth(44);
    Combo1->setMinimumWidth(220);
    Combo2->setMinimumWidth(220);

    for (forms::Label* hidden : {Label4, Label5, Label14, Label16})
        hidden->setVisible(false);

    auto* year = new QHBoxLayout;
    year->addWidget(Label3);
    year->addWidget(Text3);
    year->addSpacing(20);
    year->addWidget(Label6);
    year->addWidget(Label10);
    year->addWidget(Label15);
    year->addWidget(Label11);
    year->addStretch();

    auto* left = new QGridLayout;
    left->addWidget(Label13, 0, 0, 1, 2);
    left->addWidget(Label1, 1, 0);
    left->addWidget(Text1, 1, 1);
    left->addWidget(Label2, 2, 0);
    left->addWidget(Text2, 2, 1);
    left->setRowStretch(3, 1);

    auto* right = new QGridLayout;
    right->addWidget(Label8, 0, 0, 1, 2);
    right->addWidget(Label12, 1, 0);
    right->addWidget(Combo2, 1, 1);
    right->addWidget(Label7, 2, 0);
    right->addWidget(Combo1, 2, 1);
    right->addWidget(Label9, 3, 1);
    right->setRowStretch(4, 1);

    auto* halves = new QHBoxLayout;
    halves->addLayout(left, 1);
    halves->addSpacing(20);
    halves->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    buttons->addWidget(Command4);
    buttons->addWidget(Command3);

    auto* main = new QVBoxLayout(this);
    main->addLayout(year);
    main->addWidget(Label17);
    main->addLayout(halves, 1);
    main->addWidget(Label18);
    main->addLayout(buttons);
    resize(900, 360);

    setTabOrder(Text3, Text1);
    setTabOrder(Text1, Text2);

    Text3->setEntryBox(true);
    forms::EntryChain{{
        {Text1, Text2},
        {Text2, Command1, [this] { return Text2_Enter(); }},
    }};
    forms::on(Text3, &forms::TextBox::KeyUp, this, &Form4::Text3_KeyUp);
    forms::on(Text3, &forms::TextBox::LostFocus, this, &Form4::Text3_LostFocus);
    forms::on(Text1, &forms::TextBox::Change, this, &Form4::Text1_Change);
    forms::on(Combo1, &forms::ComboBox::Click, this, &Form4::Combo1_Click);
    forms::on(Combo2, &forms::ComboBox::Click, this, &Form4::Combo2_Click);
    forms::on(Command1, &forms::CommandButton::Click, this, &Form4::Command1_Click);
    forms::on(Command2, &forms::CommandButton::Click, this, &Form4::Command2_Click);
    forms::on(Command3, &forms::CommandButton::Click, this, &Form4::Command3_Click);
    forms::on(Command4, &forms::CommandButton::Click, this, &Form4::Command4_Click);
}

void Form4::Form_Load()
{
    data::Database::open(common::kSalaryDb);
    data::Database& fund = data::Database::open(common::kFundDb);

    // Salary heads: codes ending in "01". The code goes with each description,
    // so that a pick never depends on a description two heads may share.
    data::QueryRecordset heads(fund,
                               "select drawal_code, description from head "
                               "where drawal_code like ? order by rowid",
                               {QStringLiteral("%01")});
    for (heads.moveFirst(); !heads.eof(); heads.moveNext())
        Combo1->addItem(heads["description"].text(), heads["drawal_code"].text());
    for (const QString& month : reportingMonths())
        Combo2->addItem(month);

    for (forms::Label* heading : {Label13, Label8})
        heading->setBackColor(kHeadingColour);
    for (forms::Label* label : {Label3, Label6, Label10, Label11, Label15})
        label->setBackColor(kYearColour);
    for (forms::Label* bar : {Label17, Label18})
        bar->setBackColor(kBarColour);

    forms::setFocus(Text3);
}

void Form4::Text3_KeyUp(int keyCode)
{
    if (keyCode != forms::vbKeyReturn)
        return;
    Text3->setBackColor(forms::entryIdleColour);
    takeYearStart();
}

void Form4::Text3_LostFocus()
{
    Text3->setBackColor(forms::entryIdleColour);
    // Leaving for CLOSE, or the form going, is no moment to offer a
    // correction: the form closes whatever the answer.
    if (isUnloading() || QApplication::focusWidget() == Command3)
        return;
    takeYearStart();
}

void Form4::takeYearStart()
{
    const QString text = Text3->text().trimmed();
    if (vb::isDate(text)) {
        const QDate start = vb::cdate(text);
        // Every statement counts its months from 1 April; any other start
        // would look for a previous month that no year has.
        if (common::financialYearStart(start) != start) {
            forms::Dialogs::msgBox(QStringLiteral("THE FINANCIAL YEAR STARTS ON 1ST APRIL. SET 01/04 OF THE YEAR."),
                                   forms::vbInformation, QStringLiteral("PLEASE NOTE"));
            Text3->setFocus();
            Text3->selectAll();
            return;
        }
        Label10->setCaption(QString::number(start.year()));
        Label11->setCaption(QString::number(start.year() + 1));
        Label16->setCaption(vb::mediumDate(start).toUpper().mid(3));
        Text1->setFocus();
        return;
    }
    if (forms::Dialogs::msgBox("YOUR INPUT IS NOT A DATE. DO YOU WISHT TO CORRECT NOW?", forms::vbYesNo,
                               "Hi")
        == forms::vbYes) {
        Text3->setFocus();
        Text3->setBackColor(forms::entryFocusColour);
    }
}

void Form4::Combo1_Click()
{
    data::Database& fund = data::Database::open(common::kFundDb);
    data::QueryRecordset head(fund, "select drawal_code from head where drawal_code = ?",
                              {Combo1->currentData().toString()});
    if (head.recordCount() == 0) {
        // An empty code would take the bills of every head.
        Label9->setCaption(QString());
        Command4->setEnabled(false);
        forms::Dialogs::msgBox("THIS HEAD IS NOT FOUND. IT MAY HAVE BEEN CHANGED OR DELETED.",
                               forms::vbInformation, "Hi");
        return;
    }
    Label9->setCaption(head["drawal_code"].text().left(20));
    Command4->setEnabled(true);
}

void Form4::Combo2_Click()
{
    // Before any year start the boxes get the day and month only; every
    // command then refuses them as no dates.
    const auto period = monthPeriod(Combo2->text(), Label10->caption().trimmed().toInt());
    if (!period) {
        forms::Dialogs::msgBox("NO SUCH REPORTING MONTH.", forms::vbInformation, "Hi");
        return;
    }
    Text1->setText(period->from);
    Text2->setText(period->to);
    Label14->setCaption(QString::number(period->monthNo));
}

void Form4::Text1_Change()
{
    const bool any = !Text1->text().isEmpty();
    Command1->setEnabled(any);
    Command2->setEnabled(any);
}

bool Form4::Text2_Enter()
{
    if (Command1->isEnabled())
        return true;
    forms::Dialogs::msgBox("RE-SET STARTING DATE TO PROCEED", forms::vbInformation, "Hi");
    Text1->setFocus();
    return false;
}

bool Form4::periodIsDates()
{
    for (forms::TextBox* box : {Text1, Text2}) {
        if (!vb::isDate(box->text().trimmed())) {
            forms::Dialogs::msgBox("ONLY DATE ARE ACCEPTABLE", forms::vbInformation, "Please Note");
            box->setFocus();
            box->selectAll();
            return false;
        }
    }
    return true;
}

bool Form4::readPeriod()
{
    if (!periodIsDates())
        return false;
    Label4->setCaption(vb::mediumDate(vb::cdate(Text1->text().trimmed())));
    Label5->setCaption(vb::mediumDate(vb::cdate(Text2->text().trimmed())));
    return true;
}

void Form4::Command1_Click()
{
    if (readPeriod())
        showRegister<DataReport9>(Command1);
}

void Form4::Command2_Click()
{
    if (readPeriod())
        showRegister<DataReport10>(Command2);
}

void Form4::Command3_Click()
{
    unload();
}

} // namespace allotment
