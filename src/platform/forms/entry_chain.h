// The Enter chain of a form's entry boxes, written as a table.
#pragma once

#include <QWidget>
#include <functional>
#include <initializer_list>

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
class EntryChain {
public:
    EntryChain() = default;
    EntryChain(std::initializer_list<EntryStep> steps, bool paintEntryBoxes = true);
    EntryChain& add(const EntryStep& step, bool paintEntryBoxes = true);
};

} // namespace forms
