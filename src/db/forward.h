#pragma once
// Declarations of the access layer's classes, for headers that only name them.

namespace db {
class SqlConnection;
class SqlDataset;
class SqlQuery;
}  // namespace db
