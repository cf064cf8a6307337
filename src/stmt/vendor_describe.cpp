#include "stmt/vendor_describe.h"

#include "types/type_codes.h"

namespace vsk {

namespace {

constexpr int kVarHeader = 4;
// Characters reported for text without a declared length: the vendor's longest
// ordinary string, which drivers size their buffers from.
constexpr ub4 kUndeclaredChars = 4000;
// Bytes a character takes at most in the connection's character set.
constexpr ub4 kMaxBytesPerChar = 4;
constexpr ub4 kNumberSize = 22;
constexpr sb2 kUnconstrainedScale = -127;
constexpr ub2 kFractionalDigits = 6;
// What the vendor reports as the data size of a LOB column: its longest inline value.
// Drivers size LOB defines by locator, never by this.
constexpr ub4 kLobDataSize = 4000;

struct Sizes {
    ub4 dataSize;
    ub2 precision;
    sb2 scale;
};

void set_sizes(ColumnRecord *c, Sizes s) noexcept {
    c->dataSize = s.dataSize;
    c->precision = s.precision;
    c->scale = static_cast<ub1>(static_cast<sb1>(s.scale));
}

// Characters of char(n) and varchar(n); none without a declared length.
ub4 declared_chars(int typmod) noexcept {
    return typmod >= kVarHeader ? static_cast<ub4>(typmod - kVarHeader) : 0;
}

bool lower_identifier(std::string_view name) noexcept {
    if (name.empty()) return false;
    const char first = name.front();
    if (!((first >= 'a' && first <= 'z') || first == '_')) return false;
    for (char ch : name)
        if (!((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == '$')) return false;
    return true;
}

}  // namespace

ub2 vendor_data_type(Oid oid, bool tableColumn) noexcept {
    if (tableColumn && oid == PG_TEXT) return SQLT_CLOB;
    if (tableColumn && oid == PG_BYTEA) return SQLT_BLOB;
    switch (oid) {
    case PG_BPCHAR: return SQLT_AFC;
    case PG_NUMERIC: case PG_INT2: case PG_INT4: case PG_INT8: return SQLT_NUM;
    case PG_FLOAT4: return SQLT_IBFLOAT;
    case PG_FLOAT8: return SQLT_IBDOUBLE;
    case PG_BOOL: return SQLT_BOL;
    case PG_DATE: return SQLT_DAT;
    case PG_TIMESTAMP: return SQLT_TIMESTAMP;
    case PG_TIMESTAMPTZ: return SQLT_TIMESTAMP_TZ;
    case PG_INTERVAL: return SQLT_INTERVAL_DS;
    case PG_BYTEA: case PG_RAW: case PG_RAW_ALT: case PG_RAW_ALT2: return SQLT_BIN;
    case PG_REFCURSOR: return SQLT_RSET;
    default: return SQLT_CHR;  // varchar, text, and the rest as their text
    }
}

void set_vendor_column(ColumnRecord *c, Oid type, int typmod, bool tableColumn) noexcept {
    c->dataType = vendor_data_type(type, tableColumn);
    c->binary = static_cast<ub1>(IsBinaryDataType(c->dataType));
    c->charSize = 0;
    switch (type) {
    case PG_INT2: set_sizes(c, {kNumberSize, 5, 0}); return;
    case PG_INT4: set_sizes(c, {kNumberSize, 10, 0}); return;
    case PG_INT8: set_sizes(c, {kNumberSize, 19, 0}); return;
    case PG_NUMERIC:
        if (typmod < kVarHeader) {
            set_sizes(c, {kNumberSize, 0, kUnconstrainedScale});
        } else {
            const int t = typmod - kVarHeader;
            // Scales outside 0..255 come back from the low 16 bits as a signed value.
            set_sizes(c, {kNumberSize, static_cast<ub2>((t >> 16) & 0xFFFF), static_cast<sb2>(t & 0xFFFF)});
        }
        return;
    case PG_FLOAT4: set_sizes(c, {4, 0, 0}); return;
    case PG_FLOAT8: set_sizes(c, {8, 0, 0}); return;
    case PG_BOOL: set_sizes(c, {4, 0, 0}); return;
    case PG_DATE: set_sizes(c, {7, 0, 0}); return;
    case PG_TIMESTAMP: set_sizes(c, {11, 0, static_cast<sb2>(kFractionalDigits)}); return;
    case PG_TIMESTAMPTZ: set_sizes(c, {13, 0, static_cast<sb2>(kFractionalDigits)}); return;
    case PG_INTERVAL: set_sizes(c, {11, 2, static_cast<sb2>(kFractionalDigits)}); return;
    case PG_REFCURSOR: set_sizes(c, {8, 0, 0}); return;
    default:
        break;
    }
    if (c->dataType == SQLT_CLOB || c->dataType == SQLT_BLOB) {
        set_sizes(c, {kLobDataSize, 0, 0});
        return;
    }
    if (c->dataType == SQLT_BIN) {
        set_sizes(c, {kUndeclaredChars, 0, 0});
        return;
    }
    const ub4 declared = (type == PG_VARCHAR || type == PG_BPCHAR) ? declared_chars(typmod) : 0;
    const ub4 chars = declared ? declared : kUndeclaredChars;
    set_sizes(c, {chars * kMaxBytesPerChar, 0, 0});
    c->charSize = static_cast<ub2>(chars);
}

std::string vendor_column_name(std::string_view name) {
    std::string out(name);
    if (!lower_identifier(name)) return out;
    for (char &ch : out)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

}  // namespace vsk
