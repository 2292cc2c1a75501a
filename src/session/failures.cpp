#include "session/failures.h"

#include "model/messages.h"

namespace session {

using model::message;

std::optional<std::string> causeMessage(const db::DatabaseError& error, const std::string& path) {
    const std::string below =
        "\n" + std::string(error.what()).substr(0, std::string(error.what()).find('\n'));
    auto said = [&](const char* id) { return message("listy", id, {path}) + below; };
    switch (db::causeOf(error)) {
        case db::Cause::Busy:
            return said(QT_TRANSLATE_NOOP("listy",
                                          "Plik bazy danych %1 jest zablokowany przez inny program "
                                          "dłużej, niż program czeka. Zamknij tamten program albo "
                                          "zakończ jego zmianę i spróbuj ponownie."));
        case db::Cause::ReadOnly:
            return said(QT_TRANSLATE_NOOP("listy",
                                          "Pliku bazy danych %1 nie można zmienić: plik albo jego "
                                          "katalog jest tylko do odczytu. Nic nie zapisano."));
        case db::Cause::Full:
            return said(QT_TRANSLATE_NOOP("listy",
                                          "Na dysku z plikiem bazy danych %1 zabrakło miejsca. Nic "
                                          "nie zapisano; zwolnij miejsce i spróbuj ponownie."));
        case db::Cause::Damaged:
            return said(QT_TRANSLATE_NOOP("listy",
                                          "Plik bazy danych %1 jest uszkodzony. Przywróć kopię "
                                          "zapasową albo skopiuj dane w przeglądarce SQL do nowej "
                                          "bazy."));
        case db::Cause::NotADatabase:
            return said(QT_TRANSLATE_NOOP(
                "listy", "Plik %1 nie jest bazą danych. Nic w nim nie zmieniono."));
        case db::Cause::CannotOpen:
            return said(QT_TRANSLATE_NOOP("listy",
                                          "Nie można otworzyć pliku bazy danych %1 (brak pliku lub "
                                          "katalogu, brak dostępu albo katalog zamiast pliku)."));
        case db::Cause::None:
        case db::Cause::Other:
            break;
    }
    return std::nullopt;
}

void tellingCause(const std::string& path, const std::function<void()>& work) {
    try {
        work();
    } catch (const db::DatabaseError& e) {
        if (auto message = causeMessage(e, path))
            throw db::DatabaseError(*message, e.code(), e.statement());
        throw;
    }
}

}  // namespace session
