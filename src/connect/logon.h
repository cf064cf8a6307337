// The one-call logon, shared by OCILogon and the session pools.
#pragma once

#include <oci.h>


namespace vsk {

inline bool succeeded(sword rc) noexcept { return rc == OCI_SUCCESS || rc == OCI_SUCCESS_WITH_INFO; }

// Fills a new session's credentials: a reference to a callable that outlives the call,
// so passing one allocates nothing (a std::function could throw where no one catches).
class CredentialsFill {
public:
    template <class F>
    CredentialsFill(F &fill) noexcept
        : fill_(&fill), call_([](void *f, OCISession *session) -> sword { return (*static_cast<F *>(f))(session); }) {}
    sword operator()(OCISession *session) const { return call_(fill_, session); }

private:
    void *fill_;
    sword (*call_)(void *, OCISession *);
};

// Attaches a new server to dbname (in the environment's encoding), makes a service
// context and a session, lets credentials fill the session, begins it and links it.
// On failure every handle made is released and *svchp is null.
sword logon_with(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, const OraText *dbname, ub4 dbname_len,
                 CredentialsFill credentials) noexcept;

// Logs off a service context made by logon_with: ends the session, detaches and releases
// the server, the session and the service context.
sword logoff(OCISvcCtx *svchp, OCIError *errhp) noexcept;

}  // namespace vsk
