// The Enter chain of a form's entry boxes, written as a table.
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <utility>

namespace forms {

// One step: Enter (key code 13 on key-up) in `from` runs `check`; when it
// returns true (or there is none) the focus moves to `to` (nothing moves when
// `to` is null, disabled or hidden). A check that refuses usually says why and
// puts the focus back itself. `from` is any control with a KeyUp(int) event
// (TextBox, ComboBox, DatePicker, ListBox, CommandButton).
struct EntryStep {
    QWidget* from = nullptr;
    QWidget* to = nullptr;
    std::function<bool()> check = {};
};

// Connects the steps; the connections live as long as the controls, so the
// chain object itself may be a temporary:
//   forms::EntryChain{{
//       {Text1, Text2},
//       {Text2, Text3, [this] { return checkNumber(Text2); }},
//       {Text3, Command1},
//   }};
// The text boxes among the steps' `from` and `to` become entry boxes (green
// while focused) unless paintEntryBoxes is false. Checks run through the
// dispatcher under the name "<from>_KeyUp".
//
// Tab follows the chain too: each run of steps becomes one stretch of the
// form's tab order, so the keyboard's two ways through a form never differ.
// Where several steps lead to one control (each group's last box to OK), the
// later runs come just before it; Tab skips disabled boxes, so the open group
// still reaches OK.
class EntryChain {
public:
    EntryChain() = default;
    EntryChain(std::initializer_list<EntryStep> steps, bool paintEntryBoxes = true);
    EntryChain& add(const EntryStep& step, bool paintEntryBoxes = true);
    // Tab from `from` leads to `to`, while the form moves the focus on Enter
    // itself (a step whose target depends on what is open).
    EntryChain& addTab(QWidget* from, QWidget* to);

private:
    void connectStep(const EntryStep& step, bool paintEntryBoxes);
    void applyTabOrder() const;
    QList<std::pair<QPointer<QWidget>, QPointer<QWidget>>> mLinks;
};

// The stretches of tab order that a chain's links (from, to) make: each list
// is one stretch, its first control staying where it is. Kept apart from the
// widgets' focus chain so the rule can be read and tested on its own.
QList<QList<QWidget*>> tabStretches(const QList<std::pair<QWidget*, QWidget*>>& links);

} // namespace forms
