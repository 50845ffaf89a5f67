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

struct BStatementYearTest : BStatementFormFixture {
    BStatementYearTest()
    {
        const QDate opening(2012, 4, 1);   // opening rows (bill 0) inside April 2012
        addHead(kPay, "SALARY OF OFFICE STAFF", "A", opening);
        addHead(kOffice, "OFFICE EXPENSES", "B", opening);
        addHead(kWages, "WAGES", "C", opening);
        addHead(kScheme, "SCHEME", "D", opening);
        addHead(kTravel, "TRAVEL", "E", opening);
        addHead(kNeighbour, "SALARY OF FIELD STAFF", "F", opening);
    }
    std::optional<office::Workbook> statement(const QString& yearStart, const QString& month,
                                              const QString& head = "SALARY OF OFFICE STAFF")
    {
        return BStatementFormFixture::statement(yearStart, month, head);
    }
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

    auto march = statement("01/04/2011", "MARCH");
    ASSERT_TRUE(march) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(row(*march, 2, 8, 9), QVariantList({"MARCH", 2012}));
    EXPECT_EQ(march->value(3, 9), kCode);
    EXPECT_EQ(row(*march, 5, 1, 3), QVariantList({6, QDate(2012, 3, 31), QVariant()}));
    EXPECT_EQ(march->value(6, 1), QVariant());          // the pay bill waits for April
    EXPECT_EQ(march->value(28, 3), "APR-11");
    EXPECT_EQ(amounts(*march, 28), std::vector<double>({450000, 0, 0, 0, 0, 0, 500, 0, 0, 0, 390500.5}));
    EXPECT_EQ(stored(2011, 16, kCode), amounts(*march, 28));

    // April of the new year needs nothing brought forward.
    auto april = statement("01/04/2012", "APRIL");
    ASSERT_TRUE(april) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(row(*april, 2, 8, 9), QVariantList({"APRIL", 2012}));
    EXPECT_EQ(row(*april, 5), QVariantList({101, QDate(2012, 4, 1), QVariant(), 41000, 4800, 29770, 4880.5, 0, 0, 0,
                                            0, 0, 9876.25, 70574.25}));
    EXPECT_EQ(row(*april, 6), QVariantList({7, QDate(2012, 4, 18), QVariant(), 0, 0, 0, 0, 0, 0, 2300, 0, 0, 0, 2300}));
    EXPECT_EQ(row(*april, 7, 1, 2), QVariantList({8, QDate(2012, 4, 25)}));
    EXPECT_EQ(april->value(7, 9).toDouble(), 1875.4);
    EXPECT_EQ(april->value(7, 14).toDouble(), 1875.4);
    EXPECT_EQ(row(*april, 8, 1, 2), QVariantList({102, QDate(2012, 4, 30)}));
    EXPECT_EQ(april->value(8, 8).toDouble(), 6500);
    EXPECT_EQ(april->value(9, 1), QVariant());          // neither the neighbour's bill nor an opening row
    EXPECT_EQ(april->value(28, 1), "PROGRESSIVE TOTAL FROM");
    EXPECT_EQ(april->value(28, 3), QVariant());         // April keeps the template's blank
    const std::vector<double> aprilTotals{41000, 4800, 29770, 4880.5, 6500, 1875.4, 2300, 0, 0, 9876.25, 81249.65};
    EXPECT_EQ(amounts(*april, 28), aprilTotals);
    EXPECT_EQ(stored(2012, 5, kCode), aprilTotals);

    auto may = statement("01/04/2012", "MAY");
    ASSERT_TRUE(may) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(row(*may, 2, 8, 9), QVariantList({"MAY", 2012}));
    EXPECT_EQ(row(*may, 5), QVariantList({103, QDate(2012, 5, 2), QVariant(), 41000, 4800, 29770, 4880.5, 0, 0, 0,
                                          3500, 0, 9876.25, 74074.25}));
    EXPECT_EQ(row(*may, 6, 12, 14), QVariantList({12000.1, 0, 12000.1}));
    EXPECT_EQ(may->value(28, 3), "APR-12");
    const std::vector<double> mayProgressive{82000, 9600, 59540, 9761, 6500, 1875.4, 2300, 3500, 12000.1, 19752.5,
                                             167324};
    EXPECT_EQ(amounts(*may, 28), mayProgressive);
    EXPECT_EQ(stored(2012, 6, kCode), mayProgressive);

