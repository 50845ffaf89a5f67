#include "payslip/statements.h"
#include "payslip_fixture.h"
#include "platform/vb/error.h"

using namespace slipstest;

using Statements = Office;

// The cells written, in bill-date order over a period, are read back from the workbook in the March-bill test.
TEST_F(Statements, IncomeTaxCellsNeedTheEmployeesParticularsAndARowInThePeriod)
{
    makeMarchBill();
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), QStringLiteral("R900"), QDate(2012, 4, 1), QDate(2013, 3, 31)),
                 vb::Error);
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), QStringLiteral("A101"), QDate(2015, 4, 1), QDate(2016, 3, 31)),
                 vb::Error);
}
