#include "payslip/pay_reports.h"

#include "common/row_net.h"
#include "common/schema.h"
#include "payslip/pay_columns.h"
#include "payslip/pay_statement_form.h"
#include "payslip/statements.h"
#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"

namespace payslip {

namespace {

using reports::Align;
using reports::Section;
using reports::SectionKind;

constexpr int kMonthWidth = 1000;
// On legal paper each column holds a row's gross of six parts at their
// ceiling ("59999999.94") and, in the smaller bold print of the totals, a
// year of such rows with nine-digit rupees.
constexpr int kColumn = 1180;
constexpr double kTotalPoints = 7;
constexpr int kWidth = kMonthWidth + 15 * kColumn;
constexpr int kHeadingHeight = 560;

int columnX(int i) // 0: month, 1..15: money columns
{
    return i == 0 ? 0 : kMonthWidth + (i - 1) * kColumn;
}

int columnW(int i)
{
    return i == 0 ? kMonthWidth : kColumn;
}

void rules(Section& s, int& lines, int height)
{
    for (int i = 0; i <= 16; ++i) {
        const int x = i == 16 ? kWidth : columnX(i);
        s.addLine(QStringLiteral("Line%1").arg(++lines), x, 0, x, height);
    }
    s.addLine(QStringLiteral("Line%1").arg(++lines), 0, height, kWidth, height);
}

} // namespace

DataReport11::DataReport11()
{
    setTitle(QStringLiteral("PAY STATEMENT"));
    setPageSize(reports::PageSize::Legal);
    setOrientation(reports::Orientation::Landscape);
    // Captions are numbered above the labels the form fills (Label18 to Label26).
    int n = 30;
    int lines = 0;

    Section& rh = section(SectionKind::ReportHeader);
    rh.setHeight(4 * kLine + 240);
    rh.addLabel(QStringLiteral("Label%1").arg(++n), 0, 0, 3500, 320, QStringLiteral("Pay Statement of Sri/Smt"))
        .setFont(11, true)
        .setWordWrap(false);
    rh.addLabel(QStringLiteral("Label18"), 3600, 0, 9000, 320, QString()).setFont(11, true).setWordWrap(false);
    rh.addLabel(QStringLiteral("Label%1").arg(++n), 0, 360, 1500, kLine, QStringLiteral("Attached to the"))
        .setWordWrap(false);
    rh.addLabel(QStringLiteral("Label23"), 1500, 360, 9000, kLine, QString()).setWordWrap(false);
    rh.addLabel(QStringLiteral("Label%1").arg(++n), 0, 360 + kLine + 40, 1900, kLine,
                QStringLiteral("For the period from"))
        .setWordWrap(false);
    rh.addLabel(QStringLiteral("Label20"), 1900, 360 + kLine + 40, 1000, kLine, QString()).setWordWrap(false);
    rh.addLabel(QStringLiteral("Label%1").arg(++n), 2950, 360 + kLine + 40, 400, kLine, QStringLiteral("To"))
        .setWordWrap(false);
    rh.addLabel(QStringLiteral("Label22"), 3350, 360 + kLine + 40, 1000, kLine, QString()).setWordWrap(false);
    rh.addLabel(QStringLiteral("Label%1").arg(++n), 4600, 360 + kLine + 40, 2000, kLine,
                QStringLiteral("[ G.P.F. A/c  No:- "))
        .setWordWrap(false);
    rh.addLabel(QStringLiteral("Label26"), 6600, 360 + kLine + 40, 2600, kLine, QString()).setWordWrap(false);
    rh.addLabel(QStringLiteral("Label%1").arg(++n), 9200, 360 + kLine + 40, 200, kLine, QStringLiteral("]"));

    Section& ph = section(SectionKind::PageHeader);
    ph.setHeight(kHeadingHeight);
    ph.addLine(QStringLiteral("Line%1").arg(++lines), 0, 0, kWidth, 0);
    rules(ph, lines, kHeadingHeight);
    ph.addLabel(QStringLiteral("Label%1").arg(++n), 20, 40, kMonthWidth - 40, kHeadingHeight - 80,
                QStringLiteral("MONTH OF PAY"))
        .setAlign(Align::Center)
        .setBold();
    for (int i = 0; i < 15; ++i)
        ph.addLabel(QStringLiteral("Label%1").arg(++n), columnX(i + 1) + 20, 40, kColumn - 40, kHeadingHeight - 80,
                    QString::fromLatin1(kPayColumns[i].statement))
            .setAlign(Align::Center)
            .setBold();

    Section& d = section(SectionKind::Detail);
    d.setHeight(kLine + 60);
    rules(d, lines, kLine + 60);
    d.addField(QStringLiteral("Text1"), 40, 30, kMonthWidth - 80, kLine, QStringLiteral("p_month"))
        .setWordWrap(false);
    for (int i = 0; i < 15; ++i)
        d.addField(QStringLiteral("Text%1").arg(i + 2), columnX(i + 1) + 20, 30, columnW(i + 1) - 40, kLine,
                   QString::fromLatin1(kPayColumns[i].field))
            .setAlign(Align::Right)
            .setWordWrap(false);

    section(SectionKind::PageFooter).setHeight(0);

    Section& rf = section(SectionKind::ReportFooter);
    rf.setHeight(kLine + 120);
    rules(rf, lines, kLine + 120);
    rf.addLabel(QStringLiteral("Label%1").arg(++n), 40, 40, kMonthWidth - 80, kLine, QStringLiteral("TOTAL:-"))
        .setBold();
    for (int i = 0; i < 15; ++i)
        rf.addSum(QStringLiteral("Function%1").arg(i + 1), columnX(i + 1) + 20, 40, kColumn - 40, kLine,
                  QString::fromLatin1(kPayColumns[i].field))
            .setAlign(Align::Right)
            .setFont(kTotalPoints, true)
            .setWordWrap(false);
}

void DataReport11::fill(data::Database& salaryDb, const QString& code, const QDate& from, const QDate& to)
{
    // Each month's net as the bank was asked to credit it (common/row_net.h);
    // named first, it is the one the statement's fields find.
    setDataSource(reports::DataSource::fromQuery(
        salaryDb, statementRowsSql(QStringLiteral("%1 AS net, *").arg(QLatin1String(common::kRowNet))),
        {code, QVariant(from), QVariant(to)}));
}

void DataReport11::initialize()
{
    auto& form = forms::Forms::get<Form15>();
    fill(data::Database::open(QString::fromLatin1(common::kSalaryDb)), form.employeeCode(),
         form.periodFrom(), form.periodTo());
    const QString s = QStringLiteral("Section4");
    label(s, QStringLiteral("Label18")).setCaption(form.Label5->caption());
    label(s, QStringLiteral("Label20")).setCaption(form.Label7->caption());
    label(s, QStringLiteral("Label22")).setCaption(form.Label8->caption());
    label(s, QStringLiteral("Label26")).setCaption(form.Label13->caption());
    label(s, QStringLiteral("Label23")).setCaption(form.Label11->caption());
}

} // namespace payslip
