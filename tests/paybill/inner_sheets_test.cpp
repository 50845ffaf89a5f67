#include "bill_fixture.h"

#include "paybill/inner_sheet_reports.h"
#include "platform/reports/page_model.h"
#include "platform/vb/convert.h"
#include "support/figures_fit.h"

namespace billtest {
namespace {

using paybill::DataReport1;
using paybill::DataReport15;
using paybill::DataReport16;
using paybill::DataReport8;
using testsupport::click;

QString only(const reports::PageModel& m, const char* control)
{
    const QStringList t = m.texts(QString::fromLatin1(control));
    return t.size() == 1 ? t.first() : QStringLiteral("<%1 texts>").arg(t.size());
}

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QString::number(i);
    return out;
}

// A March bill of n rows for head S on the form, activated. Row i has Sl. No.
// i, pay 1000 * i, and is of the 1983 scheme (if 3, sf 5) when i is a
// multiple of 3, else pays if 6 and sf 14.
class InnerSheets : public BillForm {
protected:
    void bill(int n)
    {
        reports::Reports::unloadAll();
        salaryDb().execute(QStringLiteral("DELETE FROM salary"));
        makeBill(kMarchBill, n);
        if (!form) {
            open();
            ASSERT_TRUE(testsupport::choose(*form->Combo3, QStringLiteral("DDO-2")));
        }
        activate(kMarchBill);
    }

    void expectNote(const QString& text)
    {
        ASSERT_EQ(boxes.boxes().size(), 1) << boxes.prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(boxes.boxes().first().prompt, text);
        EXPECT_EQ(boxes.boxes().first().style, forms::vbOKOnly + forms::vbInformation);
        EXPECT_EQ(boxes.boxes().first().title, QStringLiteral("PLEASE NOTE"));
        boxes.clearBoxes();
    }
};

TEST_F(InnerSheets, WholeBillPagesOfEightRows)
{
    bill(8);
    click(*form->Command2);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    ASSERT_TRUE(reports::Reports::isLoaded<DataReport1>());
    auto m = reports::Reports::get<DataReport1>().layout();
    EXPECT_EQ(m.pageCount(), 1);
    EXPECT_EQ(only(m, "Label24"), QStringLiteral("TOTAL:-"));
    EXPECT_EQ(only(m, "Function1"), QStringLiteral("36000.00"));
    EXPECT_EQ(only(m, "Label27"), QStringLiteral("MAR-12"));
    EXPECT_EQ(only(m, "Label20"), QString::fromLatin1(kHeadS));
    EXPECT_EQ(only(m, "Label21"), QStringLiteral("Office of the Sub-Divisional Officer Ranaghat"));
    EXPECT_EQ(form->Label27->caption(), QStringLiteral("0"));
    EXPECT_FALSE(forms::visibleFlag(form->Label27));

    for (auto [rows, pages] : {std::pair{9, 2}, {16, 2}, {17, 3}}) {
        bill(rows);
        boxes.answer(forms::vbNo);
        click(*form->Command2);
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes().first().prompt,
                  QStringLiteral("THIS REPORT CONTAINS TOTAL %1 PAGES.\nDO YOU WISH TO PRINT THIS REPORT WITH PAGE "
                                 "TOTAL?")
                      .arg(pages));
        EXPECT_EQ(boxes.boxes().first().style, forms::vbYesNo);
        EXPECT_EQ(boxes.boxes().first().title, QStringLiteral("Hi"));
        boxes.clearBoxes();
        m = reports::Reports::get<DataReport1>().layout();
        EXPECT_EQ(m.pageCount(), pages) << rows;
        EXPECT_EQ(m.texts(QStringLiteral("Text1")), numbers(1, rows));
        EXPECT_EQ(only(m, "Label24"), QStringLiteral("GRAND TOTAL:-"));
        EXPECT_EQ(only(m, "Function1"), vb::format(1000.0 * rows * (rows + 1) / 2, QStringLiteral("0.00")));
        EXPECT_EQ(form->Label30->caption(), QStringLiteral("ALL"));
        EXPECT_EQ(form->Label29->caption(), QStringLiteral("PRINTED LEFT P-"));
    }
}

