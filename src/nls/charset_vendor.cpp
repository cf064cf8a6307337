// The vendor character-set name table and its letter index.
#include <iterator>

#include "nls/ascii.h"
#include "nls/charset.h"

using namespace vsk;

extern "C" {

// The vendor's published character-set identifiers, sorted by name.
constexpr vsk_charset_name vsk_charset_names[] = {
    {"AL16UTF16", 2000},
    {"AL16UTF16LE", 2002},
    {"AL24UTFFSS", 870},
    {"AL32UTF8", 873},
    {"AR8ADOS710", 557},
    {"AR8ADOS710T", 507},
    {"AR8ADOS720", 558},
    {"AR8ADOS720T", 508},
    {"AR8APTEC715", 559},
    {"AR8APTEC715T", 509},
    {"AR8ARABICMAC", 565},
    {"AR8ARABICMACS", 566},
    {"AR8ARABICMACT", 567},
    {"AR8ASMO708PLUS", 61},
    {"AR8ASMO8X", 500},
    {"AR8EBCDIC420S", 320},
    {"AR8EBCDICX", 70},
    {"AR8HPARABIC8T", 514},
    {"AR8ISO8859P6", 36},
    {"AR8MSWIN1256", 560},
    {"AR8MUSSAD768", 556},
    {"AR8MUSSAD768T", 506},
    {"AR8NAFITHA711", 554},
    {"AR8NAFITHA711T", 504},
    {"AR8NAFITHA721", 561},
    {"AR8NAFITHA721T", 511},
    {"AR8SAKHR706", 563},
    {"AR8SAKHR707", 555},
    {"AR8SAKHR707T", 505},
    {"AR8XBASIC", 72},
    {"AZ8ISO8859P9E", 52},
    {"BG8MSWIN", 173},
    {"BG8PC437S", 140},
    {"BLT8CP921", 191},
    {"BLT8EBCDIC1112", 194},
    {"BLT8EBCDIC1112S", 314},
    {"BLT8ISO8859P13", 47},
    {"BLT8MSWIN1257", 179},
    {"BLT8PC775", 197},
    {"BN8BSCII", 43},
    {"CDN8PC863", 390},
    {"CE8BS2000", 233},
    {"CEL8ISO8859P14", 48},
    {"CH7DEC", 19},
    {"CL8BS2000", 235},
    {"CL8EBCDIC1025", 185},
    {"CL8EBCDIC1025C", 322},
    {"CL8EBCDIC1025R", 323},
    {"CL8EBCDIC1025S", 317},
    {"CL8EBCDIC1025X", 188},
    {"CL8EBCDIC1158", 325},
    {"CL8EBCDIC1158R", 326},
    {"CL8ISO8859P5", 35},
    {"CL8ISOIR111", 49},
    {"CL8KOI8R", 196},
    {"CL8KOI8U", 51},
    {"CL8MACCYRILLIC", 158},
    {"CL8MACCYRILLICS", 159},
    {"CL8MSWIN1251", 171},
    {"D7DEC", 11},
    {"D7SIEMENS9780X", 207},
    {"D8BS2000", 222},
    {"D8EBCDIC1141", 189},
    {"D8EBCDIC273", 180},
    {"DK7SIEMENS9780X", 204},
    {"DK8BS2000", 225},
    {"DK8EBCDIC1142", 198},
    {"DK8EBCDIC277", 182},
    {"E7DEC", 14},
    {"E7SIEMENS9780X", 202},
    {"E8BS2000", 224},
    {"EE8BS2000", 232},
    {"EE8EBCDIC870", 184},
    {"EE8EBCDIC870C", 301},
    {"EE8EBCDIC870S", 316},
    {"EE8ISO8859P2", 32},
    {"EE8MACCE", 262},
    {"EE8MACCES", 162},
    {"EE8MACCROATIAN", 263},
    {"EE8MACCROATIANS", 163},
    {"EE8MSWIN1250", 170},
    {"EE8PC852", 150},
    {"EEC8EUROASCI", 110},
    {"EEC8EUROPA3", 113},
    {"EL8DEC", 81},
    {"EL8EBCDIC423R", 327},
    {"EL8EBCDIC875", 381},
    {"EL8EBCDIC875R", 324},
    {"EL8EBCDIC875S", 311},
    {"EL8GCOS7", 211},
    {"EL8ISO8859P7", 37},
    {"EL8MACGREEK", 266},
    {"EL8MACGREEKS", 166},
    {"EL8MSWIN1253", 174},
    {"EL8PC437S", 380},
    {"EL8PC737", 382},
    {"EL8PC851", 386},
    {"EL8PC869", 385},
    {"ET8MSWIN923", 172},
    {"F7DEC", 12},
    {"F7SIEMENS9780X", 201},
    {"F8BS2000", 223},
    {"F8EBCDIC1147", 208},
    {"F8EBCDIC297", 186},
    {"HU8ABMOD", 401},
    {"HU8CWI2", 368},
    {"I7DEC", 17},
    {"I7SIEMENS9780X", 206},
    {"I8EBCDIC1144", 200},
    {"I8EBCDIC280", 181},
    {"IN8ISCII", 25},
    {"IS8MACICELANDIC", 265},
    {"IS8MACICELANDICS", 165},
    {"IS8PC861", 161},
    {"IW7IS960", 23},
    {"IW8EBCDIC1086", 187},
    {"IW8EBCDIC424", 92},
    {"IW8EBCDIC424S", 315},
    {"IW8ISO8859P8", 38},
    {"IW8MACHEBREW", 267},
    {"IW8MACHEBREWS", 167},
    {"IW8MSWIN1255", 175},
    {"IW8PC1507", 154},
    {"JA16DBCS", 833},
    {"JA16DBCSFIXED", 1833},
    {"JA16EBCDIC930", 835},
    {"JA16EUC", 830},
    {"JA16EUCFIXED", 1830},
    {"JA16EUCTILDE", 837},
    {"JA16EUCYEN", 831},
    {"JA16MACSJIS", 836},
    {"JA16SJIS", 832},
    {"JA16SJISFIXED", 1832},
    {"JA16SJISTILDE", 838},
    {"JA16SJISYEN", 834},
    {"JA16TSTSET", 998},
    {"JA16TSTSET2", 997},
    {"JA16VMS", 829},
    {"KO16DBCS", 842},
    {"KO16DBCSFIXED", 1842},
    {"KO16KSC5601", 840},
    {"KO16KSC5601FIXED", 1840},
    {"KO16KSCCS", 845},
    {"KO16MSWIN949", 846},
    {"KO16TSTSET", 996},
    {"LA8ISO6937", 590},
    {"LA8PASSPORT", 114},
    {"LT8MSWIN921", 176},
    {"LT8PC772", 383},
    {"LT8PC774", 384},
    {"LV8PC1117", 192},
    {"LV8PC8LR", 193},
    {"LV8RST104090", 195},
    {"N7SIEMENS9780X", 205},
    {"N8PC865", 190},
    {"NDK7DEC", 16},
    {"NE8ISO8859P10", 40},
    {"NEE8ISO8859P4", 34},
    {"NL7DEC", 18},
    {"RU8BESTA", 153},
    {"RU8PC855", 155},
    {"RU8PC866", 152},
    {"S7DEC", 13},
    {"S7SIEMENS9780X", 203},
    {"S8BS2000", 226},
    {"S8EBCDIC1143", 199},
    {"S8EBCDIC278", 183},
    {"SE8ISO8859P3", 33},
    {"SF7ASCII", 15},
    {"SF7DEC", 21},
    {"TH8MACTHAI", 353},
    {"TH8MACTHAIS", 354},
    {"TH8TISASCII", 41},
    {"TH8TISEBCDIC", 42},
    {"TH8TISEBCDICS", 319},
    {"TIMESTEN8", 1002},
    {"TR7DEC", 22},
    {"TR8DEC", 82},
    {"TR8EBCDIC1026", 93},
    {"TR8EBCDIC1026S", 312},
    {"TR8MACTURKISH", 264},
    {"TR8MACTURKISHS", 164},
    {"TR8MSWIN1254", 177},
    {"TR8PC857", 156},
    {"US16TSTFIXED", 1001},
    {"US7ASCII", 1},
    {"US8BS2000", 221},
    {"US8ICL", 277},
    {"US8PC437", 4},
    {"UTF16", 1000},
    {"UTF8", 871},
    {"UTFE", 872},
    {"VN8MSWIN1258", 45},
    {"VN8VN3", 44},
    {"WE16DECTST", 995},
    {"WE16DECTST2", 994},
    {"WE8BS2000", 231},
    {"WE8BS2000E", 230},
    {"WE8BS2000L5", 239},
    {"WE8DEC", 2},
    {"WE8DECTST", 798},
    {"WE8DG", 241},
    {"WE8EBCDIC1047", 96},
    {"WE8EBCDIC1047E", 100},
    {"WE8EBCDIC1140", 7},
    {"WE8EBCDIC1140C", 97},
    {"WE8EBCDIC1145", 98},
    {"WE8EBCDIC1146", 9},
    {"WE8EBCDIC1148", 27},
    {"WE8EBCDIC1148C", 99},
    {"WE8EBCDIC284", 95},
    {"WE8EBCDIC285", 8},
    {"WE8EBCDIC37", 5},
    {"WE8EBCDIC37C", 90},
    {"WE8EBCDIC500", 6},
    {"WE8EBCDIC500C", 91},
    {"WE8EBCDIC871", 94},
    {"WE8EBCDIC924", 101},
    {"WE8GCOS7", 210},
    {"WE8HP", 3},
    {"WE8ICL", 278},
    {"WE8ISO8859P1", 31},
    {"WE8ISO8859P15", 46},
    {"WE8ISO8859P9", 39},
    {"WE8ISOICLUK", 279},
    {"WE8MACROMAN8", 351},
    {"WE8MACROMAN8S", 352},
    {"WE8MSWIN1252", 178},
    {"WE8NCR4970", 251},
    {"WE8NEXTSTEP", 50},
    {"WE8PC850", 10},
    {"WE8PC858", 28},
    {"WE8PC860", 160},
    {"WE8ROMAN8", 261},
    {"YUG7ASCII", 20},
    {"ZHS16CGB231280", 850},
    {"ZHS16CGB231280FIXED", 1850},
    {"ZHS16DBCS", 853},
    {"ZHS16DBCSFIXED", 1853},
    {"ZHS16GBK", 852},
    {"ZHS16GBKFIXED", 1852},
    {"ZHS16MACCGB231280", 851},
    {"ZHS32GB18030", 854},
    {"ZHT16BIG5", 865},
    {"ZHT16BIG5FIXED", 1865},
    {"ZHT16CCDC", 866},
    {"ZHT16DBCS", 864},
    {"ZHT16DBCSFIXED", 1864},
    {"ZHT16DBT", 862},
    {"ZHT16HKSCS", 868},
    {"ZHT16HKSCS31", 992},
    {"ZHT16MSWIN950", 867},
    {"ZHT32EUC", 860},
    {"ZHT32EUCFIXED", 1860},
    {"ZHT32EUCTST", 993},
    {"ZHT32SOPS", 861},
    {"ZHT32TRIS", 863},
    {"ZHT32TRISFIXED", 1863},
};
const int vsk_charset_names_sz = static_cast<int>(std::size(vsk_charset_names));

// First row of each initial letter (-1: none), then the row count.
constexpr int vsk_charset_index[27] = {
    0,    // A
    31,   // B
    40,   // C
    59,   // D
    68,   // E
    99,   // F
    -1,   // G
    104,  // H
    106,  // I
    123,  // J
    138,  // K
    145,  // L
    -1,   // M
    153,  // N
    -1,   // O
    -1,   // P
    -1,   // Q
    159,  // R
    162,  // S
    170,  // T
    184,  // U
    192,  // V
    194,  // W
    -1,   // X
    234,  // Y
    235,  // Z
    258,
};

}  // extern "C"

