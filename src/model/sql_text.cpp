#include "model/sql_text.h"

#include "db/text.h"

namespace model {

std::string sqlEscape(std::string_view value) {
    return db::doubleQuotes(value);
}

}  // namespace model