TEST_F(InnerSheets, OnePageOfBothHalves)
{
    bill(17);
    boxes.answer(forms::vbYes).answerInput(QStringLiteral("2"), QStringLiteral("ENTER THE PAGE NUMBER HERE"));
    click(*form->Command2);
    EXPECT_EQ(boxes.boxes().last().defaultText, QStringLiteral("1")); // the first page proposed
    EXPECT_EQ(form->Label48->caption(), QStringLiteral("9"));
    EXPECT_EQ(form->Label49->caption(), QStringLiteral("16"));
    EXPECT_EQ(form->Label27->caption(), QStringLiteral("2"));
    EXPECT_TRUE(forms::visibleFlag(form->Label27));
    EXPECT_FALSE(forms::visibleFlag(form->Label30));
    EXPECT_EQ(form->Label29->caption(), QStringLiteral("PRINTED LEFT P-"));
    auto m = reports::Reports::get<DataReport1>().layout();
    EXPECT_EQ(m.pageCount(), 1);
    EXPECT_EQ(m.texts(QStringLiteral("Text1")), numbers(9, 16));
    EXPECT_EQ(only(m, "Label24"), QStringLiteral("TOTAL:-"));
    EXPECT_EQ(only(m, "Function1"), QStringLiteral("100000.00"));

    // The last page of the right half holds row 17 alone (if 6, sf 14).
    boxes.clearBoxes();
    boxes.answer(forms::vbYes).answerInput(QStringLiteral(" 3 "));
    click(*form->Command15);
    EXPECT_EQ(form->Label29->caption(), QStringLiteral("PRINTED RIGHT P-"));
    m = reports::Reports::get<DataReport15>().layout();
    EXPECT_EQ(m.pageCount(), 1);
    EXPECT_EQ(only(m, "Label5"), QStringLiteral("DDO-2"));
    EXPECT_EQ(only(m, "Label19"), QStringLiteral("SALARY"));
    EXPECT_EQ(only(m, "Label20"), QStringLiteral("Sub-Divisional Officer Ranaghat"));
    EXPECT_EQ(only(m, "Label30"), QStringLiteral("17"));
    EXPECT_EQ(only(m, "Label31"), QStringLiteral("31/03/2012"));
    EXPECT_EQ(only(m, "Label32") + "+" + only(m, "Label33"), QStringLiteral("0+14"));
    EXPECT_EQ(only(m, "Label34") + "+" + only(m, "Label35"), QStringLiteral("0+6"));
    EXPECT_EQ(only(m, "Function3"), QStringLiteral("14.00"));
    EXPECT_EQ(only(m, "Function4"), QStringLiteral("6.00"));

    // The whole right half again (its split is the grand total test's).
    boxes.clearBoxes();
    boxes.answer(forms::vbNo);
    click(*form->Command15);
    EXPECT_EQ(reports::Reports::get<DataReport15>().layout().pageCount(), 3);
}

TEST_F(InnerSheets, PageNumberIsCheckedBeforeAnythingChanges)
{
    bill(17);
    boxes.answer(forms::vbYes).answerInput(QStringLiteral("2"));
    click(*form->Command2);
    reports::Reports::unloadAll();

    for (const char* typed : {"0", "4", "2.5", "abc", "", "-1"}) {
        boxes.clearBoxes();
        boxes.answer(forms::vbYes).answerInput(QString::fromLatin1(typed));
        click(*form->Command2);
        ASSERT_EQ(boxes.boxes().size(), 3) << typed;
        EXPECT_EQ(boxes.boxes().last().prompt, QStringLiteral("The page number must be a whole number from 1 to 3."));
        EXPECT_EQ(form->Label27->caption() + form->Label48->caption() + form->Label49->caption(), "2916") << typed;
        EXPECT_FALSE(reports::Reports::isLoaded<DataReport1>()) << typed;
    }

    // Cancel: nothing at all.
    boxes.clearBoxes();
    boxes.answer(forms::vbYes).answerInput(std::nullopt);
    click(*form->Command15);
    EXPECT_EQ(boxes.boxes().size(), 2);
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport15>());
    EXPECT_EQ(form->Label29->caption(), QStringLiteral("PRINTED LEFT P-"));
}

