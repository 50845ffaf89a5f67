#include "payslip/office_files.h"
#include "payslip_fixture.h"
#include "platform/office/workbook.h"

using namespace slipstest;

using OfficeFiles = Office;

// A missing template is refused in the statement form test, with its message.
TEST_F(OfficeFiles, IncomeTaxWorkbookCellsPushTheTotalRowDown)
{
    const QVector<payslip::SheetCell> cells{{5, 4, QStringLiteral("NAME A101")}, {16, 1, QStringLiteral("Mar-13")},
                                            {16, 2, 12000.0}, {16, 10, 60.0}, {41, 1, QStringLiteral("Mar-14")}};
    auto book = office::Workbook::open(payslip::incomeTaxWorkbook(cells).save());
    // Two rows past the template's 24 month rows push its total row down.
    EXPECT_EQ((QVariantList{book.value(5, 4), book.value(16, 2).toDouble(), book.value(16, 10).toDouble(),
                            book.value(41, 1), book.value(43, 1)}),
              (QVariantList{QStringLiteral("NAME A101"), 12000.0, 60.0, QStringLiteral("Mar-14"),
                            QStringLiteral("TOTAL")}));

}
