// OCISessionPoolCreate, OCISessionPoolDestroy, OCISessionGet, OCISessionRelease: session
// pools that keep logged-on sessions for the next request. The lists, counts and waits
// are PoolBook's; the sessions themselves are ordinary logons (pool_sessions.h).
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "connect/logon.h"
#include "connect/pool_book.h"
#include "connect/pool_sessions.h"
#include "connect/records.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "nls/env_text.h"

using namespace vsk;

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrIllegalMode = 24300;
constexpr ub4 kErrNoUser = 24415;
constexpr ub4 kErrPoolName = 24416;
constexpr ub4 kErrNoSession = 24418;
constexpr ub4 kErrNotPooled = 24421;
constexpr ub4 kErrGetTimeout = 24457;
constexpr ub4 kErrUnsupported = 30475;
// "OCI:SP:", 21 characters and the terminator.
constexpr ub4 kPoolNameSize = 29;
constexpr ub4 kDefaultStmtCacheSize = 20;

constexpr ub4 kSessGetIgnored = OCI_SESSGET_SPOOL_MATCHANY | OCI_SESSGET_PURITY_NEW | OCI_SESSGET_PURITY_SELF;

// Unique in the process: its id and a counter.
std::string new_pool_name() {
    static std::atomic<unsigned long long> counter{0};
    char buf[kPoolNameSize];
    const unsigned long long n = counter.fetch_add(1, std::memory_order_relaxed) + 1;
    std::snprintf(buf, sizeof buf, "OCI:SP:%08X%013llX", static_cast<unsigned>(getpid()) & 0xFFFFFFFFu,
                  n & 0xFFFFFFFFFFFFFull);
    return buf;
}

// A text argument as UTF-8; absent (null or no length) gives the empty text.
bool utf8_arg(OCIEnv *env, OCIError *errhp, const void *text, ub4 len, std::string *out) noexcept {
    out->clear();
    if (!text || len == 0) return true;
    return text_to_utf8(env, errhp, text, len, out);
}

// The created pool of that name; null with 24416 recorded when there is none, or with
// 16506 when the name could not be compared for want of memory.
OCISPool *find_pool(OCIEnv *env, OCIError *errhp, const OraText *name, ub4 len) noexcept {
    try {
        // The name comes back as it was handed out, perhaps with its terminator.
        std::string raw(reinterpret_cast<const char *>(name), len);
        while (!raw.empty() && raw.back() == '\0') raw.pop_back();
        std::string converted;
        if (env->isUtf16 && text_to_utf8(env, errhp, name, len, &converted))
            while (!converted.empty() && converted.back() == '\0') converted.pop_back();
        _ClearErrorHandle(errhp);
        for (void *p : env->spools) {
            auto *pool = static_cast<OCISPool *>(p);
            if (pool->created && (pool->poolName == raw || (!converted.empty() && pool->poolName == converted)))
                return pool;
        }
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        return nullptr;
    }
    AddErrorRecord(errhp, OCI_ERROR, kErrPoolName);
    return nullptr;
}

void close_all(const std::vector<void *> &sessions, OCIError *errhp) noexcept {
    for (void *s : sessions) close_pooled_session(static_cast<OCISvcCtx *>(s), errhp);
    // Failures ending dead sessions are no concern of the caller's.
    if (!sessions.empty()) _ClearErrorHandle(errhp);
}

