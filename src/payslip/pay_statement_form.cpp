#include "payslip/pay_statement_form.h"

#include "common/pay_month.h"
#include "common/schema.h"
#include "common/templates.h"
#include "payslip/office_files.h"
#include "payslip/pay_reports.h"
#include "payslip/statements.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/reports/registry.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace payslip {

namespace {

const QString kHi = QStringLiteral("Hi");
const QString kBlank = QStringLiteral(" ");

void tell(const QString& text, int icon = forms::vbInformation)
{
    forms::Dialogs::msgBox(text, icon, kHi);
}

} // namespace

Form15::Form15(QWidget* parent) : forms::Form(QStringLiteral("PAY STATEMENT OF STAFF"), parent)
{
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("EMPLOYEE CODE"));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("PAY STATEMENT OF  :- "));
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("TO "));
    Label4 = label(QStringLiteral("Label4"),
                   QStringLiteral("INSERT EMPLOYEE CODE IN PROPER BOX AND PRESS ENTER KEY TO PROCEED"));
    Label5 = label(QStringLiteral("Label5"), kBlank);
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("STATEMENT FOR THE PERIOD FROM"));
    Label7 = label(QStringLiteral("Label7"));
    Label8 = label(QStringLiteral("Label8"));
    Label9 = label(QStringLiteral("Label9"));
    Label10 = label(QStringLiteral("Label10"));
    Label11 = label(QStringLiteral("Label11"));
    Label12 = label(QStringLiteral("Label12"), QStringLiteral("G.P.F ACCOUNT NUMBER-"));
    Label13 = label(QStringLiteral("Label13"), kBlank);
    for (forms::Label* l : {Label7, Label8, Label9, Label10, Label11})
        l->hide();

    Text1 = new forms::TextBox(QStringLiteral("Text1"), this);
    Text1->setEntryBox(true);
    Text1->setToolTip(QStringLiteral("Press Enter Key after entry of employee code"));
    DTPicker1 = new forms::DatePicker(QStringLiteral("DTPicker1"), this);
    DTPicker1->setToolTip(QStringLiteral("Press Tab Key"));
    DTPicker2 = new forms::DatePicker(QStringLiteral("DTPicker2"), this);
    // The period is chosen once an employee is found, the end after the start.
    DTPicker1->setEnabled(false);
    DTPicker2->setEnabled(false);

    Command1 = new forms::CommandButton(QStringLiteral("Command1"), QStringLiteral("PAY STATEMENT"), this);
    Command3 = new forms::CommandButton(QStringLiteral("Command3"), QStringLiteral("I. T.  STATEMENT"), this);
    Command2 = new forms::CommandButton(QStringLiteral("Command2"), QStringLiteral("CLOSE"), this);

    auto* top = new QVBoxLayout(this);
    top->addWidget(Label4);
    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Label5, 1, 1, 1, 3);
    grid->addWidget(Label12, 2, 0);
    grid->addWidget(Label13, 2, 1, 1, 3);
    grid->addWidget(Label6, 3, 0);
    grid->addWidget(DTPicker1, 3, 1);
    grid->addWidget(Label3, 3, 2);
    grid->addWidget(DTPicker2, 3, 3);
    top->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    top->addLayout(buttons);

    forms::on(Text1, &forms::TextBox::Change, this, &Form15::Text1_Change);
    forms::on(Text1, &forms::TextBox::KeyUp, this, &Form15::Text1_KeyUp);
    forms::on(DTPicker1, &forms::DatePicker::KeyUp, this, &Form15::DTPicker1_KeyUp);
    forms::on(DTPicker1, &forms::DatePicker::Change, this, &Form15::DTPicker1_Change);
    forms::on(Command1, &forms::CommandButton::Click, this, &Form15::Command1_Click);
    forms::on(Command3, &forms::CommandButton::Click, this, &Form15::Command3_Click);
    forms::on(Command2, &forms::CommandButton::Click, this, &Form15::Command2_Click);
}

Form15::~Form15() = default;

void Form15::Form_Load()
{
    DTPicker1->setValue(common::financialYearStart(forms::Clock::today()));
    mSalaryDb.open();
    DTPicker2->setValue(forms::Clock::today());
    Label4->setBackColor(QColor(40, 170, 255));

    data::QueryRecordset estt(data::Database::open(QString::fromLatin1(common::kFundDb)),
                              QStringLiteral("SELECT degn, dist FROM estt ORDER BY rowid LIMIT 1"));
    if (!estt.eof())
        Label11->setCaption(QStringLiteral("Office of the ") + estt.field("degn").text() + QLatin1Char(' ')
                            + estt.field("dist").text());
}

