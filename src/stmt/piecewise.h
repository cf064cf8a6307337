// Values that travel through the application's callbacks, possibly in several pieces:
// data-at-exec bind input (OCIBindDynamic), OUT values of call blocks delivered through
// output bind callbacks, and dynamic defines (OCI_DYNAMIC_FETCH, OCIDefineDynamic).
#pragma once

#include <oci.h>
#include <libpq-fe.h>

namespace vsk {

// Whether pieces other than OCI_ONE_PIECE are accepted for an external type.
bool is_piecewise_type(ub2 dty) noexcept;

// The value of a data-at-exec bind for iteration, asked from its input callback and
// gathered from its pieces into bind->pgValue. 0 or 1, 99 without a callback, -1 with
// the reason recorded.
int gather_bind_input(OCIError *errhp, OCIBind *bind, ub4 iteration) noexcept;

// One server value (row, column of result) handed to an output callback: a dynamic
// define's (element: its number within the fetch) or a data-at-exec OUT bind's. The
// conversion's result, 99 without a callback, -1 with the reason recorded, -2 for bad
// handles.
int call_define_callback(OCIDefine *define, OCIError *errhp, const PGresult *result, ub4 element, int row,
                         int column, PGconn *conn) noexcept;
int call_out_bind_callback(OCIError *errhp, OCIBind *bind, ub4 iteration, const PGresult *result,
                           int column) noexcept;

}  // namespace vsk
