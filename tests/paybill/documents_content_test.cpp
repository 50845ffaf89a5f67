// What the outer sheet, the pro statement and the two bill documents hold, worked out by hand.
#include "documents_form_fixture.h"

#include "paybill/documents/bill_documents.h"
#include "paybill/documents/bill_workbooks.h"

namespace {

using namespace doctest;
using paybill::CellMap;

QString address(int row, int col)
{
    return QChar(QLatin1Char('A' + col - 1)) + QString::number(row);
}

// Every cell of the map, as "D4=MAR-12" with empty cells as "I67=", in writing order.
QStringList written(const CellMap& m)
{
    QStringList out;
    for (const paybill::Cell& c : m)
        out << address(c.row, c.col) + QLatin1Char('=') + shown(c.value);
    return out;
}

// The written cells among `refs`, in the same form; a cell not written is left out.
QStringList picked(const CellMap& m, const QStringList& refs)
{
    QStringList out;
    for (const QString& ref : refs)
        for (const QString& w : written(m))
            if (w.section(QLatin1Char('='), 0, 0) == ref)
                out << w;
    return out;
}
const QStringList kRefs = {"G24", "G29", "I19", "I35", "I36", "I37", "I38", "I40", "I46", "I49", "I66", "I67",
                           "I68", "I69", "I70", "H82", "C5"};

QString textAt(const paybill::BookmarkTexts& t, const char* name)
{
    for (const auto& b : t)
        if (b.bookmark == QLatin1String(name))
            return b.text;
    return QStringLiteral("<none>");
}

paybill::OuterSheetBill bill(const QDate& date, const QString& billNo)
{
    return {billNo, date.toString(QStringLiteral("dd/MM/yyyy")), date, QStringLiteral("FEB-12"),
            QString::fromLatin1(kDrawalCode), QStringLiteral("2011-2012")};
}

// (The March bill kept under 1 April, its pro statement without a 1983 member and the printed statement's row 40
// are the form's paise bill's cases.)
TEST_F(BillData, OuterSheetAndProStatementHoldTheBillAndItsOwnYearsRegister)
{
    // February's bill, every cell in writing order: the pro statement splits the fund by account series. An older
    // bill (January 2012) runs from 1 April 2011 to its date: the December allotment counts, the February bills do
    // not; nobody outside group D with a fund leaves I49 empty.
    const struct {
        QDate date;
        const char* billNo; // null for the pro statement
        QStringList refs, expected;
    } cases[] = {
        {kFebBill, "23", {}, kFebOuterSheet},
        {kQuietBill, "NIL", kRefs, {"G24=195000", "G29=28000", "I49=", "I66=0", "I67=", "I68=", "I69=0", "I70=0",
                                    "H82=(Sixteen Thousand Three Hundred Thirty) Only"}},
        {kFebBill, nullptr, {}, kFebProStatement},
    };
    for (const auto& c : cases) {
        activate(c.date);
        const auto cells = c.billNo
            ? paybill::outerSheetCells(salaryDb(), fundDb(), bill(c.date, QString::fromLatin1(c.billNo)))
            : std::optional<CellMap>(paybill::proStatementCells(salaryDb(), QString::fromLatin1(kDrawalCode), true)->cells);
        ASSERT_TRUE(cells);
        EXPECT_EQ(c.refs.isEmpty() ? written(*cells) : picked(*cells, c.refs), c.expected) << c.billNo;
    }
}

TEST_F(BillData, BillExtractNamesRowOneAndStatesTheNetInFiguresAndWords)
{
    activate(kFebBill);
    auto texts = paybill::billExtractTexts(salaryDb(), QString::fromLatin1(kDrawalCode), QStringLiteral("23"));
    ASSERT_TRUE(texts);
    // Row 1 is the highest grade pay; the form's test reads every bookmark back from the file.
    EXPECT_EQ(textAt(*texts, "name"), QStringLiteral("Asha Roy"));

    // Paise, a total under one rupee and nothing at all.
    struct Case {
        double net;
        const char* amt;
        const char* words;
    } cases[] = {{12345.5, "12345.50", "(Twelve Thousand Three Hundred FortyFiveAndFifty) Only"},
                 {0.5, ".50", "(AndFifty) Only"},
                 {0, ".00", "() Only"}};
    for (const Case& c : cases) {
        salaryDb().execute(QStringLiteral("update sal set net = case when sl_no = 1 then ? else 0 end"), {c.net});
        texts = paybill::billExtractTexts(salaryDb(), QString(), QString());
        ASSERT_TRUE(texts);
        EXPECT_EQ(textAt(*texts, "amt"), QString::fromLatin1(c.amt)) << c.net;
        EXPECT_EQ(textAt(*texts, "amtd"), QString::fromLatin1(c.words)) << c.net;
    }

    // A field the row lacks is written as empty text, never left as the template's.
    salaryDb().execute(QStringLiteral("update sal set name = null, designation = null where sl_no = 1"));
    texts = paybill::billExtractTexts(salaryDb(), QString(), QString());
    ASSERT_TRUE(texts);
    EXPECT_EQ(textAt(*texts, "name"), QString());
    EXPECT_EQ(textAt(*texts, "degn"), QString());
}

} // namespace
