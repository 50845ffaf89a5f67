#include "payslip/pay_reports.h"

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

constexpr int kLine = 260;
constexpr int kSlipWidth = 12240;
constexpr int kColumn = kSlipWidth / 15;
constexpr int kGridTop = 1380;
// Headings such as "GROSS PAY" take two lines in a 0.57-inch column.
constexpr int kHeadingRow = 2 * kLine + 60;
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
    setWindowState(reports::WindowState::Maximized);

    Section& d = section(SectionKind::Detail);
    d.setHeight(kGridBottom + 420);
    // Captions are numbered above the labels the form fills (Label24, Label28, Label30).
    int n = 40;
    d.addLabel(QStringLiteral("Label%1").arg(++n), 0, 0, kSlipWidth, 320, QStringLiteral("P A Y  S L I P "))
        .setFont(12, true)
        .setAlign(Align::Center);

    // Office line: Label24 and Label28 carry what the form shows.
    d.addLabel(QStringLiteral("Label%1").arg(++n), 0, 400, 1700, kLine, QStringLiteral(" Name of Office   :")).setBold();
    d.addLabel(QStringLiteral("Label24"), 1700, 400, 6300, kLine, QString()).setWordWrap(false);
    d.addLabel(QStringLiteral("Label%1").arg(++n), 8400, 400, 1500, kLine, QStringLiteral("D.D.O CODE   :")).setBold();
    d.addLabel(QStringLiteral("Label28"), 9900, 400, 2340, kLine, QString()).setWordWrap(false);

    const int y1 = 700, y2 = 1000;
    int f = 0;
    pair(d, n, f, 0, y1, 1500, 1300, QStringLiteral(" Employee Code :"), QStringLiteral("emp_code"));
    pair(d, n, f, 2900, y1, 700, 3000, QStringLiteral("Name :"), QStringLiteral("name"));
    pair(d, n, f, 6700, y1, 1200, 2000, QStringLiteral("Designation :"), QStringLiteral("designation"));
    pair(d, n, f, 9900, y1, 1400, 940, QStringLiteral("G.P.F A/C NO :"), QStringLiteral("acc_no"));
    pair(d, n, f, 0, y2, 1500, 1300, QStringLiteral(" Month of Pay     :"), QStringLiteral("p_month"));
    d.addLabel(QStringLiteral("Label%1").arg(++n), 2900, y2, 1200, kLine, QStringLiteral("Bill Number :")).setBold();
    // Nothing fills the bill number: a slip is printed from the salary rows,
    // which do not carry it.
    d.addLabel(QStringLiteral("Label30"), 4100, y2, 1600, kLine, QStringLiteral(" "));
    pair(d, n, f, 5800, y2, 1400, 1500, QStringLiteral("Bill Date      :"), QStringLiteral("bill_date"));
    pair(d, n, f, 8400, y2, 1400, 2440, QStringLiteral("BANK A/C NO :"), QStringLiteral("bank_ac"));

    // The ruled row of fifteen headings and amounts.
    int lines = 0;
    d.addLine(QStringLiteral("Line%1").arg(++lines), 0, kGridTop, kSlipWidth, kGridTop);
    d.addLine(QStringLiteral("Line%1").arg(++lines), 0, kGridTop + kHeadingRow, kSlipWidth, kGridTop + kHeadingRow);
    d.addLine(QStringLiteral("Line%1").arg(++lines), 0, kGridBottom, kSlipWidth, kGridBottom);
    for (int i = 0; i <= 15; ++i)
        d.addLine(QStringLiteral("Line%1").arg(++lines), i * kColumn, kGridTop, i * kColumn, kGridBottom);
    for (int i = 0; i < 15; ++i) {
        const PayColumn& c = kPayColumns[i];
        d.addLabel(QStringLiteral("Label%1").arg(++n), i * kColumn + 20, kGridTop + 30, kColumn - 40, kHeadingRow - 40,
                   QString::fromLatin1(c.slip))
            .setAlign(Align::Center)
            .setBold();
        d.addField(QStringLiteral("Amount%1").arg(i + 1), i * kColumn + 30, kGridTop + kHeadingRow + 30, kColumn - 60,
                   kLine, QString::fromLatin1(c.field))
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
    // Every row of the date gives a slip, a row without pay too.
    QString sql = QStringLiteral("SELECT * FROM salary WHERE bill_date = ?");
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
