// Names written into trace lines.
#include "env/trace.h"

#include <algorithm>
#include <iterator>

namespace vsk {

namespace {

struct NamedCode {
    ub4 code;
    const char *name;
};

template <std::size_t N>
const char *find_name(const NamedCode (&rows)[N], ub4 code) noexcept {
    auto it = std::lower_bound(std::begin(rows), std::end(rows), code,
                               [](const NamedCode &r, ub4 c) { return r.code < c; });
    return it != std::end(rows) && it->code == code ? it->name : nullptr;
}

constexpr NamedCode kFunctionCodes[] = {
    {1, "OCI_FNCODE_INITIALIZE"},
    {2, "OCI_FNCODE_HANDLEALLOC"},
    {3, "OCI_FNCODE_HANDLEFREE"},
    {4, "OCI_FNCODE_DESCRIPTORALLOC"},
    {5, "OCI_FNCODE_DESCRIPTORFREE"},
    {6, "OCI_FNCODE_ENVINIT"},
    {7, "OCI_FNCODE_SERVERATTACH"},
    {8, "OCI_FNCODE_SERVERDETACH"},
    {10, "OCI_FNCODE_SESSIONBEGIN"},
    {11, "OCI_FNCODE_SESSIONEND"},
    {12, "OCI_FNCODE_PASSWORDCHANGE"},
    {13, "OCI_FNCODE_STMTPREPARE"},
    {17, "OCI_FNCODE_BINDDYNAMIC"},
    {18, "OCI_FNCODE_BINDOBJECT"},
    {20, "OCI_FNCODE_BINDARRAYOFSTRUCT"},
    {21, "OCI_FNCODE_STMTEXECUTE"},
    {25, "OCI_FNCODE_DEFINEOBJECT"},
    {26, "OCI_FNCODE_DEFINEDYNAMIC"},
    {27, "OCI_FNCODE_DEFINEARRAYOFSTRUCT"},
    {28, "OCI_FNCODE_STMTFETCH"},
    {29, "OCI_FNCODE_STMTGETBIND"},
    {32, "OCI_FNCODE_DESCRIBEANY"},
    {33, "OCI_FNCODE_TRANSSTART"},
    {34, "OCI_FNCODE_TRANSDETACH"},
    {35, "OCI_FNCODE_TRANSCOMMIT"},
    {37, "OCI_FNCODE_ERRORGET"},
    {38, "OCI_FNCODE_LOBOPENFILE"},
    {39, "OCI_FNCODE_LOBCLOSEFILE"},
    {42, "OCI_FNCODE_LOBCOPY"},
    {43, "OCI_FNCODE_LOBAPPEND"},
    {44, "OCI_FNCODE_LOBERASE"},
    {45, "OCI_FNCODE_LOBLENGTH"},
    {46, "OCI_FNCODE_LOBTRIM"},
    {47, "OCI_FNCODE_LOBREAD"},
    {48, "OCI_FNCODE_LOBWRITE"},
    {50, "OCI_FNCODE_SVCCTXBREAK"},
    {51, "OCI_FNCODE_SERVERVERSION"},
    {52, "OCI_FNCODE_KERBATTRSET"},
    {54, "OCI_FNCODE_ATTRGET"},
    {55, "OCI_FNCODE_ATTRSET"},
    {56, "OCI_FNCODE_PARAMSET"},
    {57, "OCI_FNCODE_PARAMGET"},
    {58, "OCI_FNCODE_STMTGETPIECEINFO"},
    {59, "OCI_FNCODE_LDATOSVCCTX"},
    {61, "OCI_FNCODE_STMTSETPIECEINFO"},
    {62, "OCI_FNCODE_TRANSFORGET"},
    {63, "OCI_FNCODE_TRANSPREPARE"},
    {64, "OCI_FNCODE_TRANSROLLBACK"},
    {65, "OCI_FNCODE_DEFINEBYPOS"},
    {66, "OCI_FNCODE_BINDBYPOS"},
    {67, "OCI_FNCODE_BINDBYNAME"},
    {68, "OCI_FNCODE_LOBASSIGN"},
    {69, "OCI_FNCODE_LOBISEQUAL"},
    {70, "OCI_FNCODE_LOBISINIT"},
    {71, "OCI_FNCODE_LOBENABLEBUFFERING"},
    {72, "OCI_FNCODE_LOBCHARSETID"},
    {73, "OCI_FNCODE_LOBCHARSETFORM"},
    {74, "OCI_FNCODE_LOBFILESETNAME"},
    {75, "OCI_FNCODE_LOBFILEGETNAME"},
    {76, "OCI_FNCODE_LOGON"},
    {77, "OCI_FNCODE_LOGOFF"},
    {78, "OCI_FNCODE_LOBDISABLEBUFFERING"},
    {79, "OCI_FNCODE_LOBFLUSHBUFFER"},
    {80, "OCI_FNCODE_LOBLOADFROMFILE"},
    {81, "OCI_FNCODE_LOBOPEN"},
    {82, "OCI_FNCODE_LOBCLOSE"},
    {83, "OCI_FNCODE_LOBISOPEN"},
    {84, "OCI_FNCODE_LOBFILEISOPEN"},
    {85, "OCI_FNCODE_LOBFILEEXISTS"},
    {86, "OCI_FNCODE_LOBFILECLOSEALL"},
    {87, "OCI_FNCODE_LOBCREATETEMP"},
    {88, "OCI_FNCODE_LOBFREETEMP"},
    {89, "OCI_FNCODE_LOBISTEMP"},
    {90, "OCI_FNCODE_AQENQ"},
    {91, "OCI_FNCODE_AQDEQ"},
    {92, "OCI_FNCODE_RESET"},
    {93, "OCI_FNCODE_SVCCTXTOLDA"},
    {94, "OCI_FNCODE_LOBLOCATORASSIGN"},
    {95, "OCI_FNCODE_UBINDBYNAME"},
    {96, "OCI_FNCODE_AQLISTEN"},
    {97, "OCI_FNCODE_SVC2HST"},
    {98, "OCI_FNCODE_SVCRH"},
    {99, "OCI_FNCODE_TRANSMULTIPREPARE"},
    {100, "OCI_FNCODE_CPOOLCREATE"},
    {101, "OCI_FNCODE_CPOOLDESTROY"},
    {102, "OCI_FNCODE_LOGON2"},
    {103, "OCI_FNCODE_ROWIDTOCHAR"},
    {104, "OCI_FNCODE_SPOOLCREATE"},
    {105, "OCI_FNCODE_SPOOLDESTROY"},
    {106, "OCI_FNCODE_SESSIONGET"},
    {107, "OCI_FNCODE_SESSIONRELEASE"},
    {108, "OCI_FNCODE_STMTPREPARE2"},
    {109, "OCI_FNCODE_STMTRELEASE"},
    {110, "OCI_FNCODE_AQENQARRAY"},
    {111, "OCI_FNCODE_AQDEQARRAY"},
    {112, "OCI_FNCODE_LOBCOPY2"},
    {113, "OCI_FNCODE_LOBERASE2"},
    {114, "OCI_FNCODE_LOBLENGTH2"},
    {115, "OCI_FNCODE_LOBLOADFROMFILE2"},
    {116, "OCI_FNCODE_LOBREAD2"},
    {117, "OCI_FNCODE_LOBTRIM2"},
    {118, "OCI_FNCODE_LOBWRITE2"},
    {119, "OCI_FNCODE_LOBGETSTORAGELIMIT"},
    {120, "OCI_FNCODE_DBSTARTUP"},
    {121, "OCI_FNCODE_DBSHUTDOWN"},
    {122, "OCI_FNCODE_LOBARRAYREAD"},
    {123, "OCI_FNCODE_LOBARRAYWRITE"},
};

constexpr NamedCode kTypeCodes[] = {
    {0, "OCI_TYPECODE_NONE"},
    {1, "OCI_TYPECODE_VARCHAR"},
    {2, "OCI_TYPECODE_NUMBER"},
    {3, "OCI_TYPECODE_INTEGER"},
    {4, "OCI_TYPECODE_FLOAT"},
    {7, "OCI_TYPECODE_DECIMAL"},
    {9, "OCI_TYPECODE_VARCHAR2"},
    {12, "OCI_TYPECODE_DATE"},
    {21, "OCI_TYPECODE_REAL"},
    {22, "OCI_TYPECODE_DOUBLE"},
    {23, "OCI_TYPECODE_UNSIGNED8"},
    {25, "OCI_TYPECODE_UNSIGNED16"},
    {26, "OCI_TYPECODE_UNSIGNED32"},
    {27, "OCI_TYPECODE_SIGNED8"},
    {28, "OCI_TYPECODE_SIGNED16"},
    {29, "OCI_TYPECODE_SIGNED32"},
    {32, "OCI_TYPECODE_PTR"},
    {58, "OCI_TYPECODE_OPAQUE"},
    {95, "OCI_TYPECODE_RAW"},
    {96, "OCI_TYPECODE_CHAR"},
    {100, "OCI_TYPECODE_BFLOAT"},
    {101, "OCI_TYPECODE_BDOUBLE"},
    {104, "OCI_TYPECODE_UROWID"},
    {105, "OCI_TYPECODE_MLSLABEL"},
    {108, "OCI_TYPECODE_OBJECT"},
    {110, "OCI_TYPECODE_REF"},
    {112, "OCI_TYPECODE_CLOB"},
    {113, "OCI_TYPECODE_BLOB"},
    {114, "OCI_TYPECODE_BFILE"},
    {115, "OCI_TYPECODE_CFILE"},
    {122, "OCI_TYPECODE_NAMEDCOLLECTION"},
    {185, "OCI_TYPECODE_TIME"},
    {186, "OCI_TYPECODE_TIME_TZ"},
    {187, "OCI_TYPECODE_TIMESTAMP"},
    {188, "OCI_TYPECODE_TIMESTAMP_TZ"},
    {189, "OCI_TYPECODE_INTERVAL_YM"},
    {190, "OCI_TYPECODE_INTERVAL_DS"},
    {228, "OCI_TYPECODE_OTM/SYSFIRST"},
    {232, "OCI_TYPECODE_TIMESTAMP_LTZ"},
    {235, "OCI_TYPECODE_SYSLAST"},
    {245, "OCI_TYPECODE_OCTET"},
    {246, "OCI_TYPECODE_SMALLINT"},
    {247, "OCI_TYPECODE_VARRAY"},
    {248, "OCI_TYPECODE_TABLE"},
    {266, "OCI_TYPECODE_PLS_INTEGER"},
    {286, "OCI_TYPECODE_NCHAR"},
    {287, "OCI_TYPECODE_NVARCHAR2"},
    {288, "OCI_TYPECODE_NCLOB"},
    {320, "OCI_TYPECODE_OTM/SYSLAST"},
};

constexpr NamedCode kDescribeAttributes[] = {
    {1, "DATA_SIZE"},
    {2, "DATA_TYPE"},
    {3, "DISP_SIZE"},
    {4, "NAME"},
    {5, "PRECISION"},
    {6, "SCALE"},
    {7, "IS_NULL"},
    {8, "TYPE_NAME"},
    {9, "SCHEMA_NAME"},
    {10, "SUB_NAME"},
    {11, "POSITION"},
    {101, "UNK"},
    {102, "NUM_COLS"},
    {103, "LIST_COLUMNS"},
    {104, "RDBA"},
    {105, "CLUSTERED"},
    {106, "PARTITIONED"},
    {107, "INDEX_ONLY"},
    {108, "LIST_ARGUMENTS"},
    {109, "LIST_SUBPROGRAMS"},
    {110, "REF_TDO"},
    {111, "LINK"},
    {112, "MIN"},
    {113, "MAX"},
    {114, "INCR"},
    {115, "CACHE"},
    {116, "ORDER"},
    {117, "HW_MARK"},
    {118, "TYPE_SCHEMA"},
    {119, "TIMESTAMP"},
    {120, "NUM_ATTRS"},
    {121, "NUM_PARAMS"},
    {122, "OBJID"},
    {123, "PTYPE"},
    {124, "PARAM"},
    {125, "OVERLOAD_ID"},
    {126, "TABLESPACE"},
    {127, "TDO"},
    {128, "LTYPE"},
    {129, "PARSE_ERROR_OFFSET"},
    {130, "IS_TEMPORARY"},
    {131, "IS_TYPED"},
    {132, "DURATION"},
    {133, "IS_INVOKER_RIGHTS"},
    {134, "OBJ_NAME"},
    {135, "OBJ_SCHEMA"},
    {136, "OBJ_ID"},
    {216, "TYPECODE"},
    {217, "COLLECTION_TYPECODE"},
    {218, "VERSION"},
    {219, "IS_INCOMPLETE_TYPE"},
    {220, "IS_SYSTEM_TYPE"},
    {221, "IS_PREDEFINED_TYPE"},
    {222, "IS_TRANSIENT_TYPE"},
    {223, "IS_SYSTEM_GENERATED_TYPE"},
    {224, "HAS_NESTED_TABLE"},
    {225, "HAS_LOB"},
    {226, "HAS_FILE"},
    {227, "COLLECTION_ELEMENT"},
    {228, "NUM_TYPE_ATTRS"},
    {229, "LIST_TYPE_ATTRS"},
    {230, "NUM_TYPE_METHODS"},
    {231, "LIST_TYPE_METHODS"},
    {232, "MAP_METHOD"},
    {233, "ORDER_METHOD"},
    {234, "NUM_ELEMS"},
    {235, "ENCAPSULATION"},
    {236, "IS_SELFISH"},
    {237, "IS_VIRTUAL"},
    {238, "IS_INLINE"},
    {239, "IS_CONSTANT"},
    {240, "HAS_RESULT"},
    {241, "IS_CONSTRUCTOR"},
    {242, "IS_DESTRUCTOR"},
    {243, "IS_OPERATOR"},
    {244, "IS_MAP"},
    {245, "IS_ORDER"},
    {246, "IS_RNDS"},
    {247, "IS_RNPS"},
    {248, "IS_WNDS"},
    {249, "IS_WNPS"},
    {250, "DESC_PUBLIC"},
    {251, "CACHE_CLIENT_CONTEXT"},
    {252, "UCI_CONSTRUCT"},
    {253, "UCI_DESTRUCT"},
    {254, "UCI_COPY"},
    {255, "UCI_PICKLE"},
    {256, "UCI_UNPICKLE"},
    {257, "UCI_REFRESH"},
    {258, "IS_SUBTYPE"},
    {259, "SUPERTYPE_SCHEMA_NAME"},
    {260, "SUPERTYPE_NAME"},
    {261, "LIST_OBJECTS"},
    {262, "NCHARSET_ID"},
    {263, "LIST_SCHEMAS"},
    {264, "MAX_PROC_LEN"},
    {265, "MAX_COLUMN_LEN"},
    {266, "CURSOR_COMMIT_BEHAVIOR"},
    {267, "MAX_CATALOG_NAMELEN"},
    {268, "CATALOG_LOCATION"},
    {269, "SAVEPOINT_SUPPORT"},
    {270, "NOWAIT_SUPPORT"},
    {271, "AUTOCOMMIT_DDL"},
    {272, "LOCKING_MODE"},
};

constexpr const char *kHandleTypes[] = {
    "", "HTYPE_ENV", "HTYPE_ERROR", "HTYPE_SVCCTX", "HTYPE_STMT", "HTYPE_BIND", "HTYPE_DEFINE",
    "HTYPE_DESCRIBE", "HTYPE_SERVER", "HTYPE_SESSION", "HTYPE_TRANS", "HTYPE_COMPLEXOBJECT",
    "HTYPE_SECURITY", "HTYPE_SUBSCRIPTION", "HTYPE_DIRPATH_CTX", "HTYPE_DIRPATH_COLUMN_ARRAY",
    "HTYPE_DIRPATH_STREAM", "HTYPE_PROC"};

constexpr const char *kDescriptorTypes[] = {
    "DTYPE_LOB", "DTYPE_SNAP", "DTYPE_RSET", "DTYPE_PARAM", "DTYPE_ROWID",
    "DTYPE_COMPLEXOBJECTCOMP", "DTYPE_FILE", "DTYPE_AQENQ_OPTIONS", "DTYPE_AQDEQ_OPTIONS",
    "DTYPE_AQMSG_PROPERTIES", "DTYPE_AQAGENT", "DTYPE_LOCATOR", "DTYPE_DATETIME", "DTYPE_INTERVAL",
    "DTYPE_AQNFY_DESCRIPTOR"};

}  // namespace

const char *o2pGetReturnCodeText(sword rc) noexcept {
    switch (rc) {
    case 0: return "SUCCESS";
    case 1: return "SUCCESS WITH INFO";
    case 99: return "NEED DATA";
    case 100: return "NO DATA";
    case -1: return "ERROR";
    case -2: return "INVALID HANDLE";
    case -3123: return "STILL EXECUTING";
    case -24200: return "CONTINUE";
    default: return "UNKNOWN RETURN CODE";
    }
}

const char *o2pGetHandleTypeName(ub4 type) noexcept {
    if (type < std::size(kHandleTypes)) return kHandleTypes[type];
    if (type >= 50 && type < 50 + std::size(kDescriptorTypes)) return kDescriptorTypes[type - 50];
    return "Invalid handle";
}

const char *o2pGetFunctionCode(ub4 code) noexcept { return find_name(kFunctionCodes, code); }

const char *o2pGetDurationText(ub2 duration) noexcept {
    switch (duration) {
    case 5: return "OCI_DURATION_PROCESS";
    case 6: return "OCI_DURATION_NEXT";
    case 8: return "OCI_DURATION_DEFAULT";
    case 9: return "OCI_DURATION_NULL";
    case 10: return "OCI_DURATION_SESSION";
    case 11: return "OCI_DURATION_TRANS";
    case 12: return "OCI_DURATION_CALL";
    case 13: return "OCI_DURATION_STATEMENT";
    case 14: return "OCI_DURATION_CALLOUT";
    default: return "UNKNOWN DURATION";
    }
}

const char *o2pDescribeAttribute(ub4 attr) noexcept { return find_name(kDescribeAttributes, attr); }

const char *o2pGetTypeCodeText(ub2 code) noexcept {
    const char *name = find_name(kTypeCodes, code);
    return name ? name : "Unknown Type Code";
}

}  // namespace vsk
