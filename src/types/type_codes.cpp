#include "types/type_codes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "env/env.h"

namespace vsk {

namespace {

constexpr ub2 kKnownCodes[] = {
    SQLT_CHR, SQLT_NUM, SQLT_INT, SQLT_FLT, SQLT_STR, SQLT_VNU, SQLT_PDN, SQLT_LNG, SQLT_VCS,
    SQLT_NON, SQLT_RID, SQLT_DAT, SQLT_VBI, SQLT_BFLOAT, SQLT_BDOUBLE, SQLT_BIN, SQLT_LBI,
    SQLT_UIN, SQLT_SLS, SQLT_LVC, SQLT_LVB, SQLT_AFC, SQLT_AVC, SQLT_IBFLOAT, SQLT_IBDOUBLE,
    SQLT_CUR, SQLT_RDD, SQLT_LAB, SQLT_OSL, SQLT_NTY, SQLT_REF, SQLT_CLOB, SQLT_BLOB,
    SQLT_BFILEE, SQLT_CFILEE, SQLT_RSET, SQLT_NCO, SQLT_VST, SQLT_ODT, SQLT_DATE, SQLT_TIME,
    SQLT_TIME_TZ, SQLT_TIMESTAMP, SQLT_TIMESTAMP_TZ, SQLT_INTERVAL_YM, SQLT_INTERVAL_DS,
    SQLT_TIMESTAMP_LTZ, SQLT_PNTY,
};
static_assert(std::size(kKnownCodes) == 48);

constexpr Oid kKnownOids[] = {
    PG_BOOL, PG_BYTEA, PG_CHAR, PG_NAME, PG_INT8, PG_INT2, PG_INT2VECTOR, PG_INT4, PG_REGPROC,
    PG_TEXT, PG_OID, PG_TID, PG_XID, PG_CID, PG_OIDVECTOR, PG_POINT, PG_LSEG, PG_PATH, PG_BOX,
    PG_POLYGON, PG_LINE, PG_CIDR, PG_FLOAT4, PG_FLOAT8, PG_ABSTIME, PG_RELTIME, PG_TINTERVAL,
    PG_UNKNOWN, PG_CIRCLE, PG_MONEY, PG_INET, PG_BPCHAR, PG_VARCHAR, PG_DATE, PG_TIME,
    PG_TIMESTAMP, PG_TIMESTAMPTZ, PG_INTERVAL, PG_TIMETZ, PG_BIT, PG_VARBIT, PG_NUMERIC,
    PG_REFCURSOR, PG_RAW, PG_RAW_ALT,
};

constexpr ub2 kBinaryCodes[] = {
    SQLT_INT, SQLT_FLT, SQLT_VNU, SQLT_PDN, SQLT_NON, SQLT_RID, SQLT_DAT, SQLT_VBI, SQLT_BFLOAT,
    SQLT_BDOUBLE, SQLT_BIN, SQLT_LBI, SQLT_UIN, SQLT_SLS, SQLT_LVB, SQLT_IBFLOAT, SQLT_IBDOUBLE,
    SQLT_CUR, SQLT_RDD, SQLT_LAB, SQLT_OSL, SQLT_NTY, SQLT_REF, SQLT_BLOB, SQLT_BFILEE,
    SQLT_RSET, SQLT_NCO, SQLT_ODT, SQLT_DATE, SQLT_TIME, SQLT_TIME_TZ, SQLT_TIMESTAMP,
    SQLT_TIMESTAMP_TZ, SQLT_INTERVAL_YM, SQLT_INTERVAL_DS, SQLT_TIMESTAMP_LTZ,
};

template <class T, std::size_t N>
bool contains(const T (&set)[N], T value) {
    return std::find(std::begin(set), std::end(set), value) != std::end(set);
}

// One row per server type: default, OTL and Rogue Wave describe codes.
struct DescribeRow {
    Oid oid;
    ub2 oracle, otl, rogueWave;
};

constexpr DescribeRow kDescribe[] = {
    {PG_BOOL, SQLT_INT, SQLT_NUM, SQLT_CHR},
    {PG_BYTEA, SQLT_BIN, SQLT_BIN, SQLT_CHR},
    {PG_CHAR, SQLT_CHR, SQLT_CHR, SQLT_CHR},
    {PG_INT8, SQLT_INT, SQLT_NUM, SQLT_CHR},
    {PG_INT2, SQLT_INT, SQLT_NUM, SQLT_CHR},
    {PG_INT4, SQLT_INT, SQLT_NUM, SQLT_CHR},
    {PG_TEXT, SQLT_STR, SQLT_CHR, SQLT_STR},
    {PG_POINT, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_LSEG, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_PATH, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_BOX, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_POLYGON, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_LINE, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_CIDR, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_FLOAT4, SQLT_FLT, SQLT_NUM, SQLT_CHR},
    {PG_FLOAT8, SQLT_FLT, SQLT_NUM, SQLT_CHR},
    {PG_ABSTIME, SQLT_ODT, SQLT_ODT, SQLT_ODT},
    {PG_UNKNOWN, SQLT_CHR, SQLT_CHR, SQLT_CHR},
    {PG_CIRCLE, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_MONEY, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_INET, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_BPCHAR, SQLT_AFC, SQLT_AFC, SQLT_CHR},
    {PG_VARCHAR, SQLT_CHR, SQLT_CHR, SQLT_CHR},
    {PG_DATE, SQLT_ODT, SQLT_ODT, SQLT_TIMESTAMP},
    {PG_TIME, SQLT_TIME, SQLT_TIME, SQLT_TIMESTAMP},
    {PG_TIMESTAMP, SQLT_TIMESTAMP, SQLT_TIMESTAMP, SQLT_TIMESTAMP},
    {PG_TIMESTAMPTZ, SQLT_TIMESTAMP_TZ, SQLT_TIMESTAMP_TZ, SQLT_TIMESTAMP},
    {PG_INTERVAL, SQLT_INTERVAL_YM, SQLT_INTERVAL_YM, SQLT_TIMESTAMP},
    {PG_TIMETZ, SQLT_TIME_TZ, SQLT_TIME_TZ, SQLT_TIMESTAMP},
    {PG_BIT, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_VARBIT, SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {PG_NUMERIC, SQLT_NUM, SQLT_NUM, SQLT_CHR},
    {PG_REFCURSOR, SQLT_CUR, SQLT_CUR, SQLT_CUR},
};

const DescribeRow *describe_row(Oid oid) {
    for (const DescribeRow &r : kDescribe)
        if (r.oid == oid) return &r;
    return nullptr;
}

char *copy_text(const char *s) {
    std::size_t n = std::strlen(s) + 1;
    char *p = static_cast<char *>(std::malloc(n));
    if (p) std::memcpy(p, s, n);
    return p;
}

}  // namespace

int IsValidOraDataType(std::uint32_t code) noexcept { return contains(kKnownCodes, sqlt_code(code)) ? 1 : 0; }
int IsValidOCIDataType(std::uint32_t code) noexcept { return IsValidOraDataType(code) ? 0 : -1; }
int IsValidPQDataType(Oid oid) noexcept { return contains(kKnownOids, oid) ? 0 : -1; }
int IsBinaryDataType(std::uint32_t code) noexcept { return contains(kBinaryCodes, sqlt_code(code)) ? 1 : 0; }

Oid OraDataType_To_PGType(std::uint32_t code, ub4 size) noexcept {
    switch (sqlt_code(code)) {
    case SQLT_CHR: case SQLT_STR: case SQLT_LNG: case SQLT_VCS: case SQLT_LVC: case SQLT_AFC:
    case SQLT_AVC: case SQLT_CLOB: case SQLT_VST:
        return PG_VARCHAR;
    case SQLT_NUM: case SQLT_VNU: case SQLT_PDN: case SQLT_IBFLOAT: case SQLT_IBDOUBLE:
        return PG_NUMERIC;
    case SQLT_INT: case SQLT_UIN:
        return size == 2 ? PG_INT2 : size == 8 ? PG_INT8 : PG_INT4;
    case SQLT_FLT: case SQLT_BDOUBLE:
        return PG_FLOAT8;
    case SQLT_BFLOAT:
        return PG_FLOAT4;
    case SQLT_DAT: case SQLT_ODT: case SQLT_DATE: case SQLT_TIMESTAMP:
        return PG_TIMESTAMP;
    case SQLT_VBI: case SQLT_BIN: case SQLT_LBI: case SQLT_LVB: case SQLT_BLOB: case SQLT_BFILEE:
    case SQLT_CFILEE:
        return PG_BYTEA;
    case SQLT_CUR: case SQLT_RSET:
        return PG_REFCURSOR;
    case SQLT_TIME:
        return PG_TIME;
    case SQLT_TIME_TZ:
        return PG_TIMETZ;
    case SQLT_TIMESTAMP_TZ: case SQLT_TIMESTAMP_LTZ:
        return PG_TIMESTAMPTZ;
    case SQLT_INTERVAL_YM: case SQLT_INTERVAL_DS:
        return PG_INTERVAL;
    default:
        return static_cast<Oid>(-1);
    }
}

Oid GetParamType(const PGresult *described, ub4 position, std::uint32_t code, ub4 size) noexcept {
    if (described && position > 0 && static_cast<int>(position) <= PQnparams(described)) {
        Oid oid = PQparamtype(described, static_cast<int>(position - 1));
        if (oid != 0) return oid;
    }
    return OraDataType_To_PGType(code, size);
}

ub2 MapPostgresDataTypeToOracleDataType(Oid oid) noexcept {
    const DescribeRow *r = describe_row(oid);
    return r ? r->oracle : 0;
}
ub2 MapPostgresDataTypeToOTLDataType(Oid oid) noexcept {
    const DescribeRow *r = describe_row(oid);
    return r ? r->otl : 0;
}
ub2 MapPostgresDataTypeToRogueWaveDataType(Oid oid) noexcept {
    const DescribeRow *r = describe_row(oid);
    return r ? r->rogueWave : 0;
}

ub2 DescribeDataType(const OCIEnv *env, Oid oid) noexcept {
    if (env && (env->otlMode || env->rogueWaveDblinkMode)) return MapPostgresDataTypeToOTLDataType(oid);
    if (env && env->rogueWaveMode) return MapPostgresDataTypeToRogueWaveDataType(oid);
    return MapPostgresDataTypeToOracleDataType(oid);
}

const char *pq_type_class(Oid oid) noexcept {
    switch (oid) {
    case PG_BOOL: case PG_CHAR: case PG_INT8: case PG_INT2: case PG_INT4: case PG_FLOAT4:
    case PG_FLOAT8: case PG_NUMERIC:
        return "NUMBER";
    case PG_TEXT: case PG_BPCHAR: case PG_VARCHAR:
        return "TEXT";
    case PG_BYTEA:
        return "BINARY";
    case PG_DATE:
        return "DATE";
    case PG_TIME: case PG_TIMESTAMP: case PG_TIMESTAMPTZ: case PG_INTERVAL: case PG_TIMETZ:
        return "TIMESTAMP";
    default:
        return "";
    }
}

const char *oci_type_class(std::uint32_t code) noexcept {
    switch (sqlt_code(code)) {
    case SQLT_NUM: case SQLT_INT: case SQLT_FLT: case SQLT_VNU: case SQLT_PDN: case SQLT_BFLOAT:
    case SQLT_BDOUBLE: case SQLT_UIN:
        return "NUMBER";
    case SQLT_CHR: case SQLT_STR: case SQLT_LNG: case SQLT_VCS: case SQLT_LVC: case SQLT_AFC:
    case SQLT_AVC: case SQLT_VST:
        return "TEXT";
    case SQLT_VBI: case SQLT_BIN: case SQLT_LBI: case SQLT_LVB: case SQLT_IBFLOAT: case SQLT_IBDOUBLE:
        return "BINARY";
    case SQLT_DAT: case SQLT_ODT: case SQLT_DATE:
        return "DATE";
    case SQLT_TIME: case SQLT_TIME_TZ: case SQLT_TIMESTAMP: case SQLT_TIMESTAMP_TZ:
    case SQLT_INTERVAL_YM: case SQLT_INTERVAL_DS: case SQLT_TIMESTAMP_LTZ:
        return "TIMESTAMP";
    default:
        return "";
    }
}

char *GetPQDatatypeName(Oid oid) noexcept { return copy_text(pq_type_class(oid)); }
char *GetOCIDatatypeName(std::uint32_t code) noexcept { return copy_text(oci_type_class(code)); }

std::size_t getOracleDataTypeSize(std::uint32_t code, std::size_t n, bool utf16) noexcept {
    const std::size_t chars = utf16 ? 4 * n : n;
    switch (sqlt_code(code)) {
    case SQLT_CHR: case SQLT_LNG: case SQLT_BIN: case SQLT_LBI:
        return chars;
    case SQLT_STR:
        return chars + 1;
    case SQLT_VCS:
        return chars + 2;
    default:
        return 0;
    }
}

}  // namespace vsk
