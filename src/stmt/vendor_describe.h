// Describe as the vendor's client reports it, for vendor-faithful environments: the
// vendor's type codes, sizes, precision and scale, and unquoted names in upper case.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include <string>
#include <string_view>

#include "stmt/describe_records.h"

namespace vsk {

// The SQLT_ code the vendor reports for a column of server type oid (VARCHAR for the
// types it has no counterpart of). A table's text and bytea columns are the vendor's
// CLOB and BLOB (what schema migrations turn those into); the same types computed by
// an expression stay VARCHAR2 and RAW.
ub2 vendor_data_type(Oid oid, bool tableColumn) noexcept;

// dataType, sizes, precision and scale of a column of server type `type` and modifier
// typmod; tableColumn when the column is a table's own.
void set_vendor_column(ColumnRecord *c, Oid type, int typmod, bool tableColumn) noexcept;

// A name the server folded to lower case (a valid unquoted identifier, all lower
// case) in upper case, as the vendor reports unquoted names; others as they are.
std::string vendor_column_name(std::string_view name);

}  // namespace vsk
