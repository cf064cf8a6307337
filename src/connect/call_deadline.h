// OCI_ATTR_CALL_TIMEOUT of a service context in force for one OCI call: the entry point
// holds a CallDeadline for the length of the call, and every wait for the server in that
// call ends at the limit (pqx/server_wait.h). A service context without a limit costs a
// test of one field.
#pragma once

#include <oci.h>

#include "connect/records.h"
#include "env/handle.h"
#include "pqx/server_wait.h"

namespace vsk {

class CallDeadline {
public:
    explicit CallDeadline(const OCISvcCtx *svc) noexcept {
        if (!is_kind(svc, HANDLE_OCISvcCtx) || svc->callTimeout == 0) return;
        OCIServer *server = svc->server;
        if (!is_kind(server, HANDLE_OCIServer) || !server->conn) return;
        if (pqx::arm_deadline(server->conn, svc->callTimeout)) {
            server_ = server;
            conn_ = server->conn;
        }
    }
    ~CallDeadline() {
        // A call that closed the connection (or opened another) left nothing to end.
        if (server_ && server_->conn == conn_) pqx::disarm_deadline(conn_);
    }
    CallDeadline(const CallDeadline &) = delete;
    CallDeadline &operator=(const CallDeadline &) = delete;

private:
    OCIServer *server_ = nullptr;
    PGconn *conn_ = nullptr;
};

}  // namespace vsk
