#include "payslip/office_files.h"
#include "payslip/statements.h"
#include "payslip_fixture.h"
#include "platform/office/workbook.h"

using namespace slipstest;

using IncomeTaxStatement = Office;

// A missing template is refused in the statement form test, with its message.
TEST_F(IncomeTaxStatement, WorkbookCellsPushTheTotalRowDownAndNeedAnEmployeeAndARow)
{
    const QVector<payslip::SheetCell> cells{
        {5, 4, "NAME A101"}, {16, 1, "Mar-13"}, {16, 2, 12000.0}, {16, 10, 60.0}, {41, 1, "Mar-14"}};
    auto book = office::Workbook::open(payslip::incomeTaxWorkbook(cells).save());
    // Two rows past the template's 24 month rows push its total row down.
    EXPECT_EQ((QVariantList{book.value(5, 4), book.value(16, 2).toDouble(), book.value(16, 10).toDouble(),
                            book.value(41, 1), book.value(43, 1)}),
              (QVariantList{"NAME A101", 12000.0, 60.0, "Mar-14", "TOTAL"}));

    // The cells need the employee's particulars and a row in the period; those written, in bill-date order,
    // are read back from the workbook in the March-bill test.
    makeMarchBill();
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), "R900", QDate(2012, 4, 1), QDate(2013, 3, 31)), vb::Error);
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), "A101", QDate(2015, 4, 1), QDate(2016, 3, 31)), vb::Error);
}
