#include "platform/forms/entry_chain.h"

#include "platform/forms/controls.h"
#include "platform/forms/dispatch.h"

#include <QHash>
#include <QSet>

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

QList<QList<QWidget*>> tabStretches(const QList<std::pair<QWidget*, QWidget*>>& links)
{
    QHash<QWidget*, QWidget*> next;
    QSet<QWidget*> targets;
    QList<QWidget*> starts;
    for (const auto& [from, to] : links) {
        if (!from || !to || from == to || next.contains(from))
            continue;
        next.insert(from, to);
        targets.insert(to);
        starts.append(from);
    }
    QList<QList<QWidget*>> stretches;
    QHash<QWidget*, int> placed; // control -> its stretch
    auto follow = [&](QWidget* start) {
        QList<QWidget*> run;
        QWidget* w = start;
        while (w && !placed.contains(w) && !run.contains(w)) {
            run.append(w);
            w = next.value(w);
        }
        int index = int(stretches.size());
        if (w && placed.contains(w)) {
            // Joins an earlier stretch: the run goes just before the control it leads to.
            index = placed.value(w);
            QList<QWidget*>& s = stretches[index];
            const qsizetype at = s.indexOf(w);
            for (qsizetype i = 0; i < run.size(); ++i)
                s.insert(at + i, run[i]);
        } else {
            stretches.append(run);
        }
        for (QWidget* r : run)
            placed.insert(r, index);
    };
    // Runs start where no step leads; what is left is a closed loop.
    for (QWidget* s : starts) {
        if (!targets.contains(s) && !placed.contains(s))
            follow(s);
    }
    for (QWidget* s : starts) {
        if (!placed.contains(s))
            follow(s);
    }
    return stretches;
}

EntryChain::EntryChain(std::initializer_list<EntryStep> steps, bool paintEntryBoxes)
{
    for (const EntryStep& step : steps)
        connectStep(step, paintEntryBoxes);
    applyTabOrder();
}

EntryChain& EntryChain::add(const EntryStep& step, bool paintEntryBoxes)
{
    connectStep(step, paintEntryBoxes);
    applyTabOrder();
    return *this;
}

EntryChain& EntryChain::addTab(QWidget* from, QWidget* to)
{
    mLinks.append(std::make_pair(QPointer<QWidget>(from), QPointer<QWidget>(to)));
    applyTabOrder();
    return *this;
}

void EntryChain::applyTabOrder() const
{
    QList<std::pair<QWidget*, QWidget*>> links;
    for (const auto& [from, to] : mLinks) {
        // Tab order holds only within one window.
        if (from && to && from->window() == to->window())
            links.append(std::make_pair(from.data(), to.data()));
    }
    for (const QList<QWidget*>& stretch : tabStretches(links)) {
        for (qsizetype i = 0; i + 1 < stretch.size(); ++i)
            QWidget::setTabOrder(stretch[i], stretch[i + 1]);
    }
}

void EntryChain::connectStep(const EntryStep& step, bool paintEntryBoxes)
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
    mLinks.append(std::make_pair(QPointer<QWidget>(step.from), QPointer<QWidget>(step.to)));
}

} // namespace forms
