// Date format models (DD-MON-YYYY HH24:MI:SS and the like): the keyword table, the
// compiler of a format into nodes and its checks, the writer (to text) and the reader
// (from text).
#pragma once

#include <oci.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "datetime/calendar.h"

namespace vsk::dt {

// What the value being written or read holds.
enum FormatMode : int {
    FMT_DATE = 1,       // a date descriptor: no time of day
    FMT_OCIDATE = 2,    // OCIDate
    FMT_TIMESTAMP = 3,  // timestamp
    FMT_ZONED = 4,      // timestamp with (local) time zone
};

// Formats are caller text of up to this many characters.
constexpr std::size_t kMaxFormatLength = 255;

struct KeywordDef {
    const char *name;
    std::uint8_t length;
    bool time;  // handled by the time-of-day element handler
    std::uint8_t id;
    bool numeric;
};

// Element numbers of the keywords named in code.
enum KeywordId : std::uint8_t {
    K_A_D = 0, K_A_M = 1, K_AD = 2, K_AM = 3, K_B_C = 4, K_BC = 5, K_CC = 6, K_DAY = 7, K_DDD = 8, K_DD = 9,
    K_DL = 10, K_DS = 11, K_DY = 12, K_Day = 13, K_Dy = 14, K_D = 15, K_EE = 16, K_E = 17, K_FF = 18, K_FX = 19,
    K_HH24 = 20, K_HH12 = 21, K_HH = 22, K_IW = 23, K_IYYY = 24, K_IYY = 25, K_IY = 26, K_I = 27, K_J = 28,
    K_MI = 29, K_MM = 30, K_MONTH = 31, K_MON = 32, K_MS = 33, K_Month = 34, K_Mon = 35, K_P_M = 36, K_PM = 37,
    K_Q = 38, K_RM = 39, K_RRRR = 40, K_RR = 41, K_SCC = 42, K_SSSSS = 43, K_SS = 44, K_SYEAR = 45, K_SYYYY = 46,
    K_TS = 47, K_TZD = 48, K_TZH = 49, K_TZM = 50, K_TZR = 51, K_US = 52, K_WW = 53, K_W = 54, K_X = 55,
    K_Y_YYY = 56, K_YEAR = 57, K_YYYY = 58, K_YYY = 59, K_YY = 60, K_Y = 61,
    K_a_d = 62, K_a_m = 63, K_ad = 64, K_am = 65, K_b_c = 66, K_bc = 67, K_day = 69, K_dy = 72, K_month = 86,
    K_mon = 87, K_p_m = 89, K_pm = 90, K_rm = 92,
};

constexpr int kKeywordCount = 103;
extern const KeywordDef kKeywords[kKeywordCount];

// Suffix bits of a keyword node.
enum : std::uint8_t { SFX_TH = 1, SFX_th = 2, SFX_SP = 4 };

struct FormatNode {
    enum Kind : std::uint8_t { End, Keyword, Text } kind = End;
    bool fill = false;         // fill mode was on
    std::uint8_t suffix = 0;   // SFX_ bits
    std::uint8_t ffDigits = 0; // FF1..FF9, 0 for FF alone
    const KeywordDef *key = nullptr;
    const char *text = nullptr;  // Text: literal or separator characters (not terminated)
    std::uint16_t length = 0;
    bool quoted = false;         // Text from a double-quoted literal
};

// Enough for a format of kMaxFormatLength characters of composite keywords (each of two
// characters expands to seven nodes), and the end node.
constexpr int kMaxNodes = 1024;

struct FormatProgram {
    FormatNode nodes[kMaxNodes];
    int count = 0;
    bool zone = false;  // a zone element (TZH, TZM, TZR, TZD) is among the nodes
};

// Compiles a NUL-terminated format (the text must outlive the program); an empty format
// gives just the end node. False only when the format is longer than kMaxFormatLength.
bool parse_format(FormatProgram *program, const char *format) noexcept;

// Whether a program is compiled for reading text (some keywords are only written).
enum class FormatUse { Write, Read };

// The checks of a compiled format for the mode (twice the same keyword, mixed AM/PM or
// BC/AD markers, time elements in a date, unsupported keywords): true when it passes;
// otherwise the error is recorded on errhp (its earlier records cleared).
bool DuplicateNodeExists(OCIError *errhp, const FormatProgram &program, FormatMode mode,
                         FormatUse use = FormatUse::Read) noexcept;

// parse_format and the checks, with the error recorded when either refuses.
bool compile_format(OCIError *errhp, const char *format, FormatMode mode, FormatUse use,
                    FormatProgram *program) noexcept;

// The compiled program of format for mode and use, kept per thread for the next call with
// the same ones: null with the error recorded when the format is refused.
const FormatProgram *cached_format(OCIError *errhp, const char *format, FormatMode mode, FormatUse use) noexcept;

// Whether the format contains a zone element (TZH, TZM, TZR, TZD).
bool hasTimeZoneInFormat(const char *format) noexcept;

// The value (tm with its offset east in tm_gmtoff and zone name in tm_zone, and nanos)
// written in the format: true with the text in *out; false with the error recorded. With
// localZone the zone elements show the process's local zone at that date instead.
bool datetime_to_char_body(OCIError *errhp, const BrokenDownTime &tm, int nanos, const char *format,
                           FormatMode mode, std::string *out, bool localZone = false) noexcept;
// The same into a caller's buffer of size bytes: what fits of the text and a NUL (nothing
// when size is 0), its whole length in *length.
bool datetime_to_char_buffer(OCIError *errhp, const BrokenDownTime &tm, int nanos, const char *format,
                             FormatMode mode, char *buf, std::size_t size, std::size_t *length,
                             bool localZone = false) noexcept;
// The same with a compiled program.
bool write_program(OCIError *errhp, const FormatProgram &program, const BrokenDownTime &tm, int nanos,
                   std::string *out) noexcept;

// What the reader found.
struct ReadDateTime {
    BrokenDownTime tm;
    int nanos = 0;
    bool hasZone = false;  // tm_gmtoff holds the offset east the text gave
};

// Reads text by the format: 0, or -1 with the error recorded on errhp.
int do_to_timestamp(OCIError *errhp, const char *text, const char *format, ReadDateTime *out,
                    FormatMode mode) noexcept;

// English words of n (0 <= n < 10^12), upper case, or the ordinal words ("FIFTH").
std::string spell_number(std::int64_t n, bool ordinal);

}  // namespace vsk::dt
