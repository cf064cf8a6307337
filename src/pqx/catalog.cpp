#include "pqx/catalog.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/held_back.h"
#include "pqx/server_wait.h"

namespace vsk::pqx {

namespace {

constexpr Oid kNameOid = 19;

constexpr Savepoint kCatalogSavepoint = {
    "SAVEPOINT vsk_describe",
    "RELEASE SAVEPOINT vsk_describe",
    "ROLLBACK TO SAVEPOINT vsk_describe; RELEASE SAVEPOINT vsk_describe",
};

// Type names by OID ($1) and NOT NULL by table column ($2, $3): rows of kind false and
// true. Every column a result can name, in one query.
constexpr const char *kColumnFactsQuery =
    "SELECT false, t.oid, 0, t.typname, n.nspname, false"
    " FROM pg_catalog.pg_type t JOIN pg_catalog.pg_namespace n ON n.oid = t.typnamespace"
    " WHERE t.oid = ANY ($1::pg_catalog.oid[])"
    " UNION ALL"
    " SELECT true, a.attrelid, a.attnum, NULL, NULL, a.attnotnull"
    " FROM unnest($2::pg_catalog.oid[], $3::pg_catalog.int2[]) AS k(rel, num)"
    " JOIN pg_catalog.pg_attribute a ON a.attrelid = k.rel AND a.attnum = k.num";

// The relation the name finds ($1 as written, $2 folded; schema $3, $4 folded, or the
// search path when $3 is null), preferring the spellings as written, with its live
// columns; a table without columns gives one row of nulls for them.
constexpr const char *kTableQuery =
    "WITH rel AS ("
    " SELECT c.oid, c.relkind, c.relpersistence, c.reltablespace"
    " FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace"
    " WHERE c.relname IN ($1, $2)"
    " AND CASE WHEN $3 IS NULL THEN pg_catalog.pg_table_is_visible(c.oid) ELSE n.nspname IN ($3, $4) END"
    " ORDER BY c.relname = $1 DESC, n.nspname = $3 DESC LIMIT 1)"
    " SELECT rel.oid, rel.relkind, rel.relpersistence, rel.reltablespace, a.attname,"
    " CASE WHEN t.typtype = 'd' THEN t.typbasetype ELSE a.atttypid END,"
    " CASE WHEN t.typtype = 'd' AND a.atttypmod = -1 THEN t.typtypmod ELSE a.atttypmod END,"
    " a.attnotnull, t.typname, tn.nspname"
    " FROM rel"
    " LEFT JOIN pg_catalog.pg_attribute a ON a.attrelid = rel.oid AND a.attnum > 0 AND NOT a.attisdropped"
    " LEFT JOIN pg_catalog.pg_type t ON t.oid = a.atttypid"
    " LEFT JOIN pg_catalog.pg_namespace tn ON tn.oid = t.typnamespace"
    " ORDER BY a.attnum";

std::uint64_t column_key(Oid table, int column) {
    return (static_cast<std::uint64_t>(table) << 16) | static_cast<std::uint16_t>(column);
}

bool is_true(const PGresult *r, int row, int col) { return std::strcmp(PQgetvalue(r, row, col), "t") == 0; }

Oid oid_at(const PGresult *r, int row, int col) {
    return static_cast<Oid>(std::strtoul(PQgetvalue(r, row, col), nullptr, 10));
}

// A catalogue query without a transaction block of its own: alone outside one (the
// server runs it in an implicit transaction), under a savepoint inside one. Null when
// nothing could be sent.
PGresult *catalogue_query(PGconn *conn, void *errhp, const char *sql, int n, const Oid *types,
                          const char *const *values) noexcept {
    // A command still running (non-blocking execution) owns the connection; a FETCH read
    // ahead is settled first.
    if (PQstatus(conn) != CONNECTION_OK || transaction_status(conn) == PQTRANS_ACTIVE) return nullptr;
    drain_pending(conn);
    const PGTransactionStatusType tx = PQtransactionStatus(conn);
    NoticeScope notices(conn, errhp);
    ocitrace(TRACE_CONNECT, "pqx", "catalogue: %s\n", sql);
    if (ConnState *state = state_of(conn); state && tx == PQTRANS_INTRANS)
        return run_with_held_back(
            conn, state, [&](Pipeline &pipeline) { pipeline.send(sql, n, types, values); }, true,
            &kCatalogSavepoint);
    // Idle, or a failed transaction block whose refusal is then the answer.
    return wait_exec_params(conn, sql, n, types, values, nullptr, nullptr, 0);
}

// Looks up what the cache lacks for the columns of result and stores it; requested
// entries the catalogue does not have are stored with their defaults.
void complete_cache(PGconn *conn, ConnState::Catalog &cat, const PGresult *result) {
    std::string typeList = "{", tableList = "{", columnList = "{";
    std::unordered_set<Oid> types;
    std::unordered_set<std::uint64_t> columns;
    const int n = PQnfields(result);
    for (int c = 0; c < n; ++c) {
        const Oid type = PQftype(result, c);
        if (!cat.types.count(type) && types.insert(type).second) {
            if (typeList.size() > 1) typeList += ',';
            typeList += std::to_string(type);
        }
        const Oid table = PQftable(result, c);
        const int col = PQftablecol(result, c);
        if (table == InvalidOid || col <= 0) continue;
        const std::uint64_t key = column_key(table, col);
        if (cat.notNull.count(key) || !columns.insert(key).second) continue;
        if (tableList.size() > 1) {
            tableList += ',';
            columnList += ',';
        }
        tableList += std::to_string(table);
        columnList += std::to_string(col);
    }
    if (types.empty() && columns.empty()) return;
    typeList += '}';
    tableList += '}';
    columnList += '}';
    const char *values[] = {typeList.c_str(), tableList.c_str(), columnList.c_str()};
    ResultPtr r(catalogue_query(conn, nullptr, kColumnFactsQuery, 3, nullptr, values));
    if (PQresultStatus(r.get()) != PGRES_TUPLES_OK || PQnfields(r.get()) != 6) {
        ocitrace(TRACE_CONNECT, "pqx", "catalogue lookup failed: %s", r ? PQresultErrorMessage(r.get()) : "\n");
        return;
    }
    for (Oid type : types) cat.types.try_emplace(type);
    for (std::uint64_t key : columns) cat.notNull.try_emplace(key, false);
    for (int i = 0, rows = PQntuples(r.get()); i < rows; ++i) {
        const Oid oid = oid_at(r.get(), i, 1);
        if (is_true(r.get(), i, 0)) {
            cat.notNull[column_key(oid, std::atoi(PQgetvalue(r.get(), i, 2)))] = is_true(r.get(), i, 5);
        } else {
            ConnState::TypeNames &names = cat.types[oid];
            names.name = PQgetvalue(r.get(), i, 3);
            names.schema = PQgetvalue(r.get(), i, 4);
        }
    }
}

// The command tag's first words are word.
bool tag_is(const char *tag, const char *word) {
    const std::size_t n = std::strlen(word);
    return std::strncmp(tag, word, n) == 0 && (tag[n] == '\0' || tag[n] == ' ');
}

bool changes_catalogue(const char *tag) {
    for (const char *word : {"CREATE", "ALTER", "DROP", "TRUNCATE", "COMMENT", "GRANT", "REVOKE", "SECURITY LABEL",
                             "IMPORT FOREIGN SCHEMA", "DO"})
        if (tag_is(tag, word)) return true;
    return false;
}

}  // namespace

void column_facts(PGconn *conn, const PGresult *result, int column, ColumnFacts *out) noexcept {
    *out = ColumnFacts{};
    ConnState *state = state_of(conn);
    if (!state || !result || column < 0 || column >= PQnfields(result)) return;
    ConnState::Catalog &cat = state->catalog;
    const Oid type = PQftype(result, column);
    const Oid table = PQftable(result, column);
    const int col = PQftablecol(result, column);
    const bool fromTable = table != InvalidOid && col > 0;
    try {
        auto known = cat.types.find(type);
        auto notNull = fromTable ? cat.notNull.find(column_key(table, col)) : cat.notNull.end();
        if (known == cat.types.end() || (fromTable && notNull == cat.notNull.end())) {
            // A failed transaction refuses every query until it ends: nothing to ask now.
            if (transaction_status(conn) == PQTRANS_INERROR) return;
            complete_cache(conn, cat, result);
            known = cat.types.find(type);
            notNull = fromTable ? cat.notNull.find(column_key(table, col)) : cat.notNull.end();
        }
        if (known != cat.types.end()) {
            out->typeName = known->second.name;
            out->typeSchema = known->second.schema;
        }
        out->notNull = fromTable && notNull != cat.notNull.end() && notNull->second;
    } catch (...) {
        // Out of memory: the defaults.
        *out = ColumnFacts{};
    }
}

Lookup find_table(PGconn *conn, void *errhp, const TableName &name, TableFacts *out, PGresult **failure) noexcept {
    *failure = nullptr;
    const Oid types[] = {kNameOid, kNameOid, kNameOid, kNameOid};
    const char *values[] = {
        name.table.c_str(),
        name.tableFolded.empty() ? nullptr : name.tableFolded.c_str(),
        name.schema.empty() ? nullptr : name.schema.c_str(),
        name.schemaFolded.empty() ? nullptr : name.schemaFolded.c_str(),
    };
    ResultPtr r(catalogue_query(conn, errhp, kTableQuery, 4, types, values));
    if (PQresultStatus(r.get()) != PGRES_TUPLES_OK || PQnfields(r.get()) != 10) {
        *failure = r.release();
        return Lookup::Failed;
    }
    const int rows = PQntuples(r.get());
    if (rows == 0) return Lookup::Missing;
    try {
        const PGresult *res = r.get();
        *out = TableFacts{};
        out->oid = oid_at(res, 0, 0);
        out->relkind = PQgetvalue(res, 0, 1)[0];
        out->temporary = PQgetvalue(res, 0, 2)[0] == 't';
        out->tablespace = oid_at(res, 0, 3);
        for (int i = 0; i < rows; ++i) {
            if (PQgetisnull(res, i, 4)) continue;
            TableColumn c;
            c.name = PQgetvalue(res, i, 4);
            c.type = oid_at(res, i, 5);
            c.typmod = std::atoi(PQgetvalue(res, i, 6));
            c.notNull = is_true(res, i, 7);
            c.typeName = PQgetvalue(res, i, 8);
            c.typeSchema = PQgetvalue(res, i, 9);
            out->columns.push_back(std::move(c));
        }
        return Lookup::Found;
    } catch (...) {
        return Lookup::Failed;
    }
}

void note_command(PGconn *conn, const PGresult *result) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !result) return;
    ConnState::Catalog &cat = state->catalog;
    const char *tag = PQcmdStatus(const_cast<PGresult *>(result));
    const PGTransactionStatusType tx = PQtransactionStatus(conn);
    const bool ddl = PQresultStatus(result) == PGRES_COMMAND_OK && changes_catalogue(tag);
    if (ddl || (cat.ddlInTransaction && tag_is(tag, "ROLLBACK"))) {
        cat.types.clear();
        cat.notNull.clear();
    }
    if (ddl && tx != PQTRANS_IDLE) cat.ddlInTransaction = true;
    if (tx == PQTRANS_IDLE) cat.ddlInTransaction = false;
}

}  // namespace vsk::pqx
