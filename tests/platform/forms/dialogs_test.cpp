// Scripted message boxes and the dispatcher's report of an untrapped error.
#include "platform/forms/controls.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/scripted_dialogs.h"
#include "platform/vb/error.h"
#include "support/ui_driver.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTextLayout>
#include <QTimer>
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
    EXPECT_TRUE(reported.isEmpty() && boxes.pending() == 0);

    // Nobody scripted this one: a failure, answered the safe way.
    EXPECT_EQ(Dialogs::msgBox("DELETE ALL RECORDS?", vbYesNo + vbQuestion), vbNo);
    EXPECT_TRUE(reported.size() == 1 && reported[0].contains("DELETE ALL RECORDS?")) << reported.join('\n').toStdString();

    // A script for another question does not answer this one.
    boxes.answer(vbYes, "SAVE?");
    EXPECT_EQ(Dialogs::msgBox("RESET FUND REGISTER?", vbYesNoCancel), vbCancel);
    EXPECT_EQ(boxes.failures().size(), 2);

    ASSERT_EQ(boxes.boxes().size(), 5);
    EXPECT_EQ(testsupport::said(boxes.boxes()[1]).left(25), "Missing Bill No Alert.|4|");
    EXPECT_TRUE(boxes.boxes()[2].input && boxes.boxes()[2].defaultText == "0");
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
    QStringList shown;
    for (const auto& b : boxes.boxes())
        shown << QString::number(b.style) + "|" + b.prompt + "|" + b.details;
    const QString critical = QString::number(vbCritical) + "|\"EDIT\" could not be finished: ";
    EXPECT_EQ(shown, QStringList({critical + "no record is chosen; nothing of it was saved.|"
                                             "Command3_Click failed: No current record. (error 3021)",
                                  critical + "the program met an error it did not expect; nothing of it was saved.|"
                                             "Command3_Click failed: disk full"}));

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

TEST(Dispatcher, TheClerkNeverSeesTheEnginesTextOrTheHandlersName)
{
    ScriptedDialogs boxes;
    const QString sql = "INSERT INTO salary (emp_code) VALUES (?)";
    struct Case { vb::Error error; QString text; };
    const QList<Case> cases = {
        {vb::Error(3000, "database is locked Unable to fetch row [" + sql + "]"),
         "the data file is in use by another program or another copy of Dosset; nothing was saved"},
        {vb::Error(3000, "no such column: p_month Unable to execute statement [" + sql + "]"),
         "the data file could not be read or written; nothing of it was saved"},
        {vb::Error(vb::DuplicateKey, "The changes you requested to the table were not successful."),
         "it would enter a second time what may be entered only once; nothing of it was saved"},
        {vb::Error(vb::InvalidUseOfNull, "Invalid use of Null"), "a value it needs is blank; nothing of it was saved"},
    };
    for (const Case& c : cases) {
        boxes.clearBoxes();
        EXPECT_FALSE(dispatch("Command2_Click", [&] { throw c.error; }));
        const QString details = "Command2_Click failed: " + c.error.description;
        EXPECT_EQ(boxes.prompts() + QStringList(boxes.boxes().value(0).details.left(details.size())),
                  QStringList({"The command could not be finished: " + c.text + ".", details}));
    }
}

TEST(Dialogs, AQuestionThatLosesDataDefaultsToNo)
{
    bool answers[2];
    const QStringList said = testsupport::saidBy(
        [&] { answers[0] = Dialogs::confirm("DELETE HEAD X ?", "PLEASE NOTE"), answers[1] = Dialogs::confirm("DELETE HEAD Y ?"); },
        {{vbYes, "DELETE"}, {vbNo, "DELETE"}});
    EXPECT_TRUE(answers[0] && !answers[1]);
    EXPECT_EQ(said.value(0), QString("PLEASE NOTE|%1|DELETE HEAD X ?").arg(vbYesNo + vbQuestion + vbDefaultButton2));
    EXPECT_TRUE(said.value(1).contains(QString("|%1|DELETE HEAD Y ?").arg(vbYesNo + vbQuestion + vbDefaultButton2)));
}

// The box on the screen (not the scripted double): a folder's path on a line
// of its own is never broken, though the layout may break after any "/", and
// no other line is cut for it, whether the path is long or short.
TEST(Dialogs, AFoldersPathIsShownWholeAndTheRestOfTheMessageWithIt)
{
    testsupport::RealBoxes real;
    const QString file = "\"outer_sheet 2026-12-25 2202-00-109-NP-002-V-01 2026-12-07 044358.xlsx\" is saved in the folder";
    for (const QString folder : {"/home/clerk/Mr.Dosset/output/of/a/folder/nested/deep/enough/to/wrap/in/a/box",
                                 "/tmp/a/output"}) {
        const QString prompt = "No program to show it was found on this computer.\n" + file + "\n" + folder;
        // Lines each line takes at the label's width; none is cut where the label does not wrap.
        QStringList laidOut;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            QApplication::processEvents();
            auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            const int width = label->contentsRect().width();
            for (const QString& text : prompt.split('\n')) {
                QTextLayout layout(text, label->font());
                QTextOption wrap;
                wrap.setWrapMode(QTextOption::WordWrap);
                layout.setTextOption(wrap);
                layout.beginLayout();
                int lines = 0;
                for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
                    line.setLineWidth(width), ++lines;
                layout.endLayout();
                const bool cut = !label->wordWrap() && QFontMetrics(label->font()).horizontalAdvance(text) > width;
                laidOut << (cut ? "cut" : text == folder ? QString::number(lines) : "fits");
            }
            box->accept();
        });
        Dialogs::msgBox(prompt, vbExclamation);
        EXPECT_EQ(laidOut, (QStringList{"fits", "fits", "1"})) << folder.toStdString();
    }
}
