// Splitting date/time text into fields, and the zone readers shared by the date and
// interval readers.
#include <cstring>

#include "datetime/server_text.h"
#include "nls/ascii.h"

namespace vsk::dt {

namespace {

bool is_digit(char c) { return ascii_isdigit(c); }
bool is_alpha(char c) { return ascii_isalpha(c); }
bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool is_punct(char c) { return c > ' ' && c < 127 && !is_digit(c) && !is_alpha(c); }

// Writes fields into the work buffer, never past it.
class FieldWriter {
public:
    explicit FieldWriter(DateTimeFields *f) : f_(f), p_(f->buffer), end_(f->buffer + kWorkBufferSize) {
        f_->count = 0;
    }
    bool start(int type) {
        if (f_->count >= kMaxFields || p_ >= end_) return false;
        f_->field[f_->count] = p_;
        f_->ftype[f_->count] = type;
        return true;
    }
    void retype(int type) { f_->ftype[f_->count] = type; }
    // Keeps one byte for the terminator.
    bool put(char c) {
        if (p_ + 1 >= end_) return false;
        *p_++ = ascii_tolower(c);
        return true;
    }
    bool finish() {
        if (p_ >= end_) return false;
        *p_++ = '\0';
        ++f_->count;
        return true;
    }

private:
    DateTimeFields *f_;
    char *p_;
    char *end_;
};

struct Cursor {
    const char *s;
    std::size_t n;
    std::size_t i = 0;
    char at(std::size_t k) const { return i + k < n ? s[i + k] : '\0'; }
};

// Copies characters while accept says so.
template <class Accept>
bool copy_while(Cursor &c, FieldWriter &w, Accept accept) {
    while (c.i < c.n && c.s[c.i] != '\0' && accept(c.s[c.i])) {
        if (!w.put(c.s[c.i])) return false;
        ++c.i;
    }
    return true;
}

bool copy_digits(Cursor &c, FieldWriter &w) { return copy_while(c, w, is_digit); }

// A field that starts with a digit: number, time, date or a number with a fraction.
bool digit_field(Cursor &c, FieldWriter &w) {
    if (!w.start(FT_NUMBER) || !copy_digits(c, w)) return false;
    const char next = c.at(0);
    if (next == ':') {
        w.retype(FT_TIME);
        return copy_while(c, w, [](char ch) { return is_digit(ch) || ch == ':' || ch == '.'; });
    }
    if (next == '.') {
        // One dot: a fraction; a second dot makes it a date (day.month.year).
        std::size_t k = 1;
        while (is_digit(c.at(k))) ++k;
        if (c.at(k) != '.') return copy_while(c, w, [](char ch) { return is_digit(ch) || ch == '.'; });
        w.retype(FT_DATE);
        return copy_while(c, w, [](char ch) { return is_digit(ch) || ch == '.'; });
    }
    if (next == '-' || next == '/') {
        w.retype(FT_DATE);
        // Digits after the delimiter keep the date numeric, so "2024-03-05T10" ends at T.
        if (is_digit(c.at(1))) return copy_while(c, w, [next](char ch) { return is_digit(ch) || ch == next; });
        return copy_while(c, w, [next](char ch) { return is_digit(ch) || is_alpha(ch) || ch == next; });
    }
    return true;
}

bool alpha_field(Cursor &c, FieldWriter &w) {
    if (!w.start(FT_STRING)) return false;
    if (!copy_while(c, w, [](char ch) { return is_alpha(ch) || ch == '.' || ch == '_'; })) return false;
    // A month name starting a date ("mar-05-2024").
    const char next = c.at(0);
    if ((next == '-' || next == '/') && (is_digit(c.at(1)) || is_alpha(c.at(1)))) {
        w.retype(FT_DATE);
        return copy_while(c, w, [next](char ch) { return is_digit(ch) || is_alpha(ch) || ch == next; });
    }
    return true;
}

// "+05:30", "-1-2" (a signed year-month of an interval), "+infinity".
bool signed_field(Cursor &c, FieldWriter &w) {
    const char sign = c.at(0);
    if (is_digit(c.at(1)) || (c.at(1) == '.' && is_digit(c.at(2)))) {
        if (!w.start(FT_TZ) || !w.put(sign)) return false;
        ++c.i;
        return copy_while(c, w, [](char ch) { return is_digit(ch) || ch == ':' || ch == '.' || ch == '-'; });
    }
    if (is_alpha(c.at(1))) {
        if (!w.start(FT_STRING) || !w.put(sign)) return false;
        ++c.i;
        return copy_while(c, w, is_alpha);
    }
    return false;
}

int two_digits(const char *p) { return (p[0] - '0') * 10 + (p[1] - '0'); }

}  // namespace

int ParseDateTime(const char *text, std::size_t length, DateTimeFields *out) noexcept {
    if (!text) return DTERR_BAD_FORMAT;
    FieldWriter w(out);
    Cursor c{text, length};
    while (c.i < c.n && c.s[c.i] != '\0') {
        const char ch = c.s[c.i];
        bool ok = true;
        if (is_space(ch)) {
            ++c.i;
            continue;
        }
        if (is_digit(ch)) {
            ok = digit_field(c, w);
        } else if (ch == '.' && is_digit(c.at(1))) {
            ok = w.start(FT_NUMBER) && copy_while(c, w, [](char d) { return is_digit(d) || d == '.'; });
        } else if (is_alpha(ch)) {
            ok = alpha_field(c, w);
        } else if (ch == '+' || ch == '-') {
            ok = signed_field(c, w);
        } else if (is_punct(ch)) {
            // Other punctuation ("@", ",") only separates fields.
            ++c.i;
            continue;
        } else {
            return DTERR_BAD_FORMAT;
        }
        if (!ok || !w.finish()) return DTERR_BAD_FORMAT;
    }
    return 0;
}

bool read_numeric_zone(const char *text, std::size_t length, int *east) noexcept {
    if (length < 2 || (text[0] != '+' && text[0] != '-')) return false;
    const int sign = text[0] == '-' ? -1 : 1;
    const char *p = text + 1;
    const char *end = text + length;
    std::size_t digits = 0;
    while (p + digits < end && is_digit(p[digits])) ++digits;
    int h = 0, m = 0, s = 0;
    if (digits == 4 && p + 4 == end) {
        h = two_digits(p);
        m = two_digits(p + 2);
    } else if (digits == 1 || digits == 2) {
        h = digits == 1 ? p[0] - '0' : two_digits(p);
        p += digits;
        if (p < end) {
            if (*p != ':' || end - p < 3 || !is_digit(p[1]) || !is_digit(p[2])) return false;
            m = two_digits(p + 1);
            p += 3;
            if (p < end) {
                if (*p != ':' || end - p != 3 || !is_digit(p[1]) || !is_digit(p[2])) return false;
                s = two_digits(p + 1);
                p += 3;
            }
        }
        if (p != end) return false;
    } else {
        return false;
    }
    if (h > 14 || m > 59 || s > 59) return false;
    *east = sign * (h * 3600 + m * 60 + s);
    return true;
}

namespace {

struct ZoneAbbrev {
    const char *name;
    int east;
};

// Zone abbreviations the server writes in its SQL, German and Postgres styles, and the
// common ones of its default abbreviation set.
constexpr ZoneAbbrev kZones[] = {
    {"acdt", 37800},  {"acst", 34200},  {"adt", -10800},  {"aedt", 39600},  {"aest", 36000},
    {"akdt", -28800}, {"akst", -32400}, {"ast", -14400},  {"awst", 28800},  {"bst", 3600},
    {"cat", 7200},    {"cdt", -18000},  {"cest", 7200},   {"cet", 3600},    {"cst", -21600},
    {"eat", 10800},   {"edt", -14400},  {"eest", 10800},  {"eet", 7200},    {"est", -18000},
    {"gmt", 0},       {"hkt", 28800},   {"hst", -36000},  {"idt", 10800},   {"ist", 7200},
    {"jst", 32400},   {"kst", 32400},   {"mdt", -21600},  {"msk", 10800},   {"mst", -25200},
    {"ndt", -9000},   {"nst", -12600},  {"nzdt", 46800},  {"nzst", 43200},  {"pdt", -25200},
    {"pkt", 18000},   {"pst", -28800},  {"sast", 7200},   {"sgt", 28800},   {"ut", 0},
    {"utc", 0},       {"wat", 3600},    {"west", 3600},   {"wet", 0},       {"z", 0},
    {"zulu", 0},
};

}  // namespace

bool zone_abbreviation(const char *name, int *east) noexcept {
    for (const ZoneAbbrev &z : kZones) {
        if (std::strcmp(z.name, name) == 0) {
            *east = z.east;
            return true;
        }
    }
    return false;
}

}  // namespace vsk::dt
