// What the conversion functions share: the environment's text settings, transcoding of
// values in UTF-16 environments, and the NULL and truncation conventions of fetches.
#pragma once

#include <oci.h>

#include <cstddef>

#include "nls/charset.h"

struct OCIEnv;

namespace vsk {

constexpr ub4 kErrNullReturned = 1405;
constexpr ub4 kErrTruncated = 1406;
constexpr ub4 kErrIllegalConversion = 1460;

// The environment the error handle belongs to (null when there is none).
const OCIEnv *conversion_env(OCIError *errhp) noexcept;
bool oracle_empty_strings(const OCIEnv *env) noexcept;
bool transcoding(const OCIEnv *env) noexcept;

// A value's bytes as the other side reads them: converted in UTF-16 environments
// (from the client for binds, to the client for fetches), the bytes themselves otherwise.
class ConvertedText {
public:
    // false with the conversion failure recorded on errhp.
    bool to_server(const OCIEnv *env, OCIError *errhp, const char *src, std::size_t n) noexcept;
    bool to_client(const OCIEnv *env, OCIError *errhp, const char *src, std::size_t n) noexcept;
    const char *data() const noexcept { return data_; }
    std::size_t size() const noexcept { return size_; }

private:
    bool convert(bool toServer, const OCIEnv *env, OCIError *errhp, const char *src, std::size_t n) noexcept;
    CharBuffer buffer_;
    const char *data_ = "";
    std::size_t size_ = 0;
};

// A new malloc'd text value of n bytes and a NUL for the server (length n + 1, format 0).
// -1 with length 0 when memory is exhausted.
int make_text_value(const char *src, std::size_t n, char **value, ub4 *length, ub1 *format) noexcept;

// A new malloc'd copy of n bytes as a binary parameter (length n, format 1). -1 with
// length 0 when memory is exhausted.
int make_binary_value(const void *src, std::size_t n, char **value, ub4 *length, ub1 *format) noexcept;

// The NULL result of a fetch: return code 1405; indicator -1 and 0, or without an
// indicator error 1405 and 1.
int null_result(OCIError *errhp, sb2 *indp, ub2 *rcodep) noexcept;

// Whether a fetch conversion that left rcode and returned rc met a NULL it had no
// indicator to report in. The statement then fails (1405 is an error there), although
// the conversion's own result is 1.
inline bool null_without_indicator(int rc, const sb2 *indp, ub2 rcode) noexcept {
    return rc == 1 && !indp && rcode == kErrNullReturned;
}

// What the indicator reports for a value of which missing bytes did not fit: their
// count, or this when it is past what the indicator holds.
constexpr sb2 kTruncatedPastIndicator = -2;
sb2 truncated_length(std::size_t missing) noexcept;

// A value cut to its buffer says so in its column return code too, once a fetch
// conversion returned rc: drivers check that rather than the call's warning, and would
// otherwise hand the cut value on as the whole one.
inline void mark_truncated(int rc, const sb2 *indp, ub2 *rcodep) noexcept {
    if (rc == 1 && rcodep && *rcodep == 0 && indp && (*indp > 0 || *indp == kTruncatedPastIndicator))
        *rcodep = static_cast<ub2>(kErrTruncated);
}

// Records the truncation and sets the indicator to the part that did not fit.
void report_truncation(OCIError *errhp, sb2 *indp, std::size_t missing) noexcept;

// Blank padding in the client's character set (UTF-16 blanks in UTF-16 environments).
void pad_blanks(const OCIEnv *env, char *dst, std::size_t from, std::size_t to) noexcept;

// The largest count not above n that does not split a UTF-16 code unit.
std::size_t whole_units(const OCIEnv *env, std::size_t n) noexcept;

}  // namespace vsk
