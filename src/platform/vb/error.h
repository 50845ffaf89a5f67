// The error type the platform layer throws. Each number keeps one meaning
// everywhere (3021 no current row, 94 a null used as a value, ...), because
// the forms' traps branch on the number.
#pragma once

#include <QString>
#include <exception>

namespace vb {

enum ErrorNumber {
    InvalidProcedureCall = 5,
    Overflow = 6,
    TypeMismatch = 13,
    FileNotFound = 53,
    InvalidUseOfNull = 94,
    SpreadsheetError = 1004,
    NoCurrentRecord = 3021,
    DuplicateKey = 3022,
    DataTypeConversion = 3421,
    DialogCancelled = 32755,
};

struct Error : std::exception {
    int number = 0;
    QString description;
    Error(int n, QString d) : number(n), description(std::move(d)) {}
    const char* what() const noexcept override;

private:
    mutable QByteArray mWhat;
};

} // namespace vb
