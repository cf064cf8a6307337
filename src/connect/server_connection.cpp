#include "connect/server_connection.h"

#include "env/error.h"
#include "pqx/command.h"
#include "pqx/pg_error.h"
#include "pqx/connection.h"
#include "pqx/standins.h"

namespace vsk {

void close_server_connection(OCIServer *server) noexcept {
    if (!server || !server->conn) return;
    pqx::traceKeltoCounters(server->conn);
    pqx::finish(server->conn);
    server->conn = nullptr;
}

OCIServer *server_of(void *hndlp) noexcept {
    if (is_kind(hndlp, HANDLE_OCIServer)) return static_cast<OCIServer *>(hndlp);
    if (is_kind(hndlp, HANDLE_OCISvcCtx)) {
        OCIServer *server = static_cast<OCISvcCtx *>(hndlp)->server;
        return is_kind(server, HANDLE_OCIServer) ? server : nullptr;
    }
    return nullptr;
}

sword add_connection_error(OCIError *errhp, ub4 number, const PGconn *conn) noexcept {
    return AddErrorRecord2(errhp, OCI_ERROR, number, conn ? PQerrorMessage(conn) : "no connection to the server");
}

bool connection_ok(const OCIServer *server) noexcept {
    return server && server->conn && PQstatus(server->conn) == CONNECTION_OK;
}

bool set_statement_rollback(OCIServer *server, OCIError *errhp, bool on) noexcept {
    PGresult *r = pqx::exec(server->conn, errhp, on ? "SET vsk_stmt_level_tx = on" : "SET vsk_stmt_level_tx = off");
    const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    if (ok) {
        server->stmtLevelTx = on;
    } else {
        _ClearErrorHandle(errhp);
        AddPGErrorRecord(errhp, OCI_ERROR, r);
    }
    PQclear(r);
    return ok;
}

ub4 pack_server_version(int v) noexcept {
    auto uv = static_cast<ub4>(v);
    return ((uv / 10000) << 24) | ((((uv % 10000) / 100) & 0xF) << 20) | (((uv % 100) & 0xFF) << 12);
}

}  // namespace vsk
