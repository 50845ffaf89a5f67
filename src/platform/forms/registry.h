// The form registry: one instance of each form, created on first use.
#pragma once

#include "platform/forms/form.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>
#include <typeindex>

class QMdiArea;

namespace forms {

// Forms reach each other only through this registry. A module registers its
// forms by name at start-up (registerForm), and other modules reach them by
// name without linking that module: Forms::get("Form6"),
// Forms::control<Label>("Form6", "Label61").
//
// Reading a control of a form that is not loaded loads it hidden (Form_Load
// runs, nothing is shown), so a form may read another's boxes without showing it.
class Forms {
public:
    // Registers form class T under a name (its class name, e.g. "Form6").
    template <class T>
    static void registerForm(const QString& name)
    {
        registerFactory(name, std::type_index(typeid(T)), [] { return static_cast<Form*>(new T); });
    }
    static bool isRegistered(const QString& name);
    // Every registered name, sorted.
    static QStringList registeredNames();

    // The single instance of T, created hidden and loaded when none exists.
    // T need not be registered (its name is then its class name); a Form_Load
    // that throws leaves no instance and the error goes to the caller.
    template <class T>
    static T& get()
    {
        const QString name = nameOf(std::type_index(typeid(T)), T::staticMetaObject.className());
        if (Form* f = loaded(name)) {
            if (T* t = dynamic_cast<T*>(f))
                return *t;
            throw std::logic_error(("two form classes go by the name " + name).toStdString());
        }
        return static_cast<T&>(create(name, [] { return static_cast<Form*>(new T); }));
    }
    // The single instance of the form registered under this name, created
    // hidden and loaded when none exists. Throws std::logic_error for a name
    // nobody registered.
    static Form& get(const QString& name);

    // A control of a form by name, loading the form hidden when needed.
    template <class C>
    static C& control(const QString& form, const QString& name)
    {
        return get(form).control<C>(name);
    }

    // The loaded instance, or null.
    static Form* loaded(const QString& name);
    static bool isLoaded(const QString& name) { return loaded(name) != nullptr; }
    template <class T>
    static bool isLoaded()
    {
        return loaded(nameOf(std::type_index(typeid(T)), T::staticMetaObject.className())) != nullptr;
    }
    static QStringList loadedNames();

    // Show modeless, inside the MDI area when one is set, else as a window of
    // its own; an open form is brought forward and activated.
    static void show(Form& f);
    static void hide(Form& f);
    // Grows the form's window to what its controls need after some appeared,
    // instead of squashing them; inside the MDI area it moves up as far as
    // it must to stay in view, and the area scrolls beyond that.
    static void growToFit(Form& f);
    // Unload: runs Form_Unload, hides the form at once and forgets it (the next
    // get makes a fresh instance); the widget is destroyed when control returns
    // to the event loop, so a handler may unload its own form.
    static void unload(Form& f);
    static void unload(const QString& name);
    static void unloadAll();

    // The main window's MDI area (null for none). Forms shown later open in it.
    static void setMdiArea(QMdiArea* area);
    static QMdiArea* mdiArea();

private:
    using Factory = std::function<Form*()>;
    static void registerFactory(const QString& name, std::type_index type, Factory f);
    static QString nameOf(std::type_index type, const char* className);
    static Form& create(const QString& name, const Factory& make);
};

} // namespace forms
