// Attributes that drivers built for newer clients read and set, beyond the ones each
// handle kind's own getter and setter know. Every function answers kNotDriverAttr for
// an attribute that is not one of them, and the kind's getter then refuses it.
#pragma once

#include <oci.h>

struct OCIStmt;
struct OCIServer;
struct OCISession;
struct OCISvcCtx;

namespace vsk {

constexpr sword kNotDriverAttr = -100000;

sword driver_stmt_get(OCIStmt *stmt, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept;
sword driver_stmt_set(OCIStmt *stmt, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept;
// Binds and defines: settings the library has no use for are taken and ignored.
sword driver_bind_set(void *handle, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept;

// Connection-wide facts drivers ask of whichever of the service context, server and
// session they hold; server may be null when none is known.
sword driver_connection_get(OCIServer *server, void *attributep, ub4 *sizep, ub4 attrtype,
                            OCIError *errhp) noexcept;
sword driver_connection_set(void *handle, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept;

sword driver_error_get(void *attributep, ub4 *sizep, ub4 attrtype) noexcept;

}  // namespace vsk
