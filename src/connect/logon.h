// The one-call logon, shared by OCILogon and the session pools.
#pragma once

#include <oci.h>

#include <functional>

namespace vsk {

inline bool succeeded(sword rc) noexcept { return rc == OCI_SUCCESS || rc == OCI_SUCCESS_WITH_INFO; }

// Attaches a new server to dbname (in the environment's encoding), makes a service
// context and a session, lets credentials fill the session, begins it and links it.
// On failure every handle made is released and *svchp is null.
sword logon_with(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, const OraText *dbname, ub4 dbname_len,
                 const std::function<sword(OCISession *)> &credentials) noexcept;

// Logs off a service context made by logon_with: ends the session, detaches and releases
// the server, the session and the service context.
sword logoff(OCISvcCtx *svchp, OCIError *errhp) noexcept;

}  // namespace vsk
