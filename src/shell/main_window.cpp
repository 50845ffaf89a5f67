#include "shell/main_window.h"

#include "payslip/pay_slip_form.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/registry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>

namespace shell {

using namespace forms;

namespace {
Platform* gInstance = nullptr;
}

Platform& Platform::instance()
{
    if (!gInstance)
        gInstance = new Platform;
    return *gInstance;
}

bool Platform::exists()
{
    return gInstance != nullptr;
}

Platform::Platform()
{
    setObjectName(QStringLiteral("Platform"));
    setWindowTitle(QStringLiteral("DOSSET - ESTABLISHMENT PAY ROLL AND ACCOUNTS"));
    setAttribute(Qt::WA_DeleteOnClose);
    mArea = new QMdiArea(this);
    mArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mArea);
    Forms::setMdiArea(mArea);

    QMenu* employee = menuBar()->addMenu(QStringLiteral("&Employee"));
    item(employee, QStringLiteral("mnuemp"), QStringLiteral("Employee Database"), QStringLiteral("Employee"));
    item(employee, QStringLiteral("mnuquick"), QStringLiteral("Quick View"), QStringLiteral("Status"));

    QMenu* salary = menuBar()->addMenu(QStringLiteral("&Salary"));
    item(salary, QStringLiteral("mnuregular"), QStringLiteral("Regular Salary Bill"), QStringLiteral("SALARY"));
    item(salary, QStringLiteral("mnucas"), QStringLiteral("CAS Bill"), QStringLiteral("form5"));
    item(salary, QStringLiteral("mnuirregular"), QStringLiteral("Irregular Salary Bill"), QStringLiteral("Form11"));

    QMenu* accounts = menuBar()->addMenu(QStringLiteral("&Accounts"));
    item(accounts, QStringLiteral("mnuallot"), QStringLiteral("Allotment"), QStringLiteral("Form1"));
    item(accounts, QStringLiteral("mnuhead"), QStringLiteral("New head"), QStringLiteral("Form14"));
    item(accounts, QStringLiteral("mnufin"), QStringLiteral("Financial"), QStringLiteral("Form4"));
    item(accounts, QStringLiteral("mnuchq"), QStringLiteral("Cheque entry"), &Platform::mnuchq_Click,
         QStringLiteral("Form8"));
    item(accounts, QStringLiteral("mnugpfcalc"), QStringLiteral("GPF Calculation"), &Platform::mnugpfcalc_Click,
         QStringLiteral("gpf_ac"));

    QMenu* report = menuBar()->addMenu(QStringLiteral("&Report"));
    QMenu* salaryReport = report->addMenu(QStringLiteral("Salary Report"));
    QMenu* individual = salaryReport->addMenu(QStringLiteral("Individual"));
    item(individual, QStringLiteral("mnupsl"), QStringLiteral("Pay Slip"), &Platform::mnupsl_Click,
         QStringLiteral("Form8"));
    item(individual, QStringLiteral("mnupst"), QStringLiteral("Pay statement"), &Platform::mnupst_Click,
         QStringLiteral("Form15"));
    item(salaryReport, QStringLiteral("mnuchkslp"), QStringLiteral("Cheque Slip"), &Platform::mnuchkslp_Click,
         QStringLiteral("Form8"));
    item(salaryReport, QStringLiteral("mnugro"), QStringLiteral("Headwise"), &Platform::mnugro_Click,
         QStringLiteral("Form6"));

    QMenu* exit = menuBar()->addMenu(QStringLiteral("E&xit"));
    item(exit, QStringLiteral("mnuyes"), QStringLiteral("YES"), &Platform::mnuyes_Click);
    // "NO" only closes the menu.
    mItems.insert(QStringLiteral("mnuno"), exit->addAction(QStringLiteral("NO")));
    mItems.value(QStringLiteral("mnuno"))->setObjectName(QStringLiteral("mnuno"));
}

Platform::~Platform()
{
    Forms::setMdiArea(nullptr);
    gInstance = nullptr;
}

QAction* Platform::item(QMenu* menu, const QString& name, const QString& caption, const QString& form)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    // A form not built into this program leaves its item greyed.
    a->setEnabled(Forms::isRegistered(form));
    connect(a, &QAction::triggered, this, [this, name, form] {
        dispatch(name + QStringLiteral("_Click"), [&] { showForm(form); });
    });
    mItems.insert(name, a);
    return a;
}

QAction* Platform::item(QMenu* menu, const QString& name, const QString& caption, void (Platform::*handler)(),
                        const QString& form)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(form.isEmpty() || Forms::isRegistered(form));
    connect(a, &QAction::triggered, this, [this, name, handler] {
        dispatch(name + QStringLiteral("_Click"), [&] { (this->*handler)(); });
    });
    mItems.insert(name, a);
    return a;
}

void Platform::showForm(const QString& form)
{
    Forms::show(Forms::get(form));
}

void Platform::mnugro_Click()
{
    showForm(QStringLiteral("Form6"));
}

// Each of the three commands shows the pay-slip and cheque form in its own mode.
void Platform::mnupsl_Click()
{
    showForm(QStringLiteral("Form8"));
    Forms::get<payslip::Form8>().setMode(payslip::Form8::Mode::PaySlip);
}

void Platform::mnuchq_Click()
{
    showForm(QStringLiteral("Form8"));
    Forms::get<payslip::Form8>().setMode(payslip::Form8::Mode::ChequeEntry);
}

void Platform::mnuchkslp_Click()
{
    showForm(QStringLiteral("Form8"));
    Forms::get<payslip::Form8>().setMode(payslip::Form8::Mode::ChequeSlip);
}

void Platform::mnupst_Click()
{
    showForm(QStringLiteral("Form15"));
}

void Platform::mnugpfcalc_Click()
{
    showForm(QStringLiteral("gpf_ac"));
}

void Platform::mnuyes_Click()
{
    Dialogs::msgBox(QStringLiteral("Thank you for keeping the office's accounts with Dosset."), vbInformation,
                    QStringLiteral("GOOD BYE"));
    mClosing = true;
    Forms::unloadAll();
    close();
    // Report previews are windows of their own; the program ends with them.
    QApplication::closeAllWindows();
    QApplication::quit();
}

void Platform::closeEvent(QCloseEvent* e)
{
    if (!mClosing) {
        // The window's close box goes the same way as Exit, YES.
        if (Dialogs::msgBox(QStringLiteral("DO YOU WANT TO EXIT?"), vbYesNo + vbQuestion, QStringLiteral("EXIT"))
            != vbYes) {
            e->ignore();
            return;
        }
        mClosing = true;
        Forms::unloadAll();
        QApplication::closeAllWindows();
        QApplication::quit();
    }
    e->accept();
}

} // namespace shell
