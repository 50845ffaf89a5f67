// A second hand-worked bill, with paise, both insurance schemes, "Agr" and "Agri" accounts and group D, driven
// through the bill form; every cell and bookmark is read back from the saved files.
#include "documents_form_fixture.h"

namespace {

using namespace doctest;

const char* const kHeadK = "20540010010202001";
const QDate kJanBill{2028, 1, 20};
const QDate kMarBill{2028, 3, 31};

// The January 2028 bill, worked by hand (gross less deductions):
//   K01  29220    - (3000 + 416.67 + 30 + 70 + 200 + 1200)          = 24303.33
//   K02  16679.50 - (1200 + 3 + 5 + 130 + 800 + 125.25)             = 14416.25   less_fa 250.50
//   K03  10170    - (700 + 150 + 12 + 18 + 40 + 310)                =  8940
//   K04   9705    - (600 + 3 + 5 + 40)                               =  9057
//   net 56716.58; GPF 6066.67: by group B/C 4616.67, D 1450; by series "Agr" (Agr/11, Agri/22, Agr/44)
//   5216.67, others 850; insurance 1983 (K02, K04) if 6 sf 10, 1987 if 42 sf 88.
void makeOfficeK()
{
    fundDb().execute(QStringLiteral("insert into estt (ddo_code, degn, dist) values ('DDO-K', 'Sub-Divisional Officer',"
                                    " 'Hooghly')"));
    fundDb().execute(QStringLiteral("insert into head (drawal_code, description, code_category) values (?,?,?)"),
                     {QString::fromLatin1(kHeadK), QStringLiteral("Salary Office K"), QStringLiteral("K")});
    const Row bill[] = {
        {"K01", "Ratan Ghosh", "SECTION OFFICER", "Agr/11", "B", 15000, 5400, 0, 6120, 2400, 300, 0, 3000, 416.67, 30,
         70, 200, 0, 0, 1200, 0},
        {"K02", "Mitali Bose", "UPPER DIVISION CLERK", "Agri/22", "C", 9000, 2600, 250.5, 3480, 1500, 300, 50, 1200, 0,
         3, 5, 130, 800, 125.25, 0, 0},
        {"K03", "Harun Ali", "GROUP D STAFF", "G/33", "D", 5200, 1700, 0, 2070, 900, 300, 0, 700, 150, 12, 18, 40, 0, 0,
         0, 310},
        {"K04", "Sima Dey", "PEON", "Agr/44", "D", 4900, 1700, 0, 1980, 825, 300, 0, 600, 0, 3, 5, 40, 0, 0, 0, 0},
    };
    for (const Row& r : bill)
        addSalary(kJanBill, r);
    addSalary(kMarBill, bill[0]);

    // 2027-28 up to 20 January: allotted 130000, billed 100 + 58000 + 60000.
    // The March bill is kept under 1 April 2028 with that day's allotment.
    const QString head = QString::fromLatin1(kHeadK);
    //                                     pay     da     d_pay  hra   ma    bonus
    addRegisterRow(head, 0, {2027, 3, 15},  {9999,   0,     0,     0,    0,    0});
    addRegisterRow(head, 0, {2027, 4, 1},   {100000, 30000, 0,     0,    0,    0});
    addRegisterRow(head, 0, {2028, 1, 21},  {555,    0,     0,     0,    0,    0});
    addRegisterRow(head, 0, {2028, 4, 1},   {5000,   0,     0,     0,    0,    0});
    addRegisterRow(head, 1, {2027, 4, 1},   {100,    0,     0,     0,    0,    0});
    addRegisterRow(head, 7, {2027, 12, 20}, {30000,  12000, 10000, 5000, 1000, 0});
    addRegisterRow(head, 9, {2028, 1, 20},  {34100,  13650, 11400, 0,    0,    850});
    addRegisterRow(head, 12, {2028, 4, 1},  {7000,   0,     0,     0,    0,    0});
}

const QString kWords = QStringLiteral("(FiftySix Thousand Seven Hundred SixteenAndFiftyEight) Only");

class PaiseBill : public BillFormFiles {
protected:
    void makeData() override { makeOfficeK(); }

