// OCITransStart, OCITransCommit, OCITransRollback and OCITransPrepare: the program's own
// transaction calls on a service context. What goes to the server is pqx's.
#include <optional>
#include <string>

#include "connect/call_deadline.h"
#include "connect/records.h"
#include "connect/server_connection.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/pg_error.h"
#include "pqx/transaction.h"
#include "stmt/execute.h"
#include "stmt/records.h"
#include "stmt/transaction_name.h"

using namespace vsk;

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrUnsupportedOption = 24755;
constexpr ub4 kErrStart = 24759;
constexpr ub4 kErrIsolation = 24760;
constexpr ub4 kErrServerFailure = 24762;
constexpr ub4 kErrLocal = 24771;
constexpr ub4 kErrType = 24773;
constexpr ub4 kErrConnectionTerminated = 25407;

OCITrans *trans_of(const OCISvcCtx *svchp) {
    return is_kind(svchp->trans, HANDLE_OCITrans) ? static_cast<OCITrans *>(svchp->trans) : nullptr;
}

// The transaction record's server name, or OCI_ERROR with the reason recorded.
sword transaction_name(OCIError *errhp, const OCITrans *trans, ub4 missing, std::string *name) {
    if (!trans->xid) return AddErrorRecord(errhp, OCI_ERROR, missing), OCI_ERROR;
    std::optional<std::string> n = GetTransactionNameFromXID(*trans->xid);
    if (!n) {
        AddErrorRecord2(errhp, OCI_ERROR, kErrServerFailure,
                        "VSK-24762: server failure: the transaction identifier makes no valid transaction name");
        return OCI_ERROR;
    }
    *name = std::move(*n);
    return OCI_SUCCESS;
}

// The result of a transaction command: the server's failure as a record, or success.
sword command_result(OCIError *errhp, PGresult *r) {
    if (!r) return AddErrorRecord2(errhp, OCI_ERROR, kErrServerFailure,
                                   "VSK-24762: server failure: the transaction name cannot be sent"), OCI_ERROR;
    const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    if (!ok) AddPGErrorRecord(errhp, OCI_ERROR, r);
    PQclear(r);
    return ok ? with_notices(errhp, OCI_SUCCESS) : OCI_ERROR;
}

