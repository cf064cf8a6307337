// Text conversion between character sets. Every conversion in the library goes
// through transcode() on a descriptor opened from two canonical names.
#pragma once

#include <iconv.h>

#include <cstddef>

#include "nls/charset.h"

namespace vsk {

// The name iconv knows a canonical name by: the name itself unless the spelling
// table lists it (compared like aliases, ignoring case and punctuation); null when
// iconv has no converter for it (MULE_INTERNAL) or canonical is null.
const char *iconv_charset_name(const char *canonical) noexcept;

// iconv_open on the iconv spellings of two canonical names, target first.
// (iconv_t)-1 with errno set (EINVAL for a set without a converter) on failure.
iconv_t open_iconv(const char *to_canonical, const char *from_canonical) noexcept;

// Owns one iconv descriptor. A descriptor carries shift state, so a handle is used
// by one thread at a time.
class IconvHandle {
public:
    IconvHandle() noexcept = default;
    IconvHandle(const char *to_canonical, const char *from_canonical) noexcept
        : cd_(open_iconv(to_canonical, from_canonical)) {}
    explicit IconvHandle(iconv_t adopted) noexcept : cd_(adopted) {}
    ~IconvHandle() { reset(); }

    IconvHandle(IconvHandle &&other) noexcept : cd_(other.release()) {}
    IconvHandle &operator=(IconvHandle &&other) noexcept {
        if (this != &other) {
            reset();
            cd_ = other.release();
        }
        return *this;
    }
    IconvHandle(const IconvHandle &) = delete;
    IconvHandle &operator=(const IconvHandle &) = delete;

    bool valid() const noexcept { return cd_ != invalid(); }
    explicit operator bool() const noexcept { return valid(); }
    iconv_t get() const noexcept { return cd_; }
    iconv_t release() noexcept {
        iconv_t cd = cd_;
        cd_ = invalid();
        return cd;
    }
    void reset() noexcept {
        if (valid()) iconv_close(cd_);
        cd_ = invalid();
    }

    static iconv_t invalid() noexcept { return reinterpret_cast<iconv_t>(-1); }

private:
    iconv_t cd_ = invalid();
};

// Converts srclen bytes of src through cd into a new buffer of srclen * 4 + 1 bytes
// (malloc'd, the caller frees it), zero-terminated after the converted bytes.
// Returns the number of bytes produced and stores it in *outlen.
//  - null src or srclen 0: *out = null, *outlen = 0, result 0, iconv untouched;
//  - no buffer to be had: *out = null, *outlen = 0, result 0 (also when srclen is
//    too large for the result to be counted in an int);
//  - conversion failure: *out = null, *outlen = 0, *errno_out = the iconv error
//    (E2BIG when four bytes per input byte do not suffice), result -1.
// An invalid descriptor fails with EBADF, null out or outlen with EFAULT.
int transcode(iconv_t cd, int *errno_out, const char *src, std::size_t srclen, char **out,
              std::size_t *outlen) noexcept;

// The same with an owning result buffer.
int transcode(iconv_t cd, int *errno_out, const char *src, std::size_t srclen, CharBuffer &out,
              std::size_t *outlen) noexcept;

// The message a caller records for a failed conversion with error number err.
const char *conversion_error_message(int err) noexcept;

}  // namespace vsk
