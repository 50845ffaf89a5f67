// A saved B-statement opened by LibreOffice itself: its month totals
// recomputed from its formulas. Skipped where LibreOffice is not installed.
#include "allotment/financial_report_form.h"
#include "paybill/documents_form_fixture.h"

#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/office/desktop.h"
#include "support/ooxml_reader.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// The workbook as LibreOffice opens, computes and saves it again, into `out`.
QString recomputed(const QString& workbook, const QTemporaryDir& out)
{
    QTemporaryDir profile;
    QProcess soffice;
    soffice.start(QStandardPaths::findExecutable(QStringLiteral("soffice")),
                  {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                   QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                   QStringLiteral("--convert-to"), QStringLiteral("xlsx"), QStringLiteral("--outdir"), out.path(), workbook});
    if (!soffice.waitForFinished(120000))
        soffice.kill();
    return QDir(out.path()).filePath(QFileInfo(workbook).completeBaseName() + QStringLiteral(".xlsx"));
}

// Three April bills under the head's codes, one May bill and one of another
// head. Row 27 sums the April lines (by hand):
//   pay 10000 + 7000 = 17000, grade pay 2400 + 1900 = 4300, D.A. 5000 + 3500 = 8500,
//   H.R.A. and M.A. 1500 + 300 + 700 = 2500, T.A. 250, contingency 100 + 40 + 50.5 = 190.5,
//   deductions 2500 + 1200 = 3700, net 16700 + 190.5 + 12150 = 29040.5.
TEST(LibreOfficeReads, BStatementMonthTotalsAsRecomputed)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    testsupport::TempDataFolder folder;
    testsupport::ScriptedBoxes boxes;
    office::RecordingDesktop desktop;
    office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
    data::Database& fund = doctest::fundDb();
    const auto head = [&](const char* code, const char* description) {
        fund.execute(QStringLiteral("insert into head (drawal_code, description, code_category) values (?, ?, 'A')"),
                     {QString::fromLatin1(code), QString::fromLatin1(description)});
    };
    const auto bill = [&](const char* code, int no, const QDate& date, const QString& amounts, double deduction) {
        fund.execute(QStringLiteral("insert into all_exp (head, bill_no, bill_date, pay, d_pay, da, hra, ma, bonus, "
                                    "wages, ta, elec, tele, misc, oe, oc, scheme, deduction, despn) values "
                                    "(?, ?, ?, %1, ?, '')")
                         .arg(amounts),
                     {QString::fromLatin1(code), no, date.toString(Qt::ISODate), deduction});
    };
    head("2202-00-109-NP-00001-01", "SALARY");
    head("2202-00-109-NP-00001-13", "OFFICE");
    head("2202-00-109-NP-00002-01", "OTHER SALARY");
    //                                                                   pay  dp   da   hra ma  bo wa ta  el  te mi oe oc   sc
    bill("2202-00-109-NP-00001-01", 14, QDate(2011, 4, 30), "10000, 2400, 5000, 1500, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0", 2500);
    bill("2202-00-109-NP-00001-13", 9, QDate(2011, 4, 12), "0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 40, 50.5, 0", 0);
    bill("2202-00-109-NP-00001-01", 11, QDate(2011, 4, 20), "7000, 1900, 3500, 700, 0, 0, 0, 250, 0, 0, 0, 0, 0, 0", 1200);
    bill("2202-00-109-NP-00001-01", 20, QDate(2011, 5, 2), "999, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", 0);
    bill("2202-00-109-NP-00002-01", 3, QDate(2011, 4, 15), "888, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", 0);

    auto& form = forms::Forms::get<allotment::Form4>();
    testsupport::showForm(form);
    testsupport::enter(*form.Text3, QStringLiteral("01/04/2011"));
    testsupport::choose(*form.Combo2, QStringLiteral("APRIL"));
    testsupport::choose(*form.Combo1, QStringLiteral("SALARY"));
    testsupport::click(*form.Command4);
    ASSERT_EQ(desktop.opened().size(), 1) << boxes.prompts().join(QLatin1Char('|')).toStdString();

    QTemporaryDir out;
    const QString book = recomputed(desktop.opened().first(), out);
    ASSERT_TRUE(QFileInfo::exists(book));
    // Lines by date: bills 9, 11, 14; nothing of May or of the other head.
    QVariantList lines, totals;
    for (int r = 5; r <= 8; ++r)
        lines << ooxml::cell(book, QStringLiteral("A%1").arg(r));
    EXPECT_EQ(lines, (QVariantList{9.0, 11.0, 14.0, QVariant()}));
    for (char col = 'D'; col <= 'N'; ++col)
        totals << ooxml::cell(book, QLatin1Char(col) + QStringLiteral("27")).toDouble();
    EXPECT_EQ(totals, (QVariantList{17000.0, 4300.0, 8500.0, 2500.0, 0.0, 250.0, 190.5, 0.0, 0.0, 3700.0, 29040.5}));
    // April brings nothing forward: the progressive row is the month's.
    EXPECT_EQ(ooxml::cell(book, QStringLiteral("N28")), 29040.5);

    forms::Forms::unloadAll();
    testsupport::settle();
    office::setDesktop(nullptr);
}

} // namespace
