// OCIBindByName, OCIBindByPos, OCIBindArrayOfStruct, OCIBindDynamic, OCIStmtGetBindInfo.
#include <cstring>
#include <string>
#include <vector>

#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "nls/env_text.h"
#include "stmt/placeholders.h"
#include "stmt/records.h"
#include "types/type_codes.h"

using namespace vsk;

namespace {

constexpr ub4 kErrCannotBind = 16952;
constexpr ub4 kErrBindVariable = 28553;
constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kModeSoft = OCI_BIND_SOFT;

std::vector<OCIBind *> binds_of(const OCIStmt *stmt) {
    std::vector<OCIBind *> out;
    for (OCIBind *b : stmt->binds) out.push_back(b);
    return out;
}

// Where describe found the placeholder (1-based), 0 when it did not.
ub4 described_position(const OCIStmt *stmt, std::string_view name) {
    std::string_view bare = name.substr(name.empty() ? 0 : 1);
    for (std::size_t i = 0; i < stmt->describeNames.size(); ++i) {
        std::string_view d = stmt->describeNames[i];
        if (d.size() >= bare.size() && same_name(d.substr(0, bare.size()), bare)) return static_cast<ub4>(i + 1);
    }
    return 0;
}

// The buffer description of modes 0 and OCI_DATA_AT_EXEC (a soft bind keeps the rest).
void describe_buffer(OCIBind *bind, ub4 mode, void *valuep, sb4 value_sz, ub2 dty, void *indp, ub2 *alenp,
                     ub2 *rcodep, ub4 maxarr_len, ub4 *curelep) {
    // A ref-cursor bind's buffer holds the statement that receives the cursor.
    void *value = dty == SQLT_RSET && valuep ? *static_cast<void **>(valuep) : valuep;
    bind->dataAtExec = mode == OCI_DATA_AT_EXEC;
    if (mode == OCI_DATA_AT_EXEC) {
        bind->value_sz = static_cast<ub4>(value_sz);
        bind->dty = dty;
        bind->indp = nullptr;
        bind->alenp = nullptr;
        bind->rcodep = nullptr;
        bind->valuep = dty == SQLT_RSET ? value : nullptr;
        return;
    }
    bind->valuep = value;
    if (mode != kModeSoft) {
        bind->value_sz = static_cast<ub4>(value_sz);
        bind->dty = dty;
    }
    bind->indp = static_cast<sb2 *>(indp);
    bind->alenp = alenp;
    bind->rcodep = rcodep;
    bind->maxarr_len = maxarr_len;
    bind->curelep = curelep;
}

bool valid_mode(ub4 mode) { return mode == OCI_DEFAULT || mode == OCI_DATA_AT_EXEC || mode == kModeSoft; }

// The soft-bind checks, or a new or reused bind named name. Null on failure (recorded).
OCIBind *bind_for(OCIStmt *stmt, OCIBind **bindpp, OCIError *errhp, const std::string &name, bool prefix_match,
                  ub4 mode, sb4 value_sz, ub2 dty, sword *rc) {
    if (mode == kModeSoft) {
        OCIBind *b = *bindpp;
        if (!is_kind(b, HANDLE_OCIBind) || b->dty != dty || b->value_sz != static_cast<ub4>(value_sz) ||
            !stmt->executed) {
            *rc = OCI_ERROR;
            return nullptr;
        }
        return b;
    }
    for (OCIBind *b : stmt->binds) {
        const bool match = prefix_match
                               ? b->name.size() <= name.size() && same_name(name.substr(0, b->name.size()), b->name)
                               : same_name(b->name, name);
        if (match) return b;
    }
    OCIBind *b = nullptr;
    if (OCIHandleAlloc(stmt, reinterpret_cast<void **>(&b), OCI_HTYPE_BIND, 0, nullptr) != OCI_SUCCESS) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        *rc = OCI_ERROR;
        return nullptr;
    }
    b->name = name;
    return b;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIBindByName(OCIStmt *stmtp, OCIBind **bindpp, OCIError *errhp, const OraText *placeholder,
                               sb4 placeh_len, void *valuep, sb4 value_sz, ub2 dty, void *indp, ub2 *alenp,
                               ub2 *rcodep, ub4 maxarr_len, ub4 *curelep, ub4 mode) {
    if (!bindpp || !placeholder || !IsValidOraDataType(dty) || !is_kind(stmtp, HANDLE_OCIStmt) ||
        !is_kind(errhp, HANDLE_OCIError))
        return OCI_INVALID_HANDLE;
    if (!valid_mode(mode)) return OCI_ERROR;
    auto *env = static_cast<OCIEnv *>(stmtp->hdr.parenth);
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        try {
            const auto *raw = reinterpret_cast<const char *>(placeholder);
            const std::size_t n = placeh_len == -1 ? std::strlen(raw) : static_cast<std::size_t>(placeh_len < 0 ? 0 : placeh_len);
            std::string name;
            if (!text_to_utf8(env, errhp, raw, n, &name)) return OCI_ERROR;
            if (stmtp->stmtText.empty() || !text_has_placeholder(stmtp->stmtText, name))
                return AddErrorRecord(errhp, OCI_ERROR, kErrCannotBind), OCI_ERROR;
            sword rc = OCI_SUCCESS;
            OCIBind *b = bind_for(stmtp, bindpp, errhp, name, false, mode, value_sz, dty, &rc);
            if (!b) return rc;
            describe_buffer(b, mode, valuep, value_sz, dty, indp, alenp, rcodep, maxarr_len, curelep);
            if (mode != kModeSoft)
                b->pgType = GetParamType(stmtp->result, described_position(stmtp, name), dty, b->value_sz);
            b->direction = 3;
            if (stmtp->isCall && stmtp->isFunction && same_name(stmtp->returnTarget, name)) stmtp->returnBind = b;
            *bindpp = b;
            return OCI_SUCCESS;
        } catch (...) {
            return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
        }
    };
    return run_in_frame(env, OCI_FNCODE_BINDBYNAME, work, stmtp, bindpp, errhp, placeholder, placeh_len, valuep,
                        value_sz, dty, indp, alenp, rcodep, maxarr_len, curelep, mode);
}

