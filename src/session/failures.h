#pragma once
// Failures told by their cause. An error of the engine carries its result code; the causes a
// user can do something about (another program's lock, a read-only file or folder, a full
// disk, a damaged file) get one Polish message that names the file and the cause, with the
// engine's own text on a line below. Decided by the code, never by the message's wording.

#include <functional>
#include <optional>
#include <string>

#include "db/errors.h"
#include "model/messages.h"

namespace session {

// The message for `error` on the file at `path`; none for a cause with no message of its own.
std::optional<std::string> causeMessage(const db::DatabaseError& error, const std::string& path);

// Runs `work`; an engine error whose cause has a message is raised again as a DatabaseError
// with that message (and the same code and statement).
void tellingCause(const std::string& path, const std::function<void()>& work);

// The silent abort of a dataset (its own message, if any, was shown where it was raised).
using Abort = db::Abort;

// The message of an error that is no error of the engine's nor of the program's own kinds.
inline constexpr const char* kUnknownError = QT_TRANSLATE_NOOP("listy", "Nieznany błąd");

}  // namespace session
