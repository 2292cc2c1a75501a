#include "store/sql_text.h"

#include "db/text.h"

namespace store {

std::string sqlEscape(std::string_view value) {
    return db::doubleQuotes(value);
}

}  // namespace store
