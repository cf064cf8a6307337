// Catalogue lookups of describe. Column facts a result's metadata lacks (type names,
// NOT NULL) are kept per connection, so describing every column of a query costs at
// most one exchange the first time and none after; tables are found by name in one
// query. Neither opens a transaction, and inside one a failed lookup leaves it usable.
#pragma once

#include <libpq-fe.h>

#include <string>
#include <string_view>
#include <vector>

#include "pqx/connection.h"

namespace vsk::pqx {

// What describe reports of a result column beyond the result's own metadata.
struct ColumnFacts {
    std::string_view typeName;  // empty when unknown
    std::string_view typeSchema;
    bool notNull = false;  // a table column declared NOT NULL
};

// The facts of column `column` of result from the connection's cache; what the cache
// lacks for any column of result is looked up first, all in one exchange. A lookup that
// cannot run or fails leaves the defaults. The views live until the next call on conn.
void column_facts(PGconn *conn, const PGresult *result, int column, ColumnFacts *out) noexcept;

// A table named by the caller: each part as written, then (when not empty) its folded
// spelling, tried when the one as written names nothing. No schema: the table the
// search path finds.
struct TableName {
    std::string table;
    std::string tableFolded;
    std::string schema;  // empty: none given
    std::string schemaFolded;
};

struct TableColumn {
    std::string name;
    // A domain's base type and modifier: what its values are.
    Oid type = 0;
    int typmod = -1;
    bool notNull = false;
    std::string typeName;  // the declared type's own name and schema
    std::string typeSchema;
};

struct TableFacts {
    Oid oid = 0;
    char relkind = 0;
    bool temporary = false;
    Oid tablespace = 0;
    std::vector<TableColumn> columns;  // live columns in column order
};

enum class Lookup { Found, Missing, Failed };

// The table and its columns in one query. Failed: *failure holds the server's answer
// when there is one (the caller's to free).
Lookup find_table(PGconn *conn, void *errhp, const TableName &name, TableFacts *out, PGresult **failure) noexcept;

// Called with the result of every command pqx runs: DDL empties the catalogue cache,
// and so does the end of a transaction block that ran DDL by rollback.
void note_command(PGconn *conn, const PGresult *result) noexcept;

}  // namespace vsk::pqx
