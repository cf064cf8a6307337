// Connections: opening and closing them, and the state the library keeps with each.
// Every libpq connection of the library is opened and closed here.
#pragma once

#include <libpq-fe.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "pqx/cancel_request.h"

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
    // The parameter types the server settled on, once asked for (bulk.h).
    bool typesKnown = false;
    std::vector<Oid> serverTypes;
    // The types of its result columns, when prepared with its description.
    bool columnsKnown = false;
    std::vector<Oid> columns;
};

// Kept with the libpq connection (instance data) and released with it.
struct ConnState {
    // The server itself understands vsk_stmt_level_tx, ALTER SESSION and the wait
    // statistics; otherwise the stand-ins answer for it.
    bool vendorExtras = false;
    // Stand-in for the server setting vsk_stmt_level_tx.
    bool stmtLevelTx = false;
    // A send of pqx failed for want of memory (take_out_of_memory).
    bool outOfMemory = false;
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
        // Rows the server sent ahead were lost for want of memory: the cursor has moved
        // past them, so every later FETCH fails rather than skip them.
        bool aheadLost = false;
        // Run at once instead of declared: every row is in ahead, no cursor on the server.
        bool local = false;
        // Its rows are all on the client (run at once, or the server cursor ran out):
        // the server cursor is not needed any more, whatever happens to its transaction.
        bool detached = false;
        // Undone with the statement that declared it: no cursor on the server.
        bool gone = false;
        // The server cursor has no rows left.
        bool serverDone = false;
        // The statement that bound it (Tx::statement), so that undoing that statement
        // forgets the cursors it declared.
        unsigned long long statement = 0;
        // Its rows can still be had after its transaction ended.
        bool outlives(unsigned long long epoch) const { return withHold || detached || txEpoch == epoch; }
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
        // Bound by a statement before the one begun last: declared ahead of that
        // statement's savepoint, so that undoing the statement leaves it be.
        bool earlier = false;
    };
    struct QueuedClose {
        std::string sql;
        // The cursor outlives its transaction: its CLOSE is still due after the end.
        bool withHold = false;
    };
    std::vector<QueuedClose> queuedCloses;
    std::optional<DeferredDeclare> deferred;
    // The transaction as the library runs it (pqx/transaction.h). Commands it holds back
    // go with the next command, in the same exchange, after the queued CLOSEs.
    struct Tx {
        // Who opened the transaction block: nobody yet (none open), queries alone, which
        // end it once their rows are read, or the program.
        enum Owner { NONE, READER, PROGRAM } owner = NONE;
        // Cursors of the queries a READER transaction waits for; a query started but
        // whose cursor is not bound yet.
        std::vector<std::string> readers;
        bool readerPending = false;
        // Held back: "RELEASE SAVEPOINT" of the last statement, "COMMIT" of a reader
        // transaction, "BEGIN" with the program's SET TRANSACTION, the statement savepoint.
        bool releaseHeld = false;
        bool commitHeld = false;
        bool beginHeld = false;
        std::string settings;
        bool savepointHeld = false;
        // The statement savepoint is in place on the server.
        bool savepointSet = false;
        // Counts statements begun, for Portal::statement.
        unsigned long long statement = 0;
    } tx;
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
    // Non-blocking execution (pqx/async.h): an answer awaited, and an array in progress
    // in pipeline mode.
    bool asyncPending = false;
    struct BulkSend {
        std::string stmtName;
        int nParams = 0;
        std::vector<int> formats;
        bool finishSent = false;
        // The null that ends a command's results is still to be read.
        bool afterResult = false;
        unsigned long long affected = 0;
        ResultPtr failure;
    };
    std::optional<BulkSend> bulk;
    // Array type of each element type asked about (0: none).
    std::unordered_map<Oid, Oid> arrayTypes;
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

    // The time limit of the OCI call in progress (server_wait.h). Once the limit passed
    // and the cancel went, `at` is the end of the grace period for the server's answer.
    struct Deadline {
        bool armed = false;
        bool cancelled = false;
        std::chrono::steady_clock::time_point at{};
        CancelRequest request;
    };
    Deadline deadline;
    // Where to send a cancel without blocking, learnt when the connection came up.
    std::optional<CancelKey> cancelKey;
    // Why a command of this connection was cancelled, for the failure's record. Written
    // by OCIBreak on another thread.
    std::atomic<int> cancelCause{CANCEL_NONE};
    // libpq's cancel object for OCIBreak, which may run on another thread than the call
    // it cancels; freed with the connection.
    std::mutex cancelMutex;
    PGcancel *cancel = nullptr;
};

// PQconnectdbParams with expand_dbname 1, or PQconnectdb of a whole URI; never null
// unless memory is exhausted. A connection that came up carries its state and knows
// (after at most one round trip) whether the server has the vendor extras.
PGconn *connect_params(const char *const *keywords, const char *const *values) noexcept;
PGconn *connect_uri(const char *uri) noexcept;

// Null for a connection not opened by connect_*.
ConnState *state_of(const PGconn *conn) noexcept;

// The failure of an exchange that the library, not the server, ends (results it could
// not keep, a pipeline it could not run). While the connection is still up the cause
// was local, and failed_for_memory tells so, so that the caller records 16506 rather
// than a lost connection, which would make drivers drop a healthy session.
PGresult *failed_exchange(PGconn *conn) noexcept;
bool failed_for_memory(const PGresult *r) noexcept;

// The same for the send calls, which answer only 0: the one that failed for want of
// memory notes it on the connection, and the caller reporting the failure takes the note.
void note_out_of_memory(PGconn *conn) noexcept;
bool take_out_of_memory(PGconn *conn) noexcept;

// Starts protocol tracing into path (appending); false when it cannot be opened.
bool start_protocol_trace(PGconn *conn, const char *path) noexcept;

int set_client_encoding(PGconn *conn, const char *encoding) noexcept;

// Sends a cancel request for the command in progress (OCIBreak): safe to call from
// another thread than the one running the command, which then fails with 1013.
bool cancel(PGconn *conn) noexcept;

// Why the server cancelled the command of a failed result: CANCEL_TIMEOUT (the call's
// time limit), CANCEL_BREAK (OCIBreak) or CANCEL_NONE.
int cancel_cause(const PGresult *result) noexcept;

void finish(PGconn *conn) noexcept;

// Whether a connection with no command in flight and no transaction open can still be
// used, judged without a round trip.
bool idle_connection_alive(PGconn *conn) noexcept;

}  // namespace vsk::pqx
