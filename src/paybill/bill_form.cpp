#include "paybill/bill_form.h"

#include "common/bill_totals.h"
#include "common/pay_month.h"
#include "common/schema.h"
#include "paybill/working_tables.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace paybill {

namespace {

const QColor kTitleColour(55, 200, 255);
const QColor kYearColour(124, 205, 124);

QString officeLine(const data::QueryRecordset& estt)
{
    return QStringLiteral("Office of the ") + estt.field("degn").text() + QLatin1Char(' ')
           + estt.field("dist").text();
}

} // namespace

Form6::Form6(QWidget* parent) : forms::Form(QStringLiteral("SALARY AND SCHEDULE"), parent)
{
    buildControls();
    wireHandlers();
}

void Form6::buildControls()
{
    Label1 = label(QStringLiteral("Label1"), QStringLiteral(" REPORTING BILL DATE"));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral(" REPORTING SALARY HEAD "));
    Label3 = label(QStringLiteral("Label3"), QStringLiteral(" DRAWAL CODE (17-DIGIT)"));
    Label4 = label(QStringLiteral("Label4"), QStringLiteral(" CATEGORY OF EMP_CODE"));
    Label5 = label(QStringLiteral("Label5"), QStringLiteral(" PAY FOR THE MONTH OF :-"));
    Label6 = label(QStringLiteral("Label6"));
    Label7 = label(QStringLiteral("Label7"));
    Label8 = label(QStringLiteral("Label8"),
                   QStringLiteral(" PRINT PREVIEW AND PRINTING SECTION OF PAY BILL AND RELATED SCHEDULE, "
                                  "REPORTS ETC."));
    Label9 = label(QStringLiteral("Label9"));
    Label10 = label(QStringLiteral("Label10"), QStringLiteral("Office of the"));
    Label11 = label(QStringLiteral("Label11"), QStringLiteral(" D.D.O. CODE :-"));
    Label12 = label(QStringLiteral("Label12"));
    Label13 = label(QStringLiteral("Label13"), QStringLiteral(" Name of the Office :"));
    Label14 = label(QStringLiteral("Label14"));
    Label15 = label(QStringLiteral("Label15"));
    Label16 = label(QStringLiteral("Label16"));
    Label17 = label(QStringLiteral("Label17"), QStringLiteral(" BILL NUMBER:-"));
    Label18 = label(QStringLiteral("Label18"));
    Label19 = label(QStringLiteral("Label19"), QStringLiteral(" NUMBER OF EMPLOYEE :"));
    forms::Label** blanks[] = {&Label20, &Label21, &Label22, &Label23, &Label24, &Label25, &Label26, &Label27};
    for (int i = 0; i < int(std::size(blanks)); ++i)
        *blanks[i] = label(QStringLiteral("Label%1").arg(20 + i));
    Label28 = label(QStringLiteral("Label28"), QStringLiteral(" CURRENT FINANCIAL YEAR STARTED FROM :"));
    Label29 = label(QStringLiteral("Label29"));
    Label30 = label(QStringLiteral("Label30"));
    forms::Label** sums[] = {&Label31, &Label32, &Label33, &Label34, &Label35, &Label36, &Label37,
                             &Label38, &Label39, &Label40, &Label41, &Label42, &Label43, &Label44,
                             &Label45, &Label46, &Label47, &Label48, &Label49};
    for (int i = 0; i < int(std::size(sums)); ++i)
        *sums[i] = label(QStringLiteral("Label%1").arg(31 + i));
    Label50 = label(QStringLiteral("Label50"), QStringLiteral(" FROM SL. NO."));
    Label51 = label(QStringLiteral("Label51"), QStringLiteral("TO"));
    Label52 = label(QStringLiteral("Label52"));
    Label53 = label(QStringLiteral("Label53"),
                    QStringLiteral("NOTE :-  1.  Maximum 9 (Nine) record can be printed in one page without Page "
                                   "Total .\n"
                                   "NOTE :-  2.  Maximum 8 (Eight) record can be printed in one page with Page "
                                   "Total .\n"
                                   "NOTE :-  3.  Only 7 (Seven) record can be printed with Page Total and  Grand "
                                   "Total in one page."));
    Label53->setWordWrap(true);
    Label54 = label(QStringLiteral("Label54"));
    Label55 = label(QStringLiteral("Label55"));
    Label56 = label(QStringLiteral("Label56"));
    Label57 = label(QStringLiteral("Label57"), QStringLiteral("CHANGE D.D.O. CODE ?"));
    Label58 = label(QStringLiteral("Label58"));
    Label59 = label(QStringLiteral("Label59"), QStringLiteral("Report is Loading. Please wait....."));
    Label60 = label(QStringLiteral("Label60"), QStringLiteral("0"));
    forms::Label** totals[] = {&Label61, &Label62, &Label63, &Label64, &Label65, &Label66};
    for (int i = 0; i < 6; ++i)
        *totals[i] = label(QStringLiteral("Label%1").arg(61 + i), QStringLiteral("0"));
    Label67 = label(QStringLiteral("Label67"));
    Label68 = label(QStringLiteral("Label68"));

    Combo1 = new forms::ComboBox(QStringLiteral("Combo1"), this);
    Combo2 = new forms::ComboBox(QStringLiteral("Combo2"), this);
    Combo3 = new forms::ComboBox(QStringLiteral("Combo3"), this);
    Text1 = new forms::TextBox(QStringLiteral("Text1"), this);
    Text2 = new forms::TextBox(QStringLiteral("Text2"), this);
    Text3 = new forms::TextBox(QStringLiteral("Text3"), this);
    Text1->setEntryBox(true);
    Text3->setEntryBox(true);
    Text2->setLocked(true);

    Command1 = button(QStringLiteral("Command1"), QStringLiteral("ACTIVATE  NOW"));
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("INNER SHEET (L)"));
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("GPF NON GR.D"));
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("PROF. TAX"));
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("GISS 1983"));
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("GISS 1987"));
    Command7 = button(QStringLiteral("Command7"), QStringLiteral("GPF GR.D"));
    Command8 = button(QStringLiteral("Command8"), QStringLiteral("PRO REPORT"));
    Command9 = button(QStringLiteral("Command9"), QStringLiteral("CLOSE"));
    Command10 = button(QStringLiteral("Command10"), QStringLiteral("BILL EXTRACT"));
    Command11 = button(QStringLiteral("Command11"), QStringLiteral("D.A.SCHEDULE"));
    Command12 = button(QStringLiteral("Command12"), QStringLiteral("INCREMENT "));
    Command13 = button(QStringLiteral("Command13"), QStringLiteral("INCOME TAX"));
    Command14 = button(QStringLiteral("Command14"), QStringLiteral("H.B.LOAN"));
    Command15 = button(QStringLiteral("Command15"), QStringLiteral("INNER SHEET (R)"));
    Command16 = button(QStringLiteral("Command16"), QStringLiteral("OUTER SHEET FRONT AND BACK"));
    Command17 = button(QStringLiteral("Command17"), QStringLiteral("GRAND TOTAL (L)"));
    Command18 = button(QStringLiteral("Command18"), QStringLiteral("GRAND TOTAL (R)"));
    Command19 = button(QStringLiteral("Command19"), QStringLiteral("H.R.A. ETC."));
    Command20 = button(QStringLiteral("Command20"), QStringLiteral("PRINT ALL SCHEDULE"));
    Command21 = button(QStringLiteral("Command21"), QStringLiteral("PRINT ALL SCHEDULE"));

    Option1 = new forms::OptionButton(QStringLiteral("Option1"), QStringLiteral("INNER SHEET PRINT SET UP"), this);
    Option2 = new forms::OptionButton(QStringLiteral("Option2"), QStringLiteral("CANCEL PRINT SET UP"), this);

    Shape12 = new QFrame(this);
    Shape12->setObjectName(QStringLiteral("Shape12"));
    Shape12->setFrameShape(QFrame::Box);

    Timer1 = new forms::Timer(QStringLiteral("Timer1"), this);
    Timer1->setInterval(500);
    Timer1->setEnabled(false);

    // ---- Layout, top to bottom as the form reads ----
    auto* top = new QVBoxLayout(this);
    top->addWidget(Label8);

    auto* head = new QGridLayout;
    int r = 0;
    head->addWidget(Label13, r, 0);
    head->addWidget(Label10, r, 1, 1, 3);
    head->addWidget(Label11, r, 4);
    head->addWidget(Label12, r, 5);
    ++r;
    head->addWidget(Label28, r, 0);
    head->addWidget(Label26, r, 1);
    head->addWidget(Label58, r, 2);
    head->addWidget(Label57, r, 3);
    head->addWidget(Combo3, r, 4, 1, 2);
    ++r;
    head->addWidget(Label1, r, 0);
    head->addWidget(Combo1, r, 1);
    head->addWidget(Label2, r, 2);
    head->addWidget(Combo2, r, 3, 1, 3);
    ++r;
    head->addWidget(Label5, r, 0);
    head->addWidget(Label6, r, 1);
    head->addWidget(Label3, r, 2);
    head->addWidget(Label7, r, 3, 1, 3);
    ++r;
    head->addWidget(Label4, r, 0);
    head->addWidget(Text2, r, 1);
    head->addWidget(Label17, r, 2);
    head->addWidget(Label16, r, 3);
    head->addWidget(Label19, r, 4);
    head->addWidget(Label18, r, 5);
    top->addLayout(head);
    top->addWidget(Command1);

    // Inner-sheet set-up: the range boxes and the page-size note in its frame.
    auto* setup = new QGridLayout;
    setup->addWidget(Option1, 0, 0);
    setup->addWidget(Option2, 0, 1);
    setup->addWidget(Label29, 0, 2);
    setup->addWidget(Label27, 0, 3);
    setup->addWidget(Label30, 0, 4);
    setup->addWidget(Label50, 1, 0);
    setup->addWidget(Text1, 1, 1);
    setup->addWidget(Label51, 1, 2);
    setup->addWidget(Text3, 1, 3);
    setup->addWidget(Shape12, 2, 0, 1, 5);
    setup->addWidget(Label53, 2, 0, 1, 5);
    top->addLayout(setup);

    auto* groups = new QGridLayout;
    groups->addWidget(Label9, 0, 0);
    groups->addWidget(Label20, 0, 1);
    groups->addWidget(Label21, 0, 2);
    auto* schedules = new QVBoxLayout;
    for (auto* b : {Command10, Command11, Command8, Command3, Command7, Command4, Command5, Command6,
                    Command13, Command14, Command19, Command12})
        schedules->addWidget(b);
    auto* sheets = new QVBoxLayout;
    for (auto* b : {Command2, Command15, Command17, Command18})
        sheets->addWidget(b);
    sheets->addStretch();
    auto* closing = new QVBoxLayout;
    for (auto* b : {Command16, Command20, Command21, Command9})
        closing->addWidget(b);
    closing->addWidget(Label59);
    closing->addStretch();
    groups->addLayout(schedules, 1, 0);
    groups->addLayout(sheets, 1, 1);
    groups->addLayout(closing, 1, 2);
    top->addLayout(groups);

    // Labels that only carry values to reports and forms are never shown.
    for (forms::Label* l : {Label14, Label15, Label22, Label23, Label24, Label25, Label31, Label32, Label33,
                            Label34, Label35, Label36, Label37, Label38, Label39, Label40, Label41, Label42,
                            Label43, Label44, Label45, Label46, Label47, Label48, Label49, Label52, Label54,
                            Label55, Label56, Label60, Label61, Label62, Label63, Label64, Label65, Label66,
                            Label67, Label68})
        l->hide();
    // Shown by the set-up option or after a print.
    for (QWidget* w : std::initializer_list<QWidget*>{Label27, Label29, Label30, Label50, Label51, Label53, Text1,
                                                      Text3, Shape12, Label59, Command21})
        w->hide();

    Combo2->setEnabled(false);
    Command1->setEnabled(false);
    setBillButtons(false);
}