    void activate(const QDate& date) { activateOn(*form, date, kHeadK); }
};

TEST_F(PaiseBill, EveryCellAndBookmarkComesOutAsWorkedByHand)
{
    activate(kJanBill);
    for (auto* b : {form->Command16, form->Command8, form->Command10, form->Command11})
        testsupport::click(*b);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.prompts().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(desktop.opened().size(), 4);

    const QStringList outer = {
        "B15=9", "D15=20/01/2028", "D4=JAN-28", "F18=2027-2028", "G4=2028", "G6=34100", "G8=11400", "G7=250.5",
        "G10=13650", "G11=5625", "G14=1250", "G24=130000", "G29=118100", "I49=4616.67", "I51=800", "I55=125.25",
        "I72=1200", "I68=10", "I67=6", "I70=88", "I69=42", "I62=410", "I64=310", "I66=1450", "H82=" + kWords};
    EXPECT_EQ(fileTexts(desktop.opened().at(0), outer), outer);

    const QStringList pro = {
        "C5=2054", "I9=34100", "I10=11400", "I11=250.5", "I12=13650", "I13=6875", "I19=5216.67", "I21=800",
        "I25=125.25", "I33=1200", "I35=10", "I36=6", "I37=88", "I38=42", "I40=310", "I32=410", "C30=56716.58",
        "D30=" + kWords, "I46=850"};
    EXPECT_EQ(fileTexts(desktop.opened().at(1), pro), pro);

    const QStringList extract = {QStringLiteral("code=") + QString::fromLatin1(kHeadK), "date=20/01/2028",
                                 "name=Ratan Ghosh", "degn=SECTION OFFICER", "month=Jan-28", "bill=9",
                                 "amt=56716.58", "amtd=" + kWords};
    EXPECT_EQ(fileTexts(desktop.opened().at(2), extract), extract);
    const QStringList da = {"date=20/01/2028", "bill=9"};
    EXPECT_EQ(fileTexts(desktop.opened().at(3), da), da);
}

TEST_F(PaiseBill, AMarchBillKeepsTheFormsYearAndItsRegisterDay)
{
    // Made on 29 February 2028, the March bill is kept under 1 April 2028;
    // the sheet still names the year the form shows.
    activate(kMarBill);
    testsupport::click(*form->Command16);
    const QStringList outer = {"B15=12", "D4=MAR-28", "F18=2027-2028", "G4=2028", "G24=5000", "G29=7000",
                               "I49=3416.67", "I66=0", "I67=", "I68=", "I69=30", "I70=70"};
    EXPECT_EQ(fileTexts(desktop.opened().at(0), outer), outer);

    // No 1983 member: PRO REPORT says so once, before the workbook.
    testsupport::click(*form->Command8);
    EXPECT_EQ(boxes.prompts(), QStringList{"No Employee under GISS 1983 Scheme"});
    ASSERT_EQ(desktop.opened().size(), 2);
    const QStringList pro = {"I19=3416.67", "I35=0", "I36=0", "I37=70", "I38=30", "I40=0", "I46=0"};
    EXPECT_EQ(fileTexts(desktop.opened().at(1), pro), pro);
}

TEST_F(PaiseBill, PrintAllSplitsTheFundByGroupAndLeavesRowFortyToTheTemplate)
{
    activate(kJanBill);
    boxes.answer(forms::vbYes, QStringLiteral("DO YOU LIKE TO CONTINUE"));
    testsupport::click(*form->Command20);
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_TRUE(boxes.lastPrompt().startsWith(QStringLiteral("DO NOT CLICK O.K WHILE REPORTS ARE PRINTING\n\n")));
    EXPECT_EQ(log.entries.size(), 11);
    ASSERT_EQ(LogReportPrinter::models.size(), 8);

    // T.R. 47 and 46 take the funds by group: 4616.67 and 1450.00.
    EXPECT_TRUE(LogReportPrinter::models.at(1).texts(QStringLiteral("Label34")).contains(
        QStringLiteral("(Four Thousand Six Hundred SixteenAndSixtySeven) Only")));
    EXPECT_TRUE(LogReportPrinter::models.at(2).texts(QStringLiteral("label22")).contains(QStringLiteral("1450.00")));
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("410"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(Four Hundred Ten) Only"));
    EXPECT_EQ(form->Label54->caption(), QStringLiteral("310"));

    const QStringList files = converter.runs().value(0);
    ASSERT_EQ(files.size(), 3);
    const QStringList pro = {"I19=5216.67", "I40=", "I46=850", "C30=56716.58", "D30=" + kWords};
    EXPECT_EQ(fileTexts(files.at(2), pro), pro);
}

} // namespace
