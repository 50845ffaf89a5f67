#include "common/free_text.h"
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/error.h"
#include "support/temp_data_folder.h"

#include <gtest/gtest.h>

namespace {

using common::TextFault;

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
        EXPECT_EQ(read.fault, c.fault);
        EXPECT_EQ(read.limit, 50);
        if (read.ok())
            EXPECT_EQ(read.text, c.kept);
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
            const int width = common::textWidth(cols.field(0).text(), cols.field(1).text());
            EXPECT_GT(width, 0) << cols.field(0).text().toStdString() << "." << cols.field(1).text().toStdString();
            EXPECT_EQ(cols.field(2).text(), QString("TEXT(%1)").arg(width));
        }
    }
    EXPECT_EQ(columns, 70);
}

} // namespace
