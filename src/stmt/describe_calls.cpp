// OCIParamGet and OCIDescribeAny, and the column and table records behind them.
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "connect/call_deadline.h"
#include "connect/records.h"
#include "connect/server_connection.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "env/trace.h"
#include "nls/env_text.h"
#include "pqx/catalog.h"
#include "pqx/pg_error.h"
#include "stmt/array_dml.h"
#include "stmt/describe.h"
#include "stmt/describe_names.h"
#include "stmt/vendor_describe.h"
#include "types/type_codes.h"

namespace vsk {

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrMandatoryParameter = 1009;
constexpr ub4 kErrUnsupported = 3001;
constexpr ub4 kErrObjectMissing = 4043;
constexpr ub4 kErrHandleInvalid = 24316;
constexpr ub4 kErrAllocation = 24319;
constexpr ub4 kErrObjectTypeIllegal = 24332;
constexpr ub4 kErrNoDescriptor = 24334;
constexpr ub4 kErrUnexecuted = 24338;
constexpr ub4 kErrConnectionTerminated = 25407;
// Object types of OCIDescribeAny beyond the last one OCI defines.
constexpr ub1 kPtypeLimit = 25;

// A server text in the client character set (UTF-16 environments convert it).
bool client_text(const OCIEnv *env, OCIError *errhp, std::string_view utf8, std::string *out) noexcept {
    return text_from_utf8(env, errhp, utf8.data(), utf8.size(), out);
}

// The bytes of an object name: its length, or up to a terminator within it.
std::size_t name_length(const OCIEnv *env, const void *name, ub4 len) {
    if (!env->isUtf16) return strnlen(static_cast<const char *>(name), len);
    const auto *bytes = static_cast<const unsigned char *>(name);
    std::size_t n = 0;
    while (n + 1 < len && (bytes[n] || bytes[n + 1])) n += 2;
    return n;
}

// The longest value of column in the rows of r, as long as its text form; none without
// rows. Bytes in binary form count as their hex text: a prefix and two digits a byte.
std::optional<ub4> longest_value(const PGresult *r, int column) {
    const int rows = PQntuples(r);
    if (rows == 0) return std::nullopt;
    const bool hex = PQfformat(r, column) == 1 && PQftype(r, column) == PG_BYTEA;
    ub4 longest = 0;
    for (int i = 0; i < rows; ++i) {
        if (PQgetisnull(r, i, column)) continue;
        const ub4 n = static_cast<ub4>(PQgetlength(r, i, column));
        longest = std::max(longest, hex ? 2 * n + 2 : n);
    }
    return longest;
}

// The connection the statement's result came from.
PGconn *result_connection(const OCIStmt *stmt) {
    if (stmt->cursor && is_kind(stmt->cursor->server, HANDLE_OCIServer) && stmt->cursor->server->conn)
        return stmt->cursor->server->conn;
    if (OCIServer *server = server_of(stmt->svcctx)) return server->conn;
    return is_kind(stmt->pgPreparedServer, HANDLE_OCIServer) ? stmt->pgPreparedServer->conn : nullptr;
}

// One column of a described table.
bool Build_OCIColumnParamHandle(const OCIEnv *env, OCIError *errhp, const pqx::TableColumn &col, ColumnRecord *c) {
    const bool vendor = env && env->vendorMode;
    if (vendor) {
        set_vendor_column(c, col.type, col.typmod, true);
    } else {
        c->dataType = MapPostgresDataTypeToOracleDataType(col.type);
        set_column_sizes(c, col.type, col.typmod, std::nullopt);
    }
    c->nullable = col.notNull ? 0 : 1;
    return client_text(env, errhp, vendor ? vendor_column_name(col.name) : std::string(col.name), &c->name) && client_text(env, errhp, col.typeName, &c->typeName) &&
           client_text(env, errhp, col.typeSchema, &c->schemaName);
}

sword param_from_statement(OCIEnv *env, OCIStmt *stmt, OCIError *errhp, void **parmdpp, ub4 pos) noexcept {
    if (pos == 0) return AddErrorRecord(errhp, OCI_ERROR, kErrNoDescriptor), OCI_ERROR;
    if (!stmt->result) return AddErrorRecord(errhp, OCI_ERROR, kErrUnexecuted), OCI_ERROR;
    if (pos > static_cast<ub4>(PQnfields(stmt->result)) || stmt->stmtType != OCI_STMT_SELECT)
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoDescriptor), OCI_ERROR;
    DescribeRecord *record = Alloc_OCIColumnParamHandle(env, stmt, static_cast<int>(pos - 1), errhp);
    if (!record) return OCI_ERROR;  // the reason is recorded
    try {
        if (!stmt->describeTexts) stmt->describeTexts = std::make_shared<TextPool>();
    } catch (...) {
        delete record;
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
    OCIParam *param = new_param(env, record, stmt->describeTexts);
    if (!param) return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    *parmdpp = param;
    return OCI_SUCCESS;
}

sword param_from_list(OCIParam *list, OCIError *errhp, void **parmdpp, ub4 pos) noexcept {
    const auto &columns = std::get<ListRecord>(list->record->item).columns;
    if (pos == 0 || pos > columns.size()) return AddErrorRecord(errhp, OCI_ERROR, kErrNoDescriptor), OCI_ERROR;
    DescribeRecord *record = new_describe_record(columns[pos - 1]);
    OCIParam *param = record ? new_param(env_of(list), record, list->texts) : nullptr;
    if (!param) return AddErrorRecord(errhp, OCI_ERROR, kErrAllocation), OCI_ERROR;
    *parmdpp = param;
    return OCI_SUCCESS;
}

}  // namespace

