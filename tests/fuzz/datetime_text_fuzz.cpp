// Arbitrary text through the server date/time and interval readers, and what they accept
// back through the writers: no crash, no write outside a buffer, and what the ISO writer
// produces reads back to the same fields.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "datetime/server_text.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace vsk::dt;
    const auto *text = reinterpret_cast<const char *>(data);
    DecodedDateTime d;
    if (read_datetime(text, size, &d) == 0 && d.kind == DateTimeKind::Value) {
        char buf[96];
        const int n = EncodeDateTime(d.tm, d.nanos, d.hasZone ? &d.tzWest : nullptr, buf, sizeof buf);
        check(n > 0 && static_cast<std::size_t>(n) < sizeof buf);
        DecodedDateTime back;
        check(read_datetime(buf, static_cast<std::size_t>(n), &back) == 0);
        check(back.tm.tm_year == d.tm.tm_year && back.tm.tm_mon == d.tm.tm_mon && back.tm.tm_mday == d.tm.tm_mday &&
              back.tm.tm_hour == d.tm.tm_hour && back.tm.tm_min == d.tm.tm_min && back.tm.tm_sec == d.tm.tm_sec &&
              back.nanos == d.nanos);
    }
    IntervalParts p;
    if (read_interval(text, size, &p) == 0) {
        char buf[160];
        const double seconds = static_cast<double>(p.micros) / 1e6;
        const int n = EncodeInterval(p.months, p.days, seconds, buf, sizeof buf);
        // Counts the reader refuses to take (beyond 10^12 of a unit) are not written back.
        const bool readable = std::llabs(p.months) < 100000000000LL && std::llabs(p.days) < 100000000000LL;
        if (n > 0 && readable) {
            check(static_cast<std::size_t>(n) < sizeof buf);
            IntervalParts back;
            check(read_interval(buf, static_cast<std::size_t>(n), &back) == 0);
            check(back.months == p.months && back.days == p.days);
        }
    }
    DateTimeFields f;
    if (ParseDateTime(text, size, &f) == 0) {
        check(f.count <= kMaxFields);
        for (int i = 0; i < f.count; ++i)
            check(f.field[i] >= f.buffer && f.field[i] + std::strlen(f.field[i]) < f.buffer + kWorkBufferSize);
    }
    return 0;
}
