#include "allotment/register_reports.h"

#include "allotment/financial_report_form.h"
#include "allotment/heads.h"
#include "allotment/registers.h"
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"

namespace allotment {

namespace {

using reports::Align;
using reports::Section;
using reports::SectionKind;

// The ruled grid fills the printable width of a landscape A4 page (16838
// twips less two margins of 720), so that seven-digit amounts stand clear of
// their rules and a head's whole description fits its column.
constexpr int kLine = 240;          // one line of 8-point text
constexpr int kAmountWidth = 808;
constexpr double kGridFont = 7;
constexpr int kDateWidth = 880;
constexpr int kGridWidth = 15388;

// The register columns both reports show, in register order; the schematic
// fund is not reported.
const char* const kAmountCaptions[] = {"Pay",   "G.Pay", "DA", "HRA",  "MA",   "Bonus", "Wages",
                                       "TA",    "Elec",  "Tele", "Misc", "OE",  "OC"};

struct GridColumn {
    QString caption;
    QString field;
    int width;
    bool isDate;
};

QVector<GridColumn> amountColumns()
{
    QVector<GridColumn> cols;
    for (int c = Pay; c < Scheme; ++c)
        cols.push_back({kAmountCaptions[c], kAmountColumns[c].field, kAmountWidth, false});
    return cols;
}

// Registers keep ISO dates; the reports show them day first with a two-digit year.
QString shortRegisterDate(const QVariant& v)
{
    QDate d = v.typeId() == QMetaType::QDate ? v.toDate() : QDate::fromString(v.toString(), Qt::ISODate);
    return d.isValid() ? vb::format(d, "dd/mm/yy") : v.toString();
}

QString amountText(const QVariant& v)
{
    return v.isNull() ? QString() : vb::figure(v.toDouble());
}

// Captions over ruled columns in the page header (Label1, Label2 ...), and
// the matching fields, ruled alike, in the detail section (Text<firstField>
// on), each on the row's middle line. Rules are numbered on from Line1 across
// both sections, so that every control of the report has a name of its own.
void layOutGrid(reports::Report& report, const QVector<GridColumn>& cols, int detailHeight,
                int firstField)
{
    Section& header = report.section(SectionKind::PageHeader);
    Section& detail = report.section(SectionKind::Detail);
    const int headerHeight = 2 * kLine;
    header.setHeight(headerHeight);
    detail.setHeight(detailHeight);

    int line = 0;
    auto rule = [&line](Section& s, int x1, int y1, int x2, int y2) {
        s.addLine(QStringLiteral("Line%1").arg(++line), x1, y1, x2, y2);
    };

    int total = 0;
    for (const GridColumn& c : cols)
        total += c.width;
    rule(header, 0, 0, total, 0);
    rule(header, 0, headerHeight, total, headerHeight);
    rule(detail, 0, detailHeight, total, detailHeight);

    int x = 0;
    int n = 0;
    for (const GridColumn& c : cols) {
        rule(header, x, 0, x, headerHeight);
        rule(detail, x, 0, x, detailHeight);
        header.addLabel(QStringLiteral("Label%1").arg(++n), x + 30, 60, c.width - 60, headerHeight - 60,
                        c.caption)
            .setFont(kGridFont, true)
            .setAlign(Align::Center);
        if (!c.field.isEmpty()) {
            detail.addField(QStringLiteral("Text%1").arg(firstField++), x + 30, (detailHeight - kLine) / 2,
                            c.width - 60, kLine, c.field)
                .setFontSize(kGridFont)
                .setAlign(Align::Center)
                .setWordWrap(false)
                .setFormatter(c.isDate ? shortRegisterDate : amountText);
        }
        x += c.width;
    }
    rule(header, total, 0, total, headerHeight);
    rule(detail, total, 0, total, detailHeight);
}

struct TitleNames {
    const char* title;
    const char* from;
    const char* toWord;
    const char* to;
};

// "<title> <from> TO <to>", both dates underlined by a rule.
void layOutTitle(reports::Report& report, const QString& title, const TitleNames& names)
{
    constexpr int titleWidth = 5800;
    Section& s = report.section(SectionKind::ReportHeader);
    s.setHeight(3 * kLine);
    int x = 0;
    s.addLabel(names.title, x, kLine, titleWidth, kLine, title).setFont(10, true).setWordWrap(false);
    x += titleWidth + 100;
    s.addLabel(names.from, x, kLine, 1300, kLine, {}).setFont(10, true).setAlign(Align::Center);
    s.addLine("Line90", x, 2 * kLine + 20, x + 1300, 2 * kLine + 20);
    x += 1400;
    s.addLabel(names.toWord, x, kLine, 400, kLine, "TO").setFont(10, true).setAlign(Align::Center);
    x += 500;
    s.addLabel(names.to, x, kLine, 1300, kLine, {}).setFont(10, true).setAlign(Align::Center);
    s.addLine("Line91", x, 2 * kLine + 20, x + 1300, 2 * kLine + 20);
}

void setCommonPage(reports::Report& report)
{
    report.setPageSize(reports::PageSize::A4);
    report.section(SectionKind::PageFooter).setHeight(2 * kLine);
    report.section(SectionKind::ReportFooter).setHeight(0);
}

struct Period {
    QDate from, to;
    QString fromCaption, toCaption;
};

// The period boxes of the financial-report form, read day first, and the
// medium-date captions it has just put in its labels.
Period periodOfForm()
{
    Form4& form = forms::Forms::get<Form4>();
    return {vb::cdate(form.Text1->text().trimmed()), vb::cdate(form.Text2->text().trimmed()),
            form.Label4->caption(), form.Label5->caption()};
}

// The report's rows: a register's entries dated from..to, both inclusive, by
// the rule every paper reads a register's period by.
void setPeriodRows(reports::Report& r, const char* sql, const char* dateField, const QDate& from, const QDate& to)
{
    data::Database& fund = data::Database::open(common::kFundDb);
    const RegisterPeriod period = registerPeriod(QLatin1String(dateField), from, to);
    r.setDataSource(reports::DataSource::fromQuery(fund, QString::fromLatin1(sql).arg(period.condition),
                                                   period.values));
}

} // namespace

PeriodRegister::PeriodRegister(const char* sql, const char* dateField, const char* fromLabel, const char* toLabel)
    : mSql(sql), mDateField(dateField), mFromLabel(fromLabel), mToLabel(toLabel)
{
}

void PeriodRegister::initialize()
{
    const Period p = periodOfForm();
    load(p.from, p.to, p.fromCaption, p.toCaption);
}

void PeriodRegister::load(const QDate& from, const QDate& to, const QString& fromCaption,
                          const QString& toCaption)
{
    setPeriodRows(*this, mSql, mDateField, from, to);
    label(QStringLiteral("Section4"), QLatin1String(mFromLabel)).setCaption(fromCaption);
    label(QStringLiteral("Section4"), QLatin1String(mToLabel)).setCaption(toCaption);
}

DataReport9::DataReport9()
    : PeriodRegister("select * from all_allot where %1 and order_no <> '0' order by rowid", "order_date",
                     "Label21", "Label23")
{
    setTitle("ALLOTMENT RECEIVED");
    setCommonPage(*this);
    layOutTitle(*this, "ALLOTMENT RECEIVED FOR THE PERIOD FROM", {"Label20", "Label21", "Label22", "Label23"});
    section(SectionKind::PageFooter)
        .addLabel("Label24", kGridWidth - 2000, kLine / 2, 2000, kLine, "%p of %P")
        .setAlign(Align::Right);

    constexpr int headWidth = kGridWidth - 1100 - kDateWidth - 13 * kAmountWidth;
    QVector<GridColumn> cols{{"Head ", {}, headWidth, false},
                             {"Order No", "order_no", 1100, false},
                             {"Order date", "order_date", kDateWidth, true}};
    cols += amountColumns();
    layOutGrid(*this, cols, 2 * kLine + 60, 3);
    // The head column holds two fields: the code over the description.
    Section& detail = section(SectionKind::Detail);
    detail.addField("Text1", 30, 30, headWidth - 60, kLine, "head").setFontSize(kGridFont).setWordWrap(false);
    detail.addField("Text2", 30, 30 + kLine, headWidth - 60, kLine, "despn")
        .setFontSize(kGridFont)
        .setWordWrap(false);
    // Order number is text, shown as typed.
    detail.control("Text3").setFormatter([](const QVariant& v) { return v.toString(); });
}

DataReport10::DataReport10()
    : PeriodRegister("select * from all_exp where %1 and bill_no <> 0 order by bill_no asc", "bill_date",
                     "Label19", "Label21")
{
    setTitle("EXPENDITURE REPORT");
    setCommonPage(*this);
    layOutTitle(*this, "EXPENDITURE REPORT FOR THE  PERIOD FROM", {"Label17", "Label19", "Label20", "Label21"});
    Section& footer = section(SectionKind::PageFooter);
    footer.addLabel("Label22", kGridWidth - 1750, kLine / 2, 700, kLine, "Page").setAlign(Align::Right);
    footer.addLabel("Label23", kGridWidth - 1000, kLine / 2, 1000, kLine, "%p of %P");

    QVector<GridColumn> cols{{"Bill No", "bill_no", 760, false},
                             {"Date", "bill_date", kDateWidth, true}};
    cols += amountColumns();
    cols.push_back({"Nature of Bill", "despn", kGridWidth - 760 - kDateWidth - 13 * kAmountWidth, false});
    layOutGrid(*this, cols, kLine + 60, 1);
    section(SectionKind::Detail)
        .control("Text16")
        .setAlign(Align::Left)
        .setFormatter([](const QVariant& v) { return v.toString(); });
}

} // namespace allotment
