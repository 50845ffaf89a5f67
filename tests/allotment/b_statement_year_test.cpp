// A year of B-statements worked by hand: the figures below were added up on
// paper from the bills, not from the program's own sums.
#include "allotment/heads.h"
#include "allotment/b_statement.h"
#include "allotment/registers.h"
#include "allotment/report_period.h"

#include "b_statement_fixture.h"
#include "support/folder_digest.h"
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
    addBill(kPay, 100, QDate(2012, 4, 30), {{Pay, 1000}});
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

// April, then May made before May's salary bill is registered, June and
// July; the bill registered, May made again carries it in May's row and moves
// June's and July's by as much. Worked by hand:
//   April: bill 101  pay 41000, grade pay 4800, D.A. 29770, H.R.A. 4580.5 + M.A. 300, less 9876.25: net 70574.25
//   May:   bill 7    electricity 1250.75 + telephone 430 = 1680.75
//          bill 102, registered late: pay 41500, grade pay 4800, D.A. 30135, H.R.A. 4630 + M.A. 300,
//          less 9999.75: net 71365.25
//   June:  bill 103  pay 41000, D.A. 29770, less 9876.25: net 60893.75
TEST_F(BStatementYearTest, AMonthMadeAgainAfterALateBillMovesEveryLaterMonth)
{
    addBill(kPay, 101, QDate(2012, 4, 30), {{Pay, 41000}, {DPay, 4800}, {Da, 29770}, {Hra, 4580.5}, {Ma, 300}}, 9876.25);
    addBill(kOffice, 7, QDate(2012, 5, 18), {{Elec, 1250.75}, {Tele, 430}});
    addBill(kPay, 103, QDate(2012, 6, 30), {{Pay, 41000}, {Da, 29770}}, 9876.25);
    addBroughtForward(kCode, 2011, 7, 5, 5);   // last year's, which stays
    for (const char* month : {"APRIL", "MAY", "JUNE", "JULY"})
        ASSERT_TRUE(statement("01/04/2012", month, kPayName)) << month;
    const std::vector<double> april{41000, 4800, 29770, 4880.5, 0, 0, 0, 0, 0, 9876.25, 70574.25};
    EXPECT_EQ(stored(2012, 6, kCode), (std::vector<double>{41000, 4800, 29770, 4880.5, 0, 0, 1680.75, 0, 0, 9876.25, 72255}));
    EXPECT_EQ(stored(2012, 7, kCode),
              (std::vector<double>{82000, 4800, 59540, 4880.5, 0, 0, 1680.75, 0, 0, 19752.5, 133148.75}));

    addBill(kPay, 102, QDate(2012, 5, 31), {{Pay, 41500}, {DPay, 4800}, {Da, 30135}, {Hra, 4630}, {Ma, 300}}, 9999.75);
    auto may = statement("01/04/2012", "MAY", kPayName);
    ASSERT_TRUE(may);
    EXPECT_EQ(cells(*may, {{5, 1}, {6, 1}, {6, 14}}), (QVariantList{7, 102, 71365.25}));
    const std::vector<double> mayMoved{82500, 9600, 59905, 9810.5, 0, 0, 1680.75, 0, 0, 19876, 143620.25};
    const std::vector<double> juneMoved{123500, 9600, 89675, 9810.5, 0, 0, 1680.75, 0, 0, 29752.25, 204514};
    EXPECT_EQ(totals(*may, 2012, 6), twice(mayMoved));
    // June's and July's statements, made before, no longer show what they carry.
    EXPECT_EQ(told(), QStringList{moved("JUNE, JULY")});
    // June's and July's (a month without bills) rows; April's and last year's as they were.
    EXPECT_EQ((std::array{stored(2012, 7, kCode), stored(2012, 8, kCode), stored(2012, 5, kCode)}),
              (std::array{juneMoved, juneMoved, april}));
    EXPECT_EQ(number("select pay + net from b_statement where fy_year = 2011"), 10);

    // Made again with nothing changed, May and June write nothing, and June's
    // workbook agrees with its moved row.
    const auto fundFiles = [&] {
        QMap<QString, QByteArray> files = testsupport::fileDigests(folder.path());
        files.removeIf([](const auto& f) { return !f.key().startsWith(QLatin1String(common::kFundDb)); });
        return files;
    };
    const auto before = fundFiles();
    ASSERT_TRUE(statement("01/04/2012", "MAY", kPayName));
    auto june = statement("01/04/2012", "JUNE", kPayName);
    ASSERT_TRUE(june);
    EXPECT_EQ(amounts(*june, 28), juneMoved);
    EXPECT_TRUE(fundFiles() == before && !before.isEmpty());
    EXPECT_TRUE(boxes.boxes().size() == 1 && count("select count(*) from b_statement") == 5 && outputs().size() == 7);
}

