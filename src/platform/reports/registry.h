// Single instances of the reports: each reads its calling form once, when first used.
#pragma once

#include "platform/reports/report.h"

#include <map>
#include <memory>
#include <typeindex>

namespace reports {

// Each report is a single instance: the first use creates it and runs its
// initialisation, which reads the calling form's labels and runs the query;
// later uses get the same instance with what it read then, so one report's
// preview, print and PDF come from one reading of the form.
//
//   auto& r = reports::Reports::get<DataReport1>(); // created and initialised once
//   r.show();
//   reports::Reports::unload<DataReport1>();        // the next get() reads the form afresh
//
// Closing a report's preview unloads its instance (deferred), so the next
// showing reads the form as it stands then.
class Reports {
public:
    template <class T>
    static T& get()
    {
        Report* r = find(typeid(T));
        if (!r) {
            // An initialisation that throws leaves nothing loaded, so the
            // next use tries afresh instead of showing a half-read report.
            auto created = std::make_unique<T>();
            created->initialize();
            T* raw = created.get();
            insert(typeid(T), std::move(created));
            return *raw;
        }
        return static_cast<T&>(*r);
    }

    // True when an instance of T is loaded.
    template <class T>
    static bool isLoaded() { return find(typeid(T)) != nullptr; }

    // Destroys the instance (closing its preview); nothing when none is loaded.
    template <class T>
    static void unload() { remove(typeid(T)); }

    // Unloads every report (the program's end, and tests).
    static void unloadAll();

private:
    static Report* find(std::type_index t);
    static void insert(std::type_index t, std::unique_ptr<Report> r);
    static void remove(std::type_index t);
};

} // namespace reports