void Form6::wireHandlers()
{
    using forms::ComboBox;
    using forms::CommandButton;
    using forms::OptionButton;
    forms::on(Combo1, &ComboBox::Click, this, &Form6::Combo1_Click);
    forms::on(Combo2, &ComboBox::Click, this, &Form6::Combo2_Click);
    forms::on(Combo3, &ComboBox::Click, this, &Form6::Combo3_Click);
    forms::on(Command1, &CommandButton::Click, this, &Form6::Command1_Click);

    forms::on(Option1, &OptionButton::Click, this, &Form6::Option1_Click);
    forms::on(Option2, &OptionButton::Click, this, &Form6::Option2_Click);
    forms::on(Command2, &CommandButton::Click, this, &Form6::Command2_Click);
    forms::on(Command15, &CommandButton::Click, this, &Form6::Command15_Click);
    forms::on(Command17, &CommandButton::Click, this, &Form6::Command17_Click);
    forms::on(Command18, &CommandButton::Click, this, &Form6::Command18_Click);

    forms::on(Command3, &CommandButton::Click, this, &Form6::Command3_Click);
    forms::on(Command7, &CommandButton::Click, this, &Form6::Command7_Click);
    forms::on(Command4, &CommandButton::Click, this, &Form6::Command4_Click);
    forms::on(Command5, &CommandButton::Click, this, &Form6::Command5_Click);
    forms::on(Command6, &CommandButton::Click, this, &Form6::Command6_Click);
    forms::on(Command13, &CommandButton::Click, this, &Form6::Command13_Click);
    forms::on(Command14, &CommandButton::Click, this, &Form6::Command14_Click);
    forms::on(Command19, &CommandButton::Click, this, &Form6::Command19_Click);
    forms::on(Command12, &CommandButton::Click, this, &Form6::Command12_Click);
    forms::on(Command9, &CommandButton::Click, this, &Form6::Command9_Click);

    forms::on(Command16, &CommandButton::Click, this, &Form6::Command16_Click);
    forms::on(Command8, &CommandButton::Click, this, &Form6::Command8_Click);
    forms::on(Command10, &CommandButton::Click, this, &Form6::Command10_Click);
    forms::on(Command11, &CommandButton::Click, this, &Form6::Command11_Click);
    forms::on(Command20, &CommandButton::Click, this, &Form6::Command20_Click);
    forms::on(Command21, &CommandButton::Click, this, &Form6::Command21_Click);
    forms::on(Timer1, &forms::Timer::Tick, this, &Form6::Timer1_Timer);
}

