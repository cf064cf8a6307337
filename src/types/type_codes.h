// The two type vocabularies: OCI external types (SQLT_ codes) and server type OIDs,
// and the mappings between them that binds, defines and describe use.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include <cstddef>
#include <cstdint>

struct OCIEnv;

namespace vsk {

// Server type OIDs the library knows by number.
enum PgType : Oid {
    PG_BOOL = 16, PG_BYTEA = 17, PG_CHAR = 18, PG_NAME = 19, PG_INT8 = 20, PG_INT2 = 21,
    PG_INT2VECTOR = 22, PG_INT4 = 23, PG_REGPROC = 24, PG_TEXT = 25, PG_OID = 26, PG_TID = 27,
    PG_XID = 28, PG_CID = 29, PG_OIDVECTOR = 30, PG_POINT = 600, PG_LSEG = 601, PG_PATH = 602,
    PG_BOX = 603, PG_POLYGON = 604, PG_LINE = 628, PG_CIDR = 650, PG_FLOAT4 = 700,
    PG_FLOAT8 = 701, PG_ABSTIME = 702, PG_RELTIME = 703, PG_TINTERVAL = 704, PG_UNKNOWN = 705,
    PG_CIRCLE = 718, PG_MONEY = 790, PG_INET = 869, PG_BPCHAR = 1042, PG_VARCHAR = 1043,
    PG_DATE = 1082, PG_TIME = 1083, PG_TIMESTAMP = 1114, PG_TIMESTAMPTZ = 1184,
    PG_INTERVAL = 1186, PG_TIMETZ = 1266, PG_BIT = 1560, PG_VARBIT = 1562, PG_NUMERIC = 1700,
    PG_REFCURSOR = 1790, PG_RAW = 12487, PG_RAW_ALT = 12501, PG_RAW_ALT2 = 12502,
};

// Only the low 16 bits of an external code count.
constexpr ub2 sqlt_code(std::uint32_t code) noexcept { return static_cast<ub2>(code & 0xFFFF); }

// 1 when bind and define accept the code, else 0.
int IsValidOraDataType(std::uint32_t code) noexcept;
// The same set: 0 when known, -1 when not.
int IsValidOCIDataType(std::uint32_t code) noexcept;
// 0 for the known server OIDs, -1 for others.
int IsValidPQDataType(Oid oid) noexcept;
// 1 for codes whose values are not character data.
int IsBinaryDataType(std::uint32_t code) noexcept;

// The server type a bind of that external type and element size is declared with;
// (Oid)-1 when none.
Oid OraDataType_To_PGType(std::uint32_t code, ub4 size) noexcept;
// The type of bind parameter position (1-based): the server's own description when
// described says one, else the declared type of the external code.
Oid GetParamType(const PGresult *described, ub4 position, std::uint32_t code, ub4 size) noexcept;

// The SQLT_ code describe reports for a column; 0 where unmapped.
ub2 MapPostgresDataTypeToOracleDataType(Oid oid) noexcept;
ub2 MapPostgresDataTypeToOTLDataType(Oid oid) noexcept;
ub2 MapPostgresDataTypeToRogueWaveDataType(Oid oid) noexcept;
// The mapping the environment's switches select.
ub2 DescribeDataType(const OCIEnv *env, Oid oid) noexcept;

// Type-class names for the two places of error 932 ("" for unclassed types); static texts.
const char *pq_type_class(Oid oid) noexcept;
const char *oci_type_class(std::uint32_t code) noexcept;
// The same as newly allocated copies (free()); null when memory is exhausted.
char *GetPQDatatypeName(Oid oid) noexcept;
char *GetOCIDatatypeName(std::uint32_t code) noexcept;

// Bytes of the buffer that receives a server value of n bytes for a piecewise or callback define.
std::size_t getOracleDataTypeSize(std::uint32_t code, std::size_t n, bool utf16) noexcept;

}  // namespace vsk
