#pragma once
// The error kinds of the SQL access layer. Each is its own type so that callers can catch
// exactly the kind they expect (start-up catches DatabaseError only).

#include <stdexcept>
#include <string>

namespace db {

// The engine refused a statement, or a field, record or file was not found.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A configuration fault of the access layer itself.
class SqlConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text read as a number that is not one: "'<text>' is not a valid integer value".
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The silent abort: ends an operation without any message box (the window's handler
// wrapper swallows it).
class Abort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

}  // namespace db
