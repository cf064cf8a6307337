// Opening, checking and closing the sessions of a session pool.
#pragma once

#include <oci.h>

#include <string>

#include "connect/records.h"

namespace vsk {

// The user name and password a session logs on with, UTF-8.
struct PoolCredentials {
    std::string user;
    std::string password;
};

// Logs a session on to link (in the environment's encoding) with creds, taking module
// and SSL mode from settings when given. A failure is recorded on errhp.
sword open_session(OCIEnv *env, OCIError *errhp, const OraText *link, ub4 linkLen, const PoolCredentials &creds,
                   const OCISession *settings, OCISvcCtx **svc) noexcept;

// Logs a session on for pool (its connect string, module and statement cache) with
// creds; marks it pooled and owned by pool. A failure is recorded on errhp.
sword open_pooled_session(OCISPool *pool, OCIEnv *env, OCIError *errhp, const PoolCredentials &creds,
                          OCISvcCtx **svc) noexcept;

// Logs a session handed out by a pool (or by OCISessionGet directly) off for good.
void close_pooled_session(OCISvcCtx *svc, OCIError *errhp) noexcept;

// Readies a returned session for its next user: rolls back what it left open. False when
// it should not be kept (connection gone, rollback failed).
bool reset_pooled_session(OCISvcCtx *svc, OCIError *errhp) noexcept;

// Whether an idle session can be handed out as it is.
bool pooled_session_alive(const OCISvcCtx *svc) noexcept;

// Closes the pool and logs its sessions off; false (nothing done, 24422 or 16506
// recorded on errhp) when sessions are handed out and force is false, or memory ran
// out. Errors of the log-offs go to errhp, or to the environment's own error handle
// when errhp is null.
bool destroy_pool(OCISPool *pool, bool force, OCIError *errhp = nullptr) noexcept;

}  // namespace vsk
