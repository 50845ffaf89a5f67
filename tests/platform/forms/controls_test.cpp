// Events of the controls as the handlers rely on them, and the entry chain that
// moves the focus on Enter, checks first, and paints its boxes.
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/entry_chain.h"
#include "platform/forms/form.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"
#include "support/ui_driver.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace forms;
using testsupport::pressEnter;

namespace {

class BoxForm : public Form {
    Q_OBJECT
public:
    BoxForm()
    {
        auto* layout = new QVBoxLayout(this);
        const auto logs = [this](auto* sender, auto signal, const QString& line) {
            connect(sender, signal, this, [this, line] { log << line; });
        };
        for (auto* box : {Text1 = new TextBox("Text1", this), Text2 = new TextBox("Text2", this),
                          Text3 = new TextBox("Text3", this)}) {
            layout->addWidget(box);
            for (auto [signal, name] : {std::pair{&TextBox::Change, " Change"}, {&TextBox::GotFocus, " GotFocus"},
                                        {&TextBox::LostFocus, " LostFocus"}})
                logs(box, signal, box->objectName() + name);
            connect(box, &TextBox::KeyUp, this, [this, box](int k) { log << box->objectName() + " KeyUp " + QString::number(k); });
        }
        layout->addWidget(Combo1 = new ComboBox("Combo1", this));
        layout->addWidget(Option1 = new OptionButton("Option1", "ONE", this));
        layout->addWidget(Option2 = new OptionButton("Option2", "TWO", this));
        layout->addWidget(Label12 = new Label("Label12", "CLICK HERE", this));
        layout->addWidget(DTPicker1 = new DatePicker("DTPicker1", this));
        logs(Combo1, &ComboBox::Click, "Combo1 Click");
        logs(Label12, &Label::Click, "Label12 Click");
        logs(DTPicker1, &DatePicker::Change, "DTPicker1 Change");
        logs(DTPicker1, &DatePicker::CloseUp, "DTPicker1 CloseUp");
        connect(DTPicker1, &DatePicker::KeyUp, this, [this](int k) { log << QStringList(k == vbKeyReturn, "DTPicker1 KeyUp 13"); });
        logs(Timer1 = new Timer("Timer1", this), &Timer::Tick, "Timer1 Timer");
    }
    TextBox *Text1, *Text2, *Text3;
    ComboBox* Combo1;
    OptionButton *Option1, *Option2;
    Label* Label12;
    DatePicker* DTPicker1;
    Timer* Timer1;
    QStringList log;
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = &Forms::get<BoxForm>();
        testsupport::showForm(*form);
        form->Text1->setFocus();
        form->log.clear();
    }
    void TearDown() override {
        Forms::unloadAll();
        testsupport::settle();
    }
    BoxForm* form = nullptr;
};

// Change on every real change, from code too, and a box neither disabled nor
// hidden takes the focus from code.
TEST_F(ControlsTest, ChangeOnRealChangesAndFocusOnlyToUsableBoxes)
{
    form->Text2->setText("500");
    form->Text2->setText("500"); // the same text: nothing changes
    form->Text2->clear();
    form->Text2->setEnabled(false);
    form->Text2->setFocus();
    form->Text3->setVisible(false);
    form->Text3->setFocus();
    EXPECT_EQ(form->log, QStringList({"Text2 Change", "Text2 Change"}));
    EXPECT_TRUE(testsupport::focused() == form->Text1 && !form->Text3->visible() && form->Text2->visible());
}