// April to July made; then a May bill lowered and May made again, and an
// April bill deleted and July made: each later month falls by exactly as
// much, last year's rows stay. Worked by hand:
//   April: bill 201 pay 30000 + D.A. 15000 less 3000.25 = 41999.75; bill 202 electricity 800.4
//   May:   bill 203 as 201: 41999.75; bill 204 telephone 250.6
//   June:  bill 205 as 201: 41999.75; July: none
//   carried from April: contingencies 800.4, net 41999.75 + 800.4 = 42800.15
//             from May:  1051, 42800.15 + 41999.75 + 250.6 = 85050.5
//             from June and July: 1051, 85050.5 + 41999.75 = 127050.25
//   bill 204 lowered by 50 to 200.6: May 1001, 85000.5; June and July 1001, 127000.25
//   bill 202 deleted (800.4): April 0, 41999.75; May 200.6, 84200.1; June and July 200.6, 126199.85
TEST_F(BStatementYearTest, ABillLoweredOrDeletedBringsEveryLaterMonthDownByAsMuch)
{
    for (const auto& [no, date] : {std::pair{201, QDate(2012, 4, 30)}, {203, QDate(2012, 5, 31)}, {205, QDate(2012, 6, 30)}})
        addBill(kPay, no, date, {{Pay, 30000}, {Da, 15000}}, 3000.25);
    addBill(kOffice, 202, QDate(2012, 4, 12), {{Elec, 800.4}});
    addBill(kOffice, 204, QDate(2012, 5, 20), {{Tele, 250.6}});
    for (int month : {6, 7, 8})
        addBroughtForward(kCode, 2011, month, 5, 5);   // last year's
    for (const char* month : {"APRIL", "MAY", "JUNE", "JULY"})
        ASSERT_TRUE(statement("01/04/2012", month, kPayName)) << month;
    // Contingencies, deductions and net carried from April to July.
    const auto carried = [&] {
        std::vector<double> out;
        for (int month = 5; month <= 8; ++month)
            for (int c : {SCont, SDeduct, SNet})
                out.push_back(stored(2012, month, kCode)[c]);
        return out;
    };
    ASSERT_EQ(carried(), (std::vector<double>{800.4, 3000.25, 42800.15, 1051, 6000.5, 85050.5, 1051, 9000.75, 127050.25,
                                              1051, 9000.75, 127050.25}));
    ASSERT_TRUE(boxes.boxes().isEmpty());

    fund().execute("update all_exp set tele = 200.6 where bill_no = 204");
    auto may = statement("01/04/2012", "MAY", kPayName);
    ASSERT_TRUE(may);
    EXPECT_EQ(amounts(*may, 28)[SNet], 85000.5);
    EXPECT_EQ(carried(), (std::vector<double>{800.4, 3000.25, 42800.15, 1001, 6000.5, 85000.5, 1001, 9000.75, 127000.25,
                                              1001, 9000.75, 127000.25}));
    EXPECT_EQ(told(), QStringList{moved("JUNE, JULY")});

    // July finds June's row short of the register: every month from April on is brought down.
    fund().execute("delete from all_exp where bill_no = 202");
    auto july = statement("01/04/2012", "JULY", kPayName);
    ASSERT_TRUE(july);
    EXPECT_EQ(amounts(*july, 28), (std::vector<double>{90000, 0, 45000, 0, 0, 0, 200.6, 0, 0, 9000.75, 126199.85}));
    EXPECT_EQ(carried(), (std::vector<double>{0, 3000.25, 41999.75, 200.6, 6000.5, 84200.1, 200.6, 9000.75, 126199.85,
                                              200.6, 9000.75, 126199.85}));
    EXPECT_EQ(told(), (QStringList{moved("JUNE, JULY"), moved("APRIL, MAY, JUNE")}));
    EXPECT_EQ(number("select sum(pay + net) from b_statement where fy_year = 2011"), 30);
}

