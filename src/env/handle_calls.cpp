// OCIHandleAlloc, OCIHandleFree, OCIDescriptorAlloc, OCIDescriptorFree.
#include "env/call_frame.h"
#include "env/compat.h"
#include "env/env.h"
#include "env/export.h"
#include "env/kinds.h"
#include "env/trace.h"
#include "stmt/records.h"

using namespace vsk;

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrBufferInvalid = 16530;
constexpr ub4 kErrStmtHandle = 24436;

// A child environment shares its parent's character set and converters.
void inherit_from_parent(OCIEnv *child, const OCIEnv *parent) noexcept {
    child->charsetId = parent->charsetId;
    child->isUtf16 = parent->isUtf16;
    child->toUtf8 = parent->toUtf8;
    child->fromUtf8 = parent->fromUtf8;
    child->ownsConverters = 0;
    child->emptyStringSemantics = parent->emptyStringSemantics;
    child->mode = (parent->mode & ENV_OBJECT) ? ENV_OBJECT : 0;
}

// Links a new record to its owner: binds and defines to their statement, the rest to the environment.
bool link_record(void *record, HandleKind kind, void *parenth, OCIEnv *env) noexcept {
    header_of(record)->parenth = parenth;
    if (kind == HANDLE_OCIBind) return static_cast<OCIStmt *>(parenth)->binds.append(static_cast<OCIBind *>(record));
    if (kind == HANDLE_OCIDefine)
        return static_cast<OCIStmt *>(parenth)->defines.append(static_cast<OCIDefine *>(record));
    auto lock = lock_children(env);
    if (kind == HANDLE_OCISPool && !env->spools.append(record)) return false;
    if (env->children.append(record)) return true;
    if (kind == HANDLE_OCISPool) env->spools.remove(record);
    return false;
}

// Releases a record that was never handed out (the link may or may not have been made).
void discard_record(void *record, HandleKind kind, void *parenth, OCIEnv *env) noexcept {
    if (kind == HANDLE_OCIBind) static_cast<OCIStmt *>(parenth)->binds.remove(static_cast<OCIBind *>(record));
    else if (kind == HANDLE_OCIDefine) static_cast<OCIStmt *>(parenth)->defines.remove(static_cast<OCIDefine *>(record));
    else {
        auto lock = lock_children(env);
        env->children.remove(record);
        if (kind == HANDLE_OCISPool) env->spools.remove(record);
    }
    kind_info(kind)->release(record);
}

// Gives a new record its zero-filled user memory block.
bool attach_user_memory(void *record, size_t xtramem_sz, void **usrmempp) noexcept {
    if (xtramem_sz == 0) return true;
    void *block = alloc_zeroed(xtramem_sz);
    if (!block) return false;
    header_of(record)->xtramemSize = xtramem_sz;
    header_of(record)->usrmem = block;
    *usrmempp = block;
    return true;
}

