#include "payslip/pay_reports.h"

#include "common/row_net.h"
#include "common/schema.h"
#include "payslip/pay_columns.h"
#include "payslip/pay_slip_form.h"
#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"

namespace payslip {

namespace {

using reports::Align;
using reports::Section;
using reports::SectionKind;

constexpr int kMargin = 540;
// Each amount holds a salary part just under one crore with its paise
// ("9999999.99"); gross and net hold what six such parts make.
constexpr int kColumn = 1030;
constexpr int kWideColumn = 1150;
constexpr int kSlipWidth = 13 * kColumn + 2 * kWideColumn;
constexpr int kGridTop = 1380;
// Headings such as "GROSS PAY" take two lines in a column.
constexpr int kHeadingRow = 2 * kLine + 60;

bool wide(int i)
{
    const QLatin1String field(kPayColumns[i].field);
    return field == QLatin1String("gross") || field == QLatin1String("net");
}

int columnX(int i)
{
    int x = 0;
    for (int j = 0; j < i; ++j)
        x += wide(j) ? kWideColumn : kColumn;
    return x;
}
constexpr int kGridBottom = kGridTop + kHeadingRow + kLine + 60;

// A caption and the value beside it, on one line of the slip: fields are
// Text1 (emp_code) to Text7 (bank_ac) in reading order.
void pair(Section& s, int& n, int& f, int x, int y, int captionWidth, int valueWidth, const QString& caption,
          const QString& field)
{
    s.addLabel(QStringLiteral("Label%1").arg(++n), x, y, captionWidth, kLine, caption).setBold().setWordWrap(false);
    s.addField(QStringLiteral("Text%1").arg(++f), x + captionWidth, y, valueWidth, kLine, field).setWordWrap(false);
}

} // namespace

DataReport7::DataReport7()
{
    setTitle(QStringLiteral("PAY SLIP"));
    setOrientation(reports::Orientation::Landscape);
    setMargins(kMargin, 720, kMargin, 720);
    setWindowState(reports::WindowState::Maximized);

    Section& d = section(SectionKind::Detail);
    d.setHeight(kGridBottom + 420);
    // Captions are numbered above the labels the form fills (Label24, Label28, Label30).
    int n = 40;
    d.addLabel(QStringLiteral("Label%1").arg(++n), 0, 0, kSlipWidth, 320, QStringLiteral("P A Y  S L I P "))
        .setFont(12, true)
        .setAlign(Align::Center);

    // Office line: Label24 and Label28 carry what the form shows.
    d.addLabel(QStringLiteral("Label%1").arg(++n), 0, 400, 1800, kLine, QStringLiteral(" Name of Office   :")).setBold();
    d.addLabel(QStringLiteral("Label24"), 1800, 400, 7600, kLine, QString()).setWordWrap(false);
    d.addLabel(QStringLiteral("Label%1").arg(++n), 9500, 400, 1600, kLine, QStringLiteral("D.D.O CODE   :")).setBold();
    d.addLabel(QStringLiteral("Label28"), 11100, 400, kSlipWidth - 11100, kLine, QString()).setWordWrap(false);

    const int y1 = 700, y2 = 1000;
    int f = 0;
    pair(d, n, f, 0, y1, 1800, 1300, QStringLiteral(" Employee Code :"), QStringLiteral("emp_code"));
    pair(d, n, f, 3200, y1, 700, 3500, QStringLiteral("Name :"), QStringLiteral("name"));
    pair(d, n, f, 7500, y1, 1500, 2700, QStringLiteral("Designation :"), QStringLiteral("designation"));
    pair(d, n, f, 11800, y1, 1600, kSlipWidth - 13400, QStringLiteral("G.P.F A/C NO :"), QStringLiteral("acc_no"));
    pair(d, n, f, 0, y2, 2000, 1100, QStringLiteral(" Month of Pay     :"), QStringLiteral("p_month"));
    d.addLabel(QStringLiteral("Label%1").arg(++n), 3200, y2, 1300, kLine, QStringLiteral("Bill Number :")).setBold();
    // Nothing fills the bill number: a slip is printed from the salary rows,
    // which do not carry it.
    d.addLabel(QStringLiteral("Label30"), 4500, y2, 1600, kLine, QStringLiteral(" "));
    pair(d, n, f, 6200, y2, 1700, 1500, QStringLiteral("Bill Date      :"), QStringLiteral("bill_date"));
    pair(d, n, f, 9500, y2, 1600, kSlipWidth - 11100, QStringLiteral("BANK A/C NO :"), QStringLiteral("bank_ac"));

    // The ruled row of fifteen headings and amounts.
    int lines = 0;
    d.addLine(QStringLiteral("Line%1").arg(++lines), 0, kGridTop, kSlipWidth, kGridTop);
    d.addLine(QStringLiteral("Line%1").arg(++lines), 0, kGridTop + kHeadingRow, kSlipWidth, kGridTop + kHeadingRow);
    d.addLine(QStringLiteral("Line%1").arg(++lines), 0, kGridBottom, kSlipWidth, kGridBottom);
    for (int i = 0; i <= 15; ++i)
        d.addLine(QStringLiteral("Line%1").arg(++lines), columnX(i), kGridTop, columnX(i), kGridBottom);
    for (int i = 0; i < 15; ++i) {
        const PayColumn& c = kPayColumns[i];
        const int x = columnX(i), w = columnX(i + 1) - x;
        d.addLabel(QStringLiteral("Label%1").arg(++n), x + 20, kGridTop + 30, w - 40, kHeadingRow - 40,
                   QString::fromLatin1(c.slip))
            .setAlign(Align::Center)
            .setBold();
        d.addField(QStringLiteral("Amount%1").arg(i + 1), x + 20, kGridTop + kHeadingRow + 30, w - 40, kLine,
                   QString::fromLatin1(c.field))
            .setAlign(Align::Right)
            .setWordWrap(false);
    }

    Section& pf = section(SectionKind::PageFooter);
    pf.setHeight(360);
    pf.addLabel(QStringLiteral("Label%1").arg(++n), 0, 60, kSlipWidth, kLine, QStringLiteral("PAGE %p OF %P"))
        .setAlign(Align::Right);
}

void DataReport7::fill(data::Database& salaryDb, const QDate& billDate, const QString& code, const QString& office,
                       const QString& ddoCode)
{
    // Every row of the date gives a slip, a row without pay too. Its net is
    // the one the bank is asked to credit (common/row_net.h): named first, it
    // is the one the slip's fields find.
    QString sql = QStringLiteral("SELECT %1 AS net, * FROM salary WHERE bill_date = ?").arg(QLatin1String(common::kRowNet));
    QVariantList params{QVariant(billDate)};
    if (!code.trimmed().isEmpty()) {
        sql += QStringLiteral(" AND emp_code = ?");
        params << code.trimmed();
    }
    setDataSource(reports::DataSource::fromQuery(salaryDb, sql + QStringLiteral(" ORDER BY rowid"), params));
    label(QStringLiteral("Section1"), QStringLiteral("Label24")).setCaption(office);
    label(QStringLiteral("Section1"), QStringLiteral("Label28")).setCaption(ddoCode);
}

void DataReport7::initialize()
{
    auto& form = forms::Forms::get<Form8>();
    fill(data::Database::open(QString::fromLatin1(common::kSalaryDb)), form.billDate(), form.Combo2->text(),
         form.Label32->caption(), form.Label33->caption());
}

} // namespace payslip
