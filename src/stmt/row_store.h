// The converted bind values of every row of an array execution, packed.
#pragma once

#include <oci.h>

#include <cstddef>
#include <vector>

#include "stmt/records.h"

namespace vsk {

// The converted values of every row, packed one after the other (text values with their
// terminator), so that a large array costs about its own size.
class RowStore {
public:
    RowStore(std::size_t params, std::size_t rows) : params_(params) {
        offsets_.reserve(params * rows);
        lengths_.reserve(params * rows);
        formats_.reserve(params * rows);
    }

    // The binds' values of the current iteration, in server parameter order.
    void add_row(const OCIStmt *stmt) {
        for (const OCIBind *b : stmt->paramBinds) {
            if (!b || !b->pgValue) {
                offsets_.push_back(0);
                lengths_.push_back(-1);
                formats_.push_back(0);
                continue;
            }
            offsets_.push_back(arena_.size());
            lengths_.push_back(static_cast<int>(b->pgLength));
            formats_.push_back(b->pgFormat);
            arena_.insert(arena_.end(), b->pgValue, b->pgValue + b->pgLength);
            if (b->pgFormat != 1) arena_.push_back('\0');
        }
    }

    void row(int r, const char **values, int *lengths, int *formats) const {
        const std::size_t base = static_cast<std::size_t>(r) * params_;
        for (std::size_t p = 0; p < params_; ++p) {
            const int n = lengths_[base + p];
            values[p] = n < 0 ? nullptr : arena_.data() + offsets_[base + p];
            lengths[p] = n < 0 ? 0 : n;
            formats[p] = formats_[base + p];
        }
    }

private:
    std::size_t params_;
    std::vector<char> arena_;
    std::vector<std::size_t> offsets_;
    std::vector<int> lengths_;
    std::vector<unsigned char> formats_;
};

// Converts the binds of iterations rowoff .. iters - 1 into rows (a failure in any row
// ends it with its result; nothing is kept). *warned: some conversion reported a
// truncation. OCI_SUCCESS, the failure's result, or OCI_ERROR with 27102 when memory ran out.
sword collect_rows(OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff, RowStore *rows, bool *warned) noexcept;

}  // namespace vsk