// A bill of 20 October registered after December's statement: December
// made again carries it and names the months whose statements, made
// before, do not. Once the register is cleared for the next year, the
// year's rows are all that is left of it and stay as they are. Worked by hand:
//   April: bill 301 pay 50000 less 5000: net 45000
//   October: bill 302 electricity 210.1; bill 303, late, miscellaneous 99.99: contingencies 310.09
//   carried from October on: net 45000 + 210.1 = 45210.1, with the late bill 45310.09
TEST_F(BStatementYearTest, ALateBillOfAnEarlierMonthIsCarriedWhenALaterMonthIsMade)
{
    addBill(kPay, 301, QDate(2012, 4, 30), {{Pay, 50000}}, 5000);
    addBill(kOffice, 302, QDate(2012, 10, 5), {{Elec, 210.1}});
    const QStringList months = reportingMonths().mid(0, 9);   // April to December
    for (const QString& month : months)
        ASSERT_TRUE(statement("01/04/2012", month, kPayName)) << month.toStdString();
    const auto carried = [&] {   // contingencies and net carried from September to December
        std::vector<double> out;
        for (int month = 10; month <= 13; ++month)
            for (int c : {SCont, SNet})
                out.push_back(stored(2012, month, kCode)[c]);
        return out;
    };
    ASSERT_EQ(carried(), (std::vector<double>{0, 45000, 210.1, 45210.1, 210.1, 45210.1, 210.1, 45210.1}));

    addBill(kOffice, 303, QDate(2012, 10, 20), {{Misc, 99.99}});
    auto december = statement("01/04/2012", "DECEMBER", kPayName);
    ASSERT_TRUE(december);
    EXPECT_EQ(amounts(*december, 28),
              (std::vector<double>{50000, 0, 0, 0, 0, 0, 310.09, 0, 0, 5000, 45310.09}));
    EXPECT_EQ(carried(), (std::vector<double>{0, 45000, 310.09, 45310.09, 310.09, 45310.09, 310.09, 45310.09}));
    EXPECT_EQ(told(), QStringList{moved("OCTOBER, NOVEMBER")});

    // The year cleared from the register: December made again keeps every row.
    const auto rows = [&] { return number("select sum(net) + sum(cont) from b_statement where fy_year = 2012"); };
    const double before = rows();
    resetRegister(fund(), Register::Bills, QDate(2013, 4, 1));
    ASSERT_TRUE(statement("01/04/2012", "DECEMBER", kPayName));
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(told().size(), 1);
}

