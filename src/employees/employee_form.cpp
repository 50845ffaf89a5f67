#include "employees/employee_form.h"

#include "common/amounts.h"
#include "common/free_text.h"
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace employees {

using namespace forms;

namespace {

enum class Kind { Text, Number, Date };

struct Field {
    const char* name;
    const char* caption;
    Kind kind;
};

// Text2 .. Text22 in this order.
const Field kFields[] = {
    {"name", "NAME", Kind::Text},
    {"designation", "DESIGNATION", Kind::Text},
    {"scale", "SCALE OF PAY", Kind::Text},
    {"acc_no", "GPF A/C NUMBER", Kind::Text},
    {"pay_band", "PAY BAND", Kind::Text},
    {"pay_band_scale", "PAY BAND SCALE", Kind::Text},
    {"category", "CATEGORY", Kind::Text},
    {"bank_ac", "BANK A/C", Kind::Text},
    {"hra_type", "H.R.A. TYPE", Kind::Text},
    {"health_sch", "HEALTH SCHEME", Kind::Text},
    {"b_pay", "BASIC PAY", Kind::Number},
    {"grade_pay", "GRADE PAY", Kind::Number},
    {"hra", "FIXED H.R.A.", Kind::Number},
    {"oa", "OTHER ALLOWANCES", Kind::Number},
    {"gpf_subs", "GPF SUBSCRIPTION", Kind::Number},
    {"i_fund", "INSURANCE FUND", Kind::Number},
    {"s_fund", "SAVINGS FUND", Kind::Number},
    {"pan", "PAN", Kind::Text},
    {"grp", "G.I.S. GROUP", Kind::Text},
    {"effect_date", "DATE OF EFFECT", Kind::Date},
    {"basic", "PAY + GRADE PAY", Kind::Number},
};
constexpr int kBasic = 20; // index of "basic": worked out, never typed
constexpr int kName = 0;
constexpr int kBPay = 10;

const QString kHi = QStringLiteral("Hi");

bool isEmployeeCode(const QString& code)
{
    static const QRegularExpression re(QStringLiteral("^[A-Z][0-9]{2,3}$"));
    return re.match(code).hasMatch();
}

// Whether some head of account pays the staff whose codes begin with this letter.
bool headPaysLetter(const QString& letter)
{
    data::QueryRecordset rs(data::Database::open(QString::fromLatin1(common::kFundDb)),
                            QStringLiteral("select count(*) as nos from head where code_category = ?"), {letter});
    return rs.field(QStringLiteral("nos")).number() > 0;
}

} // namespace

Employee::Employee() : forms::Form(QStringLiteral("EMPLOYEE DATABASE"))
{
    buildControls();
    on(Text1, &TextBox::Change, this, &Employee::Text1_Change);
    on(Text1, &TextBox::KeyUp, this, &Employee::Text1_KeyUp);
    on(Command1, &CommandButton::Click, this, &Employee::Command1_Click);
    on(Command2, &CommandButton::Click, this, &Employee::Command2_Click);
    on(Command3, &CommandButton::Click, this, &Employee::Command3_Click);
    on(Command4, &CommandButton::Click, this, &Employee::Command4_Click);
    on(Command5, &CommandButton::Click, this, &Employee::Command5_Click);
    on(Label49, &Label::Click, this, &Employee::Label49_Click);
}

Employee::~Employee() = default;

void Employee::buildControls()
{
    auto* grid = new QGridLayout;
    Text1 = new TextBox(QStringLiteral("Text1"), this);
    Text1->setEntryBox(true);
    grid->addWidget(new QLabel(QStringLiteral("EMPLOYEE CODE"), this), 0, 0);
    grid->addWidget(Text1, 0, 1);
    int i = 2;
    for (const Field& f : kFields) {
        auto* box = new TextBox(QStringLiteral("Text%1").arg(i), this);
        box->setEntryBox(true);
        mFieldBoxes << box;
        const int r = (i - 1) / 2, c = ((i - 1) % 2) * 2;
        grid->addWidget(new QLabel(QString::fromLatin1(f.caption), this), r, c);
        grid->addWidget(box, r, c + 1);
        ++i;
    }
    mFieldBoxes[kBasic]->setLocked(true);

    Command1 = new CommandButton(QStringLiteral("Command1"), QStringLiteral("NEW CODE"), this);
    Command2 = new CommandButton(QStringLiteral("Command2"), QStringLiteral("FIND"), this);
    Command3 = new CommandButton(QStringLiteral("Command3"), QStringLiteral("SAVE"), this);
    Command4 = new CommandButton(QStringLiteral("Command4"), QStringLiteral("CANCEL"), this);
    Label49 = new Label(QStringLiteral("Label49"), QStringLiteral(" QUICK SEARCH AN EXISTING CODE"), this);
    // A link: it takes the clerk to the single-click form.
    Label49->setCursor(Qt::PointingHandCursor);
    QFont link = Label49->font();
    link.setUnderline(true);
    Label49->setFont(link);
    Label49->setForeColor(Qt::blue);
    Command5 = new CommandButton(QStringLiteral("Command5"), QStringLiteral("CLOSE"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label49);
    buttons->addStretch();
    for (QWidget* b : {Command1, Command2, Command3, Command4, Command5})
        buttons->addWidget(b);

    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addLayout(buttons);
}

void Employee::Form_Load()
{
    data::Database& db = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    mEmployee = std::make_unique<data::TableRecordset>(db, QStringLiteral("employee"));
    mEmployee->setIndex(QStringLiteral("ec"));
    Text1_Change();
}

void Employee::Text1_Change()
{
    // Details found for one code must not stay beside another (SAVE would
    // then write them under the new code).
    if (!mShownCode.isEmpty() && Text1->text().trimmed().compare(mShownCode, Qt::CaseInsensitive) != 0)
        clearBoxes();
    const bool code = !Text1->text().isEmpty();
    Command2->setEnabled(code);
    Command3->setEnabled(code);
    Command4->setEnabled(code);
    Command1->setEnabled(!code);
}

void Employee::Text1_KeyUp(int keyCode)
{
    if (keyCode == vbKeyReturn && Command2->isEnabled())
        Command2_Click();
}

void Employee::clearBoxes()
{
    for (TextBox* b : mFieldBoxes)
        b->clear();
    mShownCode.clear();
}

void Employee::Command1_Click()
{
    clearBoxes();
    Text1->clear();
    Text1->setFocus();
}

void Employee::Command2_Click()
{
    const QString code = Text1->text().trimmed();
    mEmployee->seek(QStringLiteral("="), code);
    if (mEmployee->noMatch()) {
        clearBoxes();
        Dialogs::msgBox(QStringLiteral("EMPLOYEE CODE NOT FOUND."), vbInformation, kHi);
        Text1->setFocus();
        return;
    }
    int i = 0;
    for (const Field& f : kFields) {
        const data::FieldValue v = mEmployee->get(QString::fromLatin1(f.name));
        mFieldBoxes[i++]->setText(f.kind == Kind::Date && !v.isNull() ? vb::shortDate(v.toDate()) : v.text());
    }
    mShownCode = code;
}

void Employee::Command3_Click()
{
    const QString code = Text1->text().trimmed();
    if (!isEmployeeCode(code)) {
        Dialogs::msgBox(QStringLiteral("EMPLOYEE CODE MUST BE ONE CAPITAL LETTER AND A NUMBER, 3 OR 4 CHARACTERS."),
                        vbInformation, kHi);
        Text1->setFocus();
        return;
    }
    // Every box is read before anything is written.
    QVariantList values;
    for (int i = 0; i < mFieldBoxes.size(); ++i) {
        const QString t = mFieldBoxes[i]->text().trimmed();
        switch (kFields[i].kind) {
        case Kind::Text: {
            const common::TextRead read =
                common::readText(t, QStringLiteral("employee"), QString::fromLatin1(kFields[i].name));
            if (!read.ok()) {
                Dialogs::msgBox(read.refusal(QString::fromLatin1(kFields[i].caption)), vbInformation, kHi);
                mFieldBoxes[i]->setFocus();
                return;
            }
            values << read.text;
            break;
        }
        case Kind::Number: {
            if (i == kBasic) { // worked out below
                values << 0.0;
                break;
            }
            const vb::AmountRead a = vb::readAmount(t, common::kSalaryPart);
            if (!a.ok()) {
                // Salary rows keep whole paise: a finer figure would be paid as another one.
                Dialogs::msgBox(QString::fromLatin1(kFields[i].caption)
                                    + (a.fault == vb::AmountFault::TooManyDecimals
                                           ? QStringLiteral(" IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT")
                                           : QStringLiteral(" MUST BE A NUMBER")),
                                vbInformation, kHi);
                mFieldBoxes[i]->setFocus();
                return;
            }
            values << a.value;
            break;
        }
        case Kind::Date:
            if (!t.isEmpty() && !vb::isDate(t)) {
                Dialogs::msgBox(QStringLiteral("THIS IS NOT A VALID DATE"), vbInformation, kHi);
                mFieldBoxes[i]->setFocus();
                return;
            }
            values << (t.isEmpty() ? QVariant() : QVariant(vb::cdate(t)));
            break;
        }
    }
    values[kBasic] = values[kBPay].toDouble() + values[11].toDouble(); // b_pay + grade_pay

    mEmployee->seek(QStringLiteral("="), code);
    const bool exists = !mEmployee->noMatch();
    if (exists && code.compare(mShownCode, Qt::CaseInsensitive) != 0) {
        // Another employee's row: the boxes were not filled from it.
        Dialogs::msgBox(QStringLiteral("THIS EMPLOYEE CODE ALREADY EXISTS. FIND IT BEFORE YOU CHANGE IT."),
                        vbInformation, kHi);
        Text1->setFocus();
        return;
    }
    // A new employee without a name or pay would enter every bill as a blank row.
    if (!exists && values[kName].toString().isEmpty()) {
        Dialogs::msgBox(QStringLiteral("ENTER THE NAME OF THE EMPLOYEE."), vbInformation, kHi);
        mFieldBoxes[kName]->setFocus();
        return;
    }
    if (!exists && values[kBPay].toDouble() <= 0) {
        Dialogs::msgBox(QStringLiteral("BASIC PAY MUST BE ABOVE 0."), vbInformation, kHi);
        mFieldBoxes[kBPay]->setFocus();
        return;
    }
    if (!headPaysLetter(code.left(1))) {
        const QString question = QStringLiteral("NO HEAD OF ACCOUNT HAS THE CODE CATEGORY ") + code.left(1)
            + QStringLiteral(",\nSO THIS EMPLOYEE WILL BE IN NO PAY BILL.\n\nSAVE THE RECORD ANYWAY?");
        if (Dialogs::msgBox(question, vbYesNo + vbQuestion, kHi) != vbYes) {
            Text1->setFocus();
            return;
        }
    }
    if (exists) {
        mEmployee->edit();
    } else {
        mEmployee->addNew();
        mEmployee->set(QStringLiteral("emp_code"), code);
    }
    try {
        for (int i = 0; i < mFieldBoxes.size(); ++i)
            mEmployee->set(QString::fromLatin1(kFields[i].name), values[i]);
        mEmployee->update();
    } catch (...) {
        mEmployee->cancelUpdate();
        throw;
    }
    mFieldBoxes[kBasic]->setText(vb::cstr(values[kBasic].toDouble()));
    mShownCode = code;
    Dialogs::msgBox(QStringLiteral("RECORD SAVED."), vbInformation, kHi);
}

void Employee::Command4_Click()
{
    clearBoxes();
    Text1->clear();
    Text1->setFocus();
}

void Employee::Command5_Click()
{
    Forms::unload(*this);
}

void Employee::Label49_Click()
{
    Forms::unload(*this);
    Form& quick = Forms::get(QStringLiteral("Form9"));
    Forms::show(quick);
    quick.control<TextBox>(QStringLiteral("Text7")).setFocus();
    quick.control<CommandButton>(QStringLiteral("Command4")).setVisible(false);
}

} // namespace employees