void Form6::setBillButtons(bool on)
{
    for (forms::CommandButton* b : {Command2, Command3, Command4, Command5, Command6, Command7, Command8,
                                    Command10, Command11, Command12, Command13, Command14, Command15, Command16,
                                    Command17, Command18, Command19, Command20})
        b->setEnabled(on);
}

QDate Form6::billDate() const
{
    return Combo1->currentData().toDate();
}

QString Form6::drawalCode() const
{
    return Combo2->currentData().toString();
}

void Form6::Form_Load()
{
    mSalaryDb.open();
    mFundDb.open();

    // Bill dates, each carrying its date so the choice never depends on how it is written.
    data::QueryRecordset dates(*mSalaryDb,
                               QStringLiteral("SELECT DISTINCT bill_date FROM salary"
                                              " WHERE bill_date IS NOT NULL ORDER BY bill_date"));
    for (; !dates.eof(); dates.moveNext()) {
        const QDate d = dates.field("bill_date").toDate();
        Combo1->addItem(vb::shortDate(d), d);
    }

    // Salary heads: drawal codes ending in 01. The drawal code rides with the
    // description, since two heads may share a description.
    data::QueryRecordset heads(*mFundDb,
                               QStringLiteral("SELECT description, drawal_code FROM head"
                                              " WHERE drawal_code LIKE '%01' ORDER BY rowid"));
    for (; !heads.eof(); heads.moveNext())
        Combo2->addItem(heads.field("description").text(), heads.field("drawal_code").text());

    const QDate start = common::financialYearStart(forms::Clock::today());
    Label26->setCaption(vb::shortDate(start));
    Label67->setCaption(QString::number(start.year()));
    Label68->setCaption(QString::number(start.year() + 1));
    Label58->setCaption(Label67->caption() + QLatin1Char('-') + Label68->caption());

    data::QueryRecordset estt(*mFundDb, QStringLiteral("SELECT ddo_code, degn, dist FROM estt ORDER BY rowid"));
    for (; !estt.eof(); estt.moveNext())
        Combo3->addItem(estt.field("ddo_code").text(), estt.field("ddo_code").text());
    // With no office particulars there is no office to show; the labels stay empty.
    Label10->setCaption(QString());
    if (estt.recordCount() > 0) {
        estt.moveFirst();
        Label10->setCaption(officeLine(estt));
        Label12->setCaption(estt.field("ddo_code").text());
    }

    Label8->setBackColor(kTitleColour);
    for (forms::Label* l : {Label26, Label28, Label57, Label58})
        l->setBackColor(kYearColour);
    Combo3->setBackColor(kYearColour);
    forms::setBackColor(Option1, kYearColour);
    forms::setBackColor(Option2, kYearColour);

    Timer1->setEnabled(false);
}

