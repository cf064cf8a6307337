// Writing a broken-down time by a compiled format (DCH_processor with its date and time
// element handlers).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "datetime/format_model.h"
#include "datetime/names.h"
#include "env/error.h"
#include "env/trace.h"
#include "nls/ascii.h"

namespace vsk::dt {

namespace {

constexpr int kErrNotNumber = 1858;
// Text elements are padded to the longest name of their kind.
constexpr std::size_t kLongestDay = 9;    // Wednesday
constexpr std::size_t kLongestMonth = 9;  // September

// Where the text goes: a growing string, or a caller's buffer that keeps what fits (the
// length counts all of it).
class Sink {
public:
    explicit Sink(std::string *s) : str_(s) {}
    Sink(char *buf, std::size_t cap) : buf_(buf), cap_(cap) {}

    void push_back(char c) {
        if (str_) str_->push_back(c);
        else if (n_ < cap_) buf_[n_] = c;
        ++n_;
    }
    void append(const char *s, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) push_back(s[i]);
    }
    Sink &operator+=(char c) {
        push_back(c);
        return *this;
    }
    Sink &operator+=(std::string_view s) {
        append(s.data(), s.size());
        return *this;
    }
    Sink &operator+=(const char *s) { return *this += std::string_view(s); }
    std::size_t size() const { return n_; }

private:
    std::string *str_ = nullptr;
    char *buf_ = nullptr;
    std::size_t cap_ = 0;
    std::size_t n_ = 0;
};

// What several elements derive from the value, each worked out once when an element asks.
struct Derived {
    const BrokenDownTime &tm;
    int nanos;
    bool bc;
    int eraYear;  // 1 and above, BC years counted back from 1

    Derived(const BrokenDownTime &t, int n)
        : tm(t), nanos(n), bc(t.tm_year <= 0), eraYear(t.tm_year <= 0 ? 1 - t.tm_year : t.tm_year) {}

    int jd() const {
        if (!jdDone_) jd_ = date2j(tm.tm_year, tm.tm_mon, tm.tm_mday), jdDone_ = true;
        return jd_;
    }
    int wday() const { return j2day(jd()); }
    int yday() const { return jd() - date2j(tm.tm_year, 1, 1) + 1; }
    int iso_year() const { return iso(), isoYear_; }
    int iso_week() const { return iso(), isoWeek_; }

private:
    // ISO 8601: the week belongs to the year of its Thursday.
    void iso() const {
        if (isoDone_) return;
        const int monday_based = (wday() + 6) % 7;
        const int thursday = jd() - monday_based + 3;
        int m, day;
        j2date(thursday, &isoYear_, &m, &day);
        isoWeek_ = (thursday - date2j(isoYear_, 1, 1)) / 7 + 1;
        isoDone_ = true;
    }

