#include "bill_fixture.h"

#include "paybill/inner_sheet_reports.h"
#include "platform/reports/page_model.h"
#include "platform/vb/convert.h"
#include "support/report_texts.h"

namespace billtest {
namespace {

using paybill::DataReport1;
using paybill::DataReport15;
using paybill::DataReport16;
using paybill::DataReport8;
using testsupport::captions;
using testsupport::click;
using testsupport::layoutOf;
using testsupport::saidBy;
using testsupport::textsOf;
using testsupport::typed;

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QString::number(i);
    return out;
}

QString note(const QString& text) { return QStringLiteral("PLEASE NOTE|64|") + text; }

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
    QStringList clicked(forms::CommandButton& b, std::initializer_list<testsupport::Reply> replies = {})
    {
        return saidBy([&] { click(b); }, replies);
    }
};

TEST_F(InnerSheets, WholeBillPagesOfEightRows)
{
    bill(8);
    EXPECT_EQ(clicked(*form->Command2), QStringList());
    auto m = layoutOf<DataReport1>();
    EXPECT_EQ(m.pageCount(), 1);
    EXPECT_EQ(textsOf(m, {"Label24", "Function1", "Label27", "Label20", "Label21"}),
              (QStringList{"TOTAL:-", "36000.00", "MAR-12", kHeadS, "Office of the Sub-Divisional Officer Ranaghat"}));
    EXPECT_EQ(form->Label27->caption(), QStringLiteral("0"));
    EXPECT_FALSE(forms::visibleFlag(form->Label27));

    for (auto [rows, pages] : {std::pair{9, 2}, {16, 2}, {17, 3}}) {
        bill(rows);
        EXPECT_EQ(clicked(*form->Command2, {{forms::vbNo}}),
                  QStringList{QStringLiteral("Hi|4|THIS REPORT CONTAINS TOTAL %1 PAGES.\nDO YOU WISH TO PRINT THIS "
                                             "REPORT WITH PAGE TOTAL?").arg(pages)});
        m = layoutOf<DataReport1>();
        EXPECT_EQ(m.pageCount(), pages) << rows;
        EXPECT_EQ(m.texts(QStringLiteral("Text1")), numbers(1, rows));
        EXPECT_EQ(textsOf(m, {"Label24", "Function1"}),
                  (QStringList{"GRAND TOTAL:-", vb::format(1000.0 * rows * (rows + 1) / 2, QStringLiteral("0.00"))}));
        EXPECT_EQ(captions({form->Label30, form->Label29}), (QStringList{"ALL", "PRINTED LEFT P-"}));
    }
}

TEST_F(InnerSheets, OnePageOfBothHalves)
{
    bill(17);
    boxes.answer(forms::vbYes).answerInput(QStringLiteral("2"), QStringLiteral("ENTER THE PAGE NUMBER HERE"));
    click(*form->Command2);
    EXPECT_EQ(boxes.boxes().last().defaultText, QStringLiteral("1")); // the first page proposed
    EXPECT_EQ(captions({form->Label48, form->Label49, form->Label27, form->Label29}),
              (QStringList{"9", "16", "2", "PRINTED LEFT P-"}));
    EXPECT_TRUE(forms::visibleFlag(form->Label27));
    EXPECT_FALSE(forms::visibleFlag(form->Label30));
    auto m = layoutOf<DataReport1>();
    EXPECT_EQ(m.pageCount(), 1);
    EXPECT_EQ(m.texts(QStringLiteral("Text1")), numbers(9, 16));
    EXPECT_EQ(textsOf(m, {"Label24", "Function1"}), (QStringList{"TOTAL:-", "100000.00"}));

    // The last page of the right half holds row 17 alone (if 6, sf 14).
    clicked(*form->Command15, {{forms::vbYes}, typed(" 3 ")});
    EXPECT_EQ(form->Label29->caption(), QStringLiteral("PRINTED RIGHT P-"));
    m = layoutOf<DataReport15>();
    EXPECT_EQ(m.pageCount(), 1);
    EXPECT_EQ(textsOf(m, {"Label5", "Label19", "Label20", "Label30", "Label31", "Label32", "Label33", "Label34",
                          "Label35", "Function3", "Function4"}),
              (QStringList{"DDO-2", "SALARY", "Sub-Divisional Officer Ranaghat", "17", "31/03/2012", "0", "14", "0",
                           "6", "14.00", "6.00"}));

    // The whole right half again (its split is the grand total test's).
    clicked(*form->Command15, {{forms::vbNo}});
    EXPECT_EQ(layoutOf<DataReport15>().pageCount(), 3);
}

