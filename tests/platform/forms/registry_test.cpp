// The form registry: single instances, hidden loads through another form's controls, unload.
#include "platform/forms/controls.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/registry.h"
#include "support/ui_driver.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace forms;

namespace {

int billFormLoads = 0;

// Stands for a form of another module, reached only by name.
class BillForm : public Form {
    Q_OBJECT
public:
    BillForm()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(Label61 = new Label("Label61", "", this));
        layout->addWidget(Command5 = new CommandButton("Command5", "CLOSE", this));
        on(Command5, &CommandButton::Click, this, &BillForm::Command5_Click);
    }
    void Form_Load() override
    {
        ++billFormLoads;
        Label61->setCaption("0");
    }
    void Command5_Click()
    {
        unload();
        // The handler still runs to its end on a live form.
        Label61->setCaption("closing");
    }
    Label* Label61;
    CommandButton* Command5;
};

class BrokenForm : public Form {
    Q_OBJECT
public:
    void Form_Load() override { throw std::runtime_error("no database"); }
};

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Forms::registerForm<BillForm>("Form6");
        billFormLoads = 0;
    }
    void TearDown() override
    {
        Forms::setMdiArea(nullptr);
        Forms::unloadAll();
        testsupport::settle();
    }
};

TEST_F(RegistryTest, ReadingAnotherFormsControlLoadsItHiddenOnce)
{
    EXPECT_FALSE(Forms::isLoaded("Form6"));
    Label& total = Forms::control<Label>("Form6", "Label61");
    EXPECT_TRUE(total.caption() == "0" && Forms::isLoaded("Form6") && !Forms::get("Form6").isVisible());
    total.setCaption("48200");
    EXPECT_EQ(&Forms::get<BillForm>(), &Forms::get("Form6"));
    EXPECT_TRUE(Forms::control<Label>("Form6", "Label61").caption() == "48200" && billFormLoads == 1);

    EXPECT_THROW(Forms::control<Label>("Form6", "Label99"), std::logic_error);
    EXPECT_THROW(Forms::get("Form99"), std::logic_error);
    // A form whose load fails leaves no instance.
    EXPECT_THROW(Forms::get<BrokenForm>(), std::runtime_error);
    EXPECT_FALSE(Forms::isLoaded<BrokenForm>() || Forms::isLoaded("BrokenForm"));
}

TEST_F(RegistryTest, UnloadFromOwnHandlerThenFreshInstance)
{
    BillForm& first = Forms::get<BillForm>();
    testsupport::showForm(first);
    first.Label61->setCaption("48200");
    QPointer<BillForm> old(&first);

    testsupport::click(*first.Command5);
    EXPECT_FALSE(Forms::isLoaded("Form6"));
    ASSERT_TRUE(old); // destroyed only once control is back in the event loop
    testsupport::settle();
    EXPECT_FALSE(old);
    EXPECT_TRUE(Forms::get<BillForm>().Label61->caption() == "0" && billFormLoads == 2);
}

TEST_F(RegistryTest, ShowsInsideTheMdiAreaCentredGrowsToFitAndUnloadsWithIt)
{
    QMdiArea area;
    area.resize(1000, 800);
    area.show();
    Forms::setMdiArea(&area);
    BillForm& f = Forms::get<BillForm>();
    auto* extra = new QWidget(&f);
    extra->setMinimumHeight(150);
    f.layout()->addWidget(extra);
    extra->hide();
    f.show();
    ASSERT_EQ(area.subWindowList().size(), 1);
    QWidget* sub = area.subWindowList().first();
    EXPECT_LE((sub->geometry().center() - area.viewport()->rect().center()).manhattanLength(), 3);
    f.show(); // brought forward, not added twice
    EXPECT_EQ(area.subWindowList().size(), 1);

    // The window grows for controls that appear instead of squashing them,
    // and moves up to stay in view.
    area.resize(1000, 300);
    testsupport::settle();
    const int before = f.Command5->height();
    extra->show();
    Forms::growToFit(f);
    testsupport::settle();
    EXPECT_TRUE(f.Command5->height() >= before && sub->height() >= sub->sizeHint().height());
    EXPECT_TRUE(sub->geometry().bottom() <= area.viewport()->height() && sub->y() >= 0);
    Forms::unloadAll();
    testsupport::settle();
    EXPECT_TRUE(area.subWindowList().isEmpty());
}

} // namespace

#include "registry_test.moc"
