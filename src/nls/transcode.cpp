// iconv spellings, the conversion routine and its failure messages.
#include "nls/transcode.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <iterator>

#include "nls/ascii.h"

namespace vsk {

namespace {

struct Spelling {
    const char *canonical;
    const char *iconv_name;  // null: iconv has no converter
};

// Canonical names iconv does not accept as they are. UTF8 is accepted by glibc but
// not by GNU libiconv. SQL_ASCII means 7-bit text here: bytes above 0x7f fail to
// convert rather than being guessed at.
constexpr Spelling kSpellings[] = {
    {"SQL_ASCII", "ASCII"},
    {"EUC_JP", "EUC-JP"},
    {"EUC_CN", "EUC-CN"},
    {"EUC_KR", "EUC-KR"},
    {"EUC_TW", "EUC-TW"},
    {"UTF8", "UTF-8"},
    {"MULE_INTERNAL", nullptr},
    {"WINDOWS1252", "WINDOWS-1252"},
    {"ISO_8859_5", "ISO-8859-5"},
    {"ISO_8859_6", "ISO-8859-6"},
    {"ISO_8859_7", "ISO-8859-7"},
    {"ISO_8859_8", "ISO-8859-8"},
};

// Equal ignoring case and everything but letters and digits, the way the alias
// lookup compares names: "sqlascii" and "SQL_ASCII" are one set.
bool same_set_name(const char *a, const char *b) noexcept {
    for (;;) {
        while (*a != '\0' && !ascii_isalnum(*a)) ++a;
        while (*b != '\0' && !ascii_isalnum(*b)) ++b;
        if (ascii_tolower(*a) != ascii_tolower(*b)) return false;
        if (*a == '\0') return true;
        ++a;
        ++b;
    }
}

int fail(int *errno_out, int err) noexcept {
    if (errno_out != nullptr) *errno_out = err;
    return -1;
}

}  // namespace

const char *iconv_charset_name(const char *canonical) noexcept {
    if (canonical == nullptr) return nullptr;
    for (const Spelling &s : kSpellings)
        if (same_set_name(s.canonical, canonical)) return s.iconv_name;
    return canonical;
}

iconv_t open_iconv(const char *to_canonical, const char *from_canonical) noexcept {
    const char *to = iconv_charset_name(to_canonical);
    const char *from = iconv_charset_name(from_canonical);
    if (to == nullptr || from == nullptr) {
        errno = EINVAL;
        return IconvHandle::invalid();
    }
    return iconv_open(to, from);
}

int transcode(iconv_t cd, int *errno_out, const char *src, std::size_t srclen, char **out,
              std::size_t *outlen) noexcept {
    if (out == nullptr || outlen == nullptr) return fail(errno_out, EFAULT);
    *out = nullptr;
    *outlen = 0;
    if (src == nullptr || srclen == 0) return 0;
    if (cd == IconvHandle::invalid()) return fail(errno_out, EBADF);

    // Sized once: four bytes out per byte in, plus the terminator. The bound keeps
    // both the size and the produced count (returned as int) from overflowing.
    if (srclen > (static_cast<std::size_t>(INT_MAX) - 1) / 4) return 0;
    const std::size_t room = srclen * 4;
    char *buf = static_cast<char *>(std::malloc(room + 1));
    if (buf == nullptr) return 0;

    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char *in = const_cast<char *>(src);  // iconv's prototype; the input is not written
    std::size_t in_left = srclen;
    char *o = buf;
    std::size_t o_left = room;
    while (in_left > 0) {
        const std::size_t before = in_left;
        int err = 0;
        if (iconv(cd, &in, &in_left, &o, &o_left) == static_cast<std::size_t>(-1))
            err = errno;
        else if (in_left == before)
            err = EILSEQ;  // never spin on a converter that reports success without progress
        if (err != 0) {
            std::free(buf);
            return fail(errno_out, err);
        }
    }
    if (iconv(cd, nullptr, nullptr, &o, &o_left) == static_cast<std::size_t>(-1)) {
        const int err = errno;
        std::free(buf);
        return fail(errno_out, err);
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    *o = '\0';
    const std::size_t produced = room - o_left;
    *out = buf;
    *outlen = produced;
    return static_cast<int>(produced);
}

int transcode(iconv_t cd, int *errno_out, const char *src, std::size_t srclen, CharBuffer &out,
              std::size_t *outlen) noexcept {
    char *raw = nullptr;
    const int rc = transcode(cd, errno_out, src, srclen, &raw, outlen);
    out.reset(raw);
    return rc;
}

const char *conversion_error_message(int err) noexcept {
    switch (err) {
    case EINVAL:
        return "An incomplete multibyte sequence has been encountered in the input";
    case EILSEQ:
        return "An invalid multibyte sequence has been encountered in the input";
    default:
        return "Error in byte conversion";
    }
}

}  // namespace vsk
