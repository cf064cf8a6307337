// Server failures and notices turned into error records.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

namespace vsk {

struct ErrorRecord;

// Records a failed libpq result (null: "Unexpected NULL PGresult") on an error handle.
sword AddPGErrorRecord(void *handle, sword severity, const PGresult *result) noexcept;
// The record AddPGErrorRecord would add. Throws std::bad_alloc.
ErrorRecord pg_error_record(sword severity, const PGresult *result);

// libpq notice processor: a warning record on the error handle given as its argument.
void OCINoticeHandler(void *errorhandle, const char *message) noexcept;

}  // namespace vsk
