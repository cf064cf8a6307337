// OCIStmtPrepare, OCIStmtPrepare2, OCIStmtRelease and the statement cache. Preparing is
// local: only what an earlier preparation left on the server is released here.
#include <cstring>
#include <string>
#include <string_view>

#include "connect/call_deadline.h"
#include "connect/records.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "env/trace.h"
#include "nls/env_text.h"
#include "stmt/call_block.h"
#include "stmt/cursors.h"
#include "stmt/records.h"
#include "stmt/server_statement.h"
#include "stmt/statement_text.h"

using namespace vsk;

namespace {

constexpr ub4 kErrIllegalMode = 24300;
constexpr ub4 kErrStatementLength = 24373;
constexpr ub4 kErrNoStatement = 13780;
constexpr ub4 kErrNotInCache = 24431;
constexpr ub4 kErrUntagged = 24432;
constexpr ub4 kErrReleaseBeforePrepare2 = 24434;
constexpr ub4 kErrNoMemory = 16506;

bool known_language(ub4 language) {
    // OCI_V8_SYNTAX is what many programs pass; all three mean the same here.
    return language == OCI_NTV_SYNTAX || language == OCI_V7_SYNTAX || language == OCI_V8_SYNTAX;
}

void release_binds_and_defines(OCIStmt *stmt) noexcept {
    for (OCIBind *b : stmt->binds) Free_OCIBind(b);
    stmt->binds.clear();
    for (OCIDefine *d : stmt->defines) Free_OCIDefine(d);
    stmt->defines.clear();
    stmt->paramBinds.clear();
    stmt->describeNames.clear();
    stmt->returnBind = nullptr;
}

void clear_text(OCIStmt *stmt) noexcept {
    stmt->stmtText.clear();
    stmt->rewrittenText.clear();
    stmt->procName.clear();
    stmt->returnTarget.clear();
    stmt->isCall = 0;
    stmt->isFunction = 0;
}

sword prepare(OCIStmt *stmt, OCIError *errhp, OCIEnv *env, const OraText *text, ub4 length, ub4 language) noexcept {
    try {
        release_binds_and_defines(stmt);
        clear_text(stmt);
        if (stmt->executed) {
            drop_result(stmt);
            PQclear(stmt->outResult);
            stmt->outResult = nullptr;
        }
        // What the previous text left on the server goes before the record takes a new one.
        release_server_objects(stmt, errhp);

        std::string_view given(reinterpret_cast<const char *>(text), length);
        std::string altered;
        // The server spells the minutes of a date format with a separator.
        if (GetStatementType(given) == OCI_STMT_ALTER) {
            altered = checkNLSFormat(given, "HH24MI", "HH24:MI");
            given = altered;
        }
        std::string converted;
        if (!text_to_utf8(env, errhp, given.data(), given.size(), &converted)) return OCI_ERROR;
        converted.resize(std::strlen(converted.c_str()));
        stmt->stmtText = std::string(trim_statement(converted));
        stmt->language = language;
        stmt->stmtType = GetStatementType(stmt->stmtText);
        stmt->isDDL = IsDDLStatement(stmt->stmtType);

        if (stmt->stmtType == OCI_STMT_BEGIN) {
            CallNode node;
            if (parse_call_block(stmt->stmtText, &node) != 0 || node.callText.empty()) {
                stmt->stmtText.clear();
                AddErrorRecord(errhp, OCI_ERROR, kErrNoStatement);
                return OCI_ERROR;
            }
            stmt->isCall = 1;
            stmt->isFunction = node.isFunction;
            stmt->procName = std::move(node.procName);
            stmt->rewrittenText = std::move(node.callText);
            stmt->returnTarget = std::move(node.target);
        }
        stmt->executed = 0;
        stmt->paramCount = 0;
        stmt->prepared = 1;
        stmt->serverPrepared = 0;
        auto lock = lock_statement_links(stmt);
        stmt->pgPreparedServer = nullptr;
        return OCI_SUCCESS;
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
}

// The first cached statement whose tag starts with the key's bytes; an untagged one
// matches only an empty key.
OCIStmt *find_cached(OCISvcCtx *svc, const OraText *key, ub4 key_len) noexcept {
    std::string_view k(reinterpret_cast<const char *>(key), key ? key_len : 0);
    for (OCIStmt *s : svc->stmtCache) {
        if (k.empty() ? s->cacheKey.empty() : std::string_view(s->cacheKey).starts_with(k)) return s;
    }
    return nullptr;
}

// Statements a service context keeps when nobody set its cache size: the vendor's default.
constexpr std::size_t kDefaultCachedStatements = 20;

std::size_t cache_limit(const OCISvcCtx *svc) noexcept {
    return svc->stmtCacheSize ? svc->stmtCacheSize : kDefaultCachedStatements;
}

// A cached untagged statement of the same text and syntax that nobody holds.
OCIStmt *find_by_text(OCISvcCtx *svc, std::string_view text, ub4 language) noexcept {
    for (OCIStmt *s : svc->stmtCache)
        if (!s->checkedOut && s->cacheKey.empty() && s->language == language && s->cacheText == text) return s;
    return nullptr;
}

// The statement a new one replaces in the cache: the one holding the same tag, or the
// oldest nobody holds once the cache is full. Never a checked-out statement: the program
// still uses it.
OCIStmt *evicted_by(OCISvcCtx *svc, const OraText *key, ub4 key_len) noexcept {
    if (key && key_len) {
        OCIStmt *same = find_cached(svc, key, key_len);
        if (same && !same->checkedOut) return same;
    }
    if (svc->stmtCache.size() < cache_limit(svc)) return nullptr;
    for (OCIStmt *s : svc->stmtCache)
        if (!s->checkedOut) return s;
    return nullptr;
}

// A cached statement handed out again: the server keeps its prepared statement, the
// program binds and defines afresh as after any prepare.
void reuse(OCISvcCtx *svc, OCIStmt *stmt) noexcept {
    release_binds_and_defines(stmt);
    drop_result(stmt);
    PQclear(stmt->outResult);
    stmt->outResult = nullptr;
    stmt->executed = 0;
    stmt->checkedOut = 1;
    // Most recently used last, so eviction takes the least recently used.
    svc->stmtCache.remove(stmt);
    if (!svc->stmtCache.append(stmt)) {
        // Out of memory: it leaves the cache and is the program's to release.
        auto lock = lock_statement_links(stmt);
        stmt->svcctx = nullptr;
        stmt->fromCache = 0;
    }
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIStmtPrepare(OCIStmt *stmtp, OCIError *errhp, const OraText *stmt, ub4 stmt_len, ub4 language,
                                ub4 mode) {
    if (!is_kind(stmtp, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(stmtp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    if (!stmt) return AddArgumentErrorRecord(errhp, 3), OCI_ERROR;
    if (stmt_len == 0) return AddErrorRecord(errhp, OCI_ERROR, kErrStatementLength), OCI_ERROR;
    if (mode != OCI_DEFAULT) return AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode), OCI_ERROR;
    if (stmtp->fromCache) return OCI_INVALID_HANDLE;
    if (!known_language(language)) return OCI_ERROR;
    ocitrace(TRACE_PREPARE, "OCIStmtPrepare", "stmtp(%p) %*.*s\n", static_cast<void *>(stmtp),
             static_cast<int>(stmt_len), static_cast<int>(stmt_len), reinterpret_cast<const char *>(stmt));
    // Preparing anew releases what the statement held on the server.
    CallDeadline deadline(stmtp->svcctx);
    auto work = [&] { return prepare(stmtp, errhp, env, stmt, stmt_len, language); };
    return run_in_frame(env, OCI_FNCODE_STMTPREPARE, work, stmtp, errhp, stmt, stmt_len, language, mode);
}

VSK_EXPORT sword OCIStmtPrepare2(OCISvcCtx *svchp, OCIStmt **stmtpp, OCIError *errhp, const OraText *stmt,
                                 ub4 stmt_len, const OraText *key, ub4 key_len, ub4 language, ub4 mode) {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(svchp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    if (!stmtpp) return OCI_ERROR;
    _ClearErrorHandle(errhp);
    if (!stmt) return AddArgumentErrorRecord(errhp, 4), OCI_ERROR;
    // Asking for compilation warnings, the statement's identifier or implicit results
    // changes nothing here: blocks compile on the server, and there are no such results.
    constexpr ub4 kAccepted = OCI_PREP2_CACHE_SEARCHONLY | OCI_PREP2_GET_PLSQL_WARNINGS | OCI_PREP2_GET_SQL_ID |
                              OCI_PREP2_IMPL_RESULTS_CLIENT;
    if (mode & ~kAccepted) return AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode), OCI_ERROR;
    if (stmt_len == 0) return AddErrorRecord(errhp, OCI_ERROR, kErrStatementLength), OCI_ERROR;
    if (!known_language(language)) return OCI_ERROR;

    CallDeadline deadline(svchp);
    CallFrame frame(env, OCI_FNCODE_STMTPREPARE2);
    frame.enter(svchp, stmtpp, errhp, stmt, stmt_len, key, key_len, language, mode);
    auto leave = [&](sword rc) {
        frame.set(rc);
        return frame.leave(svchp, stmtpp, errhp, stmt, stmt_len, key, key_len, language, mode);
    };

    if (mode & OCI_PREP2_CACHE_SEARCHONLY) {
        *stmtpp = nullptr;
        if (!svchp->stmtCacheEnabled) return leave((AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode), OCI_ERROR));
        if (key && key_len) {
            if (OCIStmt *hit = find_cached(svchp, key, key_len)) {
                *stmtpp = hit;
                hit->checkedOut = 1;
                return leave(OCI_SUCCESS);
            }
        }
        return leave((AddErrorRecord(errhp, OCI_ERROR, kErrNotInCache), OCI_ERROR));
    }

    const std::string_view text(reinterpret_cast<const char *>(stmt), stmt_len);
    if (svchp->stmtCacheEnabled && !(key && key_len)) {
        if (OCIStmt *hit = find_by_text(svchp, text, language)) {
            reuse(svchp, hit);
            *stmtpp = hit;
            return leave(OCI_SUCCESS);
        }
    }

    OCIStmt *fresh = nullptr;
    sword rc = OCIHandleAlloc(env, reinterpret_cast<void **>(&fresh), OCI_HTYPE_STMT, 0, nullptr);
    if (rc != OCI_SUCCESS) return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), leave(OCI_ERROR);
    rc = OCIStmtPrepare(fresh, errhp, stmt, stmt_len, language, OCI_DEFAULT);
    if (rc != OCI_SUCCESS) {
        OCIHandleFree(fresh, OCI_HTYPE_STMT);
        *stmtpp = nullptr;
        return leave(rc);
    }
    sword result = OCI_SUCCESS;
    if (svchp->stmtCacheEnabled) {
        OCIStmt *old = evicted_by(svchp, key, key_len);
        if (old) {
            svchp->stmtCache.remove(old);
            {
                auto lock = lock_statement_links(old);
                old->svcctx = nullptr;
            }
            old->fromCache = 0;
            OCIHandleFree(old, OCI_HTYPE_STMT);
        }
        fresh->cacheKey.clear();
        try {
            fresh->cacheText.assign(text);
        } catch (...) {
            fresh->cacheText.clear();
        }
        if (!svchp->stmtCache.append(fresh)) {
            OCIHandleFree(fresh, OCI_HTYPE_STMT);
            *stmtpp = nullptr;
            return leave(OCI_ERROR);
        }
        auto lock = lock_statement_links(fresh);
        fresh->svcctx = svchp;
        if (key && key_len) {
            AddErrorRecord(errhp, OCI_SUCCESS_WITH_INFO, kErrUntagged);
            result = OCI_SUCCESS_WITH_INFO;
        }
    }
    fresh->fromCache = 1;
    fresh->checkedOut = 1;
    *stmtpp = fresh;
    return leave(result);
}

VSK_EXPORT sword OCIStmtRelease(OCIStmt *stmtp, OCIError *errhp, const OraText *key, ub4 key_len, ub4 mode) {
    if (mode != OCI_DEFAULT && mode != OCI_STRLS_CACHE_DELETE) return OCI_ERROR;
    if (!is_kind(stmtp, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    OCISvcCtx *svc = stmtp->svcctx;
    auto *env = static_cast<OCIEnv *>(stmtp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        // Its rows are not wanted any more: the cursor closes (ending a transaction that
        // only this query used), the prepared statement stays for the next execution.
        if (stmtp->cursor && stmtp->cursor->state != Cursor::CLOSED) closePortal(stmtp->cursor, errhp);
        // A statement never cached has no service context: it is released as uncached.
        if (is_kind(svc, HANDLE_OCISvcCtx) && svc->stmtCacheEnabled) {
            if (!stmtp->checkedOut) return AddErrorRecord(errhp, OCI_ERROR, kErrReleaseBeforePrepare2), OCI_ERROR;
            stmtp->checkedOut = 0;
            stmtp->cacheKey.clear();
            if (mode == OCI_STRLS_CACHE_DELETE) {
                svc->stmtCache.remove(stmtp);
                auto lock = lock_statement_links(stmtp);
                stmtp->svcctx = nullptr;
                // No longer the cache's: the application frees it like any statement.
                stmtp->fromCache = 0;
            } else if (key && key_len) {
                try {
                    stmtp->cacheKey.assign(reinterpret_cast<const char *>(key), key_len);
                } catch (...) {
                    return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
                }
            }
            return OCI_SUCCESS;
        }
        if (mode == OCI_STRLS_CACHE_DELETE) return AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode), OCI_ERROR;
        release_binds_and_defines(stmtp);
        clear_text(stmtp);
        stmtp->prepared = 0;
        // Nothing else holds an uncached statement from OCIStmtPrepare2: it is released here.
        stmtp->fromCache = 0;
        stmtp->checkedOut = 0;
        return OCI_SUCCESS;
    };
    return run_in_frame(env, OCI_FNCODE_STMTRELEASE, work, stmtp, errhp, key, key_len, mode);
}

}  // extern "C"