sword create_pool(OCIEnv *env, OCIError *errhp, OCISPool *pool, OraText **poolName, ub4 *poolNameLen,
                  const OraText *connStr, ub4 connStrLen, ub4 sessMin, ub4 sessMax, ub4 sessIncr,
                  const OraText *userid, ub4 useridLen, const OraText *password, ub4 passwordLen, ub4 mode) noexcept {
    if (!poolName || !poolNameLen) {
        AddArgumentErrorRecord(errhp, poolName ? 5 : 4);
        return OCI_ERROR;
    }
    // Drivers always ask for the statement cache, with a homogeneous pool or alone (pools
    // whose sessions log on with their own credentials).
    const ub4 shape = mode & ~static_cast<ub4>(OCI_SPC_STMTCACHE);
    const bool modeOk = shape == OCI_DEFAULT || shape == OCI_SPC_HOMOGENEOUS;
    if (!modeOk) {
        if (mode & OCI_SPC_REINITIALIZE) AddErrorRecord(errhp, OCI_ERROR, kErrUnsupported);
        else AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode);
        return OCI_ERROR;
    }
    if (pool->created) {
        AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode);
        return OCI_ERROR;
    }
    try {
        if (!utf8_arg(env, errhp, connStr, connStrLen, &pool->connStr) ||
            !utf8_arg(env, errhp, userid, useridLen, &pool->userid) ||
            !utf8_arg(env, errhp, password, passwordLen, &pool->password))
            return OCI_ERROR;
        pool->poolName = new_pool_name();
        pool->poolMode = mode & OCI_SPC_HOMOGENEOUS;
        pool->sessMin = sessMin;
        pool->sessMax = sessMax;
        pool->sessIncr = sessIncr;
        if ((mode & OCI_SPC_STMTCACHE) && pool->stmtCacheSize == 0) pool->stmtCacheSize = kDefaultStmtCacheSize;
        pool->book->open({sessMin, sessMax, sessIncr});
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
    pool->created = 1;
    // The name belongs to the pool and stays valid while the pool does.
    *poolName = reinterpret_cast<OraText *>(pool->poolName.data());
    *poolNameLen = kPoolNameSize;

    // Sessions of a heterogeneous pool are made per user, on demand.
    if (!(pool->poolMode & OCI_SPC_HOMOGENEOUS)) return OCI_SUCCESS;
    const PoolCredentials creds{pool->userid, pool->password};
    sword rc = OCI_SUCCESS;
    for (unsigned i = 0, n = pool->book->limits().min; i < n; ++i) {
        OCISvcCtx *svc = nullptr;
        rc = open_pooled_session(pool, env, errhp, creds, &svc);
        if (!succeeded(rc)) break;
        try {
            pool->book->add_idle({}, svc);
        } catch (const std::bad_alloc &) {
            close_pooled_session(svc, errhp);
            pool->book->open_failed();
            AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
            return OCI_ERROR;
        }
    }
    return rc;
}

// The session key of a pool: one for a homogeneous pool, else one per user and password.
bool pool_credentials(OCISPool *pool, OCIError *errhp, const OCISession *auth, PoolCredentials *creds,
                      std::string *key) {
    if (pool->poolMode & OCI_SPC_HOMOGENEOUS) {
        *creds = {pool->userid, pool->password};
        key->clear();
        return true;
    }
    if (!auth || auth->username.empty()) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoUser);
        return false;
    }
    *creds = {auth->username, auth->password};
    *key = auth->username;
    key->push_back('\0');
    *key += auth->password;
    return true;
}

