// Connections: opening and closing them, and the state the library keeps with each.
// Every libpq connection of the library is opened and closed here.
#pragma once

#include <libpq-fe.h>

#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vsk::pqx {

struct ResultDeleter {
    void operator()(PGresult *r) const noexcept { PQclear(r); }
};
using ResultPtr = std::unique_ptr<PGresult, ResultDeleter>;

// A statement prepared through pqx: what later operations (cursors, OUT parameters)
// need, since libpq cannot tell them the text of a prepared statement.
struct PreparedStatement {
    std::string text;
    std::vector<Oid> types;
    std::vector<int> modes;  // pqx::ParamMode per parameter
    // A CALL routed by the catalog: run as SELECT of a function, or the procedure's OUT
    // row column by column onto parameters (-1: an argument that is no parameter).
    bool functionForm = false;
    bool routed = false;
    std::vector<int> outColumns;
    // Rows of its whole result as a cursor's first FETCH found them, when that was all
    // there was; -1 when unknown or more. Such a statement is next run at once.
    int smallRows = -1;
};

// Kept with the libpq connection (instance data) and released with it.
struct ConnState {
    // The server itself understands vsk_stmt_level_tx, ALTER SESSION and the wait
    // statistics; otherwise the stand-ins answer for it.
    bool vendorExtras = false;
    // Stand-in for the server setting vsk_stmt_level_tx.
    bool stmtLevelTx = false;
    // Stand-in for ALTER SESSION SET NLS_DATE_FORMAT: the format the library writes dates in.
    std::optional<std::string> nlsDateFormat;
    std::FILE *protocolTrace = nullptr;
    // Argument of the notice processor currently installed.
    void *noticeArg = nullptr;

    // By statement name.
    std::unordered_map<std::string, PreparedStatement> prepared;
    // Each cursor bound through pqx: the result format its FETCH carries, and whether it
    // outlives its transaction. Cursors without hold end with the transaction of txEpoch.
    struct Portal {
        int format = 0;
        bool withHold = false;
        unsigned long long txEpoch = 0;
        bool scroll = false;
        // FETCHes answered so far.
        unsigned long fetches = 0;
        // Rows read ahead and not yet handed out, the notices that came with them, and
        // whether the cursor ran out in that FETCH.
        ResultPtr ahead;
        std::vector<std::string> aheadNotices;
        bool aheadEnded = false;
        // Run at once instead of declared: every row is in ahead, no cursor on the server.
        bool local = false;
    };
    std::unordered_map<std::string, Portal> portals;
    // Counts the moments pqx found the connection outside a transaction block.
    unsigned long long txEpoch = 0;
    // Commands held back to travel with the next one (one round trip instead of
    // several): CLOSEs of cursors, and the DECLARE of a cursor bound but not yet used.
    struct DeferredDeclare {
        std::string portal;
        std::string stmtName;
        std::string sql;
        std::vector<Oid> types;
        std::vector<std::string> values;
        std::vector<char> isNull;
        std::vector<int> lengths;
        std::vector<int> formats;
    };
    std::vector<std::string> queuedCloses;
    std::optional<DeferredDeclare> deferred;
    // The FETCH sent ahead of the caller's request, whose results are still on the wire:
    // nothing else may use the connection before they are read (settle_read_ahead).
    struct ReadAhead {
        std::string portal;
        int count = 0;
        // Sent in pipeline mode between SAVEPOINT and RELEASE; commands: how many went.
        bool savepoint = false;
        int commands = 0;
    };
    std::optional<ReadAhead> inFlight;
    // Results already read, handed out by get_result before anything from the server.
    std::deque<ResultPtr> ready;
    // Parameters of the CALL in flight whose tuples are its OUT values.
    std::optional<PreparedStatement> outCall;
    // The OUT values of the last such CALL, until taken.
    ResultPtr outResult;
    // What describe learnt from the catalogue and does not ask again: type names by
    // OID, and NOT NULL by table column. DDL on this connection clears it.
    struct TypeNames {
        std::string name;
        std::string schema;
    };
    struct Catalog {
        std::unordered_map<Oid, TypeNames> types;
        // Keyed table OID << 16 | column number.
        std::unordered_map<std::uint64_t, bool> notNull;
        // DDL ran in the open transaction: its rollback clears the cache again.
        bool ddlInTransaction = false;
    };
    Catalog catalog;
};

// PQconnectdbParams with expand_dbname 1, or PQconnectdb of a whole URI; never null
// unless memory is exhausted. A connection that came up carries its state and knows
// (after at most one round trip) whether the server has the vendor extras.
PGconn *connect_params(const char *const *keywords, const char *const *values) noexcept;
PGconn *connect_uri(const char *uri) noexcept;

// Null for a connection not opened by connect_*.
ConnState *state_of(const PGconn *conn) noexcept;

// Starts protocol tracing into path (appending); false when it cannot be opened.
bool start_protocol_trace(PGconn *conn, const char *path) noexcept;

int set_client_encoding(PGconn *conn, const char *encoding) noexcept;

// Sends a cancel request for the command in progress.
bool cancel(PGconn *conn) noexcept;

void finish(PGconn *conn) noexcept;

}  // namespace vsk::pqx
