#include "platform/forms/registry.h"

#include "platform/forms/dispatch.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <exception>

namespace forms {

namespace {

struct State {
    QHash<QString, std::function<Form*()>> factories;
    QHash<std::type_index, QString> names;
    QHash<QString, QPointer<Form>> instances;
    QPointer<QMdiArea> mdi;
};

State& state()
{
    static State s;
    return s;
}

QMdiSubWindow* subWindowOf(Form& f)
{
    return qobject_cast<QMdiSubWindow*>(f.parentWidget());
}

void centreOnScreen(Form& f)
{
    f.adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    f.move(area.x() + qMax(0, (area.width() - f.width()) / 2), area.y() + qMax(0, (area.height() - f.height()) / 2));
}

void raiseWindow(QWidget& w)
{
    // The offscreen platform of the tests has no stacking and says so on every raise.
    if (!w.isWindow() || QGuiApplication::platformName() != QLatin1String("offscreen"))
        w.raise();
}

} // namespace

void Forms::registerFactory(const QString& name, std::type_index type, Factory f)
{
    state().factories.insert(name, std::move(f));
    state().names.insert(type, name);
}

QStringList Forms::registeredNames()
{
    QStringList names = state().factories.keys();
    names.sort();
    return names;
}

bool Forms::isRegistered(const QString& name)
{
    return state().factories.contains(name);
}

QString Forms::nameOf(std::type_index type, const char* className)
{
    const auto it = state().names.constFind(type);
    if (it != state().names.constEnd())
        return *it;
    const QString full = QString::fromLatin1(className);
    const qsizetype colon = full.lastIndexOf("::");
    return colon < 0 ? full : full.mid(colon + 2);
}

Form& Forms::get(const QString& name)
{
    if (Form* f = loaded(name))
        return *f;
    const auto it = state().factories.constFind(name);
    if (it == state().factories.constEnd())
        throw std::logic_error(("no form is registered as " + name).toStdString());
    return create(name, *it);
}

Form& Forms::create(const QString& name, const Factory& make)
{
    Form* f = make();
    f->setObjectName(name);
    f->setAttribute(Qt::WA_DeleteOnClose, false);
    // Known before Form_Load, so that a form its load reaches finds this one.
    state().instances.insert(name, f);
    if (!state().mdi)
        centreOnScreen(*f);
    try {
        f->Form_Load();
    } catch (...) {
        state().instances.remove(name);
        f->mUnloading = true;
        f->hide();
        f->deleteLater();
        throw;
    }
    return *f;
}

Form* Forms::loaded(const QString& name)
{
    Form* f = state().instances.value(name);
    return f && !f->mUnloading ? f : nullptr;
}

QStringList Forms::loadedNames()
{
    QStringList names;
    for (auto it = state().instances.cbegin(); it != state().instances.cend(); ++it) {
        if (*it && !(*it)->mUnloading)
            names << it.key();
    }
    names.sort();
    return names;
}

void Forms::show(Form& f)
{
    QMdiArea* area = state().mdi;
    if (area) {
        QMdiSubWindow* sub = subWindowOf(f);
        if (!sub) {
            sub = area->addSubWindow(&f);
            sub->setAttribute(Qt::WA_DeleteOnClose, false);
            QObject::connect(sub, &QMdiSubWindow::aboutToActivate, &f, [form = &f] {
                if (!form->isUnloading())
                    dispatch(QStringLiteral("Form_Activate"), [form] { form->Form_Activate(); });
            });
            f.adjustSize();
            sub->adjustSize();
            const QSize room = area->viewport()->size();
            sub->move(qMax(0, (room.width() - sub->width()) / 2), qMax(0, (room.height() - sub->height()) / 2));
        }
        f.QWidget::show();
        sub->show();
        raiseWindow(*sub);
        area->setActiveSubWindow(sub);
        return;
    }
    f.QWidget::show();
    raiseWindow(f);
    f.activateWindow();
}

void Forms::growToFit(Form& f)
{
    if (QLayout* l = f.layout())
        l->activate();
    if (QMdiSubWindow* sub = subWindowOf(f)) {
        sub->resize(sub->size().expandedTo(sub->sizeHint()));
        if (QMdiArea* area = state().mdi) {
            const int room = area->viewport()->height();
            if (sub->geometry().bottom() >= room)
                sub->move(sub->x(), qMax(0, room - sub->height()));
        }
        return;
    }
    f.resize(f.size().expandedTo(f.sizeHint()));
}

void Forms::hide(Form& f)
{
    if (QMdiSubWindow* sub = subWindowOf(f))
        sub->hide();
    else
        f.QWidget::hide();
}

void Forms::unload(Form& f)
{
    if (f.mUnloading)
        return;
    f.mUnloading = true;
    const QString name = f.objectName();
    if (state().instances.value(name) == &f)
        state().instances.remove(name);
    auto finish = [&f] {
        hide(f);
        if (QMdiSubWindow* sub = subWindowOf(f))
            sub->deleteLater(); // takes the form with it
        else
            f.deleteLater();
    };
    try {
        f.Form_Unload();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void Forms::unload(const QString& name)
{
    if (Form* f = loaded(name))
        unload(*f);
}

void Forms::unloadAll()
{
    // Every form goes, even when one's unload fails; the first failure is
    // passed on afterwards.
    std::exception_ptr failure;
    const QStringList names = loadedNames();
    for (const QString& name : names) {
        try {
            unload(name);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

void Forms::setMdiArea(QMdiArea* area)
{
    state().mdi = area;
}

QMdiArea* Forms::mdiArea()
{
    return state().mdi;
}

} // namespace forms
