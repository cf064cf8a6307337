#include "pqx/pg_error.h"

#include <cstring>

#include "env/error.h"
#include "env/message_table.h"
#include "env/sqlstate_table.h"

namespace vsk {

namespace {

constexpr const char *kUnexpectedError = "Unexpected error";

sword add_unexpected_error(void *handle, sword severity) noexcept {
    if (!is_kind(handle, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    return AddErrorRecordMsg(handle, severity, kUnexpectedError);
}

}  // namespace

sword AddPGErrorRecord(void *handle, sword severity, const PGresult *result) noexcept {
    if (!handle) return OCI_ERROR;
    try {
        if (!result) {
            ErrorRecord rec;
            rec.content = ERR_HAS_SEVERITY | ERR_HAS_CODE | ERR_HAS_MSG | ERR_HAS_SQLSTATE | ERR_HAS_PG_MSG;
            rec.severity = severity;
            std::memcpy(rec.sqlstate, "08P01", 6);
            rec.msg = rec.pg_msg = "Unexpected NULL PGresult";
            return AppendErrorRecord(handle, std::move(rec));
        }
        const char *sqlstate = PQresultErrorField(result, PG_DIAG_SQLSTATE);
        if (!sqlstate) return add_unexpected_error(handle, severity);
        int number = sqlstate_number(sqlstate);
        if (!is_kind(handle, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
        // Connection failures carry no server text worth showing; the connection is gone.
        if (std::strncmp(sqlstate, "08", 2) == 0) return add_unexpected_error(handle, severity);

        const char *primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
        ErrorRecord rec;
        rec.content = ERR_HAS_SEVERITY | ERR_HAS_CODE | ERR_HAS_MSG | ERR_HAS_SQLSTATE | ERR_HAS_PG_MSG;
        rec.severity = severity;
        rec.errcode = static_cast<ub4>(number);
        std::strncpy(rec.sqlstate, sqlstate, 5);
        rec.sqlstate[5] = 0;
        rec.pg_msg = primary ? primary : "";
        rec.msg = number != 0 ? std::string(o2pGetErrorText(static_cast<ub4>(number))) : rec.pg_msg;
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
