// Character binds for date and timestamp parameters under the session's date format.
#pragma once

#include <oci.h>

#include <string>

struct OCIServer;

namespace vsk {

// After the statement stmtName was prepared: when the library applies a session date
// format and a character bind exists, one describe finds the parameters the server takes
// as dates or timestamps. Clears what an earlier preparation found.
void describe_session_date_params(OCIServer *server, OCIStmt *stmt, OCIError *errhp,
                                  const std::string &stmtName) noexcept;

// The converted value of b read with the session format and written in ISO form when one
// of its parameters takes a date or timestamp: 0, or -1 with the error recorded.
int read_bind_date(OCIStmt *stmt, OCIError *errhp, OCIBind *b) noexcept;

}  // namespace vsk
