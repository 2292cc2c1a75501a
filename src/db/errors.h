#pragma once
// The error kinds of the SQL access layer. Each is its own type so that callers can catch
// exactly the kind they expect (start-up catches DatabaseError only).

#include <stdexcept>
#include <string>
#include <utility>

namespace db {

// The engine refused a statement, or a field, record or file was not found. An error of the
// engine carries its extended result code and the statement it refused, so callers decide
// by the code, never by the message's wording.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    DatabaseError(const std::string& what, int code, std::string statement = {})
        : std::runtime_error(what), code_(code), statement_(std::move(statement)) {}

    // The engine's extended result code (SQLITE_BUSY, SQLITE_READONLY_DIRECTORY, ...); 0 when
    // the error is not the engine's.
    int code() const { return code_; }
    const std::string& statement() const { return statement_; }

private:
    int code_ = 0;
    std::string statement_;
};

// What an engine result code says went wrong, for messages that tell the cause.
enum class Cause {
    None,          // no error, or not the engine's
    Other,         // any other refusal (a mistyped statement, a constraint, ...)
    Busy,          // another program holds the file's lock past the busy timeout
    ReadOnly,      // the file, or the folder its journal goes to, cannot be written
    Full,          // the disk (or the file system's quota) is full
    Damaged,       // the file is damaged or truncated
    NotADatabase,  // the file is no SQLite database at all
    CannotOpen,    // the file or its folder cannot be opened (missing, a folder, no access)
};
Cause causeOf(int code);
inline Cause causeOf(const DatabaseError& e) {
    return causeOf(e.code());
}

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
