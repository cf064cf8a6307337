// Error handle, error records and the record-adding calls.
#pragma once

#include <oci.h>

#include <cstdarg>
#include <string>
#include <vector>

#include "env/handle.h"
#include "env/list.h"

namespace vsk {

// Which parts of a record are present.
enum ErrorContent : ub2 {
    ERR_HAS_SEVERITY = 0x1,
    ERR_HAS_CODE = 0x2,
    ERR_HAS_MSG = 0x4,
    ERR_HAS_SQLSTATE = 0x8,
    ERR_HAS_PG_MSG = 0x10,
};

struct ErrorRecord {
    ub2 content = 0;
    sb4 severity = 0;
    ub4 errcode = 0;
    std::string msg;
    char sqlstate[6] = {0, 0, 0, 0, 0, 0};
    std::string pg_msg;
};

// Size of the scratch and work texts, terminator included.
constexpr std::size_t kMessageTextSize = 1024;

// A row of an array DML run with OCI_BATCH_ERRORS that failed: its 0-based iteration and
// the record of its failure.
struct BatchError {
    ub4 row = 0;
    ErrorRecord record;
};

}  // namespace vsk

struct OCIError {
    vsk::Header hdr;
    vsk::PtrList<vsk::ErrorRecord> records;
    char messageText[vsk::kMessageTextSize];
    ub4 noticeReceived;
    // The failed rows of the last array DML run with OCI_BATCH_ERRORS on this handle; kept
    // until the next execution, since reading them is a call that clears the records.
    std::vector<vsk::BatchError> batchErrors;
    // On a handle OCIParamGet filled with one of those rows: its iteration.
    ub4 dmlRowOffset;
};

namespace vsk {

OCIError *Alloc_OCIError() noexcept;
void Free_OCIError(OCIError *err) noexcept;
void _ClearErrorHandle(void *handle) noexcept;

// Each returns OCI_SUCCESS, or OCI_INVALID_HANDLE when handle is not an error handle
// or the record could not be stored.
sword AddErrorRecord(void *handle, sword severity, ub4 number) noexcept;
sword AddErrorRecord_MSG(void *handle, sword severity, ub4 number) noexcept;
sword AddErrorRecord2(void *handle, sword severity, ub4 number, const char *text) noexcept;
sword AddErrorRecordMsg(void *handle, sword severity, const char *text) noexcept;
sword AddErrorRecordStringX(void *handle, sword severity, ub4 number, int count, ...) noexcept;
sword AddErrorRecordStringV(void *handle, sword severity, ub4 number, int count, const char *const *args) noexcept;

// Appends a record built by the caller (server failures); traces it like the others.
sword AppendErrorRecord(void *handle, ErrorRecord &&rec) noexcept;

// The table text of number, "%s" places filled in turn with args (never reinterpreted
// as format text), cut to the work-text size.
std::string FillMessageText(ub4 number, int count, const char *const *args);

// Records 21560 naming the 1-based position of a missing or invalid argument.
sword AddArgumentErrorRecord(void *handle, int position) noexcept;

// Records the message for a failed transcode, chosen by its errno.
sword AddConversionErrorRecord(void *handle, int err) noexcept;

}  // namespace vsk
