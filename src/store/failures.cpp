#include "store/failures.h"

namespace store {

std::optional<std::string> causeMessage(const db::DatabaseError& error, const std::string& path) {
    const std::string below =
        "\n" + std::string(error.what()).substr(0, std::string(error.what()).find('\n'));
    switch (db::causeOf(error)) {
        case db::Cause::Busy:
            return "Plik bazy danych " + path +
                   " jest zablokowany przez inny program dłużej, niż program czeka. Zamknij "
                   "tamten program albo zakończ jego zmianę i spróbuj ponownie." +
                   below;
        case db::Cause::ReadOnly:
            return "Pliku bazy danych " + path +
                   " nie można zmienić: plik albo jego katalog jest tylko do odczytu. Nic nie "
                   "zapisano." +
                   below;
        case db::Cause::Full:
            return "Na dysku z plikiem bazy danych " + path +
                   " zabrakło miejsca. Nic nie zapisano; zwolnij miejsce i spróbuj ponownie." +
                   below;
        case db::Cause::Damaged:
            return "Plik bazy danych " + path +
                   " jest uszkodzony. Przywróć kopię zapasową albo skopiuj dane w przeglądarce "
                   "SQL do nowej bazy." +
                   below;
        case db::Cause::NotADatabase:
            return "Plik " + path + " nie jest bazą danych. Nic w nim nie zmieniono." + below;
        case db::Cause::CannotOpen:
            return "Nie można otworzyć pliku bazy danych " + path +
                   " (brak pliku lub katalogu, brak dostępu albo katalog zamiast pliku)." + below;
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

}  // namespace store
