// Records of the statement subsystem: statement, bind, define, describe, parameter, transaction.
#pragma once

#include <oci.h>

#include <string>

#include "env/handle.h"
#include "env/list.h"

struct OCISvcCtx;

struct OCIBind {
    vsk::Header hdr;
    void *valueBuffer;
    // The placeholder as found in the statement, colon included.
    std::string name;
    // Server type sent with the parameter, and 1 IN, 2 OUT, 3 IN OUT.
    ub4 pgType;
    ub4 direction;
};

struct OCIDefine {
    vsk::Header hdr;
};

struct OCIStmt {
    vsk::Header hdr;
    OCISvcCtx *svcctx;
    // Set for statements handed out by the statement cache; those go back through OCIStmtRelease.
    ub1 fromCache;
    ub2 stmtType;
    ub4 cursorMode;
    ub4 cursorTxMode;
    ub4 prefetchRows;
    std::string sqlText;
    // Server-side name the statement's rows are fetched under (a returned cursor's name).
    std::string stmtName;
    vsk::PtrList<OCIBind> binds;
    vsk::PtrList<OCIDefine> defines;
    vsk::PtrList<void> memCache;
};

struct OCIParam {
    vsk::Header hdr;
};

struct OCIDescribe {
    vsk::Header hdr;
    OCIParam *params;
};

struct OCITrans {
    vsk::Header hdr;
    XID *xid;
    ub4 timeout;
};

namespace vsk {

OCIStmt *Alloc_OCIStmt() noexcept;
OCIBind *Alloc_OCIBind() noexcept;
OCIDefine *Alloc_OCIDefine() noexcept;
OCIParam *Alloc_OCIParam() noexcept;
OCIDescribe *Alloc_OCIDescribe() noexcept;
OCITrans *Alloc_OCITrans() noexcept;

void Free_OCIStmt(void *h) noexcept;
void Free_OCIBind(void *h) noexcept;
void Free_OCIDefine(void *h) noexcept;
void Free_OCIParam(void *h) noexcept;
void Free_OCIDescribe(void *h) noexcept;
void Free_OCITrans(void *h) noexcept;

void *AllocateMemFromStmtCache(OCIStmt *stmt, std::size_t size) noexcept;
void FreeMemFromStmtCache(OCIStmt *stmt) noexcept;

}  // namespace vsk
