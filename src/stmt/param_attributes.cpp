// Attributes of parameter descriptors (columns, tables, lists) and of describe handles.
#include <memory>
#include <string>
#include <utility>
#include <variant>

#include "env/attributes.h"
#include "env/env.h"
#include "nls/env_text.h"
#include "stmt/describe.h"

namespace vsk {

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrUnsupported = 3001;
constexpr ub4 kErrInitMode = 21301;
constexpr ub4 kErrAllocation = 24319;

bool object_mode(const OCIEnv *env) { return env && (env->mode & ENV_OBJECT); }

// A text attribute: a pointer to the pooled text, and its length without terminator.
sword put_text(OCIParam *param, OCIError *errhp, const std::string &text, void *attributep, ub4 *sizep) {
    const OCIEnv *env = env_of(param);
    // The terminator as the client character set writes it (UTF-16: two bytes).
    std::size_t terminator = 1;
    if (env && env->isUtf16) {
        std::string converted;
        if (!text_from_utf8(env, errhp, "", 1, &converted)) return OCI_ERROR;
        terminator = converted.size();
    }
    const char *pooled = nullptr;
    try {
        if (!param->texts) param->texts = std::make_shared<TextPool>();
        pooled = param->texts->intern(text, terminator);
    } catch (...) {
    }
    if (!pooled) return refuse_attr(errhp, kErrNoMemory);
    *static_cast<const char **>(attributep) = pooled;
    if (sizep) *sizep = static_cast<ub4>(text.size());
    return OCI_SUCCESS;
}

// A new descriptor holding a copy of value, written to *attributep.
template <class T>
sword put_copy(OCIParam *param, OCIError *errhp, T value, void *attributep) {
    DescribeRecord *record = new_describe_record(std::move(value));
    OCIParam *copy = record ? new_param(env_of(param), record, param->texts) : nullptr;
    if (!copy) return refuse_attr(errhp, kErrAllocation);
    *static_cast<OCIParam **>(attributep) = copy;
    return OCI_SUCCESS;
}

sword get_column(OCIParam *param, const ColumnRecord &c, void *attributep, ub4 *sizep, ub4 attrtype,
                 OCIError *errhp) {
    switch (attrtype) {
    case OCI_ATTR_DATA_SIZE:  // a ub2: larger sizes read as the largest it holds
        put_attr<ub2>(attributep, sizep, static_cast<ub2>(c.dataSize > UB2MAXVAL ? UB2MAXVAL : c.dataSize));
        return OCI_SUCCESS;
    case OCI_ATTR_DATA_TYPE:
        put_attr<ub2>(attributep, sizep, c.dataType);
        return OCI_SUCCESS;
    case OCI_ATTR_NAME:
        return put_text(param, errhp, c.name, attributep, sizep);
    case OCI_ATTR_PRECISION:
        if (c.widePrecision)
            put_attr<sb2>(attributep, sizep, static_cast<sb2>(c.precision));
        else
            put_attr<ub1>(attributep, sizep, static_cast<ub1>(c.precision > UB1MAXVAL ? UB1MAXVAL : c.precision));
        return OCI_SUCCESS;
    case OCI_ATTR_SCALE:
        put_attr<sb1>(attributep, sizep, static_cast<sb1>(c.scale));
        return OCI_SUCCESS;
    case OCI_ATTR_IS_NULL:
        put_attr<ub1>(attributep, sizep, c.nullable);
        return OCI_SUCCESS;
    case OCI_ATTR_TYPE_NAME:
        return put_text(param, errhp, c.typeName, attributep, sizep);
    case OCI_ATTR_SCHEMA_NAME:
        return put_text(param, errhp, c.schemaName, attributep, sizep);
    case OCI_ATTR_CHARSET_ID:
        put_attr<ub2>(attributep, sizep, 0);
        return OCI_SUCCESS;
    case OCI_ATTR_CHARSET_FORM:
        put_attr<ub1>(attributep, sizep, 0);
        return OCI_SUCCESS;
    case OCI_ATTR_REF_TDO:
        return object_mode(env_of(param)) ? OCI_SUCCESS : refuse_attr(errhp, kErrInitMode);
    case OCI_ATTR_CHAR_USED:
        put_attr<ub1>(attributep, sizep, c.binary);
        return OCI_SUCCESS;
    case OCI_ATTR_CHAR_SIZE:
        put_attr<ub2>(attributep, sizep, c.charSize);
        return OCI_SUCCESS;
    case OCI_ATTR_JSON_COL:  // no column holds the vendor's JSON
        put_attr<ub1>(attributep, sizep, 0);
        return OCI_SUCCESS;
    default:
        return refuse_attr(errhp, kErrAttrValueInvalid);
    }
}

sword get_table(OCIParam *param, const TableRecord &t, void *attributep, ub4 *sizep, ub4 attrtype,
                OCIError *errhp) {
    switch (attrtype) {
    case OCI_ATTR_NUM_COLS:
        put_attr<ub2>(attributep, sizep, static_cast<ub2>(t.columns.size()));
        return OCI_SUCCESS;
    case OCI_ATTR_LIST_COLUMNS:
        return put_copy(param, errhp, ListRecord{t.columns}, attributep);
    case OCI_ATTR_RDBA:
        put_attr<ub4>(attributep, sizep, 0);
        return OCI_SUCCESS;
    case OCI_ATTR_CLUSTERED:
    case OCI_ATTR_PARTITIONED:
    case OCI_ATTR_INDEX_ONLY:
        put_attr<ub1>(attributep, sizep, 0);
        return OCI_SUCCESS;
    case OCI_ATTR_REF_TDO:
        if (!object_mode(env_of(param))) return refuse_attr(errhp, kErrInitMode);
        *static_cast<void **>(attributep) = nullptr;
        return OCI_SUCCESS;
    case OCI_ATTR_OBJID:
        put_attr<ub4>(attributep, sizep, t.oid);
        return OCI_SUCCESS;
    case OCI_ATTR_TABLESPACE:  // a word: 32 bits, as an OID is
        put_attr<sb4>(attributep, sizep, static_cast<sb4>(t.tablespace));
        return OCI_SUCCESS;
    case OCI_ATTR_IS_TEMPORARY:
        put_attr<ub1>(attributep, sizep, t.temporary);
        return OCI_SUCCESS;
    case OCI_ATTR_IS_TYPED:
        put_attr<ub1>(attributep, sizep, t.typed);
        return OCI_SUCCESS;
    case OCI_ATTR_DURATION:
        put_attr<ub2>(attributep, sizep, 0);
        return OCI_SUCCESS;
    default:
        return refuse_attr(errhp, kErrAttrValueInvalid);
    }
}

sword get_list(const ListRecord &l, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) {
    switch (attrtype) {
    case OCI_ATTR_NUM_PARAMS:
        put_attr<ub2>(attributep, sizep, static_cast<ub2>(l.columns.size()));
        return OCI_SUCCESS;
    case OCI_ATTR_LTYPE:
        put_attr<ub1>(attributep, sizep, OCI_LTYPE_COLUMN);
        return OCI_SUCCESS;
    default:
        return refuse_attr(errhp, kErrAttrValueInvalid);
    }
}

}  // namespace