void Form6::Combo1_Click()
{
    Combo2->setEnabled(true);
    for (forms::Label* l : {Label6, Label7, Label16, Label18, Label9})
        l->setCaption(QString());
    Text2->setText(QString());
    Combo2->setListIndex(-1);
    // The working tables still hold the previous bill: nothing may act on them
    // until a head of this date has been chosen and activated.
    Command1->setEnabled(false);
    setBillButtons(false);
}

void Form6::Combo2_Click()
{
    setBillButtons(false);

    data::QueryRecordset head(fundDb(),
                              QStringLiteral("SELECT drawal_code, code_category FROM head"
                                             " WHERE drawal_code = ? ORDER BY rowid"),
                              {drawalCode()});
    if (head.eof())
        throw vb::Error(vb::NoCurrentRecord,
                        QStringLiteral("The head %1 is no longer in the heads of account.").arg(Combo2->text()));
    Text2->setText(head.field("code_category").text());
    Label7->setCaption(head.field("drawal_code").text());

    const QDate date = billDate();
    Label6->setCaption(common::payMonth(date).toUpper());

    Command1->setEnabled(true);
    if (!Label9->caption().isEmpty())
        Label9->setCaption(QString());

    if (auto billNo = registeredBillNo(fundDb(), date, Label7->caption())) {
        Label16->setCaption(vb::cstr(*billNo));
        return;
    }

    // Until the bill is entered and the head chosen again, this head has no
    // bill number; a number left from the previous head would be wrong.
    Label16->setCaption(QStringLiteral("NIL"));
    const QString question = QStringLiteral("NO BILL FOUND FOR THIS BILL DATE UNDER ") + Combo2->text()
                             + QStringLiteral(" \nIN BILL REGISTER. EITHER THIS BILL NOT YET ENTERED"
                                              "\nOR HEAD OF ACCOUNT IS NOT MATCHING WITH BILL DATE"
                                              "\nDO YOU WANT TO ENTER BILL NUMBER NOW?");
    if (forms::Dialogs::msgBox(question, forms::vbYesNo, QStringLiteral("Missing Bill No Alert.")) != forms::vbYes)
        return;

    const auto totals = headTotals(salaryDb(), date, Text2->text());
    if (!totals) {
        forms::Dialogs::msgBox(QStringLiteral("NO RECORD FOUND IN ") + Combo2->text().toUpper()
                                   + QStringLiteral(" HEAD ON ") + Combo1->text() + QStringLiteral("\n\n"),
                               forms::vbOKOnly, QStringLiteral("PLEASE NOTE"));
        return;
    }
    Label61->setCaption(vb::cstr(totals->pay));
    Label62->setCaption(vb::cstr(totals->da));
    Label63->setCaption(vb::cstr(totals->hra));
    Label64->setCaption(vb::cstr(totals->maOa));
    Label65->setCaption(vb::cstr(totals->dPay));
    Label66->setCaption(vb::cstr(totals->deduct));
    Label61->setProperty(common::kTotalsHeadProperty, Label7->caption());
    Label61->setProperty(common::kTotalsBillDateProperty, date);
    Label61->setProperty(common::kTotalsBonusProperty, totals->bonus);
    if (forms::Forms::isRegistered(QStringLiteral("Form1")))
        forms::Forms::get(QStringLiteral("Form1")).show();
}