// A bill the register holds under a date that is no date, "2012-04-31", is
// April's on every statement: April lists it and May carries it, and making
// the two again in turn moves nothing. Worked by hand:
//   April: bill 101 of 10/04 pay 100; bill 102 of "2012-04-31" pay 20: 120
//   May:   bill 103 of 15/05 pay 3000: progressive 3120
TEST_F(BStatementYearTest, ABillUnderADateThatIsNoDateIsAprilsOnEveryStatement)
{
    addBill(kPay, 101, QDate(2012, 4, 10), {{Pay, 100}});
    addBill(kPay, 102, QString("2012-04-31"), {{Pay, 20}});
    addBill(kPay, 103, QDate(2012, 5, 15), {{Pay, 3000}});
    const std::vector<double> april{120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 120};
    for (int round = 1; round <= 2; ++round) {
        auto aprilBook = statement("01/04/2012", "APRIL", kPayName);
        ASSERT_TRUE(aprilBook);
        EXPECT_EQ(cells(*aprilBook, {{5, 1}, {6, 1}, {6, 2}, {7, 1}}), (QVariantList{101, 102, "2012-04-31", QVariant()}))
            << round;
        EXPECT_EQ(totals(*aprilBook, 2012, 5), twice(april)) << round;
        auto mayBook = statement("01/04/2012", "MAY", kPayName);
        ASSERT_TRUE(mayBook);
        EXPECT_EQ(totals(*mayBook, 2012, 6), twice({3120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3120})) << round;
        EXPECT_EQ(stored(2012, 5, kCode), april) << round;
    }
    EXPECT_EQ(told(), QStringList());
}

// December and January of the year 2012-13 each take the bills of their own
// calendar year, name it in the title and carry the totals on. Worked by hand:
//   brought into December: November's bill 111, pay 300000, net 300000
//   December: bill 112 of 31/12/2012  pay 42000 + D.A. 30240 + H.R.A. 4200 = 76440, less 10000.5: net 66439.5
//   January:  bill 113 of 15/01/2013  electricity 999.99 + telephone 0.01 = 1000
TEST_F(BStatementYearTest, DecemberAndJanuaryTakeTheirOwnCalendarYears)
{
    addBill(kPay, 111, QDate(2012, 11, 30), {{Pay, 300000}});
    addBroughtForward(kCode, 2012, 12, 300000, 300000);
    addBill(kPay, 112, QDate(2012, 12, 31), {{Pay, 42000}, {Da, 30240}, {Hra, 4200}}, 10000.5);
    addBill(kOffice, 113, QDate(2013, 1, 15), {{Elec, 999.99}, {Tele, 0.01}});
    // A December and the Januaries of the years either side belong to other statements.
    addBill(kPay, 90, QDate(2013, 12, 31), {{Pay, 7}});
    addBill(kPay, 91, QDate(2012, 1, 15), {{Pay, 8}});
    addBill(kPay, 92, QDate(2014, 1, 15), {{Pay, 9}});

    auto december = statement("01/04/2012", "DECEMBER", kPayName);
    ASSERT_TRUE(december) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(cells(*december, {{2, 8}, {2, 9}, {3, 9}, {6, 1}, {28, 3}}),
              (QVariantList{"DECEMBER", 2012, kCode, QVariant(), "APR-12"}));
    EXPECT_EQ(row(*december, 5), (QVariantList{112, QDate(2012, 12, 31), QVariant(), 42000, 0, 30240, 4200, 0, 0, 0,
                                               0, 0, 10000.5, 66439.5}));
    EXPECT_EQ(totals(*december, 2012, 13), twice({342000, 0, 30240, 4200, 0, 0, 0, 0, 0, 10000.5, 366439.5}));

    auto january = statement("01/04/2012", "JANUARY", kPayName);
    ASSERT_TRUE(january) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(cells(*january, {{2, 8}, {2, 9}, {3, 9}, {6, 1}, {28, 3}}),
              (QVariantList{"JANUARY", 2013, kCode, QVariant(), "APR-12"}));
    EXPECT_EQ(row(*january, 5), (QVariantList{113, QDate(2013, 1, 15), QVariant(), 0, 0, 0, 0, 0, 0, 1000, 0, 0, 0,
                                              1000}));
    EXPECT_EQ(totals(*january, 2012, 14), twice({342000, 0, 30240, 4200, 0, 0, 1000, 0, 0, 10000.5, 367439.5}));
}

} // namespace
