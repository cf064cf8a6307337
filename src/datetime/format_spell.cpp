// Numbers in English words, for the SP suffix and the YEAR element.
#include <string>

#include "datetime/format_model.h"

namespace vsk::dt {

namespace {

const char *const kOnes[20] = {"ZERO",    "ONE",     "TWO",       "THREE",    "FOUR",     "FIVE",    "SIX",
                               "SEVEN",   "EIGHT",   "NINE",      "TEN",      "ELEVEN",   "TWELVE",  "THIRTEEN",
                               "FOURTEEN", "FIFTEEN", "SIXTEEN",  "SEVENTEEN", "EIGHTEEN", "NINETEEN"};
const char *const kTens[10] = {"", "", "TWENTY", "THIRTY", "FORTY", "FIFTY", "SIXTY", "SEVENTY", "EIGHTY", "NINETY"};

void below_thousand(int n, std::string &out) {
    if (n >= 100) {
        out += kOnes[n / 100];
        out += " HUNDRED";
        n %= 100;
        if (n == 0) return;
        out += ' ';
    }
    if (n < 20) {
        out += kOnes[n];
        return;
    }
    out += kTens[n / 10];
    if (n % 10) {
        out += '-';
        out += kOnes[n % 10];
    }
}

struct Ordinal {
    const char *cardinal;
    const char *ordinal;
};

constexpr Ordinal kIrregular[] = {{"ONE", "FIRST"}, {"TWO", "SECOND"}, {"THREE", "THIRD"}, {"FIVE", "FIFTH"},
                                  {"EIGHT", "EIGHTH"}, {"NINE", "NINTH"}, {"TWELVE", "TWELFTH"}};

// The last word (after a blank or hyphen) made ordinal.
void make_ordinal(std::string &s) {
    const std::size_t at = s.find_last_of(" -");
    const std::size_t start = at == std::string::npos ? 0 : at + 1;
    const std::string last = s.substr(start);
    for (const Ordinal &o : kIrregular) {
        if (last == o.cardinal) {
            s.replace(start, std::string::npos, o.ordinal);
            return;
        }
    }
    if (!last.empty() && last.back() == 'Y') {
        s.replace(s.size() - 1, 1, "IETH");
        return;
    }
    s += "TH";
}

}  // namespace

std::string spell_number(std::int64_t n, bool ordinal) {
    std::string out;
    if (n < 0) n = -n;
    if (n == 0) {
        out = "ZERO";
    } else {
        static const struct {
            std::int64_t scale;
            const char *name;
        } kGroups[] = {{1000000000, " BILLION"}, {1000000, " MILLION"}, {1000, " THOUSAND"}};
        n %= 1000000000000LL;
        for (const auto &g : kGroups) {
            if (n >= g.scale) {
                below_thousand(static_cast<int>(n / g.scale), out);
                out += g.name;
                n %= g.scale;
                if (n) out += ' ';
            }
        }
        if (n) below_thousand(static_cast<int>(n), out);
    }
    if (ordinal) make_ordinal(out);
    return out;
}

}  // namespace vsk::dt
