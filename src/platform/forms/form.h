// The base of every form: a widget with a load, activate and unload life cycle run by the registry.
#pragma once

#include <QString>
#include <QWidget>
#include <stdexcept>

namespace forms {

class CommandButton;
class Label;
class TextBox;

// A form is built in its constructor (controls with their names as objectName,
// laid out with layouts) and connects its handlers there with forms::on. The
// registry (Forms) creates it, names it (objectName = its class name), centres
// it and then runs Form_Load, so Form_Load may open databases and fill lists.
// A form's life ends with Forms::unload (or the user closing its window),
// which runs Form_Unload and destroys it once control returns to the event loop.
//
// Declare Q_OBJECT in every form so that the registry can name it.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    // A form whose window caption is fixed from the start.
    explicit Form(const QString& caption, QWidget* parent = nullptr);
    ~Form() override;

    // Run once by the registry after construction, before the form is shown.
    virtual void Form_Load() {}
    // Asked when the user closes the window; false keeps the form open.
    // Not asked on Forms::unload from code.
    virtual bool Form_QueryUnload() { return true; }
    // Run once when the form unloads, before it is hidden and destroyed.
    virtual void Form_Unload() {}
    // Run each time the form becomes the active window (or the active window
    // of the main window's MDI area), through the dispatcher.
    virtual void Form_Activate() {}

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& c) { setWindowTitle(c); }

    // Show modeless through the registry (inside the main window's MDI area
    // when there is one) and bring it forward; hide keeps it loaded.
    void show();
    void hide();
    // Unload through the registry (deferred destruction; safe from a handler
    // of this form).
    void unload();
    bool isUnloading() const { return mUnloading; }

    // A control of this form by name. Throws std::logic_error when there is
    // none of that name and type (a programming fault, reported by the
    // dispatcher like any other untrapped error).
    template <class C>
    C& control(const QString& name) const
    {
        if (C* c = findChild<C*>(name))
            return *c;
        throw std::logic_error(("form " + objectName() + " has no control " + name).toStdString());
    }

protected:
    // New controls of this form, named as its code calls them.
    Label* label(const QString& name, const QString& caption = QString());
    CommandButton* button(const QString& name, const QString& caption);
    TextBox* box(const QString& name);

    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    friend class Forms;
    bool mUnloading = false;
};

} // namespace forms
