// Records of the statement subsystem: statement, bind, define, describe, parameter, transaction.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "env/handle.h"
#include "env/list.h"

struct OCISvcCtx;
struct OCIServer;

namespace vsk {
struct DescribeRecord;
class TextPool;
}  // namespace vsk

struct OCIBind {
    vsk::Header hdr;
    // Values come from input callbacks at execution (OCI_DATA_AT_EXEC).
    ub4 dataAtExec;
    ub4 position;
    // The placeholder as found in the statement, colon included.
    std::string name;
    // The application's buffer: element size, external type, and the parallel arrays.
    void *valuep;
    ub4 value_sz;
    ub2 dty;
    sb2 *indp;
    ub2 *alenp;
    ub2 *rcodep;
    ub4 maxarr_len;
    ub4 *curelep;
    void *ictxp;
    OCICallbackInBind icbfp;
    void *octxp;
    OCICallbackOutBind ocbfp;
    // Server type sent with the parameter, and 1 IN, 2 OUT, 3 IN OUT.
    ub4 pgType;
    ub4 direction;
    // The converted value of the current iteration: malloc'd, or lent by a bound LOB
    // locator (pgBorrowed) and never freed here.
    char *pgValue;
    ub4 pgLength;
    ub1 pgFormat;
    ub1 pgBorrowed;
    // Strides of OCIBindArrayOfStruct.
    ub1 skipSet;
    ub4 pvskip, indskip, alskip, rcskip;
    // alenp holds ub4 lengths (OCIBindByName2, OCIBindByPos2).
    ub1 wideLengths;
};

struct OCIDefine {
    vsk::Header hdr;
    // Values go through the output callback (OCI_DYNAMIC_FETCH, OCIDefineDynamic).
    ub4 dynamic;
    ub4 position;
    void *valuep;
    ub4 value_sz;
    ub2 dty;
    sb2 *indp;
    ub2 *rlenp;
    ub2 *rcodep;
    OCICallbackDefine ocbfp;
    void *octxp;
    // Strides of OCIDefineArrayOfStruct.
    ub1 skipSet;
    ub4 pvskip, indskip, rlskip, rcskip;
    // rlenp holds ub4 lengths (OCIDefineByPos2).
    ub1 wideLengths;
};

namespace vsk {

// A query's server-side cursor: a portal, or a cursor declared WITH HOLD.
struct Cursor {
    enum State : ub4 { CLOSED = 0, OPEN = 2, EXHAUSTED = 3 };
    ub4 state = CLOSED;
    ub4 rowsSeen = 0;   // highest row delivered so far
    ub4 position = 0;   // row of the last row delivered
    sb4 lastRow = -1;   // rows in the cursor once a fetch of the last row told
    OCIServer *server = nullptr;
    std::string stmtName;
    std::string portalName;
};

}  // namespace vsk

struct OCIStmt {
    vsk::Header hdr;
    // The text after conversion and trimming.
    std::string stmtText;
    ub2 stmtType;
    ub4 language;
    ub1 prepared;
    // The server-side prepared statement, once execution has made it.
    ub1 serverPrepared;
    OCIServer *pgPreparedServer;
    std::string preparedName;
    ub1 executed;
    ub1 isDDL;
    // A one-call block runs as a CALL statement; a function's result goes to returnTarget.
    ub1 isCall;
    ub1 isFunction;
    std::string rewrittenText;
    std::string procName;
    std::string returnTarget;
    OCIBind *returnBind;
    ub4 paramCount;
    std::vector<OCIBind *> paramBinds;
    std::vector<ub4> paramTypes;
    // The server's date and timestamp types of the parameters (0 for the others), described
    // at preparation when character binds are read with the session's date format.
    std::vector<Oid> sessionDateParams;
    ub1 arrayOfStruct;
    vsk::Cursor *cursor;
    // The statement stands for a cursor a REF CURSOR bind returned.
    ub1 isRefCursor;
    ub1 refCursorOpened;
    // A define of SQLT_TIMESTAMP (descriptor pointers) exists.
    ub1 hasTimestampDefine;
    // The current result and a call's OUT values. Locators may share result
    // (resultShared); drop_result releases it either way.
    PGresult *result;
    PGresult *outResult;
    std::shared_ptr<PGresult> resultShared;
    // Next row of result to hand out, and rows the last fetch delivered.
    ub4 resultRow;
    ub4 rowsFetched;
    // Mode of the last OCIStmtExecute.
    ub4 execMode;
    // A prefetched batch: its rows and the next one to hand out.
    ub4 prefetchCount;
    ub4 prefetchIndex;
    // Rows the last DML execution processed, added up over its iterations, and each
    // iteration's own (OCI_RETURN_ROW_COUNT_ARRAY).
    // Rows of the last array DML under OCI_BATCH_ERRORS that failed (OCI_ATTR_NUM_DML_ERRORS).
    ub4 batchErrorCount;
    ub8 rowCount;
    std::vector<ub8> rowCounts;
    // "INSERT INTO <table> [(<columns>)]" of an INSERT of placeholders only, whose rows
    // can go as arrays.
    std::string insertTarget;
    // Non-blocking execution in progress.
    ub1 bulkActive;
    ub1 asyncWaiting;
    ub1 bulkFinishSent;
    ub1 asyncSelect;
    std::vector<std::string> describeNames;
    OCISvcCtx *svcctx;
    // Statement cache: the tag, the text as the program gave it (untagged statements are
    // found again by it), whether the record came from OCIStmtPrepare2 and is checked
    // out until OCIStmtRelease.
    std::string cacheKey;
    std::string cacheText;
    ub1 fromCache;
    ub1 checkedOut;
    ub4 cursorMode;
    ub4 cursorTxMode;
    ub4 prefetchRows;
    // Server-side name the statement's rows are fetched under (a returned cursor's name).
    std::string stmtName;
    vsk::PtrList<OCIBind> binds;
    vsk::PtrList<OCIDefine> defines;
    vsk::PtrList<void> memCache;
    // Texts describe hands out for its columns; shared with the descriptors made from
    // it, so they stay valid while either lives.
    std::shared_ptr<vsk::TextPool> describeTexts;
};

struct OCIParam {
    vsk::Header hdr;
    vsk::DescribeRecord *record;
    // Where the texts read from it are kept: its statement's pool, or its describe's.
    std::shared_ptr<vsk::TextPool> texts;
};

struct OCIDescribe {
    vsk::Header hdr;
    // The table of the last successful describe, null before and after a failed one.
    vsk::DescribeRecord *table;
    std::shared_ptr<vsk::TextPool> texts;
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

// Releases stmt->result (to its last sharer, when shared) and clears it.
void drop_result(OCIStmt *stmt) noexcept;
// Shared ownership of stmt->result, for values read where it holds them; null when
// there is no result or memory ran out.
std::shared_ptr<const void> share_result(OCIStmt *stmt) noexcept;
// Held while the statement's links to its cursor, server and service context change: a
// thread ending a session reads them for every statement of the environment.
std::unique_lock<std::mutex> lock_statement_links(const OCIStmt *stmt) noexcept;

void *AllocateMemFromStmtCache(OCIStmt *stmt, std::size_t size) noexcept;
void FreeMemFromStmtCache(OCIStmt *stmt) noexcept;

}  // namespace vsk
