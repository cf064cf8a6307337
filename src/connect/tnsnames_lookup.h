// Net service names resolved through the first readable tnsnames.ora file.
#pragma once

#include <oci.h>

#include "connect/connect_string.h"

namespace vsk {

// Candidate files, in order: $HOME/.tnsnames.ora, $USERPROFILE/.tnsnames.ora,
// $TNS_ADMIN/tnsnames.ora. Fills the unset fields of target from the entries named
// name (ignoring case), the first entry that supplies a field winning. An unknown name
// is no error. Returns 0, or the error number to record: 12154 (no readable file),
// 12555 (cannot be read), 12227 (syntax error, traced with its line).
ub4 lookup_net_service_name(const char *name, ConnectTarget *target) noexcept;

}  // namespace vsk