void Form6::Form_Activate()
{
    lookUpBillNoAgain();
}

void Form6::lookUpBillNoAgain()
{
    // Only a chosen head still waiting for its bill: the register is the one
    // place a number comes from, and a number once found stays.
    if (Label7->caption().isEmpty() || Label16->caption() != QLatin1String("NIL"))
        return;
    if (auto billNo = registeredBillNo(fundDb(), billDate(), Label7->caption()))
        Label16->setCaption(vb::cstr(*billNo));
}

void Form6::Combo3_Click()
{
    data::QueryRecordset estt(fundDb(),
                              QStringLiteral("SELECT ddo_code, degn, dist FROM estt WHERE ddo_code = ?"
                                             " ORDER BY rowid"),
                              {Combo3->text()});
    if (estt.eof())
        return;
    Label10->setCaption(officeLine(estt));
    Label12->setCaption(estt.field("ddo_code").text());
}

void Form6::Command1_Click()
{
    lookUpBillNoAgain();
    ActivationResult result;
    try {
        result = activateBill(salaryDb(), billDate(), Text2->text());
    } catch (const std::exception& e) {
        const forms::Failure f = forms::describeFailure(QStringLiteral("Command1_Click"), e, QStringLiteral("ACTIVATE NOW"));
        forms::Dialogs::msgBox(f.text + QStringLiteral("\nThe working tables of the bill are left as they were."),
                               forms::vbCritical, QString(), f.details);
        return;
    }

    Label18->setCaption(QString::number(result.employees));
    Label22->setCaption(vb::cstr(result.split.sf83));
    Label23->setCaption(vb::cstr(result.split.if83));
    Label24->setCaption(vb::cstr(result.split.if87));
    Label25->setCaption(vb::cstr(result.split.sf87));
    if (result.rows == 0) {
        forms::Dialogs::msgBox(QStringLiteral("BILL DATE NOT MATCHING WITH SALARY HEAD.\nNOTHING TO DISPLAY."),
                               forms::vbOKOnly);
        return;
    }

    Command1->setEnabled(false);
    setBillButtons(true);
    Label9->setCaption(QStringLiteral("PREVIEW SCHEDULE AND PRINT ONE BY ONE"));
    Label20->setCaption(QStringLiteral("PREVIEW PAY BILL SHEET AND PRINT"));
    Label21->setCaption(QStringLiteral("PRINT WITHOUT PREVIEW"));
}

} // namespace paybill
