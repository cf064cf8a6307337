#include "pqx/pg_error.h"

#include <cstring>
#include <string>
#include <utility>

#include "env/compat.h"
#include "env/env.h"
#include "env/error.h"
#include "env/message_table.h"
#include "env/sqlstate_table.h"
#include "env/vendor_errors.h"
#include "pqx/connection.h"

namespace vsk {

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrConnectionTerminated = 25407;
constexpr ub4 kErrUserCancel = 1013;
constexpr ub4 kErrCallTimedOut = 3156;

// libpq's reason without its trailing line ends.
std::string reason_of(const PGresult *result) {
    std::string why = PQresultErrorMessage(result);
    while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
    return why;
}

}  // namespace

ErrorRecord pg_error_record(sword severity, const PGresult *result) {
    ErrorRecord rec;
    rec.severity = severity;
    if (pqx::failed_for_memory(result)) {
        rec.content = ERR_HAS_SEVERITY | ERR_HAS_CODE | ERR_HAS_MSG;
        rec.errcode = kErrNoMemory;
        rec.msg = o2pGetErrorText(kErrNoMemory);
        return rec;
    }
    const char *sqlstate = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    // A connection failure: the connection is gone, so programs (and drivers deciding
    // whether a session is dead) get a number that says so, with libpq's reason.
    if (result && (!sqlstate || std::strncmp(sqlstate, "08", 2) == 0)) {
        rec.content = ERR_HAS_SEVERITY | ERR_HAS_CODE | ERR_HAS_MSG;
        rec.errcode = kErrConnectionTerminated;
        rec.msg = o2pGetErrorText(kErrConnectionTerminated);
        if (const std::string why = reason_of(result); !why.empty()) rec.msg += ": " + why;
        return rec;
    }
    rec.content = ERR_HAS_SEVERITY | ERR_HAS_CODE | ERR_HAS_MSG | ERR_HAS_SQLSTATE | ERR_HAS_PG_MSG;
    if (!result) {
        std::memcpy(rec.sqlstate, "08P01", 6);
        rec.msg = rec.pg_msg = "Unexpected NULL PGresult";
        return rec;
    }
    // A command the library cancelled: drivers tell a time limit and a break apart by these.
    const int cause = pqx::cancel_cause(result);
    const int number = cause == pqx::CANCEL_TIMEOUT ? static_cast<int>(kErrCallTimedOut)
                       : cause == pqx::CANCEL_BREAK ? static_cast<int>(kErrUserCancel)
                                                    : sqlstate_number(sqlstate);
    const char *primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    rec.errcode = static_cast<ub4>(number);
    std::strncpy(rec.sqlstate, sqlstate, 5);
    rec.sqlstate[5] = 0;
    rec.pg_msg = primary ? primary : "";
    rec.msg = number != 0 ? std::string(o2pGetErrorText(static_cast<ub4>(number))) : rec.pg_msg;
    return rec;
}

sword AddPGErrorRecord(void *handle, sword severity, const PGresult *result) noexcept {
    if (!handle) return OCI_ERROR;
    if (!is_kind(handle, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    try {
        ErrorRecord rec = pg_error_record(severity, result);
        // Drivers tell some failures apart by a number the library's own table leaves out.
        if (rec.errcode == 0 && (rec.content & ERR_HAS_SQLSTATE) && vendor_mode(env_of(handle))) {
            if (const VendorError *v = vendor_error_for_sqlstate(rec.sqlstate)) {
                rec.errcode = v->number;
                rec.msg = v->text;
            }
        }
        return AppendErrorRecord(handle, std::move(rec));
    } catch (...) {
        return OCI_INVALID_HANDLE;
    }
}

void OCINoticeHandler(void *errorhandle, const char *message) noexcept {
    if (!is_kind(errorhandle, HANDLE_OCIError)) return;
    static_cast<OCIError *>(errorhandle)->noticeReceived = 1;
    AddErrorRecordMsg(errorhandle, OCI_SUCCESS_WITH_INFO, message);
}

}  // namespace vsk
