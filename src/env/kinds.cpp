#include "env/kinds.h"

#include "connect/records.h"
#include "datetime/descriptors.h"
#include "env/env.h"
#include "lob/locator.h"
#include "services/thread_records.h"
#include "stmt/records.h"

namespace vsk {

namespace {

template <class R, R *(*F)()>
void *make(ub4) noexcept {
    return F();
}
void *make_error(ub4) noexcept { return Alloc_OCIError(); }
void *make_env(ub4) noexcept { return Alloc_OCIEnv(); }
void *make_datetime(ub4 type) noexcept { return Alloc_OCIDateTime(type); }
void *make_interval(ub4 type) noexcept { return Alloc_OCIInterval(type); }

void free_env(void *h) noexcept { Free_OCIEnv(static_cast<OCIEnv *>(h)); }
void free_error(void *h) noexcept { Free_OCIError(static_cast<OCIError *>(h)); }

constexpr KindInfo kKinds[] = {
    {HANDLE_OCIEnv, "OCIEnv", OCI_HTYPE_ENV, false, make_env, free_env},
    {HANDLE_OCIError, "OCIError", OCI_HTYPE_ERROR, false, make_error, free_error},
    {HANDLE_OCISvcCtx, "OCISvcCtx", OCI_HTYPE_SVCCTX, false, make<OCISvcCtx, Alloc_OCISvcCtx>, Free_OCISvcCtx},
    {HANDLE_OCISession, "OCISession", OCI_HTYPE_SESSION, false, make<OCISession, Alloc_OCISession>,
     Free_OCISession},
    {HANDLE_OCIServer, "OCIServer", OCI_HTYPE_SERVER, false, make<OCIServer, Alloc_OCIServer>, Free_OCIServer},
    {HANDLE_OCIBind, "OCIBind", OCI_HTYPE_BIND, false, make<OCIBind, Alloc_OCIBind>, Free_OCIBind},
    {HANDLE_OCIDefine, "OCIDefine", OCI_HTYPE_DEFINE, false, make<OCIDefine, Alloc_OCIDefine>, Free_OCIDefine},
    {HANDLE_OCIStmt, "OCIStmt", OCI_HTYPE_STMT, false, make<OCIStmt, Alloc_OCIStmt>, Free_OCIStmt},
    {HANDLE_OCIParam, "OCIParam", OCI_DTYPE_PARAM, true, make<OCIParam, Alloc_OCIParam>, Free_OCIParam},
    {HANDLE_OCIDescribe, "OCIDescribe", OCI_HTYPE_DESCRIBE, false, make<OCIDescribe, Alloc_OCIDescribe>,
     Free_OCIDescribe},
    {HANDLE_OCIDateTime, "OCIDateTime", OCI_DTYPE_TIMESTAMP, true, make_datetime, Free_OCIDateTime},
    {HANDLE_OCITrans, "OCITrans", OCI_HTYPE_TRANS, false, make<OCITrans, Alloc_OCITrans>, Free_OCITrans},
    {HANDLE_OCIThreadId, "OCIThreadId", 0, false, nullptr, Free_ThreadRecord},
    {HANDLE_OCIThreadHandle, "OCIThreadHandle", 0, false, nullptr, Free_ThreadRecord},
    {HANDLE_OCIThreadMutex, "OCIThreadMutex", 0, false, nullptr, Free_ThreadRecord},
    {HANDLE_OCIThreadKey, "OCIThreadKey", 0, false, nullptr, Free_ThreadRecord},
    {HANDLE_OCIInterval, "OCIInterval", OCI_DTYPE_INTERVAL_DS, true, make_interval, Free_OCIInterval},
    {HANDLE_OCISPool, "OCISPool", OCI_HTYPE_SPOOL, false, make<OCISPool, Alloc_OCISPool>, Free_OCISPool},
    {HANDLE_OCILobLocator, "OCILobLocator", OCI_DTYPE_LOB, true, make<OCILobLocator, Alloc_OCILobLocator>,
     Free_OCILobLocator},
};

static_assert(sizeof kKinds / sizeof kKinds[0] == HANDLE_OCILobLocator, "one row per kind, in kind order");

}  // namespace

const KindInfo *kind_info(std::uint32_t kind) noexcept {
    if (kind < HANDLE_OCIEnv || kind > HANDLE_OCILobLocator) return nullptr;
    return &kKinds[kind - 1];
}

HandleKind kind_for_handle_type(ub4 type) noexcept {
    switch (type) {
    case OCI_HTYPE_ENV: return HANDLE_OCIEnv;
    case OCI_HTYPE_ERROR: return HANDLE_OCIError;
    case OCI_HTYPE_SVCCTX: return HANDLE_OCISvcCtx;
    case OCI_HTYPE_STMT: return HANDLE_OCIStmt;
    case OCI_HTYPE_BIND: return HANDLE_OCIBind;
    case OCI_HTYPE_DEFINE: return HANDLE_OCIDefine;
    case OCI_HTYPE_DESCRIBE: return HANDLE_OCIDescribe;
    case OCI_HTYPE_SERVER: return HANDLE_OCIServer;
    case OCI_HTYPE_SESSION: return HANDLE_OCISession;
    case OCI_HTYPE_TRANS: return HANDLE_OCITrans;
    case OCI_HTYPE_SPOOL: return HANDLE_OCISPool;
    default: return static_cast<HandleKind>(0);
    }
}

HandleKind kind_for_descriptor_type(ub4 type) noexcept {
    switch (type) {
    case OCI_DTYPE_LOB: return HANDLE_OCILobLocator;
    case OCI_DTYPE_PARAM: return HANDLE_OCIParam;
    case OCI_DTYPE_INTERVAL_YM:
    case OCI_DTYPE_INTERVAL_DS: return HANDLE_OCIInterval;
    case OCI_DTYPE_DATE:
    case OCI_DTYPE_TIMESTAMP:
    case OCI_DTYPE_TIMESTAMP_TZ:
    case OCI_DTYPE_TIMESTAMP_LTZ: return HANDLE_OCIDateTime;
    default: return static_cast<HandleKind>(0);
    }
}

void release_child(void *record) noexcept {
    const KindInfo *info = kind_info(kind_of(record));
    if (!info) return;
    if (OCIEnv *parent = static_cast<OCIEnv *>(header_of(record)->parenth); is_kind(parent, HANDLE_OCIEnv))
        parent->children.remove(record);
    // A cached statement is released with its environment regardless of its origin.
    if (info->kind == HANDLE_OCIStmt) static_cast<OCIStmt *>(record)->fromCache = 0;
    info->release(record);
}

}  // namespace vsk