TEST_F(InnerSheets, PageNumberIsCheckedBeforeAnythingChanges)
{
    bill(17);
    clicked(*form->Command2, {{forms::vbYes}, typed("2")});
    reports::Reports::unloadAll();
    for (const char* text : {"0", "4", "2.5", "abc", "", "-1"}) {
        const QStringList said = clicked(*form->Command2, {{forms::vbYes}, typed(QString::fromLatin1(text))});
        ASSERT_EQ(said.size(), 3) << text;
        EXPECT_EQ(said.last(), note("The page number must be a whole number from 1 to 3.")) << text;
        EXPECT_EQ(captions({form->Label27, form->Label48, form->Label49}), (QStringList{"2", "9", "16"})) << text;
        EXPECT_FALSE(reports::Reports::isLoaded<DataReport1>()) << text;
    }
    // Cancel: nothing at all.
    EXPECT_EQ(clicked(*form->Command15, {{forms::vbYes}, typed(std::nullopt)}).size(), 2);
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport15>());
    EXPECT_EQ(form->Label29->caption(), QStringLiteral("PRINTED LEFT P-"));
}

TEST_F(InnerSheets, SlNoRangeIsCheckedThenPrinted)
{
    bill(17);
    click(*form->Option1);
    const auto shown = [&] {
        QString out;
        for (QWidget* w : std::initializer_list<QWidget*>{form->Text1, form->Text3, form->Label50, form->Label51,
                                                          form->Label53, form->Shape12, form->Label27, form->Label29,
                                                          form->Label30})
            out += forms::visibleFlag(w) ? QLatin1Char('1') : QLatin1Char('0');
        return out;
    };
    EXPECT_TRUE(shown().startsWith(QStringLiteral("1111111")));

    testsupport::type(*form->Text1, QStringLiteral("3"));
    testsupport::type(*form->Text3, QStringLiteral("5"));
    EXPECT_EQ(clicked(*form->Command2), QStringList());
    EXPECT_EQ(captions({form->Label27, form->Label48, form->Label49}), (QStringList{"1", "3", "5"}));
    EXPECT_EQ(form->Text1->text() + form->Text3->text(), QString());
    auto m = layoutOf<DataReport1>();
    EXPECT_EQ(m.texts(QStringLiteral("Text1")), numbers(3, 5));
    EXPECT_EQ(textsOf(m, {"Label24", "Function1"}), (QStringList{"TOTAL:-", "12000.00"}));
    reports::Reports::unloadAll();

    const QString within = QStringLiteral(" must be from 1 to 17, the number of employees in this bill.");
    const QString notDigit = QStringLiteral(" Sl. No. must be a numeric digit.");
    const struct {
        const char *first, *last;
        QString message;
        forms::TextBox* focus;
    } cases[] = {
        {"abc", "5", "First" + notDigit, form->Text1},      {"", "5", "First" + notDigit, form->Text1},
        {"3", "x", "Last" + notDigit, form->Text3},         {"2.5", "5", "First" + notDigit, form->Text1},
        {"0", "5", "First Sl. No." + within, form->Text1}, {"3", "18", "Last Sl. No." + within, form->Text3},
        {"5", "3", QStringLiteral("First Sl. No. must not be after the last Sl. No."), form->Text1},
    };
    for (const auto& c : cases) {
        form->Text1->setText(QString::fromLatin1(c.first));
        form->Text3->setText(QString::fromLatin1(c.last));
        EXPECT_EQ(clicked(*form->Command15), QStringList{note(c.message)});
        EXPECT_EQ(testsupport::focused(), c.focus) << c.first << " " << c.last;
        EXPECT_EQ(captions({form->Label48, form->Label49}), (QStringList{"3", "5"}));
        EXPECT_FALSE(reports::Reports::isLoaded<DataReport15>());
    }

    click(*form->Option2);
    EXPECT_FALSE(form->Option1->value());
    EXPECT_EQ(shown(), QStringLiteral("000000000"));
}