// Opens the session a ticket holds a slot for, and the extra idle ones it allows.
sword open_for_ticket(OCISPool *pool, OCIEnv *env, OCIError *errhp, const PoolBook::Ticket &t,
                      const PoolCredentials &creds, const std::string &key, OCISvcCtx **svchp) noexcept {
    OCISvcCtx *svc = nullptr;
    sword rc = open_pooled_session(pool, env, errhp, creds, &svc);
    if (!succeeded(rc)) {
        for (unsigned i = 0; i <= t.extra; ++i) pool->book->open_failed();
        return rc;
    }
    try {
        pool->book->opened(key, svc);
    } catch (...) {
        close_pooled_session(svc, errhp);
        pool->book->open_failed();
        for (unsigned i = 0; i < t.extra; ++i) pool->book->open_failed();
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
    *svchp = svc;
    // The pool grows by its increment: the rest go idle for the requests to come.
    for (unsigned i = 0; i < t.extra; ++i) {
        OCISvcCtx *more = nullptr;
        OCIError *scratch = errhp;
        if (!succeeded(open_pooled_session(pool, env, scratch, creds, &more))) {
            for (; i < t.extra; ++i) pool->book->open_failed();
            _ClearErrorHandle(errhp);
            break;
        }
        try {
            pool->book->add_idle(key, more);
        } catch (...) {
            close_pooled_session(more, errhp);
            pool->book->open_failed();
        }
    }
    return rc;
}

sword get_from_pool(OCIEnv *env, OCIError *errhp, OCISvcCtx **svchp, OCISession *auth, const OraText *name,
                    ub4 nameLen) noexcept {
    if (!name && nameLen == 0) {
        AddErrorRecord(errhp, OCI_ERROR, kErrPoolName);
        return OCI_ERROR;
    }
    OCISPool *pool = name ? find_pool(env, errhp, name, nameLen) : nullptr;
    if (!pool) {
        if (!name) AddErrorRecord(errhp, OCI_ERROR, kErrPoolName);
        return OCI_ERROR;
    }
    try {
        PoolCredentials creds;
        std::string key;
        if (!pool_credentials(pool, errhp, auth, &creds, &key)) return OCI_ERROR;
        for (;;) {
            PoolBook::Ticket t = pool->book->acquire(key);
            close_all(t.retire, errhp);
            switch (t.kind) {
            case PoolBook::Ticket::Reused: {
                auto *svc = static_cast<OCISvcCtx *>(t.session);
                if (pooled_session_alive(svc)) {
                    *svchp = svc;
                    return OCI_SUCCESS;
                }
                // Its connection died while idle: drop it and look again.
                close_all(pool->book->release(svc, false), errhp);
                continue;
            }
            case PoolBook::Ticket::Open:
                return open_for_ticket(pool, env, errhp, t, creds, key, svchp);
            case PoolBook::Ticket::Closed:
                AddErrorRecord(errhp, OCI_ERROR, kErrPoolName);
                return OCI_ERROR;
            case PoolBook::Ticket::TimedOut:
                AddErrorRecord(errhp, OCI_ERROR, kErrGetTimeout);
                return OCI_ERROR;
            case PoolBook::Ticket::Full:
                AddErrorRecord(errhp, OCI_ERROR, kErrNoSession);
                return OCI_ERROR;
            }
        }
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
}

// A session of its own for the caller, outside any pool; OCISessionRelease logs it off.
sword get_direct(OCIEnv *env, OCIError *errhp, OCISvcCtx **svchp, OCISession *auth, const OraText *dbName,
                 ub4 dbNameLen) noexcept {
    try {
        const PoolCredentials creds{auth->username, auth->password};
        sword rc = open_session(env, errhp, dbName, dbName ? dbNameLen : 0, creds, auth, svchp);
        if (succeeded(rc)) (*svchp)->session->pooled = 1;
        return rc;
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
}

sword session_get(OCIEnv *env, OCIError *errhp, OCISvcCtx **svchp, OCISession *auth, const OraText *dbName,
                  ub4 dbNameLen, ub4 mode) noexcept {
    *svchp = nullptr;
    if (mode & ~static_cast<ub4>(OCI_SESSGET_SPOOL | OCI_SESSGET_STMTCACHE | kSessGetIgnored)) {
        AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode);
        return OCI_ERROR;
    }
    sword rc = (mode & OCI_SESSGET_SPOOL) ? get_from_pool(env, errhp, svchp, auth, dbName, dbNameLen)
                                          : get_direct(env, errhp, svchp, auth, dbName, dbNameLen);
    if (!succeeded(rc)) return OCI_ERROR;
    if (mode & OCI_SESSGET_STMTCACHE) (*svchp)->stmtCacheEnabled = 1;
    return OCI_SUCCESS;
}

sword session_release(OCISvcCtx *svc, OCIError *errhp, ub4 mode) noexcept {
    if (mode & ~static_cast<ub4>(OCI_SESSRLS_DROPSESS | OCI_SESSRLS_RETAG)) {
        AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode);
        return OCI_ERROR;
    }
    OCISession *session = svc->session;
    if (!is_kind(session, HANDLE_OCISession)) return OCI_INVALID_HANDLE;
    if (!session->pooled) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNotPooled);
        return OCI_ERROR;
    }
    OCISPool *pool = svc->pool;
    if (!is_kind(pool, HANDLE_OCISPool)) {
        close_pooled_session(svc, errhp);
        _ClearErrorHandle(errhp);
        return OCI_SUCCESS;
    }
    const bool keep = !(mode & OCI_SESSRLS_DROPSESS) && reset_pooled_session(svc, errhp);
    _ClearErrorHandle(errhp);
    try {
        bool owned = false;
        std::vector<void *> closing = pool->book->release(svc, keep, &owned);
        if (!owned) closing.push_back(svc);
        close_all(closing, errhp);
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCISessionPoolCreate(OCIEnv *envhp, OCIError *errhp, OCISPool *spoolhp, OraText **poolName,
                                      ub4 *poolNameLen, const OraText *connStr, ub4 connStrLen, ub4 sessMin,
                                      ub4 sessMax, ub4 sessIncr, OraText *userid, ub4 useridLen, OraText *password,
                                      ub4 passwordLen, ub4 mode) {
    if (!is_kind(envhp, HANDLE_OCIEnv) || !is_kind(errhp, HANDLE_OCIError) || !is_kind(spoolhp, HANDLE_OCISPool))
        return OCI_INVALID_HANDLE;
    auto work = [&] {
        _ClearErrorHandle(errhp);
        return create_pool(envhp, errhp, spoolhp, poolName, poolNameLen, connStr, connStrLen, sessMin, sessMax,
                           sessIncr, userid, useridLen, password, passwordLen, mode);
    };
    return run_in_frame(envhp, OCI_FNCODE_SPOOLCREATE, work, envhp, errhp, spoolhp, poolName, poolNameLen, connStr,
                        connStrLen, sessMin, sessMax, sessIncr, userid, useridLen, password, passwordLen, mode);
}

VSK_EXPORT sword OCISessionPoolDestroy(OCISPool *spoolhp, OCIError *errhp, ub4 mode) {
    if (!is_kind(spoolhp, HANDLE_OCISPool) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    OCIEnv *env = env_of(spoolhp->hdr.parenth);
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        if (mode & ~static_cast<ub4>(OCI_SPD_FORCE)) {
            AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode);
            return OCI_ERROR;
        }
        if (!spoolhp->created) {
            AddErrorRecord(errhp, OCI_ERROR, kErrPoolName);
            return OCI_ERROR;
        }
        if (!destroy_pool(spoolhp, mode & OCI_SPD_FORCE, errhp)) return OCI_ERROR;
        _ClearErrorHandle(errhp);
        return OCI_SUCCESS;
    };
    return run_in_frame(env, OCI_FNCODE_SPOOLDESTROY, work, spoolhp, errhp, mode);
}

