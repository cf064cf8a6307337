#include <cstring>
#include <new>
#include <string>

#include "env/error.h"
#include "env/message_catalog.h"
#include "env/message_table.h"
#include "env/trace.h"
#include "nls/transcode.h"

namespace vsk {

namespace {

void trace_record(const void *handle, const ErrorRecord &r) noexcept {
    if (!ocitracing(TRACE_ERRORS)) return;
    ocitrace(TRACE_ERRORS, nullptr, "raising error on handle(%p)\n", handle);
    if (r.content & ERR_HAS_SEVERITY) ocitrace(TRACE_ERRORS, nullptr, "  severity = %d\n", static_cast<int>(r.severity));
    if (r.content & ERR_HAS_CODE) ocitrace(TRACE_ERRORS, nullptr, "  errcode  = %d\n", static_cast<int>(r.errcode));
    if (r.content & ERR_HAS_MSG) ocitrace(TRACE_ERRORS, nullptr, "  msg      = %s\n", r.msg.c_str());
    if (r.content & ERR_HAS_SQLSTATE) ocitrace(TRACE_ERRORS, nullptr, "  sqlstate = %s\n", r.sqlstate);
    if (r.content & ERR_HAS_PG_MSG) ocitrace(TRACE_ERRORS, nullptr, "  pg_msg   = %s\n", r.pg_msg.c_str());
}

// Builds a record; string copies may run out of memory, which the caller reports.
template <class Fill>
sword add_record(void *handle, Fill fill) noexcept {
    if (!is_kind(handle, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    try {
        ErrorRecord rec;
        fill(rec);
        return AppendErrorRecord(handle, std::move(rec));
    } catch (...) {
        return OCI_INVALID_HANDLE;
    }
}

}  // namespace

OCIError *Alloc_OCIError() noexcept { return new_record<OCIError>(HANDLE_OCIError); }

void _ClearErrorHandle(void *handle) noexcept {
    if (!is_kind(handle, HANDLE_OCIError)) return;
    auto *err = static_cast<OCIError *>(handle);
    // Nothing is written to a handle that is already clear: the environment's own error
    // handle is cleared by calls on many threads at once.
    if (!err->records.empty()) {
        for (ErrorRecord *r : err->records) delete r;
        err->records.clear();
    }
    // A notice of an earlier call must not turn a later call's success into a warning
    // that has no record to read.
    if (err->noticeReceived) err->noticeReceived = 0;
}

void Free_OCIError(OCIError *err) noexcept {
    if (!is_kind(err, HANDLE_OCIError)) return;
    _ClearErrorHandle(err);
    delete_record(err);
}

sword AppendErrorRecord(void *handle, ErrorRecord &&rec) noexcept {
    if (!is_kind(handle, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    if (alloc_fault::should_fail()) return OCI_INVALID_HANDLE;
    auto *stored = new (std::nothrow) ErrorRecord(std::move(rec));
    if (!stored) return OCI_INVALID_HANDLE;
    // A failure goes ahead of the warnings its call collected (server notices sent before
    // the error or the loss), so that the first record, the one drivers read, says why the
    // call failed; failures and warnings each keep their own order.
    PtrList<ErrorRecord> &records = static_cast<OCIError *>(handle)->records;
    std::size_t failures = 0;
    if (stored->severity == OCI_ERROR)
        while (failures < records.size() && records.nth(failures)->severity == OCI_ERROR) ++failures;
    const bool added = stored->severity != OCI_ERROR || failures == records.size()
                           ? records.append(stored)
                       : failures == 0 ? records.prepend(stored)
                                       : records.insert_after(failures - 1, stored);
    if (!added) {
        delete stored;
        return OCI_INVALID_HANDLE;
    }
    trace_record(handle, *stored);
    return OCI_SUCCESS;
}

sword AddErrorRecord(void *handle, sword severity, ub4 number) noexcept {
    return add_record(handle, [&](ErrorRecord &r) {
        r.content = ERR_HAS_SEVERITY | ERR_HAS_CODE;
        r.severity = severity;
        r.errcode = number;
    });
}

sword AddErrorRecord_MSG(void *handle, sword severity, ub4 number) noexcept {
    return AddErrorRecord(handle, severity, number);
}

sword AddErrorRecord2(void *handle, sword severity, ub4 number, const char *text) noexcept {
    return add_record(handle, [&](ErrorRecord &r) {
        r.content = ERR_HAS_SEVERITY | ERR_HAS_CODE | ERR_HAS_MSG;
        r.severity = severity;
        r.errcode = number;
        r.msg = text ? text : "";
    });
}

sword AddArgumentErrorRecord(void *handle, int position) noexcept {
    try {
        const std::string arg = std::to_string(position);
        const char *args[] = {arg.c_str()};
        return AddErrorRecord2(handle, OCI_ERROR, 21560, FillMessageText(21560, 1, args).c_str());
    } catch (...) {
        return OCI_INVALID_HANDLE;
    }
}

sword AddErrorRecordMsg(void *handle, sword severity, const char *text) noexcept {
    return add_record(handle, [&](ErrorRecord &r) {
        r.content = ERR_HAS_SEVERITY | ERR_HAS_MSG;
        r.severity = severity;
        r.msg = text ? text : "";
    });
}

std::string FillMessageText(ub4 number, int count, const char *const *args) {
    std::string work = o2pGetErrorText(number);
    if (work.size() >= kMessageTextSize) work.resize(kMessageTextSize - 1);
    // Search resumes after each inserted argument, so an argument containing "%s" or other
    // conversions is kept as it stands.
    std::size_t from = 0;
    for (int i = 0; i < count; ++i) {
        std::size_t at = work.find("%s", from);
        if (at == std::string::npos || at == 0) break;
        const char *arg = args[i] ? args[i] : "(null)";
        work.replace(at, 2, arg);
        from = at + std::strlen(arg);
        if (work.size() >= kMessageTextSize) {
            work.resize(kMessageTextSize - 1);
            break;
        }
    }
    return work;
}

sword AddErrorRecordStringV(void *handle, sword severity, ub4 number, int count, const char *const *args) noexcept {
    return add_record(handle, [&](ErrorRecord &r) {
        r.content = ERR_HAS_SEVERITY | ERR_HAS_CODE | ERR_HAS_MSG;
        r.severity = severity;
        r.errcode = number;
        r.msg = FillMessageText(number, count, args);
    });
}

sword AddErrorRecordStringX(void *handle, sword severity, ub4 number, int count, ...) noexcept {
    constexpr int kMaxArgs = 8;
    const char *args[kMaxArgs] = {};
    if (count < 0) count = 0;
    if (count > kMaxArgs) count = kMaxArgs;
    va_list ap;
    va_start(ap, count);
    for (int i = 0; i < count; ++i) args[i] = va_arg(ap, const char *);
    va_end(ap);
    return AddErrorRecordStringV(handle, severity, number, count, args);
}

sword AddConversionErrorRecord(void *handle, int err) noexcept {
    return AddErrorRecordMsg(handle, OCI_ERROR, conversion_error_message(err));
}

const char *o2pGetErrorText(ub4 number) noexcept {
    const char *text = message_table_text(number);
    return oci_gettext(text ? text : "UNKNOWN ERROR CODE");
}

}  // namespace vsk
