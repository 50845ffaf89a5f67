#include "platform/forms/form.h"

#include "platform/forms/registry.h"

#include <QCloseEvent>

namespace forms {

Form::Form(QWidget* parent) : QWidget(parent) {}

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
