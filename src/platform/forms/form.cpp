#include "platform/forms/form.h"

#include "platform/forms/basic_controls.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/registry.h"
#include "platform/forms/text_box.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace forms {

Form::Form(QWidget* parent) : QWidget(parent) {}

Form::Form(const QString& caption, QWidget* parent) : QWidget(parent)
{
    setCaption(caption);
}

Form::~Form() = default;

void Form::show()
{
    Forms::show(*this);
}

void Form::hide()
{
    Forms::hide(*this);
}

void Form::unload()
{
    Forms::unload(*this);
}

Label* Form::label(const QString& name, const QString& caption)
{
    return new Label(name, caption, this);
}

CommandButton* Form::button(const QString& name, const QString& caption)
{
    return new CommandButton(name, caption, this);
}

TextBox* Form::box(const QString& name)
{
    return new TextBox(name, this);
}

bool Form::event(QEvent* e)
{
    // Inside the MDI area the subwindow's activation says it (the registry
    // connects it); a window of its own says it here.
    if (e->type() == QEvent::WindowActivate && !mUnloading && !qobject_cast<QMdiSubWindow*>(parentWidget()))
        dispatch(QStringLiteral("Form_Activate"), [this] { Form_Activate(); });
    return QWidget::event(e);
}

void Form::closeEvent(QCloseEvent* e)
{
    if (!mUnloading) {
        if (!Form_QueryUnload()) {
            e->ignore();
            return;
        }
        Forms::unload(*this);
    }
    e->accept();
}

} // namespace forms
