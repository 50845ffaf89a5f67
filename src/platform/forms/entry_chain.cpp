#include "platform/forms/entry_chain.h"

#include "platform/forms/controls.h"
#include "platform/forms/dispatch.h"

#include <stdexcept>

namespace forms {

namespace {

template <class C>
bool connectEnter(QWidget* from, const std::function<void()>& onEnter)
{
    auto* c = qobject_cast<C*>(from);
    if (!c)
        return false;
    QObject::connect(c, &C::KeyUp, c, [onEnter](int code) {
        if (code == vbKeyReturn)
            onEnter();
    });
    return true;
}

void paint(QWidget* w)
{
    if (auto* box = qobject_cast<TextBox*>(w))
        box->setEntryBox(true);
}

} // namespace

EntryChain::EntryChain(std::initializer_list<EntryStep> steps, bool paintEntryBoxes)
{
    for (const EntryStep& step : steps)
        add(step, paintEntryBoxes);
}

EntryChain& EntryChain::add(const EntryStep& step, bool paintEntryBoxes)
{
    if (!step.from)
        throw std::logic_error("an entry step needs the control it starts from");
    QPointer<QWidget> from = step.from;
    QPointer<QWidget> to = step.to;
    const std::function<bool()> check = step.check;
    auto onEnter = [from, to, check] {
        const QString name = (from ? from->objectName() : QString()) + "_KeyUp";
        dispatch(name, [&] {
            if (check && !check())
                return;
            if (to)
                forms::setFocus(to);
        });
    };
    const bool connected = connectEnter<TextBox>(step.from, onEnter) || connectEnter<ComboBox>(step.from, onEnter)
        || connectEnter<DatePicker>(step.from, onEnter) || connectEnter<ListBox>(step.from, onEnter)
        || connectEnter<CommandButton>(step.from, onEnter);
    if (!connected)
        throw std::logic_error(("control " + step.from->objectName() + " has no KeyUp for an entry chain").toStdString());
    if (paintEntryBoxes) {
        paint(step.from);
        paint(step.to);
    }
    return *this;
}

} // namespace forms
