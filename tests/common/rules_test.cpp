#include "common/free_text.h"
#include "common/inword.h"
#include "common/pay_month.h"
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/error.h"
#include "support/temp_data_folder.h"

#include <gtest/gtest.h>

using namespace common;

TEST(Inword, TableOfAmounts)
{
    struct Case { double amount; const char* shortForm; const char* longForm; };
    const Case cases[] = {
        {0, "() Only", "() Only"},
        {15, "(Fifteen) Only", "(Fifteen) Only"},
        {40, "(Forty) Only", "(Forty) Only"},
        {200, "(Two Hundred ) Only", "(Two Hundred ) Only"},
        {1005, "(One Thousand Five) Only", "(One Thousand Five) Only"},
        {205010, "(Two Lakh Five Thousand Ten) Only", "(Two Lakh Five Thousand Ten) Only"},
        {250.50, "(Two Hundred FiftyAndFifty) Only", "(Two Hundred Fifty AndFifty) Only"},
        {300.05, "(Three Hundred AndFive) Only", "(Three Hundred  AndFive) Only"},
        {0.75, "(AndSeventyFive) Only", "( AndSeventyFive) Only"},
        {123456.78, "(One Lakh TwentyThree Thousand Four Hundred FiftySixAndSeventyEight) Only", nullptr},
        {1999.75, "(One Thousand Nine Hundred NinetyNineAndSeventyFive) Only", nullptr},
        {12345678.50, nullptr, "(One Crore TwentyThree Lakh FortyFive Thousand Six Hundred SeventyEight AndFifty) Only"},
        {100000, "(One Lakh ) Only", "(One Lakh ) Only"},
        {99999.996, "(One Lakh ) Only", "(One Lakh ) Only"},
        {0.125, "(AndTwelve) Only", nullptr},
        {0.375, "(AndThirtyEight) Only", nullptr},
        {10000000, "(One Crore ) Only", "(One Crore ) Only"},
        {1910, "(One Thousand Nine Hundred Ten) Only", nullptr},
        {90, "(Ninety) Only", nullptr},
        // Past what 32-bit paise could hold.
        {500000000.07, nullptr, "(Fifty Crore  AndSeven) Only"},
        {123456789012.0,
         "(Twelve Thousand Three Hundred FortyFive Crore SixtySeven Lakh EightyNine Thousand Twelve) Only", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_TRUE((!c.shortForm || inwordShort(c.amount) == c.shortForm)
                    && (!c.longForm || inwordLong(c.amount) == c.longForm))
            << inwordShort(c.amount).toStdString() << " / " << inwordLong(c.amount).toStdString();
    }
}

TEST(PayMonth, FirstOfAprilIsBookedToMarch)
{
    QStringList got;
    for (const QDate d : {QDate(2012, 4, 1), QDate(2012, 3, 31), QDate(2012, 4, 2), QDate(2013, 1, 1), QDate(2012, 2, 29)})
        got << payMonth(d) + financialYearStart(d).toString(QStringLiteral(" yyyy-MM-dd"));
    EXPECT_EQ(got, (QStringList{"Mar-12 2012-04-01", "Mar-12 2011-04-01", "Apr-12 2012-04-01", "Jan-13 2012-04-01",
                                "Feb-12 2011-04-01"}));
}

// Trimmed first; then control characters anywhere; then the column's width
// (employee.name, 50) counted in characters, a character beyond the BMP as one.
TEST(FreeText, TrimsThenRefusesControlCharactersAndTextBeyondTheColumn)
{
    const QString x50(50, QLatin1Char('x'));
    const QString rama = QString::fromUtf8("\u0930\u093e\u092e");
    const QString clef = QString::fromUtf8("\U0001D11E");
    const struct {
        QString typed;
        TextFault fault;
        QString kept;
    } cases[] = {
        {"\t SHRI RAM \r\n", TextFault::None, "SHRI RAM"},
        {" " + x50 + " ", TextFault::None, x50},
        {x50 + "y", TextFault::TooLong, {}},
        {rama.repeated(16) + "AB", TextFault::None, rama.repeated(16) + "AB"},
        {clef.repeated(50), TextFault::None, clef.repeated(50)},
        {clef.repeated(51), TextFault::TooLong, {}},
        {QString::fromUtf8("A\0B", 3), TextFault::ControlCharacters, {}},
        {"A\tB", TextFault::ControlCharacters, {}},
        {"A\x7f", TextFault::ControlCharacters, {}},
        {"A" + QString(QChar(0x2028)) + "B", TextFault::ControlCharacters, {}},
        {QString(10000, QLatin1Char('x')) + "\x01", TextFault::ControlCharacters, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.left(20).toStdString());
        const common::TextRead read = common::readText(c.typed, "employee", "NAME");
        EXPECT_TRUE(read.fault == c.fault && read.limit == 50 && (!read.ok() || read.text == c.kept))
            << int(read.fault) << " " << read.limit << " " << read.text.toStdString();
    }
    EXPECT_THROW(common::readText("1", "employee", "b_pay"), vb::Error);
}

// Every text column of both new files declares its width there as in common/schema.
TEST(FreeText, EveryTextColumnDeclaresItsWidth)
{
    testsupport::TempDataFolder folder;
    int columns = 0;
    for (const char* file : {common::kFundDb, common::kSalaryDb}) {
        data::Database& db = data::Database::open(QString::fromLatin1(file));
        data::QueryRecordset cols(db, "select m.name, c.name, c.type from sqlite_master m, pragma_table_info(m.name) c"
                                      " where m.type = 'table' and c.type like 'TEXT%'");
        for (; !cols.eof(); cols.moveNext(), ++columns) {
            EXPECT_EQ(cols.field(2).text(), QString("TEXT(%1)").arg(textWidth(cols.field(0).text(), cols.field(1).text())))
                << cols.field(0).text().toStdString() << "." << cols.field(1).text().toStdString();
        }
    }
    EXPECT_EQ(columns, 70);
}