OCIParam *new_param(OCIEnv *env, DescribeRecord *record, std::shared_ptr<TextPool> texts) noexcept {
    OCIParam *param = env ? Alloc_OCIParam() : nullptr;
    bool linked = false;
    if (param) {
        auto lock = lock_children(env);
        linked = env->children.append(param);
    }
    if (!linked) {
        Free_OCIParam(param);
        delete record;
        return nullptr;
    }
    param->hdr.parenth = env;
    param->record = record;
    param->texts = std::move(texts);
    return param;
}

DescribeRecord *Alloc_OCIColumnParamHandle(OCIEnv *env, OCIStmt *stmt, int column, OCIError *errhp) noexcept {
    try {
        const PGresult *r = stmt->result;
        const Oid type = PQftype(r, column);
        ColumnRecord c;
        const bool vendor = env && env->vendorMode;
        if (vendor) {
            set_vendor_column(&c, type, PQfmod(r, column), PQftable(r, column) != InvalidOid);
        } else {
            c.dataType = DescribeDataType(env, type);
            set_column_sizes(&c, type, PQfmod(r, column), longest_value(r, column));
        }
        c.widePrecision = 1;
        pqx::ColumnFacts facts;
        pqx::column_facts(result_connection(stmt), r, column, &facts);
        c.nullable = facts.notNull ? 0 : 1;
        const char *name = PQfname(r, column);
        if (!client_text(env, errhp, vendor ? vendor_column_name(name) : std::string(name), &c.name) ||
            !client_text(env, errhp, facts.typeName, &c.typeName) ||
            !client_text(env, errhp, facts.typeSchema, &c.schemaName))
            return nullptr;
        if (DescribeRecord *record = new_describe_record(std::move(c))) return record;
    } catch (...) {
    }
    AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
    return nullptr;
}

sword Build_OCITableParamHandle(OCIEnv *env, OCIError *errhp, OCIServer *server, const void *name, ub4 len,
                                OCIDescribe *describe) noexcept {
    try {
        std::string text;
        if (!text_to_utf8(env, errhp, name, name_length(env, name, len), &text)) return OCI_ERROR;
        pqx::TableName parsed;
        pqx::TableFacts facts;
        pqx::Lookup found = pqx::Lookup::Missing;
        PGresult *failure = nullptr;
        if (parse_object_name(text, &parsed)) found = pqx::find_table(server->conn, errhp, parsed, &facts, &failure);
        ocitrace(TRACE_SQL, "OCIDescribeAny", "table %s: %s\n", text.c_str(),
                 found == pqx::Lookup::Found ? "found" : found == pqx::Lookup::Missing ? "not found" : "lookup failed");
        if (found == pqx::Lookup::Failed) {
            // The server's own answer follows, when there is one.
            AddErrorRecord(errhp, OCI_ERROR, kErrAllocation);
            if (failure) AddPGErrorRecord(errhp, OCI_ERROR, failure);
            PQclear(failure);
            return OCI_ERROR;
        }
        if (found == pqx::Lookup::Missing) {
            AddErrorRecordStringX(errhp, OCI_ERROR, kErrObjectMissing, 1, text.c_str());
            return OCI_ERROR;
        }
        TableRecord table;
        table.oid = facts.oid;
        table.tablespace = facts.tablespace;
        table.temporary = facts.temporary ? 1 : 0;
        table.typed = facts.relkind == 'c' ? 1 : 0;
        table.columns.resize(facts.columns.size());
        for (std::size_t i = 0; i < facts.columns.size(); ++i)
            if (!Build_OCIColumnParamHandle(env, errhp, facts.columns[i], &table.columns[i])) return OCI_ERROR;
        if (!describe->texts) describe->texts = std::make_shared<TextPool>();
        describe->table = new_describe_record(std::move(table));
        if (!describe->table) return AddErrorRecord(errhp, OCI_ERROR, kErrAllocation), OCI_ERROR;
        return OCI_SUCCESS;
    } catch (...) {
        return AddErrorRecord(errhp, OCI_ERROR, kErrAllocation), OCI_ERROR;
    }
}

}  // namespace vsk