TEST_F(ControlsTest, MessageBoxTakesNoFocusEventsAndItsEnterIsNoKeyUp)
{
    // A real message box, closed by Enter: the press goes to the box, the
    // release to the text box that gets the keyboard back.
    testsupport::RealBoxes real;
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyPress(box, Qt::Key_Return);
    });
    EXPECT_EQ(Dialogs::msgBox("YOUR INPUT MUST BE A NUMBER", vbOKOnly, "Hi"), vbOK);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(testsupport::focused(), form->Text1);
    EXPECT_TRUE(form->log.isEmpty()) << form->log.join("; ").toStdString();

    // Focus moved from code while the box was up is noticed in order once
    // the form has the keyboard again.
    QTimer::singleShot(0, [this] {
        form->Text3->setFocus();
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    Dialogs::msgBox("PLEASE NOTE");
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_EQ(form->log, QStringList({"Text1 LostFocus", "Text3 GotFocus"}));
}

TEST_F(ControlsTest, ComboClickOnlyOnTheUsersChoice)
{
    form->Combo1->addItem("SALARY HEAD A", "2202020010101");
    form->Combo1->addItem("SALARY HEAD A", "2202020020101"); // the same description
    EXPECT_EQ(form->Combo1->listIndex(), -1); // filling chooses nothing
    testsupport::focus(*form->Combo1);
    form->log.clear();
    form->Combo1->setListIndex(0);
    ASSERT_TRUE(testsupport::chooseByData(*form->Combo1, "2202020020101"));
    EXPECT_EQ(form->log, QStringList({"Combo1 Click"}));
    form->Combo1->setLocked(true);
    EXPECT_FALSE(testsupport::choose(*form->Combo1, 0));
    EXPECT_EQ(form->Combo1->currentData().toString(), "2202020020101");
}

TEST_F(ControlsTest, OptionLabelDatePickerAndTimerEvents)
{
    // An option group may have none chosen.
    testsupport::click(*form->Option1);
    form->Option2->setValue(true);
    form->Option2->setValue(false);
    EXPECT_FALSE(form->Option1->value() || form->Option2->value());

    form->DTPicker1->setFocus();
    form->log.clear();
    testsupport::click(*form->Label12);
    form->DTPicker1->setValue(QDate(2026, 3, 31)); // from code: no Change
    testsupport::pickDate(*form->DTPicker1, QDate(2026, 4, 1));
    form->Timer1->setInterval(500);
    const bool ranOnInterval = form->Timer1->isRunning();
    form->Timer1->setEnabled(false);
    EXPECT_TRUE(ranOnInterval && !form->Timer1->isRunning());
    form->Timer1->tick();
    EXPECT_EQ(form->log, QStringList({"Label12 Click", "DTPicker1 Change", "DTPicker1 CloseUp", "Timer1 Timer"}));
    EXPECT_EQ(form->DTPicker1->value(), QDate(2026, 4, 1));
}

TEST_F(ControlsTest, DatePickerTakesAWholeTypedDate)
{
    // Enter takes the typed date; leaving the box takes it as Enter does.
    auto typeDate = [this](const char* typed, bool leave = false) {
        form->DTPicker1->setValue(QDate(2026, 1, 15));
        testsupport::focus(*form->DTPicker1);
        form->log.clear();
        QTest::keyClicks(form->DTPicker1, QString::fromLatin1(typed));
        leave ? testsupport::focus(*form->Text1) : QTest::keyClick(form->DTPicker1, Qt::Key_Return);
        return form->DTPicker1->value();
    };
    for (const char* good : {"30112026", "301126", "30/11/2026"})
        EXPECT_EQ(typeDate(good), QDate(2026, 11, 30)) << good;
    EXPECT_EQ(form->log, QStringList({"DTPicker1 Change", "DTPicker1 KeyUp 13"}));
    EXPECT_EQ(form->DTPicker1->text(), "30/11/2026");
    // No such date, too few digits, or past 2099: refused, the date stays and
    // Enter goes no further.
    testsupport::ScriptedBoxes boxes;
    for (const char* bad : {"31022026", "3011", "100000", "01012100"}) {
        boxes.clearBoxes();
        EXPECT_EQ(typeDate(bad), QDate(2026, 1, 15)) << bad;
        EXPECT_EQ(boxes.prompts() + form->log, QStringList{"THIS IS NOT A VALID DATE"}) << bad;
        EXPECT_EQ(form->DTPicker1->text(), "15/01/2026") << bad;
    }
    EXPECT_EQ(typeDate("01042027", true), QDate(2027, 4, 1));
    EXPECT_EQ(typeDate("100000", true), QDate(2026, 1, 15));
    EXPECT_EQ(boxes.prompts().size(), 2);
    // A new picker starts on the clock's today.
    Clock::Override day(QDate(2027, 3, 15));
    EXPECT_EQ(DatePicker("DTPicker2", nullptr).text(), "15/03/2027");
}

class PayForm : public Form {
    Q_OBJECT
public:
    PayForm()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(Text7 = new TextBox("Text7", this));
        layout->addWidget(Text12 = new TextBox("Text12", this));
        layout->addWidget(Command1 = new CommandButton("Command1", "CONFIRM", this));
        Command1->setEnabled(false);
        EntryChain{{
            // A proposed value, selected so that typing replaces it.
            {Text7, Text12, [this] { return Text12->setText("0"), Text12->selectAll(), true; }},
            {Text12, Command1, [this] {
                 if (!vb::isNumeric(Text12->text()))
                     return Dialogs::msgBox("YOUR INPUT MUST BE A NUMBER", vbOKOnly, "Hi"), Text12->setFocus(), false;
                 return Command1->setEnabled(true), true;
             }},
        }};
    }
    TextBox *Text7, *Text12;
    CommandButton* Command1;
};

TEST(EntryChain, EnterChecksAndMovesAlongTheChain)
{
    testsupport::ScriptedBoxes boxes;
    PayForm& f = Forms::get<PayForm>();
    testsupport::showForm(f);
    f.Text7->setFocus();
    const auto colours = [&] { return QList<QColor>({f.Text7->backColor(), f.Text12->backColor()}); };
    EXPECT_EQ(colours(), QList<QColor>({entryFocusColour, entryIdleColour}));
    testsupport::enter(*f.Text7, "25000");
    EXPECT_EQ(testsupport::focused(), f.Text12);
    EXPECT_EQ(colours(), QList<QColor>({entryIdleColour, entryFocusColour}));

    // Typing replaces the proposed "0" only when asked to; the text is checked on Enter.
    testsupport::type(*f.Text12, "1,000", /*replace=*/false);
    EXPECT_EQ(f.Text12->text(), "1,000");
    testsupport::pressEnter(*f.Text12);
    EXPECT_TRUE(testsupport::focused() == f.Text12 && !f.Command1->isEnabled());
    testsupport::enter(*f.Text12, "1000");
    EXPECT_EQ(boxes.prompts(), QStringList({"YOUR INPUT MUST BE A NUMBER"}));
    EXPECT_EQ(testsupport::focused(), f.Command1);

    Forms::unloadAll();
    testsupport::settle();
}

} // namespace

#include "controls_test.moc"