VSK_EXPORT sword OCISessionGet(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, OCIAuthInfo *authhp,
                               OraText *poolName, ub4 poolName_len, const OraText *tagInfo, ub4 tagInfo_len,
                               OraText **retTagInfo, ub4 *retTagInfo_len, boolean *found, ub4 mode) {
    auto *auth = reinterpret_cast<OCISession *>(authhp);
    // A homogeneous pool needs no credentials from the caller.
    const bool authOk = is_kind(auth, HANDLE_OCISession) || (!auth && (mode & OCI_SESSGET_SPOOL));
    if (!svchp || !is_kind(envhp, HANDLE_OCIEnv) || !is_kind(errhp, HANDLE_OCIError) || !authOk)
        return OCI_INVALID_HANDLE;
    auto work = [&] {
        _ClearErrorHandle(errhp);
        // Tags are not kept: nothing is ever found by tag.
        if (found) *found = 0;
        if (retTagInfo) *retTagInfo = nullptr;
        if (retTagInfo_len) *retTagInfo_len = 0;
        return session_get(envhp, errhp, svchp, auth, poolName, poolName_len, mode);
    };
    return run_in_frame(envhp, OCI_FNCODE_SESSIONGET, work, envhp, errhp, svchp, authhp, poolName, poolName_len,
                        tagInfo, tagInfo_len, retTagInfo, retTagInfo_len, found, mode);
}

VSK_EXPORT sword OCISessionRelease(OCISvcCtx *svchp, OCIError *errhp, OraText *tag, ub4 tag_len, ub4 mode) {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    OCIEnv *env = env_of(svchp->hdr.parenth);
    auto work = [&] {
        _ClearErrorHandle(errhp);
        return session_release(svchp, errhp, mode);
    };
    return run_in_frame(env, OCI_FNCODE_SESSIONRELEASE, work, svchp, errhp, tag, tag_len, mode);
}

}  // extern "C"