// Makes, links and hands out a record of kind; on failure nothing is left and error 16506 recorded.
sword make_record(HandleKind kind, ub4 type, void *parent, OCIEnv *env, size_t xtramem_sz, void **usrmempp,
                  void **out) noexcept {
    void *record = kind_info(kind)->alloc(type);
    if (!record) {
        AddErrorRecord(env->errorHandle, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
    if (kind == HANDLE_OCIEnv) inherit_from_parent(static_cast<OCIEnv *>(record), env);
    if (!link_record(record, kind, parent, env) || !attach_user_memory(record, xtramem_sz, usrmempp)) {
        discard_record(record, kind, parent, env);
        *out = nullptr;
        AddErrorRecord(env->errorHandle, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
    *out = record;
    return OCI_SUCCESS;
}

// The kind OCIDescriptorAlloc makes for type. Rows carry no row identifiers here; drivers
// still allocate a ROWID descriptor, hand it to OCI_ATTR_ROWID and free it, so a
// vendor-faithful environment gives them an empty parameter descriptor for it.
HandleKind descriptor_kind(const OCIEnv *env, ub4 type) noexcept {
    if (type == OCI_DTYPE_ROWID && vendor_mode(env)) return HANDLE_OCIParam;
    return kind_for_descriptor_type(type);
}

// Binds and defines belong to their statement, which may use them again at its next
// execution and releases them with itself: freeing one on its own succeeds and leaves
// it there, so that neither a later use nor the statement's release finds it gone.
sword free_statement_part(void *hndlp, ub4 type) noexcept {
    if (kind_of(hndlp) != kind_for_handle_type(type)) return OCI_INVALID_HANDLE;
    auto *stmt = static_cast<OCIStmt *>(header_of(hndlp)->parenth);
    if (!is_kind(stmt, HANDLE_OCIStmt)) return OCI_INVALID_HANDLE;
    OCIEnv *env = env_of(stmt);
    if (!env) return OCI_INVALID_HANDLE;
    auto work = [] { return static_cast<sword>(OCI_SUCCESS); };
    return run_in_frame(env, OCI_FNCODE_HANDLEFREE, work, hndlp, type);
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIHandleAlloc(const void *parenth, void **hndlpp, const ub4 type, const size_t xtramem_sz,
                                void **usrmempp) {
    if (!parenth || !hndlpp) return OCI_INVALID_HANDLE;
    HandleKind kind = kind_for_handle_type(type);
    if (!kind) return OCI_INVALID_HANDLE;
    void *parent = const_cast<void *>(parenth);
    OCIEnv *env;
    if (kind == HANDLE_OCIBind || kind == HANDLE_OCIDefine) {
        if (!is_kind(parent, HANDLE_OCIStmt) || !is_kind(header_of(parent)->parenth, HANDLE_OCIEnv))
            return OCI_INVALID_HANDLE;
        env = static_cast<OCIEnv *>(header_of(parent)->parenth);
    } else {
        if (!is_kind(parent, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
        env = static_cast<OCIEnv *>(parent);
    }

    auto work = [&]() -> sword {
        _ClearErrorHandle(env->errorHandle);
        if (xtramem_sz != 0 && !usrmempp) {
            AddErrorRecord(env->errorHandle, OCI_ERROR, kErrBufferInvalid);
            return OCI_ERROR;
        }
        return make_record(kind, type, parent, env, xtramem_sz, usrmempp, hndlpp);
    };
    return run_in_frame(env, OCI_FNCODE_HANDLEALLOC, work, parenth, hndlpp, type, xtramem_sz, usrmempp);
}

VSK_EXPORT sword OCIHandleFree(void *hndlp, const ub4 type) {
    if (!hndlp) return OCI_INVALID_HANDLE;
    switch (type) {
    case OCI_HTYPE_ENV: case OCI_HTYPE_ERROR: case OCI_HTYPE_SVCCTX: case OCI_HTYPE_STMT:
    case OCI_HTYPE_DESCRIBE: case OCI_HTYPE_SERVER: case OCI_HTYPE_SESSION: case OCI_HTYPE_TRANS:
    case OCI_HTYPE_SPOOL:
        break;
    case OCI_HTYPE_BIND: case OCI_HTYPE_DEFINE:
        return free_statement_part(hndlp, type);
    default:
        return OCI_INVALID_HANDLE;
    }
    // The record must be of the kind the type names: releasing it under another type
    // would unlink it without freeing it.
    std::uint32_t kind = kind_of(hndlp);
    if (kind != kind_for_handle_type(type)) return OCI_INVALID_HANDLE;

    auto *parent = static_cast<OCIEnv *>(header_of(hndlp)->parenth);
    if (kind == HANDLE_OCIEnv && !parent) {
        close_trace_log();
        Free_OCIEnv(static_cast<OCIEnv *>(hndlp));
        return OCI_SUCCESS;
    }
    if (!is_kind(parent, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    auto work = [&]() -> sword {
        {
            // Other threads add and free handles of the same environment.
            auto lock = lock_children(parent);
            _ClearErrorHandle(parent->errorHandle);
            if (kind == HANDLE_OCIStmt && static_cast<OCIStmt *>(hndlp)->fromCache == 1) {
                AddErrorRecord(parent->errorHandle, OCI_ERROR, kErrStmtHandle);
                return OCI_ERROR;
            }
            parent->children.remove(hndlp);
        }
        if (kind == HANDLE_OCIEnv) close_trace_log();
        kind_info(kind)->release(hndlp);
        return OCI_SUCCESS;
    };
    // The handle is gone by the time exit callbacks run; they get its address only.
    return run_in_frame(parent, OCI_FNCODE_HANDLEFREE, work, hndlp, type);
}

VSK_EXPORT sword OCIDescriptorAlloc(const void *parenth, void **descpp, const ub4 type, const size_t xtramem_sz,
                                    void **usrmempp) {
    auto *env = static_cast<OCIEnv *>(const_cast<void *>(parenth));
    if (!is_kind(env, HANDLE_OCIEnv) || !env->errorHandle || !descpp) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(env->errorHandle);
    if (xtramem_sz != 0 && !usrmempp) {
        AddErrorRecord(env->errorHandle, OCI_ERROR, kErrBufferInvalid);
        return OCI_ERROR;
    }
    HandleKind kind = descriptor_kind(env, type);
    if (!kind) return OCI_INVALID_HANDLE;
    auto work = [&]() -> sword { return make_record(kind, type, env, env, xtramem_sz, usrmempp, descpp); };
    return run_in_frame(env, OCI_FNCODE_DESCRIPTORALLOC, work, parenth, descpp, type, xtramem_sz, usrmempp);
}

VSK_EXPORT sword OCIDescriptorFree(void *descp, const ub4 type) {
    if (!descp || !kind_of(descp)) return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(header_of(descp)->parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    HandleKind kind = descriptor_kind(env, type);
    if (!kind || kind_of(descp) != kind) return OCI_INVALID_HANDLE;
    {
        // Other threads add and free handles and descriptors of the same environment.
        auto lock = lock_children(env);
        env->children.remove(descp);
    }
    kind_info(kind)->release(descp);
    return OCI_SUCCESS;
}

}  // extern "C"
