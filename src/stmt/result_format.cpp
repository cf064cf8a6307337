#include "stmt/result_format.h"

#include "stmt/define_fill.h"
#include "stmt/records.h"
#include "types/conversion_dispatch.h"
#include "types/type_codes.h"

namespace vsk {

namespace {

// Targets that take a bytea value's bytes as they are. Character targets are left to
// the text form: they render its hex digits as the server wrote them.
bool byte_target(ub2 dty) {
    switch (dty) {
    case SQLT_BIN: case SQLT_LBI: case SQLT_LVB: case SQLT_VBI: case SQLT_BLOB:
        return true;
    default:
        return false;
    }
}

}  // namespace

int result_format(const OCIStmt *stmt, const std::vector<Oid> *columns) noexcept {
    if (!stmt || !columns) return 0;
    bool bytes = false;
    for (std::size_t c = 0; c < columns->size(); ++c) {
        const Oid type = (*columns)[c];
        if (type == PG_BYTEA) {
            const OCIDefine *d = find_define(stmt, static_cast<int>(c));
            if (!d || !byte_target(d->dty)) return 0;
            bytes = true;
        } else if (conversion_format(type, 1) != 0) {
            // Conversions read a text type's binary form as its text; other types keep
            // the text form.
            return 0;
        }
    }
    return bytes ? 1 : 0;
}

}  // namespace vsk
