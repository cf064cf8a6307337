#include "env/vendor_errors.h"

#include <cstring>

namespace vsk {

namespace {

struct Row {
    const char *sqlstate;
    VendorError error;
};

constexpr Row kRows[] = {
    {"23502", {1400, "VSK-01400: cannot insert NULL"}},
    {"23503", {2291, "VSK-02291: integrity constraint violated - parent key not found"}},
    {"23514", {2290, "VSK-02290: check constraint violated"}},
    {"40001", {8177, "VSK-08177: can't serialize access for this transaction"}},
    {"42703", {904, "VSK-00904: invalid identifier"}},
    {"57014", {1013, "VSK-01013: user requested cancel of current operation"}},
};

}  // namespace

const VendorError *vendor_error_for_sqlstate(const char *sqlstate) noexcept {
    if (!sqlstate) return nullptr;
    for (const Row &r : kRows)
        if (std::strcmp(r.sqlstate, sqlstate) == 0) return &r.error;
    return nullptr;
}

}  // namespace vsk
