// Scripted message boxes and the dispatcher's report of an untrapped error.
#include "platform/forms/controls.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/scripted_dialogs.h"
#include "platform/vb/error.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {

TEST(ScriptedDialogs, AnswersFromTheScriptAndFailsOnAnUnscriptedQuestion)
{
    ScriptedDialogs boxes;
    QStringList reported;
    boxes.setFailureHandler([&](const QString& f) { reported << f; });
    boxes.answer(vbYes, "DO YOU WANT TO ENTER BILL NUMBER NOW?").answerInput(std::nullopt);

    EXPECT_EQ(Dialogs::msgBox("ENTERED IN THE PAY ROLL"), vbOK); // no script needed
    EXPECT_EQ(Dialogs::msgBox("NO BILL FOUND ...\nDO YOU WANT TO ENTER BILL NUMBER NOW?", vbYesNo,
                              "Missing Bill No Alert."),
              vbYes);
    EXPECT_EQ(Dialogs::inputBox("ENTER THE CODE", "Hi", "0"), std::nullopt); // Cancel, not ""
    EXPECT_TRUE(reported.isEmpty());
    EXPECT_EQ(boxes.pending(), 0);

    // Nobody scripted this one: a failure, answered the safe way.
    EXPECT_EQ(Dialogs::msgBox("DELETE ALL RECORDS?", vbYesNo + vbQuestion), vbNo);
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported[0].contains("DELETE ALL RECORDS?"));

    // A script for another question does not answer this one.
    boxes.answer(vbYes, "SAVE?");
    EXPECT_EQ(Dialogs::msgBox("RESET FUND REGISTER?", vbYesNoCancel), vbCancel);
    EXPECT_EQ(boxes.failures().size(), 2);

    ASSERT_EQ(boxes.boxes().size(), 5);
    EXPECT_EQ(boxes.boxes()[1].title, "Missing Bill No Alert.");
    EXPECT_EQ(boxes.boxes()[1].style, vbYesNo);
    EXPECT_TRUE(boxes.boxes()[2].input);
    EXPECT_EQ(boxes.boxes()[2].defaultText, "0");
}

TEST(Dispatcher, AnUntrappedErrorIsShownAndEndsOnlyItsCommand)
{
    ScriptedDialogs boxes;
    CommandButton Command3("Command3", "EDIT", nullptr);
    QObject form;
    QStringList done;
    on(&Command3, &CommandButton::Click, &form, [&] {
        done << "before";
        throw vb::Error(vb::NoCurrentRecord, "No current record.");
        done << "after";
    });
    on(&Command3, &CommandButton::Click, &form, [&] { throw std::runtime_error("disk full"); });
    on(&Command3, &CommandButton::Click, &form, [&] { done << "next command"; });

    Command3.click();
    EXPECT_EQ(done, QStringList({"before", "next command"}));
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes()[0].prompt, "Command3_Click failed: No current record. (error 3021)");
    EXPECT_EQ(boxes.boxes()[0].style, vbCritical);
    EXPECT_EQ(boxes.boxes()[1].prompt, "Command3_Click failed: disk full");
    EXPECT_TRUE(boxes.failures().isEmpty());

    // A handler taking the event's arguments, through a member function.
    struct Receiver : QObject {
        int code = 0;
        void Text1_KeyUp(int keyCode) { code = keyCode; }
    } receiver;
    TextBox Text1("Text1", nullptr);
    on(&Text1, &TextBox::KeyUp, &receiver, &Receiver::Text1_KeyUp);
    emit Text1.KeyUp(vbKeyReturn);
    EXPECT_EQ(receiver.code, 13);
}

} // namespace
