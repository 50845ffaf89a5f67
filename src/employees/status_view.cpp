#include "employees/status_view.h"

#include "common/schema.h"
#include "platform/data/data_control.h"
#include "platform/forms/data_grid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace employees {

Status::Status() : forms::Form(QStringLiteral("QUICK VIEW"))
{
    Data1 = new data::DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));
    DBGrid1 = new forms::DataGrid(QStringLiteral("DBGrid1"), this);
    DBGrid1->setCaption(QStringLiteral("EMPLOYEE STATUS"));
    DBGrid1->setColumns({
        {QStringLiteral("EMP CODE"), QStringLiteral("emp_code")},
        {QStringLiteral("NAME"), QStringLiteral("name")},
        {QStringLiteral("DESIGNATION"), QStringLiteral("designation")},
        {QStringLiteral("SCALE OF PAY"), QStringLiteral("scale")},
        {QStringLiteral("BASIC PAY"), QStringLiteral("b_pay")},
        {QStringLiteral("GRADE PAY"), QStringLiteral("grade_pay")},
        {QStringLiteral("CATEGORY"), QStringLiteral("category")},
    });
    auto* page = new QVBoxLayout(this);
    page->addWidget(DBGrid1);
}

void Status::Form_Load()
{
    Data1->setDatabaseName(QString::fromLatin1(common::kSalaryDb));
    Data1->setRecordSource(QStringLiteral("select * from employee order by emp_code"));
    DBGrid1->setDataSource(Data1);
    Data1->refresh();

    // Open wide enough for every column and about fifteen employees.
    QTableView* view = DBGrid1->view();
    view->resizeColumnsToContents();
    const int frame = 2 * view->frameWidth();
    view->setMinimumSize(view->verticalHeader()->sizeHint().width() + view->horizontalHeader()->length()
                             + view->verticalScrollBar()->sizeHint().width() + frame,
                         view->horizontalHeader()->sizeHint().height()
                             + 15 * view->verticalHeader()->defaultSectionSize() + frame);
}

void Status::showEvent(QShowEvent* e)
{
    forms::Form::showEvent(e);
    if (!Data1->databaseName().isEmpty())
        Data1->refresh();
}

} // namespace employees
