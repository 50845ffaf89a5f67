#include "platform/forms/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

namespace forms {

namespace {

QString titleOr(const QString& title)
{
    if (!title.isEmpty())
        return title;
    const QString app = QCoreApplication::applicationName();
    return app.isEmpty() ? QStringLiteral("dosset") : app;
}

// Gives the keyboard back to the window that had it once a box closes; window
// managers usually do, but not every platform does.
class GiveBackActivation {
public:
    GiveBackActivation() : mWindow(QApplication::activeWindow()) {}
    ~GiveBackActivation()
    {
        if (mWindow && mWindow->isVisible() && !mWindow->isActiveWindow())
            mWindow->activateWindow();
    }

private:
    QPointer<QWidget> mWindow;
};

// A folder's path is read whole or not at all: the box's text layout may
// break a line after any "/". A line holding one is laid out no narrower than
// itself; the rest of the message still fits or wraps as it would.
int widestLine(const QString& prompt, const QFontMetrics& metrics, bool onlyPaths)
{
    static const QRegularExpression path(QStringLiteral("(^|[\\s\"'(])~?/[^\\s/]"));
    int widest = 0;
    for (const QString& line : prompt.split(QLatin1Char('\n'))) {
        if (!onlyPaths || path.match(line).hasMatch())
            widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

void keepPathsWhole(QMessageBox& box, const QString& prompt)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const QFontMetrics metrics = label->fontMetrics();
    const int pathLine = widestLine(prompt, metrics, true);
    if (pathLine == 0)
        return;
    // A set minimum hides the text's own width from the box, which widens
    // itself and wraps only past about 500 pixels: the label is asked for the
    // whole text up to there, so that a short message is never cut instead.
    const int margin = 2 * metrics.averageCharWidth();
    const int wanted = std::max(pathLine, std::min(widestLine(prompt, metrics, false), 500)) + margin;
    // Within what the box may grow to on this screen, beside its icon.
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    const int most = (screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000)) - 120;
    label->setMinimumWidth(std::min(wanted, most));
}

class WidgetBoxes : public Dialogs::Backend {
public:
    int msgBox(const QString& prompt, int style, const QString& title) override
    {
        return detailedBox(prompt, style, title, QString());
    }

    int detailedBox(const QString& prompt, int style, const QString& title, const QString& details) override
    {
        GiveBackActivation giveBack;
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(titleOr(title));
        box.setTextFormat(Qt::PlainText);
        box.setText(prompt);
        keepPathsWhole(box, prompt);
        if (!details.isEmpty())
            box.setDetailedText(details);
        switch (style & 0x70) {
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        struct Choice {
            QMessageBox::StandardButton button;
            int result;
        };
        QList<Choice> choices;
        switch (style & 7) {
        case vbOKCancel: choices = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}}; break;
        case vbAbortRetryIgnore:
            choices = {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
            break;
        case vbYesNoCancel:
            choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
            break;
        case vbYesNo: choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}}; break;
        case vbRetryCancel: choices = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}}; break;
        default: choices = {{QMessageBox::Ok, vbOK}}; break;
        }
        for (const Choice& c : choices)
            box.addButton(c.button);
        const int defaultIndex = qBound(0, (style >> 8) & 3, int(choices.size()) - 1);
        box.setDefaultButton(choices[defaultIndex].button);
        box.exec();
        const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
        for (const Choice& c : choices) {
            if (c.button == pressed)
                return c.result;
        }
        // Closed without a button: the box's way out.
        return (style & 7) == vbYesNo ? vbNo : (style & 7) == vbOKOnly ? vbOK : vbCancel;
    }

    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        GiveBackActivation giveBack;
        QInputDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(titleOr(title));
        dialog.setLabelText(prompt);
        dialog.setTextValue(defaultText);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    }
};

Dialogs::Backend*& current()
{
    static Dialogs::Backend* b = nullptr;
    return b;
}

Dialogs::Backend& active()
{
    static WidgetBoxes widgets;
    return current() ? *current() : widgets;
}

} // namespace

int Dialogs::msgBox(const QString& prompt, int style, const QString& title)
{
    return active().msgBox(prompt, style, title);
}

int Dialogs::msgBox(const QString& prompt, int style, const QString& title, const QString& details)
{
    return active().detailedBox(prompt, style, title, details);
}

bool Dialogs::confirm(const QString& prompt, const QString& title, int icon)
{
    return msgBox(prompt, vbYesNo + icon + vbDefaultButton2, title) == vbYes;
}

std::optional<QString> Dialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return active().inputBox(prompt, title, defaultText);
}

Dialogs::Backend* Dialogs::setBackend(Backend* b)
{
    Backend* previous = current();
    current() = b;
    return previous;
}

Dialogs::Backend* Dialogs::backend()
{
    return current();
}

} // namespace forms
