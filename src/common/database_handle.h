// A form's handle on one database file of the data folder, taken in Form_Load.
#pragma once

namespace data {
class Database;
}

namespace common {

// Holds the shared connection to one file ("salary master.mdb" or "fund.mdb")
// from open() until the form goes. Reaching through a handle never opened (a
// form used before it loaded) throws 53 naming the file, which the dispatcher
// reports like any other untrapped error, rather than crashing the program.
class DatabaseHandle {
public:
    explicit DatabaseHandle(const char* file) : mFile(file) {}

    void open();
    // On Form_Unload: the handle is let go with the form.
    void close() { mDb = nullptr; }
    data::Database& operator*() const;
    data::Database* operator->() const { return &**this; }

private:
    const char* mFile;
    data::Database* mDb = nullptr;
};

} // namespace common
