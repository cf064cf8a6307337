// Vendor-faithful behaviour: what drivers built for the vendor's client (ODPI-C and the
// node and python drivers on it) expect, where the library's own defaults differ.
#pragma once

#include <oci.h>

struct OCIEnv;

namespace vsk {

// Character-set numbers up to this one are the library's own identifiers.
constexpr ub2 kLastOwnCharsetId = 40;

// VSK_OCI_COMPAT=vendor: every environment is vendor-faithful.
bool vendor_compat_requested() noexcept;

// The library was loaded under the vendor client's file name (libclntsh.so*): programs
// that load it that way are drivers built for the vendor's client.
bool loaded_under_vendor_name() noexcept;
// The basename test behind it, for a loaded file's path.
bool is_vendor_library_path(const char *path) noexcept;

// Whether the code at address belongs to a program or library that carries ODPI-C, the
// layer under the node and python drivers (some of which load the library by its real
// file name, whatever name they were given).
bool inside_odpi(const void *address) noexcept;

// Any of the above for a call made from caller: OCIClientVersion then reports a release
// drivers accept.
bool vendor_client(const void *caller) noexcept;

// Whether env (or the environment above a handle) is vendor-faithful.
bool vendor_mode(const OCIEnv *env) noexcept;

// The character-set number an environment answers with: the number it was created
// with when it came in the vendor's numbering, the vendor number of its set in a
// vendor-faithful environment otherwise, and the library identifier elsewhere.
ub2 reported_charset_id(const OCIEnv *env, bool national) noexcept;

}  // namespace vsk
