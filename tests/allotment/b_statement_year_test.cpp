// A year of B-statements worked by hand: the figures below were added up on
// paper from the bills, not from the program's own sums.
#include "allotment/heads.h"

#include "b_statement_fixture.h"
#include "support/ooxml_reader.h"

namespace {

using namespace allotment;
using namespace allotmenttest;

const QString kCode = "2071-01-101-NP-00004";
const QString kPay = kCode + "-01";
const QString kOffice = kCode + "-13";
const QString kWages = kCode + "-02";
const QString kScheme = kCode + "-99";
// Holds the code after a prefix of its own: its bills belong to the statement.
const QString kTravel = "A/" + kCode + "-11";
// Differs in the last digit of the code: its bills never do.
const QString kNeighbour = "2071-01-101-NP-00014-01";
const QString kPayName = "SALARY OF OFFICE STAFF";

struct BStatementYearTest : BStatementFormFixture {
    BStatementYearTest()
    {
        const QDate opening(2012, 4, 1);   // opening rows (bill 0) inside April 2012
        for (const auto& [head, name, category] : {std::tuple{kPay, kPayName, "A"},
                 {kOffice, "OFFICE EXPENSES", "B"}, {kWages, "WAGES", "C"}, {kScheme, "SCHEME", "D"},
                 {kTravel, "TRAVEL", "E"}, {kNeighbour, "SALARY OF FIELD STAFF", "F"}})
            addHead(head, name, category, opening);
    }
    // A statement's totals row and the totals stored for the month after it.
    std::pair<std::vector<double>, std::vector<double>> totals(const office::Workbook& w, int year, int nextMonth)
    {
        return {amounts(w, 28), stored(year, nextMonth, kCode)};
    }
    static auto twice(const std::vector<double>& v) { return std::pair{v, v}; }
};

TEST_F(BStatementYearTest, MarchThenTheNextYearsAprilMayAndAnEmptyJune)
{
    // March 2012: an office bill of the 31st, and the March pay bill, which
    // the register keeps under 1 April 2012.
    addBill(kOffice, 6, QDate(2012, 3, 31), {{Elec, 500}});
    addBroughtForward(kCode, 2011, 15, 450000, 390000.5);
    const QDate marchPay = registerDate(kPay, QDate(2012, 3, 20));
    ASSERT_EQ(marchPay, QDate(2012, 4, 1));
    addBill(kPay, 101, marchPay, {{Pay, 41000}, {DPay, 4800}, {Da, 29770}, {Hra, 4580.5}, {Ma, 300}}, 9876.25);
    addBill(kNeighbour, 55, QDate(2012, 4, 10), {{Pay, 99999}});
    addBill(kOffice, 7, QDate(2012, 4, 18), {{Elec, 1250.75}, {Tele, 430}, {Misc, 99.25}, {Oe, 520}});
    addBill(kTravel, 8, QDate(2012, 4, 25), {{Ta, 1875.4}});
    addBill(kWages, 102, QDate(2012, 4, 30), {{Wages, 6500}});
    addBill(kPay, 103, QDate(2012, 5, 2),
            {{Pay, 41000}, {DPay, 4800}, {Da, 29770}, {Hra, 4580.5}, {Ma, 300}, {Bonus, 3500}}, 9876.25);
    addBill(kScheme, 9, QDate(2012, 5, 15), {{Scheme, 12000.1}});

    auto march = statement("01/04/2011", "MARCH", kPayName);
    ASSERT_TRUE(march) << boxes.prompts().join('|').toStdString();
    // The pay bill (row 6) waits for April.
    EXPECT_EQ(cells(*march, {{2, 8}, {2, 9}, {3, 9}, {5, 1}, {5, 2}, {5, 3}, {6, 1}, {28, 3}}),
              (QVariantList{"MARCH", 2012, kCode, 6, QDate(2012, 3, 31), QVariant(), QVariant(), "APR-11"}));
    EXPECT_EQ(totals(*march, 2011, 16), twice({450000, 0, 0, 0, 0, 0, 500, 0, 0, 0, 390500.5}));

    // April of the new year needs nothing brought forward.
    auto april = statement("01/04/2012", "APRIL", kPayName);
    ASSERT_TRUE(april) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(row(*april, 5) + row(*april, 6),
              (QVariantList{101, QDate(2012, 4, 1), QVariant(), 41000, 4800, 29770, 4880.5, 0, 0, 0, 0, 0, 9876.25,
                            70574.25, 7, QDate(2012, 4, 18), QVariant(), 0, 0, 0, 0, 0, 0, 2300, 0, 0, 0, 2300}));
    // Row 9: neither the neighbour's bill nor an opening row; (28, 3): April keeps the template's blank.
    EXPECT_EQ(cells(*april, {{2, 8}, {2, 9}, {7, 1}, {7, 2}, {7, 9}, {7, 14}, {8, 1}, {8, 2}, {8, 8}, {9, 1}, {28, 1},
                             {28, 3}}),
              (QVariantList{"APRIL", 2012, 8, QDate(2012, 4, 25), 1875.4, 1875.4, 102, QDate(2012, 4, 30), 6500,
                            QVariant(), "PROGRESSIVE TOTAL FROM", QVariant()}));
    EXPECT_EQ(totals(*april, 2012, 5), twice({41000, 4800, 29770, 4880.5, 6500, 1875.4, 2300, 0, 0, 9876.25, 81249.65}));

    auto may = statement("01/04/2012", "MAY", kPayName);
    ASSERT_TRUE(may) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(row(*may, 2, 8, 9) + row(*may, 5) + row(*may, 6, 12, 14) << may->value(28, 3),
              (QVariantList{"MAY", 2012, 103, QDate(2012, 5, 2), QVariant(), 41000, 4800, 29770, 4880.5, 0, 0, 0, 3500,
                            0, 9876.25, 74074.25, 12000.1, 0, 12000.1, "APR-12"}));
    const std::vector<double> mayProgressive{82000, 9600, 59540, 9761, 6500, 1875.4, 2300, 3500, 12000.1, 19752.5,
                                             167324};
    EXPECT_EQ(totals(*may, 2012, 6), twice(mayProgressive));

    // June has no bill: no lines, and May's progressive totals go on to July.
    auto june = statement("01/04/2012", "JUNE", kPayName);
    ASSERT_TRUE(june) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(june->value(5, 1), QVariant());
    EXPECT_EQ(totals(*june, 2012, 7), twice(mayProgressive));
    EXPECT_TRUE(boxes.boxes().isEmpty() && count("select count(*) from b_statement") == 5 && outputs().size() == 4);
}

TEST_F(BStatementYearTest, EachHeadCodeKeepsItsOwnChainAndAGapStopsIt)
{
    addBill(kPay, 11, QDate(2012, 4, 30), {{Pay, 30000}}, 3000);
    addBill(kNeighbour, 12, QDate(2012, 4, 30), {{Pay, 20000}}, 2000);
    addBill(kNeighbour, 13, QDate(2012, 5, 31), {{Pay, 20000}}, 2000);

    ASSERT_TRUE(statement("01/04/2012", "APRIL", "SALARY OF FIELD STAFF"));
    // The office staff's code has no April yet: its May is refused, with
    // nothing shown and nothing stored.
    EXPECT_FALSE(statement("01/04/2012", "MAY", kPayName));
    const QString notFound =
        "Hi|64|B-Statement Report for previous month not Found.\r\nCheck the last reproting month and continue.";
    EXPECT_EQ(QStringList{testsupport::said(boxes.boxes().value(0))} << QString::number(outputs().size())
                  << QString::number(count("select count(*) from b_statement")), (QStringList{notFound, "1", "1"}));

    auto may = statement("01/04/2012", "MAY", "SALARY OF FIELD STAFF");
    ASSERT_TRUE(may);
    EXPECT_EQ(may->value(3, 9), "2071-01-101-NP-00014");
    EXPECT_EQ(amounts(*may, 28), std::vector<double>({40000, 0, 0, 0, 0, 0, 0, 0, 0, 4000, 36000}));

    // Skipping June stops July.
    EXPECT_FALSE(statement("01/04/2012", "JULY", "SALARY OF FIELD STAFF"));
    EXPECT_EQ(testsupport::said(boxes.boxes().value(1)), notFound);
    EXPECT_TRUE(outputs().size() == 2 && count("select count(*) from b_statement where m_head = '2071-01-101-NP-00014'") == 2);
}

TEST_F(BStatementYearTest, TwentyFourBillsInMayMoveBothTotalsRowsDown)
{
    addBroughtForward(kCode, 2012, 5, 1000, 1000);
    for (int i = 1; i <= 24; ++i) // pay 100.25 x (1 + ... + 24) = 30075
        addBill(kPay, i, QDate(2012, 5, i), {{Pay, 100.25 * i}});
    auto may = statement("01/04/2012", "MAY", kPayName);
    ASSERT_TRUE(may);
    EXPECT_EQ(cells(*may, {{28, 1}, {28, 2}, {28, 4}, {29, 1}, {30, 1}, {30, 2}, {30, 3}, {30, 4}, {30, 14}})
                  << stored(2012, 6, kCode)[0],
              (QVariantList{24, QDate(2012, 5, 24), 2406, "TOTAL OF THE MONTH", "PROGRESSIVE TOTAL FROM", QVariant(),
                            "APR-12", 31075, 31075, 31075}));
    // The month's totals are left to the spreadsheet.
    EXPECT_EQ(ooxml::formula(desktop.opened().last(), "D29") + ooxml::formula(desktop.opened().last(), "N29"),
              "SUM(D5:D28)SUM(N5:N28)");
}

} // namespace
