// Connection attributes drivers read and set: character sets in the environment's
// numbering, the transaction state, and settings the library takes without acting on.
#include <cstring>
#include <string_view>

#include "connect/records.h"
#include "connect/server_connection.h"
#include "env/attributes.h"
#include "env/compat.h"
#include "env/driver_attributes.h"
#include "env/env.h"
#include "pqx/extended.h"

namespace vsk {

namespace {

// PostgreSQL's identifiers hold at most 63 bytes.
constexpr ub1 kMaxIdentifierLength = 63;
// No server limit applies; drivers show the number.
constexpr ub4 kMaxOpenCursors = 1000;

bool in_transaction(const OCIServer *server) noexcept {
    if (!is_kind(server, HANDLE_OCIServer) || !server->conn) return false;
    const PGTransactionStatusType s = pqx::transaction_status(server->conn);
    return s == PQTRANS_INTRANS || s == PQTRANS_INERROR || s == PQTRANS_ACTIVE;
}

}  // namespace

sword driver_connection_get(OCIServer *server, void *attributep, ub4 *sizep, ub4 attrtype,
                            OCIError *errhp) noexcept {
    const bool known = is_kind(server, HANDLE_OCIServer);
    switch (attrtype) {
    case OCI_ATTR_CHARSET_ID:
    case OCI_ATTR_NCHARSET_ID:
        put_attr<ub2>(attributep, sizep,
                      reported_charset_id(known ? env_of(server) : nullptr, attrtype == OCI_ATTR_NCHARSET_ID));
        return OCI_SUCCESS;
    case OCI_ATTR_TRANSACTION_IN_PROGRESS:
        put_attr<ub1>(attributep, sizep, in_transaction(server) ? 1 : 0);
        return OCI_SUCCESS;
    case OCI_ATTR_SERVICENAME: {
        const char *name = known && server->dbname ? server->dbname->c_str() : "";
        *static_cast<const char **>(attributep) = name;
        if (sizep) *sizep = static_cast<ub4>(std::strlen(name));
        return OCI_SUCCESS;
    }
    case OCI_ATTR_CURRENT_SCHEMA:
    case OCI_ATTR_LTXID:
        *static_cast<const char **>(attributep) = "";
        if (sizep) *sizep = 0;
        return OCI_SUCCESS;
    case OCI_ATTR_MAX_OPEN_CURSORS:
        put_attr<ub4>(attributep, sizep, kMaxOpenCursors);
        return OCI_SUCCESS;
    case OCI_ATTR_MAX_IDENTIFIER_LEN:
        put_attr<ub1>(attributep, sizep, kMaxIdentifierLength);
        return OCI_SUCCESS;
    case OCI_ATTR_RECEIVE_TIMEOUT:
        put_attr<ub4>(attributep, sizep, 0);
        return OCI_SUCCESS;
    case OCI_ATTR_BREAK_ON_NET_TIMEOUT:
        put_attr<ub1>(attributep, sizep, 0);
        return OCI_SUCCESS;
    default:
        (void)errhp;
        return kNotDriverAttr;
    }
}

sword driver_connection_set(void *handle, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    (void)errhp;
    switch (attrtype) {
    case OCI_ATTR_DRIVER_NAME:
        if (!is_kind(handle, HANDLE_OCISession)) return kNotDriverAttr;
        try {
            auto *session = static_cast<OCISession *>(handle);
            const std::string_view name(attributep ? static_cast<const char *>(attributep) : "", attributep ? size : 0);
            // It becomes the application name, a C string to libpq: a NUL would cut it short.
            if (name.find('\0') != std::string_view::npos) return refuse_attr(errhp, kErrAttrValueInvalid);
            session->driverName.assign(name);
        } catch (...) {
            return refuse_attr(errhp, 16506);
        }
        return OCI_SUCCESS;
    case OCI_ATTR_CALL_TIMEOUT:
    case OCI_ATTR_STMTCACHESIZE: {
        if (!is_kind(handle, HANDLE_OCISvcCtx)) return kNotDriverAttr;
        auto *svc = static_cast<OCISvcCtx *>(handle);
        const ub4 v = attributep ? read_attr<ub4>(attributep) : 0;
        (attrtype == OCI_ATTR_CALL_TIMEOUT ? svc->callTimeout : svc->stmtCacheSize) = v;
        return OCI_SUCCESS;
    }
    // Settings with no counterpart here: taken, and without effect.
    case OCI_ATTR_INTERNAL_NAME:
    case OCI_ATTR_EXTERNAL_NAME:
    case OCI_ATTR_EDITION:
    case OCI_ATTR_CLIENT_IDENTIFIER:
    case OCI_ATTR_ACTION:
    case OCI_ATTR_CLIENT_INFO:
    case OCI_ATTR_ECONTEXT_ID:
    case OCI_ATTR_DBOP:
    case OCI_ATTR_CURRENT_SCHEMA:
    case OCI_ATTR_RECEIVE_TIMEOUT:
    case OCI_ATTR_BREAK_ON_NET_TIMEOUT:
        return OCI_SUCCESS;
    default:
        return kNotDriverAttr;
    }
}

}  // namespace vsk