TEST_F(InnerSheets, SlNoRangeIsCheckedThenPrinted)
{
    bill(17);
    click(*form->Option1);
    for (QWidget* w : std::initializer_list<QWidget*>{form->Text1, form->Text3, form->Label50, form->Label51,
                                                      form->Label53, form->Shape12, form->Label27})
        EXPECT_TRUE(forms::visibleFlag(w)) << w->objectName().toStdString();

    testsupport::type(*form->Text1, QStringLiteral("3"));
    testsupport::type(*form->Text3, QStringLiteral("5"));
    click(*form->Command2);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(form->Label27->caption(), QStringLiteral("1"));
    EXPECT_EQ(form->Label48->caption(), QStringLiteral("3"));
    EXPECT_EQ(form->Label49->caption(), QStringLiteral("5"));
    EXPECT_TRUE(form->Text1->text().isEmpty());
    EXPECT_TRUE(form->Text3->text().isEmpty());
    auto m = reports::Reports::get<DataReport1>().layout();
    EXPECT_EQ(m.texts(QStringLiteral("Text1")), numbers(3, 5));
    EXPECT_EQ(only(m, "Label24"), QStringLiteral("TOTAL:-"));
    EXPECT_EQ(only(m, "Function1"), QStringLiteral("12000.00"));
    reports::Reports::unloadAll();

    const QString within = QStringLiteral(" must be from 1 to 17, the number of employees in this bill.");
    struct Case {
        const char* first;
        const char* last;
        QString message;
        forms::TextBox* focus;
    };
    const Case cases[] = {
        {"abc", "5", QStringLiteral("First Sl. No. must be a numeric digit."), form->Text1},
        {"", "5", QStringLiteral("First Sl. No. must be a numeric digit."), form->Text1},
        {"3", "x", QStringLiteral("Last Sl. No. must be a numeric digit."), form->Text3},
        {"2.5", "5", QStringLiteral("First Sl. No. must be a numeric digit."), form->Text1},
        {"0", "5", QStringLiteral("First Sl. No.") + within, form->Text1},
        {"3", "18", QStringLiteral("Last Sl. No.") + within, form->Text3},
        {"5", "3", QStringLiteral("First Sl. No. must not be after the last Sl. No."), form->Text1},
    };
    for (const Case& c : cases) {
        form->Text1->setText(QString::fromLatin1(c.first));
        form->Text3->setText(QString::fromLatin1(c.last));
        click(*form->Command15);
        expectNote(c.message);
        EXPECT_EQ(testsupport::focused(), c.focus) << c.first << " " << c.last;
        EXPECT_EQ(form->Label48->caption() + form->Label49->caption(), "35");
        EXPECT_FALSE(reports::Reports::isLoaded<DataReport15>());
    }

    click(*form->Option2);
    EXPECT_FALSE(form->Option1->value());
    for (QWidget* w : std::initializer_list<QWidget*>{form->Text1, form->Text3, form->Label50, form->Label51,
                                                      form->Label53, form->Shape12, form->Label27, form->Label29,
                                                      form->Label30})
        EXPECT_FALSE(forms::visibleFlag(w)) << w->objectName().toStdString();
}

TEST_F(InnerSheets, LessFaIsTotalledSoTheColumnsCrossCheckToTheTotalDue)
{
    bill(2); // gross 1450 and 2600 before the advances
    salaryDb().execute(QStringLiteral("UPDATE sal SET less_fa = 333.33, gross = gross - 333.33 WHERE sl_no = 1"));
    salaryDb().execute(QStringLiteral("UPDATE sal SET less_fa = 250, gross = gross - 250 WHERE sl_no = 2"));
    click(*form->Command2);
    auto m = reports::Reports::get<DataReport1>().layout();
    EXPECT_EQ(only(m, "Function8"), QStringLiteral("583.33"));
    EXPECT_EQ(only(m, "Function7"), QStringLiteral("3466.67")); // 4050 - 583.33

    click(*form->Command17);
    m = reports::Reports::get<DataReport8>().layout();
    EXPECT_EQ(only(m, "Label9"), QStringLiteral("583.33"));
    EXPECT_EQ(only(m, "Label7"), QStringLiteral("3466.67"));
}

