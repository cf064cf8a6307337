// Trace log: a level-selected call narrative and mask-selected internal categories.
#pragma once

#include <oci.h>

#include <cstddef>

namespace vsk {

// Trace categories of the mask.
enum TraceCategory : ub8 {
    TRACE_PREPARE = 1,
    TRACE_EXECUTE = 2,
    TRACE_BIND = 4,
    TRACE_SQL = 8,
    TRACE_TYPEMAP = 16,
    TRACE_ERRORS = 32,
    TRACE_DEFINE = 64,
    TRACE_SVCCTX = 128,
    TRACE_TRANS = 256,
    TRACE_ATTRSET = 512,
    TRACE_CURSORS = 1024,
    TRACE_FETCH = 2048,
    TRACE_WAITS = 8192,
    TRACE_CONNECT = 16384,
};

// Reads OCI_DEBUG_LEVEL, OCI_DEBUG_LOG and OCI_DEBUG_MASK; run at every environment creation.
void read_trace_settings() noexcept;

// Flushes and closes the log (standard error is flushed, never closed).
void close_trace_log() noexcept;

bool trace_level_on(int level) noexcept;
bool ocitracing(ub8 category) noexcept;

void o2pTrace(int level, const char *format, ...) noexcept __attribute__((format(printf, 2, 3)));
void ocitrace(ub8 category, const char *prefix, const char *format, ...) noexcept
    __attribute__((format(printf, 3, 4)));
void ocitracehex(ub8 category, const char *label, const void *data, std::size_t length) noexcept;

// Name tables used in trace lines.
const char *o2pGetReturnCodeText(sword rc) noexcept;
const char *o2pGetHandleTypeName(ub4 type) noexcept;
const char *o2pGetFunctionCode(ub4 code) noexcept;
const char *o2pGetDurationText(ub2 duration) noexcept;
const char *o2pGetTypeCodeText(ub2 code) noexcept;
const char *o2pDescribeAttribute(ub4 attr) noexcept;

}  // namespace vsk