void Form15::Text1_Change()
{
    // The shown employee is the one whose code was looked up, not what is typed now.
    mCode.clear();
    Label5->setCaption(kBlank);
    Label13->setCaption(kBlank);
}

void Form15::Text1_KeyUp(int keyCode)
{
    if (keyCode != forms::vbKeyReturn)
        return;
    const QString code = Text1->text().trimmed();
    const QString sql = QStringLiteral("SELECT name, designation, acc_no FROM %1 WHERE emp_code = ? ORDER BY rowid");
    data::QueryRecordset serving(*mSalaryDb, sql.arg(QStringLiteral("employee")), {code});
    const data::QueryRecordset* found = &serving;
    std::optional<data::QueryRecordset> removed;
    if (serving.eof()) {
        if (forms::Dialogs::msgBox(
                QStringLiteral("This Code not found in current Register.Do you like to search Back Up Register?"),
                forms::vbYesNo, kHi)
            != forms::vbYes) {
            forms::setFocus(Text1);
            return;
        }
        removed.emplace(*mSalaryDb, sql.arg(QStringLiteral("back_up")), QVariantList{code});
        if (removed->eof()) {
            tell(QStringLiteral("Invalid employee code. Please check and Re-enter."));
            forms::setFocus(Text1);
            return;
        }
        found = &*removed;
    }
    Label5->setCaption(found->field("name").text() + QStringLiteral(" , ") + found->field("designation").text());
    Label13->setCaption(found->field("acc_no").text());
    mCode = code;
    DTPicker1->setEnabled(true);
    forms::setFocus(DTPicker1);
}

void Form15::DTPicker1_KeyUp(int keyCode)
{
    if (keyCode == forms::vbKeyReturn)
        DTPicker1_Change();
}

void Form15::DTPicker1_Change()
{
    DTPicker2->setEnabled(true);
    forms::setFocus(DTPicker2);
}

bool Form15::checkRequest()
{
    if (mCode.isEmpty()) {
        tell(QStringLiteral("First select an employee by entering employee code.\nThen select the period of IT "
                            "Statement and proceed"));
        forms::setFocus(Text1);
        return false;
    }
    if (DTPicker2->value() < DTPicker1->value()) {
        tell(QStringLiteral("THE PERIOD ENDS BEFORE IT BEGINS. CHECK THE DATES."));
        forms::setFocus(DTPicker2);
        return false;
    }
    data::QueryRecordset rows(*mSalaryDb, statementRowsSql(QStringLiteral("count(*)")),
                              {mCode, QVariant(DTPicker1->value()), QVariant(DTPicker2->value())});
    if (rows.field(0).number() == 0) {
        tell(QStringLiteral("NO SALARY RECORD OF THIS EMPLOYEE IN THE PERIOD. PLEASE CHECK THE DATES."));
        return false;
    }
    return true;
}

void Form15::Command1_Click()
{
    if (!checkRequest())
        return;
    mFrom = DTPicker1->value();
    mTo = DTPicker2->value();
    Label7->setCaption(common::payMonth(mFrom));
    Label9->setCaption(vb::format(mFrom, QStringLiteral("mm/dd/yy")));
    Label8->setCaption(common::payMonth(mTo));
    Label10->setCaption(vb::format(mTo, QStringLiteral("mm/dd/yy")));
    // Built afresh from the code and period of this showing.
    reports::Reports::unload<DataReport11>();
    reports::Reports::get<DataReport11>().show();
}

void Form15::Command3_Click()
{
    if (common::refuseFaultyTemplates({QString::fromLatin1(kIncomeTaxTemplate)},
                                      QStringLiteral("NO STATEMENT WAS MADE."), kHi))
        return;
    if (!checkRequest())
        return;
    QVector<SheetCell> cells;
    try {
        cells = incomeTaxCells(*mSalaryDb, mCode, DTPicker1->value(), DTPicker2->value());
    } catch (const vb::Error& e) {
        if (e.number != vb::NoCurrentRecord)
            throw;
        // A removed employee has no particulars for the statement.
        tell(QStringLiteral("First select an employee by entering employee code.\nThen select the period of IT "
                            "Statement and proceed"));
        forms::setFocus(Text1);
        return;
    }
    try {
        showIncomeTaxStatement(cells, QStringLiteral("%1 to %2 %3")
                                          .arg(DTPicker1->value().toString(QStringLiteral("yyyy-MM")),
                                               DTPicker2->value().toString(QStringLiteral("yyyy-MM")), mCode));
    } catch (const vb::Error& e) {
        if (e.number != vb::FileNotFound)
            throw;
        tell(missingTemplateMessage(e.description, QStringLiteral("No statement was made.")), forms::vbCritical);
    }
}

void Form15::Command2_Click()
{
    unload();
}

} // namespace payslip
