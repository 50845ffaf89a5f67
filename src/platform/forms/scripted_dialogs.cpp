#include "platform/forms/scripted_dialogs.h"

namespace forms {

namespace {

bool isQuestion(int style)
{
    return (style & 7) != vbOKOnly;
}

// The safe way out of a question nobody scripted.
int refusal(int style)
{
    switch (style & 7) {
    case vbYesNo: return vbNo;
    case vbAbortRetryIgnore: return vbAbort;
    default: return vbCancel;
    }
}

} // namespace

ScriptedDialogs::ScriptedDialogs()
{
    mPrevious = Dialogs::setBackend(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::setBackend(mPrevious);
}

ScriptedDialogs& ScriptedDialogs::answer(int result, const QString& promptContains)
{
    mScript.append({false, result, std::nullopt, promptContains});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerInput(std::optional<QString> text, const QString& promptContains)
{
    mScript.append({true, 0, std::move(text), promptContains});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::acceptInput(const QString& promptContains)
{
    mScript.append({true, 0, std::nullopt, promptContains, true});
    return *this;
}

QStringList ScriptedDialogs::prompts() const
{
    QStringList list;
    for (const Box& b : mBoxes)
        list << b.prompt;
    return list;
}

QString ScriptedDialogs::lastPrompt() const
{
    return mBoxes.isEmpty() ? QString() : mBoxes.last().prompt;
}

void ScriptedDialogs::fail(const QString& what)
{
    mFailures << what;
    if (mOnFailure)
        mOnFailure(what);
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::takeAnswer(bool input, const QString& prompt)
{
    const QString kind = input ? QStringLiteral("input box") : QStringLiteral("question");
    if (mScript.isEmpty() || mScript.first().input != input) {
        fail("unscripted " + kind + ": \"" + prompt + "\"");
        return std::nullopt;
    }
    const Answer a = mScript.takeFirst();
    if (!a.promptContains.isEmpty() && !prompt.contains(a.promptContains)) {
        fail(kind + " \"" + prompt + "\" where \"" + a.promptContains + "\" was scripted");
        return std::nullopt;
    }
    return a;
}

int ScriptedDialogs::msgBox(const QString& prompt, int style, const QString& title)
{
    Box box;
    box.prompt = prompt;
    box.style = style;
    box.title = title;
    box.answer = vbOK;
    if (isQuestion(style)) {
        const std::optional<Answer> a = takeAnswer(false, prompt);
        box.answer = a ? a->result : refusal(style);
    }
    mBoxes.append(box);
    return box.answer;
}

int ScriptedDialogs::detailedBox(const QString& prompt, int style, const QString& title, const QString& details)
{
    const int answer = msgBox(prompt, style, title);
    mBoxes.last().details = details;
    return answer;
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                                 const QString& defaultText)
{
    Box box;
    box.input = true;
    box.prompt = prompt;
    box.title = title;
    box.defaultText = defaultText;
    if (const std::optional<Answer> a = takeAnswer(true, prompt))
        box.text = a->proposed ? std::optional<QString>(defaultText) : a->text;
    mBoxes.append(box);
    return box.text;
}

} // namespace forms
