// Array DML over stock libpq: a prepared statement executed once per row of parameters,
// every row in one exchange (pipeline mode, one Bind/Execute a row), instead of a round
// trip a row; and an INSERT of placeholders only run as one INSERT ... SELECT FROM
// unnest() of array parameters, which the server takes several times faster.
#pragma once

#include <libpq-fe.h>

#include <functional>
#include <string>
#include <vector>

#include "pqx/connection.h"

namespace vsk::pqx {

// Row r's parameters: values, lengths and formats of nParams entries each.
using RowSource = std::function<void(int r, const char **values, int *lengths, int *formats)>;

enum class BulkErrors {
    Stop,  // the first failing row ends the operation (the server skips the rest)
    Skip,  // each row runs under a savepoint of its own: failing rows undo themselves only
};

struct BulkOutcome {
    // Rows affected, added up over the rows that ran.
    unsigned long long affected = 0;
    // Rows that ran successfully before the first failure (Stop), or all that succeeded.
    int succeeded = 0;
    // Rows affected by each row (when asked for; 0 for a row that failed or did not run).
    std::vector<unsigned long long> perRow;
    // The failing rows with the server's answer (Stop: the first one only, its answer
    // handed to the caller as exec_bulk's result instead).
    struct Failure {
        int row;
        ResultPtr result;
    };
    std::vector<Failure> failures;
};

// Runs stmtName once per row, rows from source, all in one exchange with the commands
// held back on the connection. PGRES_COMMAND_OK when every row ran (or, with Skip, when
// the exchange itself went through); else the result of the first failure, which is also
// in out->failures. Null only when memory is exhausted.
PGresult *exec_bulk(PGconn *conn, void *errhp, const char *stmtName, int nParams, int nRows, const RowSource &source,
                    BulkErrors errors, bool perRow, BulkOutcome *out) noexcept;

// Runs "INSERT INTO <target> SELECT * FROM unnest($1, ..., $n)" (target: table and its
// optional column list as the statement wrote them) with one array parameter per column,
// elements of the server types elementTypes; cells from source as for exec_bulk. Null
// when it cannot be used (an element type without array type, memory): the caller then
// runs the rows one by one. Else the server's result.
PGresult *exec_insert_unnest(PGconn *conn, void *errhp, const std::string &target, const std::vector<Oid> &elementTypes,
                             int nRows, const RowSource &source) noexcept;

// The parameter types the server settled on for a statement prepared through pqx (one
// exchange the first time, remembered with the statement); empty when unknown.
std::vector<Oid> parameter_types(PGconn *conn, const char *stmtName) noexcept;

// Arguments and results of the vendor client library's array calls, built on exec_bulk:
// values and lengths hold nRows x nParams entries, row by row; formats one per parameter.
PGresult *PQexecBulkPrepared(PGconn *conn, const char *stmtName, int nParams, int nRows,
                             const char *const *values, const int *lengths, const int *formats) noexcept;

}  // namespace vsk::pqx