using namespace vsk;

extern "C" {

VSK_EXPORT sword OCIParamGet(const void *hndlp, ub4 htype, OCIError *errhp, void **parmdpp, ub4 pos) {
    if (!is_kind(errhp, HANDLE_OCIError) || !hndlp || !parmdpp) return OCI_INVALID_HANDLE;
    void *handle = const_cast<void *>(hndlp);
    _ClearErrorHandle(errhp);
    if (htype == OCI_HTYPE_ERROR) {
        // A row that failed in an array DML run with OCI_BATCH_ERRORS: *parmdpp is the
        // application's error handle to fill with it.
        auto *source = static_cast<OCIError *>(handle);
        if (!is_kind(source, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
        auto work = [&] { return batch_error_param(source, errhp, parmdpp, pos); };
        return run_in_frame(env_of(source), OCI_FNCODE_PARAMGET, work, hndlp, htype, errhp, parmdpp, pos);
    }
    *parmdpp = nullptr;
    if (htype == OCI_HTYPE_STMT) {
        auto *stmt = static_cast<OCIStmt *>(handle);
        if (!is_kind(stmt, HANDLE_OCIStmt)) return OCI_INVALID_HANDLE;
        OCIEnv *env = env_of(stmt);
        if (!env) return OCI_INVALID_HANDLE;
        auto work = [&] { return param_from_statement(env, stmt, errhp, parmdpp, pos); };
        return run_in_frame(env, OCI_FNCODE_PARAMGET, work, hndlp, htype, errhp, parmdpp, pos);
    }
    if (htype == OCI_DTYPE_PARAM) {
        auto *list = static_cast<OCIParam *>(handle);
        if (!is_kind(list, HANDLE_OCIParam) || !list->record || list->record->kind() != DESCRIBE_LIST ||
            !env_of(list))
            return OCI_INVALID_HANDLE;
        auto work = [&] { return param_from_list(list, errhp, parmdpp, pos); };
        return run_in_frame(env_of(list), OCI_FNCODE_PARAMGET, work, hndlp, htype, errhp, parmdpp, pos);
    }
    return AddErrorRecord(errhp, OCI_ERROR, kErrHandleInvalid), OCI_ERROR;
}

VSK_EXPORT sword OCIDescribeAny(OCISvcCtx *svchp, OCIError *errhp, void *objptr, ub4 objnm_len, ub1 objptr_typ,
                                ub1 info_level, ub1 objtyp, OCIDescribe *dschp) {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError) ||
        !is_kind(dschp, HANDLE_OCIDescribe))
        return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    if (objptr_typ == OCI_OTYPE_REF || objptr_typ == OCI_OTYPE_PTR)
        return AddErrorRecord(errhp, OCI_ERROR, kErrUnsupported), OCI_ERROR;
    if (objptr_typ != OCI_OTYPE_NAME) return AddErrorRecord(errhp, OCI_ERROR, kErrObjectTypeIllegal), OCI_ERROR;
    if (!objptr || objnm_len == 0) return AddErrorRecord(errhp, OCI_ERROR, kErrMandatoryParameter), OCI_ERROR;
    if (info_level != 0 || objtyp >= kPtypeLimit) return OCI_INVALID_HANDLE;
    if (objtyp != OCI_PTYPE_TABLE) return AddErrorRecord(errhp, OCI_ERROR, kErrUnsupported), OCI_ERROR;
    OCIEnv *env = env_of(svchp);
    if (!env) return OCI_INVALID_HANDLE;
    CallDeadline deadline(svchp);
    CallFrame frame(env, OCI_FNCODE_DESCRIBEANY);
    frame.enter(svchp, errhp, objptr, objnm_len, objptr_typ, info_level, objtyp, dschp);
    OCIServer *server = server_of(svchp);
    sword rc;
    if (!connection_ok(server)) {
        AddErrorRecord(errhp, OCI_ERROR, kErrConnectionTerminated);
        rc = OCI_ERROR;
    } else {
        delete dschp->table;
        dschp->table = nullptr;
        rc = Build_OCITableParamHandle(env, errhp, server, objptr, objnm_len, dschp);
    }
    frame.set(rc);
    // Exit callbacks follow a table described, not a failure.
    if (rc != OCI_SUCCESS) return frame.status();
    return frame.leave(svchp, errhp, objptr, objnm_len, objptr_typ, info_level, objtyp, dschp);
}

}  // extern "C"