    mutable bool jdDone_ = false, isoDone_ = false;
    mutable int jd_ = 0, isoYear_ = 0, isoWeek_ = 0;
};

// Decimal digits of v with at least width of them; the count written into buf (24 bytes).
std::size_t decimal(std::uint64_t v, int width, char *buf) {
    // Most elements are two digits.
    if (v < 100 && width == 2) {
        buf[0] = static_cast<char>('0' + v / 10);
        buf[1] = static_cast<char>('0' + v % 10);
        return 2;
    }
    char tmp[24];
    int n = 0;
    do {
        tmp[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v);
    while (n < width && n < 20) tmp[n++] = '0';
    for (int i = 0; i < n; ++i) buf[i] = tmp[n - 1 - i];
    return static_cast<std::size_t>(n);
}

bool lower_keyword(const FormatNode &n) { return n.key->name[0] >= 'a' && n.key->name[0] <= 'z'; }

void to_lower(std::string &s) {
    for (char &c : s) c = ascii_tolower(c);
}

// "ST", "ND", "RD" or "TH" for the text's final digits; empty when it does not end in one.
const char *ordinal_suffix(std::string_view text) {
    if (text.empty() || !ascii_isdigit(text.back())) return nullptr;
    const char last = text.back();
    const bool teen = text.size() >= 2 && text[text.size() - 2] == '1';
    if (teen) return "TH";
    switch (last) {
    case '1': return "ST";
    case '2': return "ND";
    case '3': return "RD";
    default: return "TH";
    }
}

void append_suffix(Sink &out, std::string_view text, const FormatNode &n) {
    out += text;
    if (!(n.suffix & (SFX_TH | SFX_th))) return;
    const char *sfx = ordinal_suffix(text);
    if (!sfx) {
        const std::string shown(text);
        o2pTrace(4, "Error:%d. \"%s\" is not a number.", kErrNotNumber, shown.c_str());
        return;
    }
    if (n.suffix & SFX_th) {
        out += ascii_tolower(sfx[0]);
        out += ascii_tolower(sfx[1]);
    } else {
        out += sfx;
    }
}

// A number in its natural width (fill mode: no padding); sign is written before it.
void number(Sink &out, const FormatNode &n, std::int64_t v, int width, const char *sign = "") {
    const std::int64_t magnitude = v < 0 ? -v : v;
    if (n.suffix & SFX_SP) {
        std::string words = spell_number(magnitude, n.suffix & (SFX_TH | SFX_th));
        if (lower_keyword(n) || (n.suffix & SFX_th)) to_lower(words);
        if (*sign == '-') out += '-';
        out += words;
        return;
    }
    char buf[24];
    const std::size_t len = decimal(static_cast<std::uint64_t>(magnitude), n.fill ? 1 : width, buf);
    if (*sign && !(n.fill && *sign == ' ')) out += *sign;
    append_suffix(out, std::string_view(buf, len), n);
}

enum class Case { Upper, Capital, Lower };

Case case_of(int id) {
    switch (id) {
    case K_DAY: case K_DY: case K_MONTH: case K_MON: return Case::Upper;
    case K_day: case K_dy: case K_month: case K_mon: return Case::Lower;
    default: return Case::Capital;
    }
}

// A name in the keyword's case, padded with blanks to pad characters unless in fill mode.
void name(Sink &out, const FormatNode &n, const char *text, Case c, std::size_t pad) {
    const std::size_t start = out.size();
    for (const char *p = text; *p; ++p) {
        const char ch = *p;
        out += c == Case::Upper ? ascii_toupper(ch) : (c == Case::Lower ? ascii_tolower(ch) : ch);
    }
    if (!n.fill)
        while (out.size() - start < pad) out += ' ';
    if (n.suffix & (SFX_TH | SFX_th)) o2pTrace(4, "Error:%d. \"%s\" is not a number.", kErrNotNumber, text);
}

const char *const kRoman[12] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

// The year in words: "TWENTY TWENTY-FOUR", "TWO THOUSAND FIVE", "NINETEEN HUNDRED".
std::string year_words(int year) {
    if (year < 1000 || year % 1000 == 0 || (year % 1000) < 10) return spell_number(year, false);
    const int hi = year / 100, lo = year % 100;
    if (lo == 0) return spell_number(hi, false) + " HUNDRED";
    return spell_number(hi, false) + " " + spell_number(lo, false);
}

int hour12(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

void zone_region(Sink &out, std::int64_t east) {
    char buf[8];
    write_zone_text(buf, static_cast<int>(east));
    out += buf;
}

void write_keyword(Sink &out, const FormatNode &n, const Derived &d) {
    const BrokenDownTime &tm = d.tm;
    const int id = n.key->id;
    switch (id) {
    case K_A_D: out += d.bc ? "B.C." : "A.D."; break;
    case K_B_C: out += d.bc ? "B.C." : "A.D."; break;
    case K_AD: case K_BC: out += d.bc ? "BC" : "AD"; break;
    case K_a_d: case K_b_c: out += d.bc ? "b.c." : "a.d."; break;
    case K_ad: case K_bc: out += d.bc ? "bc" : "ad"; break;
    case K_A_M: case K_P_M: out += tm.tm_hour < 12 ? "A.M." : "P.M."; break;
    case K_AM: case K_PM: out += tm.tm_hour < 12 ? "AM" : "PM"; break;
    case K_a_m: case K_p_m: out += tm.tm_hour < 12 ? "a.m." : "p.m."; break;
    case K_am: case K_pm: out += tm.tm_hour < 12 ? "am" : "pm"; break;
    case K_CC: number(out, n, (d.eraYear + 99) / 100, 2); break;
    case K_SCC: number(out, n, (d.eraYear + 99) / 100, 2, d.bc ? "-" : " "); break;
    case K_DAY: case K_Day: case K_day:
        name(out, n, kDayNames[d.wday()], case_of(id), kLongestDay);
        break;
    case K_DY: case K_Dy: case K_dy: name(out, n, kDayAbbrevs[d.wday()], case_of(id), 3); break;
    case K_MONTH: case K_Month: case K_month:
        name(out, n, kMonthNames[tm.tm_mon - 1], case_of(id), kLongestMonth);
        break;
    case K_MON: case K_Mon: case K_mon: name(out, n, kMonthAbbrevs[tm.tm_mon - 1], case_of(id), 3); break;
    case K_DDD: number(out, n, d.yday(), 3); break;
    case K_DD: number(out, n, tm.tm_mday, 2); break;
    case K_D: number(out, n, d.wday() + 1, 1); break;
    case K_FF: {
        const int digits = n.ffDigits ? n.ffDigits : 9;
        int v = d.nanos;
        for (int k = digits; k < 9; ++k) v /= 10;
        char buf[24];
        append_suffix(out, std::string_view(buf, decimal(static_cast<std::uint64_t>(v < 0 ? 0 : v), digits, buf)), n);
        break;
    }
    case K_FX: break;
    case K_HH: case K_HH12: number(out, n, hour12(tm.tm_hour), 2); break;
    case K_HH24: number(out, n, tm.tm_hour, 2); break;
    case K_IW: number(out, n, d.iso_week(), 2); break;
    case K_IYYY: number(out, n, d.iso_year(), 4); break;
    case K_IYY: number(out, n, d.iso_year() % 1000, 3); break;
    case K_IY: number(out, n, d.iso_year() % 100, 2); break;
    case K_I: number(out, n, d.iso_year() % 10, 1); break;
    case K_J: number(out, n, d.jd(), 7); break;
    case K_MI: number(out, n, tm.tm_min, 2); break;
    case K_MM: number(out, n, tm.tm_mon, 2); break;
    case K_MS: number(out, n, d.nanos / 1000000, 3); break;
    case K_Q: number(out, n, (tm.tm_mon - 1) / 3 + 1, 1); break;
    case K_RM: case K_rm: {
        std::string r = kRoman[tm.tm_mon - 1];
        if (id == K_rm) to_lower(r);
        name(out, n, r.c_str(), id == K_rm ? Case::Lower : Case::Upper, 4);
        break;
    }
    case K_SSSSS: number(out, n, tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec, 5); break;
    case K_SS: number(out, n, tm.tm_sec, 2); break;
    case K_SYEAR: case K_YEAR: {
        if (id == K_SYEAR && (d.bc || !n.fill)) out += d.bc ? '-' : ' ';
        std::string words = year_words(d.eraYear);
        out += words;
        break;
    }
    case K_SYYYY: number(out, n, d.eraYear, 4, d.bc ? "-" : " "); break;
    case K_TZD:
        if (tm.tm_zone && ascii_isalpha(tm.tm_zone[0]))
            for (const char *p = tm.tm_zone; *p; ++p) out += ascii_toupper(*p);
        break;
    case K_TZH: number(out, n, std::llabs(tm.tm_gmtoff) / 3600, 2, tm.tm_gmtoff < 0 ? "-" : "+"); break;
    case K_TZM: number(out, n, (std::llabs(tm.tm_gmtoff) / 60) % 60, 2); break;
    case K_TZR: zone_region(out, tm.tm_gmtoff); break;
    case K_US: number(out, n, d.nanos / 1000, 6); break;
    case K_WW: number(out, n, (d.yday() - 1) / 7 + 1, 2); break;
    case K_W: number(out, n, (tm.tm_mday - 1) / 7 + 1, 1); break;
    case K_X: out += '.'; break;
    case K_Y_YYY: {
        if (n.suffix & SFX_SP) {
            number(out, n, d.eraYear, 1);
            break;
        }
        char buf[24];
        std::snprintf(buf, sizeof buf, "%d,%03d", d.eraYear / 1000, d.eraYear % 1000);
        append_suffix(out, buf, n);
        break;
    }
    case K_YYYY: case K_RRRR: number(out, n, d.eraYear, 4); break;
    case K_YYY: number(out, n, d.eraYear % 1000, 3); break;
    case K_YY: case K_RR: number(out, n, d.eraYear % 100, 2); break;
    case K_Y: number(out, n, d.eraYear % 10, 1); break;
    default: break;  // refused before writing (E, EE) or expanded (DL, DS, TS)
    }
}

}  // namespace

namespace {

bool write_nodes(OCIError *errhp, const FormatProgram &program, const BrokenDownTime &tm, int nanos, Sink &out) {
    if (tm.tm_mon < 1 || tm.tm_mon > 12) {
        _ClearErrorHandle(errhp);
        AddErrorRecord(errhp, OCI_ERROR, 1843);
        return false;
    }
    const Derived d(tm, nanos);
    for (int i = 0; i < program.count; ++i) {
        const FormatNode &n = program.nodes[i];
        if (n.kind == FormatNode::End) break;
        if (n.kind != FormatNode::Text) write_keyword(out, n, d);
        else out.append(n.text, n.length);
    }
    return true;
}

// The program for format, and the value with the local zone when asked and needed.
const FormatProgram *prepare(OCIError *errhp, const BrokenDownTime &tm, const char *format, FormatMode mode,
                             bool localZone, BrokenDownTime *value) {
    const FormatProgram *program = cached_format(errhp, format, mode, FormatUse::Write);
    if (!program) return nullptr;
    *value = tm;
    // Zone elements show the local zone of that date and time.
    if (localZone && program->zone) value->tm_gmtoff = local_offset_east(tm);
    return program;
}

}  // namespace

bool write_program(OCIError *errhp, const FormatProgram &program, const BrokenDownTime &tm, int nanos,
                   std::string *out) noexcept {
    try {
        out->clear();
        Sink sink(out);
        return write_nodes(errhp, program, tm, nanos, sink);
    } catch (...) {
        return false;
    }
}

bool datetime_to_char_body(OCIError *errhp, const BrokenDownTime &tm, int nanos, const char *format,
                           FormatMode mode, std::string *out, bool localZone) noexcept {
    BrokenDownTime value;
    const FormatProgram *program = prepare(errhp, tm, format, mode, localZone, &value);
    return program && write_program(errhp, *program, value, nanos, out);
}

bool datetime_to_char_buffer(OCIError *errhp, const BrokenDownTime &tm, int nanos, const char *format,
                             FormatMode mode, char *buf, std::size_t size, std::size_t *length,
                             bool localZone) noexcept {
    BrokenDownTime value;
    const FormatProgram *program = prepare(errhp, tm, format, mode, localZone, &value);
    if (!program) return false;
    Sink sink(buf, size ? size - 1 : 0);
    if (!write_nodes(errhp, *program, value, nanos, sink)) return false;
    if (size) buf[sink.size() < size - 1 ? sink.size() : size - 1] = '\0';
    *length = sink.size();
    return true;
}

}  // namespace vsk::dt
