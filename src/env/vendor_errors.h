// Server failures that the library's own table leaves unnumbered but that drivers built
// for the vendor's client tell apart by the vendor's number (a cancelled call, a NULL in
// a NOT NULL column, ...). Used for vendor-faithful environments only.
#pragma once

#include <oci.h>

namespace vsk {

struct VendorError {
    ub4 number;
    const char *text;
};

// The vendor's number and text for a SQLSTATE; null when there is none.
const VendorError *vendor_error_for_sqlstate(const char *sqlstate) noexcept;

}  // namespace vsk
