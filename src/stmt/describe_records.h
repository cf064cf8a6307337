// What a parameter descriptor (OCIParam) holds: a column, a table with its columns, or
// a list of columns; the sizes describe reports for a column; and the pool that keeps
// the texts handed to the application alive.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <variant>
#include <vector>

#include "env/handle.h"

namespace vsk {

struct ColumnRecord {
    ub1 binary = 0;  // IsBinaryDataType of dataType
    ub2 charSize = 0;
    ub4 dataSize = 0;
    ub2 dataType = 0;
    // Texts in the client character set, without terminator.
    std::string name;
    std::string typeName;
    std::string schemaName;
    // Implicit describe reports the precision as sb2, explicit describe as ub1.
    ub1 widePrecision = 0;
    ub2 precision = 0;
    ub1 scale = 0;
    ub1 nullable = 0;
};

struct TableRecord {
    Oid oid = 0;
    Oid tablespace = 0;
    ub1 temporary = 0;
    ub1 typed = 0;
    std::vector<ColumnRecord> columns;
};

struct ListRecord {
    std::vector<ColumnRecord> columns;
};

// The record kinds as numbered for describe: 0 column, 2 table, 3 list.
enum DescribeKind : ub4 { DESCRIBE_COLUMN = 0, DESCRIBE_TABLE = 2, DESCRIBE_LIST = 3 };

struct DescribeRecord {
    std::variant<ColumnRecord, TableRecord, ListRecord> item;

    DescribeKind kind() const noexcept {
        static constexpr DescribeKind kinds[] = {DESCRIBE_COLUMN, DESCRIBE_TABLE, DESCRIBE_LIST};
        return kinds[item.index()];
    }
};

// A new record holding value (a record, or a column, table or list); null when memory
// is exhausted. Copies are deep.
template <class T>
DescribeRecord *new_describe_record(T &&value) noexcept {
    if (alloc_fault::should_fail()) return nullptr;
    try {
        return new DescribeRecord{std::forward<T>(value)};
    } catch (...) {
        return nullptr;
    }
}

// Sizes, precision and scale of a column of server type `type` with modifier typmod,
// its dataType already set: by data type, then the declared length, then longest (the
// longest value held of the column; none when no rows are held).
void set_column_sizes(ColumnRecord *c, Oid type, int typmod, std::optional<ub4> longest) noexcept;

// Texts returned to the application by attribute reads. Each distinct text is kept once
// and stays valid as long as the pool, so repeated describes of the same statement do
// not pile up copies.
class TextPool {
public:
    // The pooled copy of text followed by terminator zero bytes; null when memory is exhausted.
    const char *intern(std::string_view text, std::size_t terminator) noexcept;
    std::size_t size() const noexcept { return texts_.size(); }

private:
    // Looked up by the text itself, without building a key.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    // Each text is stored with all but the last byte of its terminator (std::string adds that).
    std::unordered_set<std::string, Hash, std::equal_to<>> texts_;
};

}  // namespace vsk
