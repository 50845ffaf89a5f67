// An entry chain moves the focus on Enter, checks first, and paints its boxes.
#include "platform/forms/controls.h"
#include "platform/forms/entry_chain.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"
#include "support/ui_driver.h"

#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace forms;

namespace {

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
            {Text7, Text12, [this] {
                 // A proposed value, selected so that typing replaces it.
                 Text12->setText("0");
                 Text12->selectAll();
                 return true;
             }},
            {Text12, Command1, [this] {
                 if (!vb::isNumeric(Text12->text())) {
                     Dialogs::msgBox("YOUR INPUT MUST BE A NUMBER", vbOKOnly, "Hi");
                     Text12->setFocus();
                     return false;
                 }
                 Command1->setEnabled(true);
                 return true;
             }},
        }};
    }
    TextBox* Text7;
    TextBox* Text12;
    CommandButton* Command1;
};

TEST(EntryChain, EnterChecksAndMovesAlongTheChain)
{
    testsupport::ScriptedBoxes boxes;
    PayForm& f = Forms::get<PayForm>();
    testsupport::showForm(f);
    f.Text7->setFocus();
    EXPECT_EQ(f.Text7->backColor(), entryFocusColour);
    EXPECT_EQ(f.Text12->backColor(), entryIdleColour);

    testsupport::enter(*f.Text7, "25000");
    EXPECT_EQ(testsupport::focused(), f.Text12);
    EXPECT_EQ(f.Text7->backColor(), entryIdleColour);
    EXPECT_EQ(f.Text12->backColor(), entryFocusColour);

    testsupport::type(*f.Text12, "1,000", /*replace=*/false);
    EXPECT_EQ(f.Text12->text(), "1,000");
    testsupport::pressEnter(*f.Text12);
    EXPECT_EQ(boxes.prompts(), QStringList({"YOUR INPUT MUST BE A NUMBER"}));
    EXPECT_EQ(boxes.boxes().last().title, "Hi");
    EXPECT_EQ(testsupport::focused(), f.Text12);
    EXPECT_FALSE(f.Command1->isEnabled());

    testsupport::enter(*f.Text12, "1000");
    EXPECT_EQ(testsupport::focused(), f.Command1);
    EXPECT_EQ(boxes.boxes().size(), 1);

    Forms::unloadAll();
    testsupport::settle();
}

} // namespace

#include "entry_chain_test.moc"