VSK_EXPORT sword OCIBindByPos(OCIStmt *stmtp, OCIBind **bindpp, OCIError *errhp, ub4 position, void *valuep,
                              sb4 value_sz, ub2 dty, void *indp, ub2 *alenp, ub2 *rcodep, ub4 maxarr_len,
                              ub4 *curelep, ub4 mode) {
    if (!bindpp || !IsValidOraDataType(dty) || !is_kind(stmtp, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError))
        return OCI_INVALID_HANDLE;
    if (!valid_mode(mode)) return OCI_ERROR;
    auto *env = static_cast<OCIEnv *>(stmtp->hdr.parenth);
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        try {
            std::string name;
            if (stmtp->stmtText.empty()) return AddErrorRecord(errhp, OCI_ERROR, kErrCannotBind), OCI_ERROR;
            if (!nth_placeholder(stmtp->stmtText, position, &name))
                return AddErrorRecord(errhp, OCI_ERROR, kErrBindVariable), OCI_ERROR;
            sword rc = OCI_SUCCESS;
            OCIBind *b = bind_for(stmtp, bindpp, errhp, name, true, mode, value_sz, dty, &rc);
            if (!b) return rc;
            describe_buffer(b, mode, valuep, value_sz, dty, indp, alenp, rcodep, maxarr_len, curelep);
            b->position = position;
            if (mode != kModeSoft) b->pgType = GetParamType(stmtp->result, position, dty, b->value_sz);
            b->direction = 3;
            if (stmtp->isCall && stmtp->isFunction && b->name == stmtp->returnTarget) stmtp->returnBind = b;
            *bindpp = b;
            return OCI_SUCCESS;
        } catch (...) {
            return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
        }
    };
    return run_in_frame(env, OCI_FNCODE_BINDBYPOS, work, stmtp, bindpp, errhp, position, valuep, value_sz, dty, indp,
                        alenp, rcodep, maxarr_len, curelep, mode);
}

