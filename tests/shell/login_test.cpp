#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "shell/login_form.h"
#include "shell/main_window.h"
#include "shell/register_forms.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace testsupport;

TEST(Login, MessagesHintAndAdmissionAndAFolderWithoutAPasswordSaysSo)
{
    TempDataFolder folder;
    shell::registerAllForms();
    ScriptedBoxes boxes;
    data::Database& fund = data::Database::open("fund.mdb");
    const QString noPassword = "This data folder has no password, so no one can log on.\n\nSet one with:\n"
                               "    dosset-setup \"" + folder.path() + "\" --update --password NEW-PASSWORD";

    // No row, a NULL one and a blank one: none is a password anyone can type.
    for (const char* sql : {"DELETE FROM protect", "INSERT INTO protect (pas) VALUES (NULL)",
                            "UPDATE protect SET pas = '   '"}) {
        fund.execute(sql);
        boxes.clearBoxes();
        auto& form = forms::Forms::get<shell::entry>();
        showForm(form);
        type(*form.Text1, "   ");
        EXPECT_EQ(form.Label1->caption(), "THIS DATA FOLDER HAS NO PASSWORD.") << sql;
        enter(*form.Text1, "   ");
        EXPECT_EQ(boxes.prompts(), QStringList{noPassword}) << sql;
        forms::Forms::unloadAll();
    }

    // A password: its hint, its messages and admission. An earlier build kept the blanks typed around it.
    fund.execute("UPDATE protect SET pas = ' Secret1 '");
    boxes.clearBoxes();
    auto& form = forms::Forms::get<shell::entry>();
    showForm(form);

    type(*form.Text1, "Secret");
    EXPECT_EQ(form.Label1->caption(), "PASSWORD NOT MATCHED.");
    type(*form.Text1, " Secret1 ");  // blanks around are trimmed
    EXPECT_EQ(form.Label1->caption(), "PASSWORD MATCHED. PRESS ENTER OR CLIK LOG ON");

    enter(*form.Text1, "secret1");   // the password's case counts
    EXPECT_TRUE(form.Text1->text().isEmpty() && focused() == form.Text1);

    click(*form.Command1);
    EXPECT_FALSE(shell::Platform::exists());

    // No limit on attempts: the fourth try still admits.
    enter(*form.Text1, "Secret1");
    settle();
    ASSERT_TRUE(shell::Platform::exists());
    EXPECT_TRUE(shell::Platform::instance().isVisible() && !forms::Forms::isLoaded("entry"));
    EXPECT_EQ(boxes.prompts(), (QStringList{"PASSWORD NOT MATCHED. TRY AGAIN.", "ENTERED PASSWORD AND CLICK ON LOG ON.",
                                            "Welcome. The office's pay roll and accounts are ready."}));

    // The menus carry the names other forms are reached by.
    auto& main = shell::Platform::instance();
    for (const char* name : {"mnugro", "mnupsl", "mnuchq", "mnuchkslp", "mnupst", "mnugpfcalc", "mnuyes", "mnuno"})
        EXPECT_NE(main.menuItem(name), nullptr) << name;
    forms::Forms::unloadAll();
    delete &main;
}
