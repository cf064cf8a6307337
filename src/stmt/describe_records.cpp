#include "stmt/describe_records.h"

#include "types/type_codes.h"

namespace vsk {

namespace {

constexpr ub4 kNumberSize = 22;
// What a column without a declared length reports when no values are at hand.
constexpr ub4 kUndeclaredSize = 4000;
constexpr int kVarHeader = 4;

// The length a type modifier declares: characters of char and varchar, bits of bit and
// varbit. Other modifiers (numeric's precision, a timestamp's fractional digits) are
// no lengths.
std::optional<ub4> declared_length(Oid type, int typmod) {
    switch (type) {
    case PG_BPCHAR:
    case PG_VARCHAR:
        if (typmod >= kVarHeader) return static_cast<ub4>(typmod - kVarHeader);
        return std::nullopt;
    case PG_BIT:
    case PG_VARBIT:
        if (typmod >= 0) return static_cast<ub4>(typmod);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

ub4 integer_size(Oid type) {
    switch (type) {
    case PG_INT2: return 2;
    case PG_INT8: return 8;
    default: return 4;  // int4, and boolean
    }
}

}  // namespace

void set_column_sizes(ColumnRecord *c, Oid type, int typmod, std::optional<ub4> longest) noexcept {
    c->binary = static_cast<ub1>(IsBinaryDataType(c->dataType));
    c->charSize = 0;
    c->dataSize = 0;
    c->precision = 0;
    c->scale = 0;
    switch (c->dataType) {
    case SQLT_NUM:
        c->dataSize = kNumberSize;
        break;
    case SQLT_INT:
        c->dataSize = integer_size(type);
        break;
    case SQLT_FLT:
        c->dataSize = type == PG_FLOAT4 ? 4 : type == PG_FLOAT8 ? 8 : 0;
        break;
    default: {
        const std::optional<ub4> declared = declared_length(type, typmod);
        const ub4 size = declared ? *declared : longest ? *longest : kUndeclaredSize;
        c->dataSize = size;
        c->charSize = static_cast<ub2>(size > UB2MAXVAL ? UB2MAXVAL : size);
        break;
    }
    }
    if (type == PG_NUMERIC) {
        // (precision << 16 | scale) + 4; without a modifier both read as all ones.
        const int t = typmod == -1 ? -1 : typmod - kVarHeader;
        c->precision = static_cast<ub2>(t == -1 ? UB2MAXVAL : (t >> 16) & 0xFFFF);
        c->scale = static_cast<ub1>(t & 0xFF);
    }
}

const char *TextPool::intern(std::string_view text, std::size_t terminator) noexcept {
    try {
        if (terminator <= 1) {
            auto found = texts_.find(text);
            if (found != texts_.end()) return found->c_str();
            return texts_.emplace(text).first->c_str();
        }
        std::string key(text);
        key.append(terminator - 1, '\0');
        return texts_.insert(std::move(key)).first->c_str();
    } catch (...) {
        return nullptr;
    }
}

}  // namespace vsk
