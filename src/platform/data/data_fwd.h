// The database classes by name only, for headers that hold handles to them.
#pragma once

namespace data {
class DataControl;
class Database;
class QueryRecordset;
class TableRecordset;
} // namespace data
