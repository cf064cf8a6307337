// The keyword table and the compiler of format models into node lists, with the checks
// a node list must pass before it is written or read.
#include <cstring>
#include <memory>
#include <string>

#include "datetime/format_model.h"
#include "env/error.h"

namespace vsk::dt {

namespace {

constexpr ub4 kErrDuplicate = 1810;
constexpr ub4 kErrAmPm = 1814;
constexpr ub4 kErrBcAd = 1815;
constexpr ub4 kErrDateFormat = 1821;
constexpr ub4 kErrEraFormat = 1822;
constexpr ub4 kErrUnsupported = 30475;
constexpr ub4 kErrFormatTooLong = 1800;

}  // namespace

#define KW(name, id, numeric, time) {name, sizeof(name) - 1, time, id, numeric}

// Searched by the leading characters of the rest of the format; the first match wins, so
// longer names come before their prefixes. Entries of one first character are adjacent.
const KeywordDef kKeywords[kKeywordCount] = {
    KW("A.D.", K_A_D, false, false), KW("A.M.", K_A_M, false, true), KW("AD", K_AD, false, false),
    KW("AM", K_AM, false, true), KW("B.C.", K_B_C, false, false), KW("BC", K_BC, false, false),
    KW("CC", K_CC, true, false), KW("DAY", K_DAY, false, false), KW("DDD", K_DDD, true, false),
    KW("DD", K_DD, true, false), KW("DL", K_DL, false, false), KW("DS", K_DS, false, false),
    KW("DY", K_DY, false, false), KW("Day", K_Day, false, false), KW("Dy", K_Dy, false, false),
    KW("D", K_D, true, false), KW("EE", K_EE, true, false), KW("E", K_E, true, false),
    KW("FF", K_FF, true, false), KW("FX", K_FX, false, false), KW("HH24", K_HH24, true, true),
    KW("HH12", K_HH12, true, true), KW("HH", K_HH, true, true), KW("IW", K_IW, true, false),
    KW("IYYY", K_IYYY, true, false), KW("IYY", K_IYY, true, false), KW("IY", K_IY, true, false),
    KW("I", K_I, true, false), KW("J", K_J, true, false), KW("MI", K_MI, true, true),
    KW("MM", K_MM, true, false), KW("MONTH", K_MONTH, false, false), KW("MON", K_MON, false, false),
    KW("MS", K_MS, true, true), KW("Month", K_Month, false, false), KW("Mon", K_Mon, false, false),
    KW("P.M.", K_P_M, false, true), KW("PM", K_PM, false, true), KW("Q", K_Q, true, false),
    KW("RM", K_RM, false, false), KW("RRRR", K_RRRR, true, false), KW("RR", K_RR, true, false),
    KW("SCC", K_SCC, true, false), KW("SSSSS", K_SSSSS, true, true), KW("SS", K_SS, true, true),
    KW("SYEAR", K_SYEAR, false, false), KW("SYYYY", K_SYYYY, true, false), KW("TS", K_TS, false, false),
    KW("TZD", K_TZD, false, true), KW("TZH", K_TZH, true, true), KW("TZM", K_TZM, true, true),
    KW("TZR", K_TZR, false, true), KW("US", K_US, true, true), KW("WW", K_WW, true, false),
    KW("W", K_W, true, false), KW("X", K_X, false, true), KW("Y,YYY", K_Y_YYY, true, false),
    KW("YEAR", K_YEAR, false, false), KW("YYYY", K_YYYY, true, false), KW("YYY", K_YYY, true, false),
    KW("YY", K_YY, true, false), KW("Y", K_Y, true, false),

    KW("a.d.", K_a_d, false, false), KW("a.m.", K_a_m, false, true), KW("ad", K_ad, false, false),
    KW("am", K_am, false, true), KW("b.c.", K_b_c, false, false), KW("bc", K_bc, false, false),
    KW("cc", K_CC, true, false), KW("day", K_day, false, false), KW("ddd", K_DDD, true, false),
    KW("dd", K_DD, true, false), KW("dy", K_dy, false, false), KW("d", K_D, true, false),
    KW("fx", K_FX, false, false), KW("hh24", K_HH24, true, true), KW("hh12", K_HH12, true, true),
    KW("hh", K_HH, true, true), KW("iw", K_IW, true, false), KW("iyyy", K_IYYY, true, false),
    KW("iyy", K_IYY, true, false), KW("iy", K_IY, true, false), KW("i", K_I, true, false),
    KW("j", K_J, true, false), KW("mi", K_MI, true, true), KW("mm", K_MM, true, false),
    KW("month", K_month, false, false), KW("mon", K_mon, false, false), KW("ms", K_MS, true, true),
    KW("p.m.", K_p_m, false, true), KW("pm", K_pm, false, true), KW("q", K_Q, true, false),
    KW("rm", K_rm, false, false), KW("sssss", K_SSSSS, true, true), KW("ss", K_SS, true, true),
    KW("us", K_US, true, true), KW("ww", K_WW, true, false), KW("w", K_W, true, false),
    KW("y,yyy", K_Y_YYY, true, false), KW("yyyy", K_YYYY, true, false), KW("yyy", K_YYY, true, false),
    KW("yy", K_YY, true, false), KW("y", K_Y, true, false),
};

#undef KW

namespace {

// First table entry of each leading character, -1 for characters that start none.
struct KeywordIndex {
    short first[128];
    KeywordIndex() : first() {
        for (short &f : first) f = -1;
        for (int i = kKeywordCount - 1; i >= 0; --i) first[static_cast<unsigned char>(kKeywords[i].name[0])] = static_cast<short>(i);
    }
};

const KeywordIndex &keyword_index() {
    static const KeywordIndex index;
    return index;
}

const KeywordDef *find_keyword(const char *p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c >= 128) return nullptr;
    int i = keyword_index().first[c];
    if (i < 0) return nullptr;
    for (; i < kKeywordCount && kKeywords[i].name[0] == *p; ++i)
        if (std::strncmp(p, kKeywords[i].name, kKeywords[i].length) == 0) return &kKeywords[i];
    return nullptr;
}

const KeywordDef *keyword_of(KeywordId id) {
    for (const KeywordDef &k : kKeywords)
        if (k.id == id) return &k;
    return nullptr;
}

bool starts(const char *p, const char *prefix) { return std::strncmp(p, prefix, std::strlen(prefix)) == 0; }

class NodeWriter {
public:
    explicit NodeWriter(FormatProgram *p) : p_(p) { p_->count = 0; }
    // Room is kept for the end node.
    FormatNode *next() {
        if (p_->count >= kMaxNodes - 1) return nullptr;
        FormatNode *n = &p_->nodes[p_->count++];
        *n = FormatNode{};
        return n;
    }
    void keyword(KeywordId id, bool fill) {
        if (FormatNode *n = next()) {
            n->kind = FormatNode::Keyword;
            n->key = keyword_of(id);
            n->fill = fill;
        }
    }
    void text(const char *t, std::size_t length, bool quoted = false) {
        if (FormatNode *n = next()) {
            n->kind = FormatNode::Text;
            n->text = t;
            n->length = static_cast<std::uint16_t>(length);
            n->quoted = quoted;
        }
    }
    void end() { p_->nodes[p_->count++] = FormatNode{}; }

private:
    FormatProgram *p_;
};

// DL, DS and TS stand for these.
void expand_composite(NodeWriter &w, KeywordId id, bool fill) {
    switch (id) {
    case K_DL:
        // The long date names its day and month without padding, as the vendor's does.
        w.keyword(K_Day, true), w.text(", ", 2), w.keyword(K_Month, true), w.text(" ", 1);
        w.keyword(K_DD, fill), w.text(", ", 2), w.keyword(K_YYYY, fill);
        break;
    case K_DS:
        w.keyword(K_MM, fill), w.text("/", 1), w.keyword(K_DD, fill), w.text("/", 1), w.keyword(K_YYYY, fill);
        break;
    default:
        w.keyword(K_HH, fill), w.text(":", 1), w.keyword(K_MI, fill), w.text(":", 1), w.keyword(K_SS, fill);
        w.text(" ", 1), w.keyword(K_AM, fill);
        break;
    }
}

// Quoted text is kept in pieces of at most this many characters.
constexpr std::size_t kLiteralPiece = 30;

bool is_meridian(int id) {
    return id == K_A_M || id == K_AM || id == K_P_M || id == K_PM || id == K_a_m || id == K_am || id == K_p_m ||
           id == K_pm;
}

bool is_era(int id) {
    return id == K_A_D || id == K_AD || id == K_B_C || id == K_BC || id == K_a_d || id == K_ad || id == K_b_c ||
           id == K_bc;
}

sword refuse(OCIError *errhp, ub4 number) {
    _ClearErrorHandle(errhp);
    AddErrorRecord(errhp, OCI_ERROR, number);
    return OCI_ERROR;
}

}  // namespace

