// Writing date/time and interval values as text for the server.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "datetime/server_text.h"

namespace vsk::dt {

namespace {

// Appends formatted text within the buffer; remembers when something did not fit.
class TextOut {
public:
    TextOut(char *buf, std::size_t size) : buf_(buf), size_(size) {
        if (size_) buf_[0] = '\0';
    }
    template <class... Args>
    void add(const char *format, Args... args) {
        if (failed_) return;
        const std::size_t room = size_ - used_;
        const int n = std::snprintf(buf_ + used_, room, format, args...);
        if (n < 0 || static_cast<std::size_t>(n) >= room) {
            failed_ = true;
            return;
        }
        used_ += static_cast<std::size_t>(n);
    }
    int result() const { return failed_ || size_ == 0 ? -1 : static_cast<int>(used_); }

private:
    char *buf_;
    std::size_t size_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

// Nine fraction digits without their trailing zeros.
void add_fraction(TextOut &out, int nanos) {
    if (nanos <= 0) return;
    char digits[10];
    std::snprintf(digits, sizeof digits, "%09d", nanos % kNanosPerSecond);
    int n = 9;
    while (n > 1 && digits[n - 1] == '0') --n;
    digits[n] = '\0';
    out.add(".%s", digits);
}

}  // namespace

int EncodeDateTime(const BrokenDownTime &tm, int nanos, const int *tzWest, char *buf, std::size_t size) noexcept {
    TextOut out(buf, size);
    const bool bc = tm.tm_year <= 0;
    out.add("%04d-%02d-%02d %02d:%02d:%02d", bc ? 1 - tm.tm_year : tm.tm_year, tm.tm_mon, tm.tm_mday, tm.tm_hour,
            tm.tm_min, tm.tm_sec);
    add_fraction(out, nanos);
    if (tzWest) {
        const int east = -*tzWest;
        const int a = std::abs(east);
        out.add("%c%02d", east >= 0 ? '+' : '-', a / 3600);
        if (a % 3600) out.add(":%02d", (a / 60) % 60);
        if (a % 60) out.add(":%02d", a % 60);
    }
    if (bc) out.add(" BC");
    return out.result();
}

int EncodeSpecial(DateTimeKind kind, char *buf, std::size_t size) noexcept {
    TextOut out(buf, size);
    out.add("%s", kind == DateTimeKind::MinusInfinity ? "-infinity" : "infinity");
    return out.result();
}

int EncodeInterval(std::int64_t months, std::int64_t days, double seconds, char *buf, std::size_t size) noexcept {
    TextOut out(buf, size);
    if (!std::isfinite(seconds) || std::fabs(seconds) > 9.0e12) return -1;
    const auto micros = static_cast<long long>(std::llround(seconds * 1e6));
    const long long parts[] = {months / 12, months % 12, days, micros / 3600000000LL, (micros / 60000000LL) % 60};
    const char *const units[] = {"year", "mon", "day", "hour", "min"};
    const long long sec = (micros / 1000000) % 60, frac = micros % 1000000;
    out.add("@");
    // The first non-zero part sets the sign; the others are written relative to it and
    // " ago" ends a negative interval.
    bool zero = true, before = false;
    for (int i = 0; i < 5; ++i) {
        long long v = parts[i];
        if (v == 0) continue;
        if (zero) {
            before = v < 0;
            v = std::llabs(v);
        } else if (before) {
            v = -v;
        }
        out.add(" %lld %s%s", v, units[i], v == 1 ? "" : "s");
        zero = false;
    }
    if (sec != 0 || frac != 0) {
        bool negative = sec < 0 || (sec == 0 && frac < 0);
        if (zero) {
            before = negative;
            negative = false;
        } else if (before) {
            negative = !negative;
        }
        const long long s = std::llabs(sec), f = std::llabs(frac);
        if (f) {
            char digits[8];
            std::snprintf(digits, sizeof digits, "%06lld", f);
            int n = 6;
            while (n > 1 && digits[n - 1] == '0') --n;
            digits[n] = '\0';
            out.add(" %s%lld.%s secs", negative ? "-" : "", s, digits);
        } else {
            out.add(" %s%lld sec%s", negative ? "-" : "", s, s == 1 ? "" : "s");
        }
        zero = false;
    }
    if (zero) out.add(" 0");
    if (before) out.add(" ago");
    return out.result();
}

}  // namespace vsk::dt
