// Writing a broken-down time by a compiled format (DCH_processor with its date and time
// element handlers).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "datetime/format_model.h"
#include "datetime/names.h"
#include "env/error.h"
#include "env/trace.h"
#include "nls/ascii.h"

namespace vsk::dt {

namespace {

constexpr int kErrNotNumber = 1858;

// What several elements derive from the value, worked out once.
struct Derived {
    const BrokenDownTime &tm;
    int nanos;
    bool bc;
    int eraYear;  // 1 and above, BC years counted back from 1
    int jd;
    int wday;
    int yday;
    int isoYear;
    int isoWeek;
};

Derived derive(const BrokenDownTime &tm, int nanos) {
    Derived d{tm, nanos, tm.tm_year <= 0, tm.tm_year <= 0 ? 1 - tm.tm_year : tm.tm_year, 0, 0, 0, 0, 0};
    d.jd = date2j(tm.tm_year, tm.tm_mon, tm.tm_mday);
    d.wday = j2day(d.jd);
    d.yday = d.jd - date2j(tm.tm_year, 1, 1) + 1;
    // ISO 8601: the week belongs to the year of its Thursday.
    const int monday_based = (d.wday + 6) % 7;
    const int thursday = d.jd - monday_based + 3;
    int m, day;
    j2date(thursday, &d.isoYear, &m, &day);
    d.isoWeek = (thursday - date2j(d.isoYear, 1, 1)) / 7 + 1;
    return d;
}

bool lower_keyword(const FormatNode &n) { return n.key->name[0] >= 'a' && n.key->name[0] <= 'z'; }

void to_lower(std::string &s) {
    for (char &c : s) c = ascii_tolower(c);
}

// "ST", "ND", "RD" or "TH" for the text's final digits; empty when it does not end in one.
const char *ordinal_suffix(const std::string &text) {
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

void append_suffix(std::string &out, const std::string &text, const FormatNode &n) {
    out += text;
    if (!(n.suffix & (SFX_TH | SFX_th))) return;
    const char *sfx = ordinal_suffix(text);
    if (!sfx) {
        o2pTrace(4, "Error:%d. \"%s\" is not a number.", kErrNotNumber, text.c_str());
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
void number(std::string &out, const FormatNode &n, std::int64_t v, int width, const char *sign = "") {
    const std::int64_t magnitude = v < 0 ? -v : v;
    if (n.suffix & SFX_SP) {
        std::string words = spell_number(magnitude, n.suffix & (SFX_TH | SFX_th));
        if (lower_keyword(n) || (n.suffix & SFX_th)) to_lower(words);
        if (*sign == '-') out += '-';
        out += words;
        return;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", n.fill ? 1 : width, static_cast<long long>(magnitude));
    if (!(n.fill && *sign == ' ')) out += sign;
    append_suffix(out, buf, n);
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
void name(std::string &out, const FormatNode &n, const char *text, Case c, std::size_t pad) {
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

void zone_region(std::string &out, std::int64_t east) {
    char buf[8];
    write_zone_text(buf, static_cast<int>(east));
    out += buf;
}

void write_keyword(std::string &out, const FormatNode &n, const Derived &d) {
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
        name(out, n, kDayNames[d.wday], case_of(id), longest_name(kDayNames, 7));
        break;
    case K_DY: case K_Dy: case K_dy: name(out, n, kDayAbbrevs[d.wday], case_of(id), 3); break;
    case K_MONTH: case K_Month: case K_month:
        name(out, n, kMonthNames[tm.tm_mon - 1], case_of(id), longest_name(kMonthNames, 12));
        break;
    case K_MON: case K_Mon: case K_mon: name(out, n, kMonthAbbrevs[tm.tm_mon - 1], case_of(id), 3); break;
    case K_DDD: number(out, n, d.yday, 3); break;
    case K_DD: number(out, n, tm.tm_mday, 2); break;
    case K_D: number(out, n, d.wday + 1, 1); break;
    case K_FF: {
        const int digits = n.ffDigits ? n.ffDigits : 9;
        int v = d.nanos;
        for (int k = digits; k < 9; ++k) v /= 10;
        char buf[16];
        std::snprintf(buf, sizeof buf, "%0*d", digits, v);
        append_suffix(out, buf, n);
        break;
    }
    case K_FX: break;
    case K_HH: case K_HH12: number(out, n, hour12(tm.tm_hour), 2); break;
    case K_HH24: number(out, n, tm.tm_hour, 2); break;
    case K_IW: number(out, n, d.isoWeek, 2); break;
    case K_IYYY: number(out, n, d.isoYear, 4); break;
    case K_IYY: number(out, n, d.isoYear % 1000, 3); break;
    case K_IY: number(out, n, d.isoYear % 100, 2); break;
    case K_I: number(out, n, d.isoYear % 10, 1); break;
    case K_J: number(out, n, d.jd, 7); break;
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
    case K_WW: number(out, n, (d.yday - 1) / 7 + 1, 2); break;
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

bool write_program(OCIError *errhp, const FormatProgram &program, const BrokenDownTime &tm, int nanos,
                   std::string *out) noexcept {
    try {
        out->clear();
        if (tm.tm_mon < 1 || tm.tm_mon > 12) {
            _ClearErrorHandle(errhp);
            AddErrorRecord(errhp, OCI_ERROR, 1843);
            return false;
        }
        const Derived d = derive(tm, nanos);
        for (int i = 0; i < program.count; ++i) {
            const FormatNode &n = program.nodes[i];
            if (n.kind == FormatNode::End) break;
            if (n.kind == FormatNode::Text) out->append(n.text, n.length);
            else write_keyword(*out, n, d);
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool datetime_to_char_body(OCIError *errhp, const BrokenDownTime &tm, int nanos, const char *format,
                           FormatMode mode, std::string *out) noexcept {
    const FormatProgram *program = cached_format(errhp, format, mode, FormatUse::Write);
    if (!program) return false;
    return write_program(errhp, *program, tm, nanos, out);
}

}  // namespace vsk::dt
