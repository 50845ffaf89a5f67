#include "paybill/inner_sheet_reports.h"

#include "common/schema.h"
#include "paybill/bill_form.h"
#include "paybill/working_tables.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"

namespace paybill {

namespace {

using reports::Align;
using reports::Section;
using reports::SectionKind;

// The two halves are printed on legal paper, landscape, and are laid side by
// side by the clerk: both keep the same header and row heights so that the
// lines of one employee meet.
constexpr int kLine = 240;
constexpr int kPad = 40;
constexpr int kHeaderHeight = 2160;
constexpr int kGridTop = 720;
constexpr int kCaptionHeight = 1020;
constexpr int kNumberTop = kGridTop + kCaptionHeight;
constexpr int kRowHeight = 3 * kLine + 60;
constexpr int kFooterHeight = 3 * kLine + 120;

// Left sheet columns 1 to 6.
constexpr int kLeftX[] = {0, 800, 7200, 9400, 11200, 13400, 15800};
// Right sheet columns 7 to 13, then remarks and acquittance.
// A deduction's column holds its small caption and a part at its ceiling
// ("9999999.99"); the insurance column also holds, on the totals line, each
// scheme's part and the sum, all with ten-digit rupees.
constexpr int kRightX[] = {0, 2000, 6300, 8300, 10300, 12300, 13900, 15500, 16700, 18200};

// The dues of the left sheet: the column of sal, the sheet column (between
// kLeftX[col] and kLeftX[col + 1]) and the line in it. The festival advance
// is totalled too, last, so that the columns cross-check to the total due.
struct Due {
    const char* column;
    int col;
    int line;
    bool totalled;
};
constexpr Due kDues[] = {
    {"pay", 2, 0, true}, {"d_pay", 2, 1, true}, {"less_fa", 2, 2, false}, {"da", 3, 0, true},
    {"hra", 4, 0, true}, {"ma", 4, 1, true},    {"oa", 4, 2, true},       {"gross", 5, 0, true},
};

void setPaper(reports::Report& r)
{
    r.setPageSize(reports::PageSize::Legal);
    r.setOrientation(reports::Orientation::Landscape);
}

int lineY(int line)
{
    return 30 + line * kLine;
}

// Ruled column edges from the top of a section down to bottom, closed by a
// rule along the bottom.
void addRules(Section& s, const int* xs, int n, int bottom, int& lineNo)
{
    for (int i = 0; i < n; ++i)
        s.addLine(QStringLiteral("Line%1").arg(++lineNo), xs[i], 0, xs[i], bottom);
    s.addLine(QStringLiteral("Line%1").arg(++lineNo), xs[0], bottom, xs[n - 1], bottom);
}

// The ruled caption rows of a sheet. Columns spanFrom..spanTo sit under one
// shared caption of one line: the rules between them start below it.
void addGridHeader(Section& s, const int* xs, int n, int firstNumber, int firstLabel, int spanFrom, int spanTo,
                   int& lineNo)
{
    const int right = xs[n - 1];
    const int spanBottom = kGridTop + 60 + kLine;
    s.addLine(QStringLiteral("Line%1").arg(++lineNo), 0, kGridTop, right, kGridTop);
    s.addLine(QStringLiteral("Line%1").arg(++lineNo), xs[spanFrom], spanBottom, xs[spanTo], spanBottom);
    s.addLine(QStringLiteral("Line%1").arg(++lineNo), 0, kNumberTop, right, kNumberTop);
    s.addLine(QStringLiteral("Line%1").arg(++lineNo), 0, kHeaderHeight - 60, right, kHeaderHeight - 60);
    for (int i = 0; i < n; ++i) {
        const int top = i > spanFrom && i < spanTo ? spanBottom : kGridTop;
        s.addLine(QStringLiteral("Line%1").arg(++lineNo), xs[i], top, xs[i], kHeaderHeight - 60);
    }
    for (int i = 0; i < n - 1; ++i) {
        if (firstNumber + i > (firstNumber == 1 ? 6 : 13))
            break;
        s.addLabel(QStringLiteral("Label%1").arg(firstLabel + i), xs[i], kNumberTop + 60, xs[i + 1] - xs[i],
                   kLine, QString::number(firstNumber + i))
            .setAlign(Align::Center);
    }
}

// A column caption of the ruled header, centred between x0 and x1.
reports::Control& columnCaption(Section& s, const QString& name, int x0, int x1, int y, int h, const QString& text)
{
    return s.addLabel(name, x0, y, x1 - x0, h, text).setAlign(Align::Center);
}

reports::Control& amountField(Section& s, const QString& name, int x0, int x1, int line, const QString& column)
{
    return s.addField(name, x0 + kPad, lineY(line), x1 - x0 - 2 * kPad, kLine, column, QStringLiteral("0.00"))
        .setAlign(Align::Right)
        .setWordWrap(false);
}

reports::Control& amountSum(Section& s, const QString& name, int x0, int x1, int line, const QString& column)
{
    return s.addSum(name, x0 + kPad, lineY(line), x1 - x0 - 2 * kPad, kLine, column, QStringLiteral("0.00"))
        .setAlign(Align::Right)
        .setBold()
        .setWordWrap(false);
}

reports::Control& footerValue(Section& s, const QString& name, int x0, int x1, int line)
{
    return s.addLabel(name, x0 + kPad, lineY(line), x1 - x0 - 2 * kPad, kLine, QString())
        .setAlign(Align::Right)
        .setBold()
        .setWordWrap(false);
}

// The parts of a two-scheme total in small print, "a + b =", left of the
// total itself: labels names[0] and names[2] receive the parts.
constexpr int kPartsWidth = 2720;
void addParts(Section& s, int left, int line, const int (&names)[4])
{
    const int dx[] = {0, 1200, 1360, 2560};
    const int w[] = {1200, 160, 1200, 160};
    for (int i = 0; i < 4; ++i) {
        const QString text = i == 1 ? QStringLiteral("+") : i == 3 ? QStringLiteral("=") : QString();
        s.addLabel(QStringLiteral("Label%1").arg(names[i]), left + dx[i], lineY(line), w[i], kLine, text)
            .setAlign(Align::Center)
            .setWordWrap(false)
            .setFontSize(7);
    }
}

// The grand totals print only a page footer, under the last sheet.
void setUpGrandTotal(reports::Report& r)
{
    setPaper(r);
    r.section(SectionKind::ReportHeader).setHeight(0);
    r.section(SectionKind::PageHeader).setHeight(0);
    r.section(SectionKind::Detail).setHeight(0);
    r.section(SectionKind::ReportFooter).setHeight(0);
}

// Hands a caption of the bill form to a label of the report.
void put(reports::Report& r, const char* section, const char* label, const QString& caption)
{
    r.label(QLatin1String(section), QLatin1String(label)).setCaption(caption);
}

// "<degn> <dist>" of the office whose code the bill form shows, as its office
// line names the officer; empty for a code no longer in estt.
QString ddoDesignation(const QString& ddoCode)
{
    data::QueryRecordset estt(data::Database::open(QString::fromLatin1(common::kFundDb)),
                              QStringLiteral("SELECT degn, dist FROM estt WHERE ddo_code = ? ORDER BY rowid"),
                              {ddoCode});
    if (estt.eof())
        return {};
    return estt.field("degn").text() + QLatin1Char(' ') + estt.field("dist").text();
}

Form6& billForm()
{
    return forms::Forms::get<Form6>();
}

// The rows an inner sheet prints: the whole bill when the print mode is 0,
// else the Sl. Nos. of the range or page.
reports::DataSource sheetRows(Form6& form)
{
    data::Database& db = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    if (vb::val(form.Label27->caption()) == 0)
        return reports::DataSource::fromQuery(db, QStringLiteral("SELECT * FROM sal ORDER BY sl_no"));
    return reports::DataSource::fromQuery(
        db, QStringLiteral("SELECT * FROM sal WHERE sl_no BETWEEN ? AND ? ORDER BY sl_no"),
        {vb::val(form.Label48->caption()), vb::val(form.Label49->caption())});
}

// The page footers of the grand totals count no rows; they only need the
// bill's rows to make their one page.
reports::DataSource wholeBill()
{
    data::Database& db = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    return reports::DataSource::fromQuery(db, QStringLiteral("SELECT * FROM sal ORDER BY sl_no"));
}

QString formatted(const forms::Label* l, const char* fmt)
{
    return vb::format(vb::val(l->caption()), QString::fromLatin1(fmt));
}

} // namespace

// ---- DataReport1: left inner sheet ------------------------------------------

DataReport1::DataReport1()
{
    setTitle(QStringLiteral("PAY BILL - INNER SHEET (LEFT)"));
    setPaper(*this);
    setRowsPerPage(kRowsPerPage);
    const int* x = kLeftX;

    Section& ph = section(SectionKind::PageHeader);
    ph.setHeight(kHeaderHeight);
    ph.addLabel(QStringLiteral("Label1"), 0, 0, 3000, 320, QStringLiteral("PAY BILL ")).setFont(12, true);
    ph.addLabel(QStringLiteral("Label2"), 0, 360, 1500, kLine, QStringLiteral("DEPARTMENT:")).setBold();
    ph.addLabel(QStringLiteral("Label21"), 1500, 360, 4400, kLine, QString()).setWordWrap(false);
    ph.addLabel(QStringLiteral("Label3"), 6000, 360, 1800, kLine, QStringLiteral("HEAD OF ACCOUNT:")).setBold();
    ph.addLabel(QStringLiteral("Label20"), 7800, 360, 3000, kLine, QString()).setWordWrap(false);
    ph.addLabel(QStringLiteral("Label4"), 11400, 360, 2000, kLine, QStringLiteral("PAY MONTH & YEAR:")).setBold();
    ph.addLabel(QStringLiteral("Label27"), 13400, 360, 2400, kLine, QString()).setWordWrap(false);

    int lineNo = 0;
    addGridHeader(ph, x, 7, 1, 5, 2, 5, lineNo);
    const int capTop = kGridTop + 60;
    const int capH = kCaptionHeight - 120;
    columnCaption(ph, QStringLiteral("Label11"), x[0], x[1], capTop, capH, QStringLiteral("SL. NO"));
    ph.addLabel(QStringLiteral("Label12"), x[1] + kPad, capTop, x[2] - x[1] - 2 * kPad, capH,
                QStringLiteral("Provident A/c No. Emp. Group              Name of incumbernt / Designation    "
                               "Scale of Pay"));
    columnCaption(ph, QStringLiteral("Label13"), x[2], x[5], capTop, kLine, QStringLiteral("DUES (in Rupees)"))
        .setBold();
    const int subTop = capTop + kLine + 60;
    const int subH = capH - kLine - 60;
    columnCaption(ph, QStringLiteral("Label14"), x[2], x[3], subTop, subH, QStringLiteral("B.PAY/ G.PAY/ Less FA"));
    columnCaption(ph, QStringLiteral("Label15"), x[3], x[4], subTop, subH, QStringLiteral("DA/CA"));
    columnCaption(ph, QStringLiteral("Label16"), x[4], x[5], subTop, subH, QStringLiteral("HRA / MA /  OA"));
    columnCaption(ph, QStringLiteral("Label17"), x[5], x[6], capTop, capH,
                  QStringLiteral("TOTAL DUE              (in Rupees)"));

    Section& d = section(SectionKind::Detail);
    d.setHeight(kRowHeight);
    int dl = 0;
    addRules(d, x, 7, kRowHeight, dl);
    d.addField(QStringLiteral("Text1"), x[0] + kPad, lineY(0), x[1] - x[0] - 2 * kPad, kLine,
               QStringLiteral("sl_no"))
        .setAlign(Align::Center);
    d.addField(QStringLiteral("Text2"), x[1] + kPad, lineY(0), x[2] - x[1] - 2 * kPad, kLine,
               QStringLiteral("acc_no"))
        .setWordWrap(false);
    d.addField(QStringLiteral("Text3"), x[1] + kPad, lineY(1), x[2] - x[1] - 2 * kPad, kLine,
               QStringLiteral("name"))
        .setBold()
        .setWordWrap(false);
    d.addField(QStringLiteral("Text4"), x[1] + kPad, lineY(2), x[2] - x[1] - 2 * kPad, kLine,
               QStringLiteral("designation"))
        .setWordWrap(false);
    int text = 4;
    for (const Due& due : kDues)
        amountField(d, QStringLiteral("Text%1").arg(++text), x[due.col], x[due.col + 1], due.line,
                    QString::fromLatin1(due.column));

    section(SectionKind::PageFooter).setHeight(0);

    Section& rf = section(SectionKind::ReportFooter);
    rf.setHeight(kFooterHeight);
    int fl = 0;
    addRules(rf, x + 2, 5, kFooterHeight - 60, fl);
    rf.addLabel(QStringLiteral("Label24"), x[1], lineY(0), x[2] - x[1] - 2 * kPad, kLine, QString())
        .setAlign(Align::Right)
        .setBold();
    int function = 0;
    for (const Due& due : kDues)
        if (due.totalled)
            amountSum(rf, QStringLiteral("Function%1").arg(++function), x[due.col], x[due.col + 1], due.line,
                      QString::fromLatin1(due.column));
    for (const Due& due : kDues)
        if (!due.totalled)
            amountSum(rf, QStringLiteral("Function%1").arg(++function), x[due.col], x[due.col + 1], due.line,
                      QString::fromLatin1(due.column));
}

void DataReport1::initialize()
{
    Form6& form = billForm();
    setDataSource(sheetRows(form));
    put(*this, "Section2", "Label27", form.Label6->caption());
    put(*this, "Section2", "Label20", form.Label7->caption());
    put(*this, "Section2", "Label21", form.Label10->caption());
    put(*this, "Section5", "Label24", form.Label52->caption());
}

// ---- DataReport15: right inner sheet ----------------------------------------

DataReport15::DataReport15()
{
    setTitle(QStringLiteral("PAY BILL - INNER SHEET (RIGHT)"));
    setPaper(*this);
    setRowsPerPage(kRowsPerPage);
    const int* x = kRightX;

    Section& ph = section(SectionKind::PageHeader);
    ph.setHeight(kHeaderHeight);
    ph.addLabel(QStringLiteral("Label1"), 0, 0, 3000, 320, QStringLiteral("INNER SHEET")).setFont(12, true);
    // The establishment is the staff of the salary head; the designation is
    // that of the officer whose code is chosen on the bill form.
    ph.addLabel(QStringLiteral("Label2"), 3400, 60, 1500, kLine, QStringLiteral("Establishment")).setBold();
    ph.addLabel(QStringLiteral("Label19"), 4900, 60, 6000, kLine, QString()).setWordWrap(false);
    ph.addLabel(QStringLiteral("Label3"), 0, 360, 2000, kLine, QStringLiteral("D.D.O. Designation")).setBold();
    ph.addLabel(QStringLiteral("Label20"), 2000, 360, 4300, kLine, QString()).setWordWrap(false);
    ph.addLabel(QStringLiteral("Label4"), 6400, 360, 1300, kLine, QStringLiteral("D.D.O. Code:")).setBold();
    // The code of the office chosen on the bill form, not one fixed in the layout.
    ph.addLabel(QStringLiteral("Label5"), 7700, 360, 2000, kLine, QString()).setWordWrap(false);
    ph.addLabel(QStringLiteral("Label6"), 10200, 360, 1600, kLine, QStringLiteral("Bill No. & Date")).setBold();
    ph.addLabel(QStringLiteral("Label30"), 11800, 360, 1500, kLine, QString()).setWordWrap(false);
    ph.addLabel(QStringLiteral("Label31"), 13400, 360, 1600, kLine, QString()).setWordWrap(false);

    int lineNo = 0;
    addGridHeader(ph, x, 10, 7, 12, 0, 5, lineNo);
    const int capTop = kGridTop + 60;
    const int capH = kCaptionHeight - 120;
    columnCaption(ph, QStringLiteral("Label7"), x[0], x[5], capTop, kLine,
                  QStringLiteral("DEDUCTION & RECOVERIES (in Rupees)"))
        .setBold();
    columnCaption(ph, QStringLiteral("Label8"), x[5], x[6], capTop, capH, QStringLiteral("TOTAL DEDN.    (in Rupees)"));
    columnCaption(ph, QStringLiteral("Label9"), x[6], x[7], capTop, capH,
                  QStringLiteral("NET AMOUNT       (in Rupees)"));
    columnCaption(ph, QStringLiteral("Label10"), x[7], x[8], capTop, capH, QStringLiteral("REMARKS"));
    columnCaption(ph, QStringLiteral("Label11"), x[8], x[9], capTop, capH, QStringLiteral("   ACQUI - TANCE"));

    Section& d = section(SectionKind::Detail);
    d.setHeight(kRowHeight);
    int dl = 0;
    addRules(d, x, 10, kRowHeight, dl);
    struct Pair {
        const char* caption;
        const char* column; // null: a printed heading with nothing under it
        int col;
        int line;
    };
    const Pair pairs[] = {
        {"G.P.F. : ", "gpf_subs", 0, 0}, {"G.P.F. Re  ", "gpf_rec", 0, 1},
        {"SF '83 / '87:", "sf", 1, 0},   {"I.F '83 / '87:", "if", 1, 1},
        {"  P Tax:", "p_tax", 2, 0},     {"I.Tax:", "i_tax", 2, 1},
        {"H.B.A:", "hb_loan", 3, 0},     {"Int.HBA:", "hb_int", 3, 1},
        {"Intt. MCA:", nullptr, 4, 0},   {"MCA Reco:", nullptr, 4, 1},
        {"Comp Rec:", "others", 4, 2},
    };
    int text = 0;
    int cap = 40;
    for (const Pair& p : pairs) {
        const int x0 = x[p.col];
        const int x1 = x[p.col + 1];
        const int capW = p.col == 1 ? 1100 : 900;
        d.addLabel(QStringLiteral("Label%1").arg(++cap), x0 + kPad, lineY(p.line), capW, kLine,
                   QString::fromLatin1(p.caption))
            .setWordWrap(false)
            .setFontSize(7);
        if (p.column)
            amountField(d, QStringLiteral("Text%1").arg(++text), x0 + capW, x1, p.line,
                        QString::fromLatin1(p.column));
    }
    amountField(d, QStringLiteral("Text%1").arg(++text), x[5], x[6], 0, QStringLiteral("deduct"));
    amountField(d, QStringLiteral("Text%1").arg(++text), x[6], x[7], 0, QStringLiteral("net"));

    section(SectionKind::PageFooter).setHeight(0);

    Section& rf = section(SectionKind::ReportFooter);
    rf.setHeight(kFooterHeight);
    int fl = 0;
    addRules(rf, x, 8, kFooterHeight - 60, fl);
    amountSum(rf, QStringLiteral("Function1"), x[0], x[1], 0, QStringLiteral("gpf_subs"));
    amountSum(rf, QStringLiteral("Function2"), x[0], x[1], 1, QStringLiteral("gpf_rec"));
    // sf83 + sf87 = sf and if83 + if87 = if, beside the two sums.
    addParts(rf, x[1] + kPad, 0, {32, 36, 33, 38});
    addParts(rf, x[1] + kPad, 1, {34, 37, 35, 39});
    amountSum(rf, QStringLiteral("Function3"), x[1] + kPartsWidth, x[2], 0, QStringLiteral("sf"));
    amountSum(rf, QStringLiteral("Function4"), x[1] + kPartsWidth, x[2], 1, QStringLiteral("if"));
    amountSum(rf, QStringLiteral("Function5"), x[2], x[3], 0, QStringLiteral("p_tax"));
    amountSum(rf, QStringLiteral("Function6"), x[2], x[3], 1, QStringLiteral("i_tax"));
    amountSum(rf, QStringLiteral("Function7"), x[3], x[4], 0, QStringLiteral("hb_loan"));
    amountSum(rf, QStringLiteral("Function8"), x[3], x[4], 1, QStringLiteral("hb_int"));
    amountSum(rf, QStringLiteral("Function9"), x[4], x[5], 2, QStringLiteral("others"));
    amountSum(rf, QStringLiteral("Function10"), x[5], x[6], 0, QStringLiteral("deduct"));
    amountSum(rf, QStringLiteral("Function11"), x[6], x[7], 0, QStringLiteral("net"));
}

void DataReport15::initialize()
{
    Form6& form = billForm();
    setDataSource(sheetRows(form));
    put(*this, "Section2", "Label5", form.Label12->caption());
    put(*this, "Section2", "Label19", form.Combo2->text());
    put(*this, "Section2", "Label20", ddoDesignation(form.Label12->caption()));
    put(*this, "Section2", "Label30", form.Label16->caption());
    put(*this, "Section2", "Label31", form.Combo1->text());
    put(*this, "Section5", "Label32", form.Label22->caption());
    put(*this, "Section5", "Label33", form.Label25->caption());
    put(*this, "Section5", "Label34", form.Label23->caption());
    put(*this, "Section5", "Label35", form.Label24->caption());
}

// ---- DataReport8: left grand total ------------------------------------------

DataReport8::DataReport8()
{
    setTitle(QStringLiteral("PAY BILL - GRAND TOTAL (LEFT)"));
    setUpGrandTotal(*this);
    const int* x = kLeftX;

    Section& pf = section(SectionKind::PageFooter);
    pf.setHeight(kFooterHeight + 120);
    pf.addLine(QStringLiteral("Line1"), x[2], 0, x[6], 0);
    pf.addLabel(QStringLiteral("Label8"), x[1], lineY(0) + 60, x[2] - x[1] - 2 * kPad, kLine,
                QStringLiteral("GRAND TOTAL:-"))
        .setAlign(Align::Right)
        .setBold();
    // Under the totals of the sheets, in their places.
    int n = 0;
    auto place = [&](const Due& due, int number) {
        auto& l = footerValue(pf, QStringLiteral("Label%1").arg(number), x[due.col], x[due.col + 1], due.line);
        l.setGeometry(l.x(), l.y() + 60, l.width(), l.height());
    };
    for (const Due& due : kDues)
        if (due.totalled)
            place(due, ++n);
    for (const Due& due : kDues)
        if (!due.totalled)
            place(due, 9); // Label8 is the caption
    pf.addLine(QStringLiteral("Line2"), x[2], kFooterHeight + 60, x[6], kFooterHeight + 60);
}

void DataReport8::initialize()
{
    Form6& form = billForm();
    setDataSource(wholeBill());
    const forms::Label* sums[] = {form.Label31, form.Label32, form.Label33, form.Label34,
                                  form.Label35, form.Label36, form.Label37};
    for (int i = 0; i < 7; ++i) {
        // A zero oa sum still shows its 0.00; the others leave the rupees blank.
        const char* fmt = i == 5 ? "##0.00" : "###.00";
        label(QStringLiteral("Section3"), QStringLiteral("Label%1").arg(i + 1)).setCaption(formatted(sums[i], fmt));
    }
    const auto totals = leftGrandTotals(form.salaryDb());
    label(QStringLiteral("Section3"), QStringLiteral("Label9"))
        .setCaption(vb::format(totals ? totals->lessFa : 0, QStringLiteral("###.00")));
}

// ---- DataReport16: right grand total ----------------------------------------

DataReport16::DataReport16()
{
    setTitle(QStringLiteral("PAY BILL - GRAND TOTAL (RIGHT)"));
    setUpGrandTotal(*this);
    const int* x = kRightX;

    Section& pf = section(SectionKind::PageFooter);
    pf.setHeight(kFooterHeight);
    pf.addLine(QStringLiteral("Line1"), 0, 0, x[7], 0);
    footerValue(pf, QStringLiteral("Label1"), x[0], x[1], 0);
    footerValue(pf, QStringLiteral("Label2"), x[0], x[1], 1);
    addParts(pf, x[1] + kPad, 0, {3, 4, 5, 6});
    footerValue(pf, QStringLiteral("Label7"), x[1] + kPartsWidth, x[2], 0);
    addParts(pf, x[1] + kPad, 1, {8, 9, 10, 11});
    footerValue(pf, QStringLiteral("Label12"), x[1] + kPartsWidth, x[2], 1);
    footerValue(pf, QStringLiteral("Label13"), x[2], x[3], 0);
    footerValue(pf, QStringLiteral("Label14"), x[2], x[3], 1);
    footerValue(pf, QStringLiteral("Label15"), x[3], x[4], 0);
    footerValue(pf, QStringLiteral("Label16"), x[3], x[4], 1);
    footerValue(pf, QStringLiteral("Label17"), x[5], x[6], 0);
    footerValue(pf, QStringLiteral("Label18"), x[6], x[7], 0);
    footerValue(pf, QStringLiteral("Label19"), x[4], x[5], 2);
    pf.addLine(QStringLiteral("Line2"), 0, kFooterHeight - 60, x[7], kFooterHeight - 60);
}

void DataReport16::initialize()
{
    Form6& form = billForm();
    setDataSource(wholeBill());
    auto set = [this](int n, const QString& caption) {
        label(QStringLiteral("Section3"), QStringLiteral("Label%1").arg(n)).setCaption(caption);
    };
    set(1, formatted(form.Label38, "##0.00"));
    set(2, formatted(form.Label39, "##0.00"));
    set(3, form.Label22->caption());
    set(5, form.Label25->caption());
    set(7, formatted(form.Label41, "##0.00"));
    set(8, form.Label23->caption());
    set(10, form.Label24->caption());
    set(12, formatted(form.Label40, "##0.00"));
    set(13, formatted(form.Label42, "##0.00"));
    set(14, formatted(form.Label43, "##0.00"));
    set(15, formatted(form.Label44, "##0.00"));
    set(16, formatted(form.Label45, "##0.00"));
    set(17, formatted(form.Label46, "##0.00"));
    set(18, formatted(form.Label47, "##0.00"));
    set(19, formatted(form.Label56, "##0.00"));
}

} // namespace paybill
