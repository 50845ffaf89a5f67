#include "allotment/head_form.h"

#include "allotment/head_upkeep.h"
#include "common/pay_month.h"
#include "common/schema.h"
#include "platform/data/data_control.h"
#include "platform/data/database.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QGridLayout>
#include <QSqlRecord>
#include <QHeaderView>
#include <QTableView>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace allotment {

namespace {

data::Database& fund()
{
    return data::Database::open(common::kFundDb);
}

} // namespace

Form14::Form14() : forms::Form(QStringLiteral("17-DIGIT CODE"))
{

    Data1 = new data::DataControl(this);
    Data1->setObjectName("Data1");
    Data1->setDatabaseName(common::kFundDb);
    // The row id goes along so that DELETE removes exactly the row shown.
    Data1->setRecordSource("select rowid as row_id, drawal_code, description, code_category "
                           "from head order by rowid");

    Label1 = new forms::Label("Label1", " 17-DIGIT DRAWAL CODE :- ", this);
    Label2 = new forms::Label("Label2", " SHORT DESCRIPTION OF HEAD :-", this);
    Label3 = new forms::Label("Label3", "CATEGORY:", this);
    Text1 = new forms::TextBox("Text1", this);
    Text2 = new forms::TextBox("Text2", this);
    Text3 = new forms::TextBox("Text3", this);
    Text1->setDataSource(Data1, "drawal_code");
    Text2->setDataSource(Data1, "description");
    Text3->setDataSource(Data1, "code_category");

    Label4 = new forms::Label("Label4", " CURRENT FINANCIAL YEAR :-", this);
    Label5 = new forms::Label("Label5", QString(), this);
    Label7 = new forms::Label("Label7", "--", this);
    Label6 = new forms::Label("Label6", QString(), this);
    Label9 = new forms::Label("Label9", " FINANCIAL YEAR STARTED  FROM :", this);
    Label8 = new forms::Label("Label8", QString(), this);

    DBGrid1 = new forms::DataGrid("DBGrid1", this);
    DBGrid1->setCaption("PREVIEW REPORT");
    DBGrid1->setDataSource(Data1);
    DBGrid1->setColumns({{"DRAWAL CODE", "drawal_code"},
                         {"DESCRIPTION", "description"},
                         {"CATEGORY", "code_category"}});
    DBGrid1->view()->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    Command1 = new forms::CommandButton("Command1", "OK", this);
    Command2 = new forms::CommandButton("Command2", "ADD NEW", this);
    Command3 = new forms::CommandButton("Command3", "CANCEL", this);
    Command4 = new forms::CommandButton("Command4", "DELETE", this);
    Command5 = new forms::CommandButton("Command5", "CLOSE", this);

    auto* boxes = new QGridLayout;
    boxes->addWidget(Label1, 0, 0);
    boxes->addWidget(Text1, 0, 1);
    boxes->addWidget(Label2, 1, 0);
    boxes->addWidget(Text2, 1, 1);
    boxes->addWidget(Label3, 2, 0);
    boxes->addWidget(Text3, 2, 1);

    auto* year = new QHBoxLayout;
    year->addWidget(Label4);
    year->addWidget(Label5);
    year->addWidget(Label7);
    year->addWidget(Label6);
    year->addSpacing(20);
    year->addWidget(Label9);
    year->addWidget(Label8);
    year->addStretch();

    // OK shares the place of ADD NEW and CANCEL that of DELETE: only one of
    // each pair is shown at a time.
    auto* buttons = new QGridLayout;
    buttons->addWidget(Command2, 0, 0);
    buttons->addWidget(Command1, 0, 0);
    buttons->addWidget(Command4, 1, 0);
    buttons->addWidget(Command3, 1, 0);
    buttons->addWidget(Command5, 2, 0);
    buttons->setRowStretch(3, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(boxes, 1);
    top->addLayout(buttons);

    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addLayout(year);
    main->addWidget(DBGrid1, 1);
    resize(760, 480);

    forms::on(Command1, &forms::CommandButton::Click, this, &Form14::Command1_Click);
    forms::on(Command2, &forms::CommandButton::Click, this, &Form14::Command2_Click);
    forms::on(Command3, &forms::CommandButton::Click, this, &Form14::Command3_Click);
    forms::on(Command4, &forms::CommandButton::Click, this, &Form14::Command4_Click);
    forms::on(Command5, &forms::CommandButton::Click, this, &Form14::Command5_Click);
    forms::on(Text2, &forms::TextBox::LostFocus, this, &Form14::saveBoxEdits);
    forms::on(Text3, &forms::TextBox::LostFocus, this, &Form14::saveBoxEdits);
    connect(Data1, &data::DataControl::currentRowChanged, this, [this] {
        if (!mAdding)
            showCurrentHead();
    });
}

void Form14::Form_Load()
{
    fund();
    Data1->refresh();
    mYearStart = common::financialYearStart(forms::Clock::today());
    Label8->setCaption(vb::shortDate(mYearStart));
    Label5->setCaption(QString::number(mYearStart.year()));
    Label6->setCaption(QString::number(mYearStart.year() + 1));
    showbuttons();
    showCurrentHead();
}

void Form14::Form_Unload()
{
    forms::dispatch("Form_Unload", [this] { saveBoxEdits(); });
}

void Form14::Command2_Click()
{
    if (mAdding)
        return;
    mAdding = true;
    hidebuttons();
    showCurrentHead();
    Text1->setFocus();
}

void Form14::Command1_Click()
{
    // Reachable only while a new head is being entered.
    if (!mAdding)
        return;
    const HeadEntry entry{Text1->text(), Text2->text(), Text3->text()};
    data::Database& db = fund();
    if (const auto refusal = refuseNewHead(db, entry)) {
        forms::Dialogs::msgBox(refusal->message, forms::vbInformation, "PLEASE NOTE");
        forms::TextBox* box = refusal->box == Refusal::DrawalCode ? Text1
            : refusal->box == Refusal::Description                ? Text2
                                                                  : Text3;
        box->setFocus();
        box->selectAll();
        return;
    }
    try {
        addHead(db, entry, mYearStart);
    } catch (const vb::Error&) {
        // Nothing of the head was kept: the opening rows went with it.
        forms::Dialogs::msgBox("X");
        mAdding = false;
        showbuttons();
        showCurrentHead();
        return;
    }
    mAdding = false;
    showbuttons();
    Data1->refresh();
    selectHead(trimmed(entry).drawalCode);
}

void Form14::Command3_Click()
{
    if (!mAdding)
        return;
    mAdding = false;
    showbuttons();
    showCurrentHead();
}

void Form14::Command4_Click()
{
    if (mAdding || Data1->currentRow() < 0)
        return;
    // One click loses the head: asked first, and Enter or Esc keeps it.
    const QString code = Data1->value("drawal_code").toString();
    const QString description = Data1->value("description").toString();
    if (!forms::Dialogs::confirm(QStringLiteral("DELETE HEAD %1 (%2) ?").arg(code, description),
                                 QStringLiteral("PLEASE NOTE")))
        return;
    fund().execute("delete from head where rowid = ?", {Data1->value("row_id")});
    // The form stays on no row, as after any delete: the next DELETE has
    // nothing to act on until a head is chosen.
    Data1->refresh();
    Data1->setCurrentRow(-1);
}

void Form14::Command5_Click()
{
    unload();
}

void Form14::hidebuttons()
{
    Command2->setVisible(false);
    Command4->setVisible(false);
    Command1->setVisible(true);
    Command3->setVisible(true);
}

void Form14::showbuttons()
{
    Command1->setVisible(false);
    Command3->setVisible(false);
    Command2->setVisible(true);
    Command4->setVisible(true);
}

void Form14::showCurrentHead()
{
    const bool current = Data1->currentRow() >= 0;
    if (mAdding) {
        Text1->clear();
        Text2->clear();
        Text3->clear();
    } else {
        Text1->setText(Data1->value("drawal_code").toString());
        Text2->setText(Data1->value("description").toString());
        Text3->setText(Data1->value("code_category").toString());
    }
    // A saved head's code is the key of its register rows and is never typed over.
    Text1->setLocked(!mAdding);
    Text2->setLocked(!mAdding && !current);
    Text3->setLocked(!mAdding && !current);
    DBGrid1->setEnabled(!mAdding);
}

void Form14::saveBoxEdits()
{
    if (mAdding || Data1->currentRow() < 0)
        return;
    const QString code = Data1->value("drawal_code").toString();
    const HeadEntry entry = trimmed({code, Text2->text(), Text3->text()});
    if (entry.description == Data1->value("description").toString()
        && entry.category == Data1->value("code_category").toString())
        return;
    data::Database& db = fund();
    if (const auto refusal = refuseHeadChange(db, code, entry)) {
        forms::Dialogs::msgBox(refusal->message, forms::vbInformation, "PLEASE NOTE");
        showCurrentHead();
        return;
    }
    const int row = Data1->currentRow();
    changeHead(db, code, entry);
    Data1->refresh();
    Data1->setCurrentRow(row);
}

void Form14::selectHead(const QString& drawalCode)
{
    int found = -1;
    for (int row = 0; row < Data1->rowCount() && found < 0; ++row) {
        if (Data1->record(row).value("drawal_code").toString() == drawalCode)
            found = row;
    }
    Data1->setCurrentRow(found);
}

} // namespace allotment