namespace {

constexpr int kRows = static_cast<int>(std::size(vsk_charset_names));

constexpr bool names_sorted_and_plain() {
    for (int i = 0; i < kRows; ++i) {
        const char *n = vsk_charset_names[i].name;
        if (!ascii_isalpha(n[0])) return false;
        for (const char *p = n; *p != '\0'; ++p)
            if (!ascii_isdigit(*p) && !(*p >= 'A' && *p <= 'Z')) return false;
        if (i > 0 && ascii_compare(vsk_charset_names[i - 1].name, n) >= 0) return false;
    }
    return true;
}
static_assert(names_sorted_and_plain(), "upper-case letters and digits, strictly sorted");

constexpr bool index_matches_table() {
    if (vsk_charset_index[26] != kRows) return false;
    for (int letter = 0; letter < 26; ++letter) {
        int first = -1;
        for (int i = 0; i < kRows && first < 0; ++i)
            if (vsk_charset_names[i].name[0] == 'A' + letter) first = i;
        if (vsk_charset_index[letter] != first) return false;
    }
    return true;
}
static_assert(index_matches_table());

}  // namespace

namespace vsk {

int search_charsetID(const char *name) noexcept {
    if (name == nullptr || !ascii_isalpha(name[0])) return 0;
    int letter = ascii_toupper(name[0]) - 'A';
    int lo = vsk_charset_index[letter];
    if (lo < 0) return 0;
    // The letter's rows end where the next present letter begins.
    int hi = kRows;
    for (int next = letter + 1; next < 26; ++next)
        if (vsk_charset_index[next] >= 0) {
            hi = vsk_charset_index[next];
            break;
        }
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        int c = ascii_casecmp(name, vsk_charset_names[mid].name);
        if (c == 0) return vsk_charset_names[mid].id;
        if (c < 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    return 0;
}

}  // namespace vsk
