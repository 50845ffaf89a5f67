#include "platform/reports/registry.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace reports {

namespace {

std::map<std::type_index, std::unique_ptr<Report>>& instances()
{
    static std::map<std::type_index, std::unique_ptr<Report>> m;
    return m;
}

// Reports own top-level previews, which must go before the application does.
void unloadAtExit() { Reports::unloadAll(); }

} // namespace

Report* Reports::find(std::type_index t)
{
    auto& m = instances();
    auto it = m.find(t);
    return it == m.end() ? nullptr : it->second.get();
}

void Reports::insert(std::type_index t, std::unique_ptr<Report> r)
{
    static bool hooked = false;
    if (!hooked && QCoreApplication::instance()) {
        qAddPostRoutine(unloadAtExit);
        hooked = true;
    }
    Report* raw = r.get();
    // Closing the preview unloads the instance, so the next showing reads its
    // form afresh. Deferred: the close arrives from inside the preview.
    QObject::connect(raw, &Report::previewClosed, raw, [t, raw] {
        QPointer<Report> guard(raw);
        QTimer::singleShot(0, [t, guard] {
            if (guard && find(t) == guard.data() && !guard->preview())
                remove(t);
        });
    });
    instances()[t] = std::move(r);
}

void Reports::remove(std::type_index t)
{
    auto& m = instances();
    auto it = m.find(t);
    if (it == m.end())
        return;
    std::unique_ptr<Report> gone = std::move(it->second);
    m.erase(it);
    gone.reset();
}

void Reports::unloadAll()
{
    auto& m = instances();
    while (!m.empty())
        remove(m.begin()->first);
}

} // namespace reports