sword Get_OCIParam(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    auto *param = static_cast<OCIParam *>(h);
    if (!is_kind(param, HANDLE_OCIParam) || !param->record || !is_kind(errhp, HANDLE_OCIError) || !attributep)
        return OCI_INVALID_HANDLE;
    try {
        const DescribeRecord &r = *param->record;
        if (const auto *c = std::get_if<ColumnRecord>(&r.item)) return get_column(param, *c, attributep, sizep, attrtype, errhp);
        if (const auto *t = std::get_if<TableRecord>(&r.item)) return get_table(param, *t, attributep, sizep, attrtype, errhp);
        return get_list(std::get<ListRecord>(r.item), attributep, sizep, attrtype, errhp);
    } catch (...) {
        return refuse_attr(errhp, kErrAllocation);
    }
}

sword Get_OCIDescribe(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    // Programs read the descriptors a describe produced under the describe handle's type too.
    if (is_kind(h, HANDLE_OCIParam)) return Get_OCIParam(h, attributep, sizep, attrtype, errhp);
    auto *describe = static_cast<OCIDescribe *>(h);
    if (!is_kind(describe, HANDLE_OCIDescribe) || !is_kind(errhp, HANDLE_OCIError) || !attributep)
        return OCI_INVALID_HANDLE;
    switch (attrtype) {
    case OCI_ATTR_PARAM: {
        DescribeRecord *record = describe->table ? new_describe_record(*describe->table) : nullptr;
        OCIParam *param = record ? new_param(env_of(describe), record, describe->texts) : nullptr;
        if (!param) return refuse_attr(errhp, kErrAllocation);
        *static_cast<OCIParam **>(attributep) = param;
        return OCI_SUCCESS;
    }
    case OCI_ATTR_PARAM_COUNT:
        return refuse_attr(errhp, kErrUnsupported);
    default:
        return refuse_attr(errhp, kErrAttrInvalid);
    }
}

}  // namespace vsk