bool parse_format(FormatProgram *program, const char *format) noexcept {
    NodeWriter w(program);
    program->zone = false;
    if (!format || std::strlen(format) > kMaxFormatLength) {
        w.end();
        return false;
    }
    bool fill = false;
    const char *p = format;
    while (*p) {
        if (starts(p, "FM") || starts(p, "fm")) {
            fill = !fill;
            p += 2;
            continue;
        }
        if (starts(p, "TM") || starts(p, "tm")) {
            p += 2;
            continue;
        }
        if (const KeywordDef *k = find_keyword(p)) {
            p += k->length;
            if (k->id == K_DL || k->id == K_DS || k->id == K_TS) {
                expand_composite(w, static_cast<KeywordId>(k->id), fill);
                continue;
            }
            FormatNode *n = w.next();
            if (!n) break;
            n->kind = FormatNode::Keyword;
            n->key = k;
            if (k->id == K_TZH || k->id == K_TZM || k->id == K_TZR || k->id == K_TZD) program->zone = true;
            n->fill = fill;
            if (k->id == K_FF && *p >= '1' && *p <= '9') n->ffDigits = static_cast<std::uint8_t>(*p++ - '0');
            while (true) {
                if (starts(p, "TH")) n->suffix |= SFX_TH;
                else if (starts(p, "th")) n->suffix |= SFX_th;
                else if (starts(p, "SP") || starts(p, "sp")) n->suffix |= SFX_SP;
                else break;
                p += 2;
            }
            continue;
        }
        if (*p == '"') {
            const char *start = ++p;
            while (*p && *p != '"') ++p;
            for (const char *q = start; q < p; q += kLiteralPiece) {
                const std::size_t rest = static_cast<std::size_t>(p - q);
                w.text(q, rest < kLiteralPiece ? rest : kLiteralPiece, true);
            }
            if (*p == '"') ++p;
            continue;
        }
        w.text(p, 1);
        ++p;
    }
    w.end();
    return true;
}

