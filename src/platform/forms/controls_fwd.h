// The controls by name only: a form's header holds pointers to them, its .cpp includes what it uses.
#pragma once

namespace forms {
class CheckBox;
class ComboBox;
class CommandButton;
class DataGrid;
class DataList;
class DatePicker;
class Frame;
class Label;
class ListBox;
class OptionButton;
class TextBox;
class Timer;
} // namespace forms