    // June has no bill: no lines, and May's progressive totals go on to July.
    auto june = statement("01/04/2012", "JUNE");
    ASSERT_TRUE(june) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(june->value(5, 1), QVariant());
    EXPECT_EQ(amounts(*june, 28), mayProgressive);
    EXPECT_EQ(stored(2012, 7, kCode), mayProgressive);

    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(count("select count(*) from b_statement"), 5);
    EXPECT_EQ(outputs().size(), 4);
}

TEST_F(BStatementYearTest, EachHeadCodeKeepsItsOwnChainAndAGapStopsIt)
{
    addBill(kPay, 11, QDate(2012, 4, 30), {{Pay, 30000}}, 3000);
    addBill(kNeighbour, 12, QDate(2012, 4, 30), {{Pay, 20000}}, 2000);
    addBill(kNeighbour, 13, QDate(2012, 5, 31), {{Pay, 20000}}, 2000);

    ASSERT_TRUE(statement("01/04/2012", "APRIL", "SALARY OF FIELD STAFF"));
    // The office staff's code has no April yet: its May is refused, with
    // nothing shown and nothing stored.
    EXPECT_FALSE(statement("01/04/2012", "MAY"));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].prompt,
              "B-Statement Report for previous month not Found.\r\nCheck the last reproting month and continue.");
    EXPECT_EQ(boxes.boxes()[0].title, "Hi");
    EXPECT_EQ(outputs().size(), 1);
    EXPECT_EQ(count("select count(*) from b_statement"), 1);

    auto may = statement("01/04/2012", "MAY", "SALARY OF FIELD STAFF");
    ASSERT_TRUE(may);
    EXPECT_EQ(may->value(3, 9), "2071-01-101-NP-00014");
    EXPECT_EQ(amounts(*may, 28), std::vector<double>({40000, 0, 0, 0, 0, 0, 0, 0, 0, 4000, 36000}));

    // Skipping June stops July.
    EXPECT_FALSE(statement("01/04/2012", "JULY", "SALARY OF FIELD STAFF"));
    EXPECT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(count("select count(*) from b_statement where m_head = '2071-01-101-NP-00014'"), 2);
    EXPECT_EQ(outputs().size(), 2);
}

TEST_F(BStatementYearTest, TwentyFourBillsInMayMoveBothTotalsRowsDown)
{
    addBroughtForward(kCode, 2012, 5, 1000, 1000);
    double pay = 0;
    for (int i = 1; i <= 24; ++i) {
        addBill(kPay, i, QDate(2012, 5, i), {{Pay, 100.25 * i}});
        pay += 100.25 * i;
    }
    ASSERT_EQ(pay, 30075);   // 100.25 x (1 + ... + 24)
    auto may = statement("01/04/2012", "MAY");
    ASSERT_TRUE(may);
    EXPECT_EQ(row(*may, 28, 1, 2), QVariantList({24, QDate(2012, 5, 24)}));
    EXPECT_EQ(may->value(28, 4).toDouble(), 2406);
    EXPECT_EQ(may->value(29, 1), "TOTAL OF THE MONTH");
    EXPECT_EQ(ooxml::formula(desktop.opened().last(), "D29"), "SUM(D5:D28)");   // left to the spreadsheet
    EXPECT_EQ(ooxml::formula(desktop.opened().last(), "N29"), "SUM(N5:N28)");
    EXPECT_EQ(row(*may, 30, 1, 4), QVariantList({"PROGRESSIVE TOTAL FROM", QVariant(), "APR-12", 31075}));
    EXPECT_EQ(may->value(30, 14).toDouble(), 31075);
    EXPECT_EQ(stored(2012, 6, kCode)[0], 31075);
}

} // namespace
