// A data folder's templates changed as a clerk's office program or an earlier
// release would have left them.
#pragma once

#include "platform/office/package.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace testsupport {

// A template of the folder with one part changed by `edit`, zipped anew.
inline void editPart(const QString& path, const QString& part, const std::function<void(QByteArray&)>& edit)
{
    office::Package pkg = office::Package::load(path, 1);
    QByteArray bytes = pkg.part(part);
    edit(bytes);
    pkg.setPart(part, bytes);
    QFile::remove(path);
    pkg.save(path);
}

// The outer sheet or the pro statement as it was before its line for what a
// bill draws in gross alone (`row`): the line, its caption (the last of the
// `strings` shared strings) and its term of the gross formula taken out again.
inline void takeOutTheBonusLine(const QString& path, const char* row, const char* term, int strings)
{
    editPart(path, QStringLiteral("xl/sharedStrings.xml"), [&](QByteArray& shared) {
        shared.replace("\n  <si><t xml:space=\"preserve\">Bonus, festival advance paid and other amounts</t></si>", "")
            .replace(QStringLiteral("count=\"%1\" uniqueCount=\"%1\"").arg(strings).toUtf8(),
                     QStringLiteral("count=\"%1\" uniqueCount=\"%1\"").arg(strings - 1).toUtf8());
    });
    editPart(path, QStringLiteral("xl/worksheets/sheet1.xml"), [&](QByteArray& sheet) {
        const qsizetype at = sheet.indexOf(QByteArray("\n    <row r=\"") + row + "\">");
        ASSERT_GE(at, 0);
        sheet.remove(at, sheet.indexOf("</row>", at) + 6 - at);
        sheet.replace(term, "");
    });
}
// The outer sheet or the pro statement with the number format its figures
// had before a negative one printed its sign.
inline void putBackTheUnsignedFigures(const QString& path)
{
    editPart(path, QStringLiteral("xl/styles.xml"), [](QByteArray& styles) {
        const QByteArray now = R"([&lt;100000][$-4009]#,##0.00;[&gt;=10000000]##\,##\,##\,##0.00;##\,##\,##0.00)";
        ASSERT_TRUE(styles.contains(now));
        styles.replace(now, R"([&gt;=10000000]##\,##\,##\,##0.00;[&gt;=100000]##\,##\,##0.00;##,##0.00)");
    });
}

// The two as the release before the bonus line shipped them.
inline void takeOutTheOuterSheetsBonusLine(const QString& path)
{
    putBackTheUnsignedFigures(path);
    takeOutTheBonusLine(path, "12", "+G12", 37);
}
inline void takeOutTheProStatementsBonusLine(const QString& path)
{
    putBackTheUnsignedFigures(path);
    takeOutTheBonusLine(path, "14", "+I14", 27);
}

// The formula of `cell` (a formula cell of the first sheet) made `formula`, all else kept.
inline void setFormula(const QString& path, const QByteArray& cell, const QByteArray& formula)
{
    editPart(path, QStringLiteral("xl/worksheets/sheet1.xml"), [&](QByteArray& sheet) {
        const qsizetype at = sheet.indexOf("<c r=\"" + cell + "\"");
        ASSERT_GE(at, 0);
        const qsizetype from = sheet.indexOf("<f>", at) + 3;
        sheet.replace(from, sheet.indexOf("</f>", from) - from, formula);
    });
}

} // namespace testsupport