// Row 1 recovers a loan of 4000 in three instalments (1333.33 printed, net 1450 - 1333.33 = 116.67); row 2 has
// every part and deduction at 9999999.99 and gross, total deduction and net at 59999999.94, the widest a row
// meets. Each sheet and grand total prints them at their own size, and its totals have room for ten-digit rupees.
TEST_F(InnerSheets, ThirdsAndCeilingsFitTheirColumns)
{
    bill(2);
    salaryDb().execute(QStringLiteral("UPDATE sal SET gpf_rec = 4000.0 / 3, net = 1450 - 4000.0 / 3 WHERE sl_no = 1"));
    QString ceilings = QStringLiteral("gross = 59999999.94, deduct = 59999999.94, net = 59999999.94");
    for (const char* c : {"pay", "d_pay", "less_fa", "da", "hra", "ma", "oa", "gpf_subs", "gpf_rec", "if", "sf",
                          "p_tax", "misc", "hb_loan", "hb_int", "i_tax", "others"})
        ceilings += QStringLiteral(", \"%1\" = 9999999.99").arg(QLatin1String(c));
    salaryDb().execute(QStringLiteral("UPDATE sal SET %1 WHERE sl_no = 2").arg(ceilings));
    const struct {
        forms::CommandButton* command;
        reports::PageModel (*layout)();
    } sheets[] = {
        {form->Command2, [] { return reports::Reports::get<DataReport1>().layout(); }},
        {form->Command15, [] { return reports::Reports::get<DataReport15>().layout(); }},
        {form->Command17, [] { return reports::Reports::get<DataReport8>().layout(); }},
        {form->Command18, [] { return reports::Reports::get<DataReport16>().layout(); }},
    };
    QStringList shown, all;
    for (const auto& s : sheets) {
        click(*s.command);
        const auto m = s.layout();
        EXPECT_EQ(testsupport::misfits(m), QStringList()) << m.title.toStdString();
        for (int p = 0; p < m.pageCount(); ++p)
            for (const auto& it : m.page(p).items) {
                all << it.text;
                if (it.number && it.text.section(QLatin1Char('.'), 1).size() > 2)
                    shown << it.text;
            }
    }
    EXPECT_EQ(shown, QStringList()); // no figure with more than two decimals
    EXPECT_TRUE(all.contains(QStringLiteral("1333.33")));
}

TEST_F(InnerSheets, GrandTotalPages)
{
    bill(17);
    click(*form->Command17);
    EXPECT_EQ(form->Label31->caption(), QStringLiteral("153000"));
    EXPECT_EQ(form->Label36->caption(), QStringLiteral("0"));
    auto m = reports::Reports::get<DataReport8>().layout();
    EXPECT_EQ(m.pageCount(), 1);
    EXPECT_EQ(only(m, "Label8"), QStringLiteral("GRAND TOTAL:-"));
    EXPECT_EQ(only(m, "Label1"), QStringLiteral("153000.00"));
    EXPECT_EQ(only(m, "Label3"), QStringLiteral("15300.00"));
    // A zero oa sum keeps its 0.00; a zero pay sum leaves the rupees blank.
    EXPECT_EQ(only(m, "Label6"), QStringLiteral("0.00"));
    salaryDb().execute(QStringLiteral("UPDATE sal SET pay = 0"));
    click(*form->Command17);
    EXPECT_EQ(only(reports::Reports::get<DataReport8>().layout(), "Label1"), QStringLiteral(".00"));

    // A page of the right half first, then its grand total: the split is the
    // whole bill's again.
    boxes.answer(forms::vbYes).answerInput(QStringLiteral("3"));
    click(*form->Command15);
    boxes.clearBoxes();
    click(*form->Command18);
    EXPECT_EQ(form->Label38->caption(), QStringLiteral("8500"));
    EXPECT_EQ(form->Label40->caption(), QStringLiteral("87"));
    EXPECT_EQ(form->Label41->caption(), QStringLiteral("193"));
    EXPECT_EQ(form->Label42->caption(), QStringLiteral("1870"));
    m = reports::Reports::get<DataReport16>().layout();
    EXPECT_EQ(m.pageCount(), 1);
    EXPECT_EQ(only(m, "Label1"), QStringLiteral("8500.00"));
    EXPECT_EQ(only(m, "Label3") + "+" + only(m, "Label5") + "=" + only(m, "Label7"), QStringLiteral("25+168=193.00"));
    EXPECT_EQ(only(m, "Label8") + "+" + only(m, "Label10") + "=" + only(m, "Label12"), QStringLiteral("15+72=87.00"));
    EXPECT_EQ(only(m, "Label13"), QStringLiteral("1870.00"));
    EXPECT_EQ(only(m, "Label14"), QStringLiteral("0.00"));
}

TEST_F(InnerSheets, NothingToShowIsSaid)
{
    bill(3);
    salaryDb().execute(QStringLiteral("DELETE FROM sal"));
    for (forms::CommandButton* b : {form->Command17, form->Command18, form->Command2, form->Command15}) {
        click(*b);
        expectNote(QStringLiteral("NOTHING TO DISPLAY."));
    }
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport8>() || reports::Reports::isLoaded<DataReport16>()
                 || reports::Reports::isLoaded<DataReport1>() || reports::Reports::isLoaded<DataReport15>());
    EXPECT_EQ(form->Label31->caption(), QString());
}

} // namespace
} // namespace billtest