TEST_F(InnerSheets, LessFaIsTotalledSoTheColumnsCrossCheckToTheTotalDue)
{
    bill(2); // gross 1450 and 2600 before the advances
    salaryDb().execute(QStringLiteral("UPDATE sal SET less_fa = 333.33, gross = gross - 333.33 WHERE sl_no = 1"));
    salaryDb().execute(QStringLiteral("UPDATE sal SET less_fa = 250, gross = gross - 250 WHERE sl_no = 2"));
    click(*form->Command2);
    EXPECT_EQ(textsOf(layoutOf<DataReport1>(), {"Function8", "Function7"}), (QStringList{"583.33", "3466.67"}));
    click(*form->Command17);
    EXPECT_EQ(textsOf(layoutOf<DataReport8>(), {"Label9", "Label7"}), (QStringList{"583.33", "3466.67"}));
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
    const std::pair<forms::CommandButton*, reports::PageModel (*)()> sheets[] = {
        {form->Command2, &layoutOf<DataReport1>}, {form->Command15, &layoutOf<DataReport15>},
        {form->Command17, &layoutOf<DataReport8>}, {form->Command18, &layoutOf<DataReport16>}};
    QStringList shown, all;
    for (const auto& [command, layout] : sheets) {
        click(*command);
        const auto m = layout();
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
    EXPECT_EQ(captions({form->Label31, form->Label36}), (QStringList{"153000", "0"}));
    auto m = layoutOf<DataReport8>();
    EXPECT_EQ(m.pageCount(), 1);
    // A zero oa sum keeps its 0.00; a zero pay sum leaves the rupees blank.
    EXPECT_EQ(textsOf(m, {"Label8", "Label1", "Label3", "Label6"}),
              (QStringList{"GRAND TOTAL:-", "153000.00", "15300.00", "0.00"}));
    salaryDb().execute(QStringLiteral("UPDATE sal SET pay = 0"));
    click(*form->Command17);
    EXPECT_EQ(textsOf(layoutOf<DataReport8>(), {"Label1"}), QStringList{".00"});

    // A page of the right half first, then its grand total: the split is the whole bill's again.
    clicked(*form->Command15, {{forms::vbYes}, typed("3")});
    click(*form->Command18);
    EXPECT_EQ(captions({form->Label38, form->Label40, form->Label41, form->Label42}),
              (QStringList{"8500", "87", "193", "1870"}));
    m = layoutOf<DataReport16>();
    EXPECT_EQ(m.pageCount(), 1);
    EXPECT_EQ(textsOf(m, {"Label1", "Label3", "Label5", "Label7", "Label8", "Label10", "Label12", "Label13",
                          "Label14"}),
              (QStringList{"8500.00", "25", "168", "193.00", "15", "72", "87.00", "1870.00", "0.00"}));
}

TEST_F(InnerSheets, NothingToShowIsSaid)
{
    bill(3);
    salaryDb().execute(QStringLiteral("DELETE FROM sal"));
    for (forms::CommandButton* b : {form->Command17, form->Command18, form->Command2, form->Command15})
        EXPECT_EQ(clicked(*b), QStringList{note("NOTHING TO DISPLAY.")});
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport8>() || reports::Reports::isLoaded<DataReport16>()
                 || reports::Reports::isLoaded<DataReport1>() || reports::Reports::isLoaded<DataReport15>());
    EXPECT_EQ(form->Label31->caption(), QString());
}

} // namespace
} // namespace billtest
