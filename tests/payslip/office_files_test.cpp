#include "payslip/annexure.h"
#include "payslip/cheque_slip_figures.h"
#include "payslip/office_files.h"
#include "payslip_fixture.h"
#include "platform/office/document.h"
#include "platform/office/workbook.h"

#include <QFile>

using namespace slipstest;

namespace {

using OfficeFiles = Office;

} // namespace

TEST_F(OfficeFiles, AnnexureDocumentHoldsTheTablesAndBookmarkTexts)
{
    makeMarchBill();
    addCheque(5, kRegister, QStringLiteral("CHQ-501"), 22300);
    addCheque(6, kRegister, QStringLiteral("CHQ-601"), 36302);
    payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch);
    const auto a = payslip::buildAnnexure(salaryDb(), fundDb(),
                                          {kMarch, QString(), QStringLiteral("MAR-13"), 58000, QString(), QString()});
    const QString xml = documentXml(payslip::annexureDocument(a).save());
    ASSERT_FALSE(xml.isEmpty());
    // Two tables: 3 + 2 rows of employees, 1 + 2 rows of cheques.
    EXPECT_EQ(xml.count(QStringLiteral("<w:tbl>")), 2);
    EXPECT_EQ(xml.count(QStringLiteral("<w:tr")), 5 + 3);
    for (const char* text : {"Name of Employee", "(5)", "Name BA07", "SB-B201", "17562", "CHQ-601", "05/04/2013",
                             "MAR-13", ">58602<", ">602<", ">58000<"})
        EXPECT_TRUE(xml.contains(QString::fromLatin1(text))) << text;
    // No placeholder of the template is left.
    for (const char* placeholder : {">MONTH<", ">RS<", ">CREDITED<", ">REFUNDED<", ">CHQAMT<"})
        EXPECT_FALSE(xml.contains(QString::fromLatin1(placeholder))) << placeholder;
    EXPECT_LT(xml.indexOf(QStringLiteral("CHQ-501")), xml.indexOf(QStringLiteral("Name A101")));
}

TEST_F(OfficeFiles, IncomeTaxWorkbookCellsAndAMissingTemplate)
{
    const QVector<payslip::SheetCell> cells{{5, 4, QStringLiteral("NAME A101")}, {16, 1, QStringLiteral("Mar-13")},
                                            {16, 2, 12000.0}, {16, 10, 60.0}, {41, 1, QStringLiteral("Mar-14")}};
    const QString saved = payslip::incomeTaxWorkbook(cells).save();
    auto book = office::Workbook::open(saved);
    EXPECT_EQ(book.value(5, 4), QVariant(QStringLiteral("NAME A101")));
    EXPECT_EQ(book.value(16, 2).toDouble(), 12000);
    EXPECT_EQ(book.value(16, 10).toDouble(), 60);
    // Two rows past the template's 24 month rows push its total row down.
    EXPECT_EQ(book.value(41, 1), QVariant(QStringLiteral("Mar-14")));
    EXPECT_EQ(book.value(43, 1), QVariant(QStringLiteral("TOTAL")));

    QFile::remove(folder.path() + QStringLiteral("/IT_statement.xlsx"));
    try {
        payslip::incomeTaxWorkbook(cells);
        FAIL() << "a missing template went unnoticed";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number, vb::FileNotFound);
        EXPECT_TRUE(e.description.contains(QStringLiteral("IT_statement.xlsx")));
    }
}