// The frame every transaction call shares: handle checks, callbacks (with the call's own
// arguments), the server and its connection, then work(server, trans).
template <class Work, class... Args>
sword in_transaction_frame(OCISvcCtx *svchp, OCIError *errhp, ub4 fcode, bool needsTrans, Work work,
                           Args... args) noexcept {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(svchp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    CallDeadline deadline(svchp);
    CallFrame frame(env, fcode);
    frame.enter(args...);
    OCIServer *server = svchp->server;
    OCITrans *trans = trans_of(svchp);
    sword rc;
    if (!is_kind(server, HANDLE_OCIServer) || (needsTrans && !trans)) {
        rc = OCI_INVALID_HANDLE;
    } else {
        _ClearErrorHandle(errhp);
        if (!connection_ok(server)) {
            add_connection_error(errhp, kErrConnectionTerminated, server->conn);
            rc = OCI_ERROR;
        } else {
            try {
                rc = work(server, trans);
            } catch (...) {
                AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
                rc = OCI_ERROR;
            }
        }
    }
    frame.set(rc);
    return frame.leave(args...);
}

// The SET TRANSACTION text of the isolation bits, or OCI_ERROR with the reason recorded.
sword start_settings(OCIError *errhp, ub4 flags, std::string *settings) {
    const ub4 start = flags & 0xFF, isolation = flags & 0xFF00, type = flags & 0xF0000;
    if (start != 0) {
        const bool join = start & OCI_TRANS_JOIN, resume = start & OCI_TRANS_RESUME;
        if (join != resume && !(start & OCI_TRANS_NEW)) return AddErrorRecord(errhp, OCI_ERROR, kErrUnsupportedOption), OCI_ERROR;
        if (start != OCI_TRANS_NEW) return AddErrorRecord(errhp, OCI_ERROR, kErrStart), OCI_ERROR;
    }
    switch (isolation) {
    case 0:
    case OCI_TRANS_READWRITE: break;
    case OCI_TRANS_SERIALIZABLE: *settings = "SET TRANSACTION ISOLATION LEVEL SERIALIZABLE "; break;
    case OCI_TRANS_READONLY: *settings = "SET TRANSACTION READ ONLY "; break;
    default: return AddErrorRecord(errhp, OCI_ERROR, kErrIsolation), OCI_ERROR;
    }
    if (type != 0) {
        const bool both = (type & OCI_TRANS_LOOSE) && (type & OCI_TRANS_TIGHT);
        return AddErrorRecord(errhp, OCI_ERROR, both ? kErrType : kErrUnsupportedOption), OCI_ERROR;
    }
    if (flags & (OCI_TRANS_RESUME | OCI_TRANS_NOMIGRATE | OCI_TRANS_SEPARABLE))
        return AddErrorRecord(errhp, OCI_ERROR, kErrUnsupportedOption), OCI_ERROR;
    return OCI_SUCCESS;
}

// COMMIT or ROLLBACK, or their two-phase forms by the transaction's name.
sword end_transaction(OCISvcCtx *svchp, OCIError *errhp, ub4 flags, bool commit) {
    OCIServer *server = svchp->server;
    std::string name;
    pqx::TxEnd how = commit ? pqx::TxEnd::Commit : pqx::TxEnd::Rollback;
    if (flags == OCI_TRANS_TWOPHASE) {
        OCITrans *trans = trans_of(svchp);
        if (!trans) return OCI_INVALID_HANDLE;
        if (transaction_name(errhp, trans, kErrServerFailure, &name) != OCI_SUCCESS) return OCI_ERROR;
        how = commit ? pqx::TxEnd::CommitPrepared : pqx::TxEnd::RollbackPrepared;
    }
    if (commit)
        ocitrace(TRACE_TRANS, "OCITransCommit", "committing on service(%p), server(%p)\n", static_cast<void *>(svchp),
                 static_cast<void *>(server));
    else
        ocitrace(TRACE_TRANS, "OCITransRollback", "rollback on service(%p), server(%p)\n", static_cast<void *>(svchp),
                 static_cast<void *>(server));
    return command_result(errhp, pqx::end_transaction(server->conn, errhp, how, name));
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCITransStart(OCISvcCtx *svchp, OCIError *errhp, uword timeout, ub4 flags) {
    return in_transaction_frame(
        svchp, errhp, OCI_FNCODE_TRANSSTART, true,
        [&](OCIServer *server, OCITrans *) {
            std::string settings;
            if (start_settings(errhp, flags, &settings) != OCI_SUCCESS) return OCI_ERROR;
            // The transaction begins with the next statement, these settings first.
            return command_result(errhp, pqx::start_transaction(server->conn, errhp, settings));
        },
        svchp, errhp, timeout, flags);
}

VSK_EXPORT sword OCITransCommit(OCISvcCtx *svchp, OCIError *errhp, ub4 flags) {
    return in_transaction_frame(
        svchp, errhp, OCI_FNCODE_TRANSCOMMIT, false,
        [&](OCIServer *, OCITrans *) { return end_transaction(svchp, errhp, flags, true); }, svchp, errhp, flags);
}

VSK_EXPORT sword OCITransRollback(OCISvcCtx *svchp, OCIError *errhp, ub4 flags) {
    return in_transaction_frame(
        svchp, errhp, OCI_FNCODE_TRANSROLLBACK, false,
        [&](OCIServer *, OCITrans *) { return end_transaction(svchp, errhp, flags, false); }, svchp, errhp, flags);
}

VSK_EXPORT sword OCITransPrepare(OCISvcCtx *svchp, OCIError *errhp, ub4 flags) {
    return in_transaction_frame(
        svchp, errhp, OCI_FNCODE_TRANSPREPARE, true,
        [&](OCIServer *server, OCITrans *trans) {
            std::string name;
            if (transaction_name(errhp, trans, kErrLocal, &name) != OCI_SUCCESS) return OCI_ERROR;
            return command_result(errhp, pqx::end_transaction(server->conn, errhp, pqx::TxEnd::Prepare, name));
        },
        svchp, errhp, flags);
}

}  // extern "C"