bool DuplicateNodeExists(OCIError *errhp, const FormatProgram &program, FormatMode mode, FormatUse use) noexcept {
    bool seen[128] = {};
    int meridian = -1, era = -1;
    for (int i = 0; i < program.count; ++i) {
        const FormatNode &n = program.nodes[i];
        if (n.kind != FormatNode::Keyword) continue;
        const int id = n.key->id;
        // RR and RRRR are written as YY and YYYY; reading them is not offered.
        if ((id == K_RR || id == K_RRRR) && use == FormatUse::Read) {
            _ClearErrorHandle(errhp);
            AddErrorRecordStringX(errhp, OCI_ERROR, kErrUnsupported, 1, n.key->name);
            return false;
        }
        if (id == K_E || id == K_EE) {
            if (mode != FMT_ZONED) return refuse(errhp, kErrEraFormat), false;
            _ClearErrorHandle(errhp);
            AddErrorRecordStringX(errhp, OCI_ERROR, kErrUnsupported, 1, n.key->name);
            return false;
        }
        if (seen[id]) return refuse(errhp, kErrDuplicate), false;
        seen[id] = true;
        if (is_meridian(id)) {
            if (meridian >= 0 && meridian != id) return refuse(errhp, kErrAmPm), false;
            meridian = id;
        }
        if (is_era(id)) {
            if (era >= 0 && era != id) return refuse(errhp, kErrBcAd), false;
            era = id;
        }
        if (mode == FMT_DATE && n.key->time) return refuse(errhp, kErrDateFormat), false;
    }
    return true;
}

bool compile_format(OCIError *errhp, const char *format, FormatMode mode, FormatUse use,
                    FormatProgram *program) noexcept {
    if (!parse_format(program, format)) return refuse(errhp, kErrFormatTooLong), false;
    return DuplicateNodeExists(errhp, *program, mode, use);
}

namespace {

// The last format a thread compiled. Nodes point into the kept copy of its text, which
// the cache owns and never moves.
struct FormatCache {
    std::string format;
    FormatMode mode = FMT_DATE;
    FormatUse use = FormatUse::Write;
    std::unique_ptr<FormatProgram> program;
    bool valid = false;
};

}  // namespace

const FormatProgram *cached_format(OCIError *errhp, const char *format, FormatMode mode, FormatUse use) noexcept {
    if (!format) return nullptr;
    try {
        thread_local FormatCache cache;
        if (cache.valid && cache.mode == mode && cache.use == use && cache.format == format)
            return cache.program.get();
        cache.valid = false;
        if (!cache.program) cache.program = std::make_unique<FormatProgram>();
        cache.format = format;
        cache.mode = mode;
        cache.use = use;
        if (!compile_format(errhp, cache.format.c_str(), mode, use, cache.program.get())) return nullptr;
        cache.valid = true;
        return cache.program.get();
    } catch (...) {
        return nullptr;
    }
}

bool hasTimeZoneInFormat(const char *format) noexcept {
    if (!format) return false;
    for (const char *p = format; *p; ++p)
        if (starts(p, "TZH") || starts(p, "TZM") || starts(p, "TZR") || starts(p, "TZD")) return true;
    return false;
}

}  // namespace vsk::dt