VSK_EXPORT sword OCIBindArrayOfStruct(OCIBind *bindp, OCIError *errhp, ub4 pvskip, ub4 indskip, ub4 alskip,
                                      ub4 rcskip) {
    if (!is_kind(bindp, HANDLE_OCIBind) || !is_kind(bindp->hdr.parenth, HANDLE_OCIStmt) ||
        !is_kind(errhp, HANDLE_OCIError))
        return OCI_INVALID_HANDLE;
    bindp->skipSet = 1;
    bindp->pvskip = pvskip;
    bindp->indskip = indskip;
    bindp->alskip = alskip;
    bindp->rcskip = rcskip;
    static_cast<OCIStmt *>(bindp->hdr.parenth)->arrayOfStruct = 1;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIBindDynamic(OCIBind *bindp, OCIError *errhp, void *ictxp, OCICallbackInBind icbfp, void *octxp,
                                OCICallbackOutBind ocbfp) {
    if (!is_kind(bindp, HANDLE_OCIBind) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        bindp->ictxp = ictxp;
        bindp->icbfp = icbfp;
        bindp->octxp = octxp;
        bindp->ocbfp = ocbfp;
        if (icbfp && ocbfp) bindp->direction = 3;
        else if (ocbfp) bindp->direction = 2;
        else if (icbfp) bindp->direction = 1;
        return OCI_SUCCESS;
    };
    return run_in_frame(env_of(bindp), OCI_FNCODE_BINDDYNAMIC, work, bindp, errhp, ictxp, icbfp, octxp, ocbfp);
}

VSK_EXPORT sword OCIStmtGetBindInfo(OCIStmt *stmtp, OCIError *errhp, ub4 size, ub4 startloc, sb4 *found,
                                    OraText *bvnp[], ub1 bvnl[], OraText *invp[], ub1 inpl[], ub1 dupl[],
                                    OCIBind **hndl) {
    if (!is_kind(stmtp, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *env = env_of(stmtp);
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        if (stmtp->stmtText.empty() || startloc == 0) return OCI_NO_DATA;
        try {
            const std::vector<std::string> names = bind_info_names(stmtp->stmtText);
            if (names.empty()) return OCI_NO_DATA;
            const std::vector<OCIBind *> binds = binds_of(stmtp);
            for (std::size_t i = 0; i < names.size() && i < size; ++i) {
                if (i + 1 < startloc) continue;
                std::string name;
                if (!text_from_utf8(env, errhp, names[i].data(), names[i].size(), &name)) return OCI_ERROR;
                auto *copy = static_cast<char *>(AllocateMemFromEnvCache(env, name.size() + 1));
                if (!copy) return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
                std::memcpy(copy, name.c_str(), name.size() + 1);
                if (bvnp) bvnp[i] = reinterpret_cast<OraText *>(copy);
                if (bvnl) bvnl[i] = static_cast<ub1>(name.size());
                if (hndl) hndl[i] = find_placeholder_bind_handle(binds, ":" + names[i]);
                if (invp) invp[i] = nullptr;
                if (inpl) inpl[i] = 0;
                if (dupl) dupl[i] = 0;
            }
            const auto count = static_cast<sb4>(names.size());
            if (found) *found = count <= static_cast<sb4>(size) ? count : static_cast<sb4>(size) - count;
            return OCI_SUCCESS;
        } catch (...) {
            return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
        }
    };
    return run_in_frame(env, OCI_FNCODE_STMTGETBIND, work, stmtp, errhp, size, startloc, found, bvnp, bvnl, invp, inpl,
                        dupl, hndl);
}

}  // extern "C"
