// Session set-up shared with statement execution.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

namespace vsk {

// Applies a date format on the connection before the next statement; 1 on success,
// 0 with the server's error recorded on errhp. dateDefine: the statement defines date
// outputs, whose minute fields need a separator.
int set_nls_format(OCIError *errhp, PGconn *conn, bool dateDefine, const char *format) noexcept;

}  // namespace vsk
