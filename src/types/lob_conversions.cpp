// Server values into LOB locators (fetch conversions into SQLT_BLOB and SQLT_CLOB), and
// bound locators into parameters. The destination of a fetch holds the address of the
// application's locator.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "env/error.h"
#include "lob/lob_call.h"
#include "lob/locator.h"
#include "types/bytea_text.h"
#include "types/conversion_support.h"
#include "types/conversions.h"
#include "types/lob_values.h"
#include "types/network_order.h"
#include "types/value_owner.h"

namespace vsk {

namespace {

// The application's locator behind a fetch destination, or null with 1733 recorded.
OCILobLocator *target_locator(OCIError *errhp, void *destination) {
    OCILobLocator *loc = *static_cast<OCILobLocator **>(destination);
    if (!is_kind(loc, HANDLE_OCILobLocator)) {
        lob_error(errhp, "the define's element is not a LOB locator");
        return nullptr;
    }
    return loc;
}

// The start every locator fetch shares: false with *rc the result to return.
bool locator_value(OCIError *errhp, const char *value, int format, void *destination, const ub4 *lengthp,
                   sb2 *indp, ub2 *rcodep, int *rc) {
    if (indp) *indp = 0;
    *rc = 0;
    if (*lengthp == 0) return false;
    if (!value || !destination) {
        *rc = null_result(errhp, indp, rcodep);
        return false;
    }
    if (format != 0 && format != 1) {
        *rc = -1;
        return false;
    }
    return true;
}

// Values from this size on are read where the result holds them rather than copied:
// the result then lives as long as a locator needs it.
constexpr std::size_t kSharedValue = 256 * 1024;

// A column value held by the locator from now on.
int hold_value(OCIError *errhp, OCILobLocator *loc, const char *bytes, std::size_t n, ub1 csfrm) {
    reset_locator(loc);
    std::shared_ptr<const void> owner = n >= kSharedValue ? share_converted_values() : nullptr;
    if (owner) {
        loc->shared = std::move(owner);
        loc->sharedData = bytes;
        loc->sharedSize = n;
    } else {
        try {
            loc->value.assign(bytes, n);
        } catch (...) {
            AddErrorRecord(errhp, OCI_ERROR, 16506);
            return -1;
        }
    }
    loc->storage = LobStorage::Column;
    loc->csfrm = csfrm;
    return 0;
}

}  // namespace

VSK_FETCH_CONVERSION(ConvertOIDOIDToSQLT_BLOB) {
    int rc;
    if (!locator_value(errhp, value, format, destination, lengthp, indp, rcodep, &rc)) return rc;
    if (length <= 0 || (format == 0 && value[0] == '\0')) return null_result(errhp, indp, rcodep);
    OCILobLocator *loc = target_locator(errhp, destination);
    if (!loc) return -1;
    unsigned long id;
    if (format == 1) {
        if (length != 4) return lob_error(errhp, "the large object identifier is not four bytes"), -1;
        id = static_cast<unsigned long>(read_network(value, 4));
    } else {
        id = std::strtoul(value, nullptr, 10);
    }
    // A descriptor of the object the locator named before belongs to that object.
    if (loc->storage != LobStorage::LargeObject || loc->loid != id) reset_locator(loc);
    loc->storage = LobStorage::LargeObject;
    loc->csfrm = 0;
    loc->loid = static_cast<ub4>(id);
    return 0;
}

VSK_FETCH_CONVERSION(ConvertBYTEAOIDToSQLT_BLOB) {
    int rc;
    if (!locator_value(errhp, value, format, destination, lengthp, indp, rcodep, &rc)) return rc;
    OCILobLocator *loc = target_locator(errhp, destination);
    if (!loc) return -1;
    const std::size_t n = length > 0 ? static_cast<std::size_t>(length) : 0;
    if (format == 1) return hold_value(errhp, loc, value, n, 0);
    // Text form: the hex form's size is known from its length; the escape form is
    // measured first.
    const std::size_t size =
        bytea::is_hex_form(value, n) ? (n - 2) / 2 : bytea::decode(value, n, nullptr, 0).total;
    reset_locator(loc);
    try {
        loc->value.resize(size);
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, 16506);
        return -1;
    }
    const bytea::Result r =
        bytea::decode(value, n, reinterpret_cast<unsigned char *>(loc->value.data()), loc->value.size());
    if (!r.valid || r.total != size) {
        reset_locator(loc);
        return lob_error(errhp, "the server sent a bytea value that is not well formed"), -1;
    }
    loc->storage = LobStorage::Column;
    loc->csfrm = 0;
    return 0;
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_CLOB) {
    int rc;
    if (!locator_value(errhp, value, format, destination, lengthp, indp, rcodep, &rc)) return rc;
    OCILobLocator *loc = target_locator(errhp, destination);
    if (!loc) return -1;
    return hold_value(errhp, loc, value, length > 0 ? static_cast<std::size_t>(length) : 0, SQLCS_IMPLICIT);
}

int lob_bind_value(OCIError *errhp, ub2 dty, const void *element, sb2 ind, char **value, ub4 *length, ub1 *format,
                   bool *borrowed) noexcept {
    *value = nullptr;
    *length = 0;
    *format = 0;
    *borrowed = false;
    if (ind == -1 || !element) return 0;
    const OCILobLocator *loc = *static_cast<OCILobLocator *const *>(element);
    if (!loc) return 0;
    if (!is_kind(loc, HANDLE_OCILobLocator)) return lob_error(errhp, "the bind's element is not a LOB locator"), -1;
    switch (loc->storage) {
    case LobStorage::None: return 0;
    case LobStorage::LargeObject: {
        char text[16];
        const int n = std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(loc->loid));
        return make_text_value(text, static_cast<std::size_t>(n), value, length, format);
    }
    default:
        if ((dty == SQLT_CLOB) != is_clob(loc))
            return lob_error(errhp, "the locator's LOB type differs from the bind's type"), -1;
        const std::string_view bytes = lob_bytes(loc);
        if (bytes.size() > 0x7FFFFFFF) return lob_error(errhp, "the LOB is too long for one parameter"), -1;
        *value = const_cast<char *>(bytes.data());
        *length = static_cast<ub4>(bytes.size());
        *format = is_clob(loc) ? 0 : 1;
        *borrowed = true;
        return 0;
    }
}

}  // namespace vsk
