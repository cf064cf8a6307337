#include "stmt/placeholders.h"

#include "nls/ascii.h"
#include "stmt/records.h"
#include "types/type_codes.h"

namespace vsk {

namespace {

bool name_byte(char c) { return ascii_isalnum(c) || c == '_'; }

}  // namespace

std::size_t placeholderLen(std::string_view text, std::size_t pos) noexcept {
    if (pos + 1 >= text.size() || text[pos] != ':') return 0;
    std::size_t end = pos + 1;
    if (ascii_isdigit(text[end])) {
        while (end < text.size() && ascii_isdigit(text[end])) ++end;
    } else if (ascii_isalpha(text[end])) {
        while (end < text.size() && name_byte(text[end])) ++end;
    } else {
        return 0;
    }
    return end - pos;
}

bool same_name(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ascii_tolower(a[i]) != ascii_tolower(b[i])) return false;
    return true;
}

OCIBind *findBindByName(std::string_view name, const std::vector<OCIBind *> &binds) noexcept {
    // Binding accepts a name in any case, so the rewrite must find it in any case too.
    for (OCIBind *b : binds)
        if (b && same_name(b->name, name)) return b;
    return nullptr;
}

bool text_has_placeholder(std::string_view text, std::string_view placeholder) noexcept {
    if (placeholder.empty()) return false;
    for (std::size_t i = text.find(':'); i != std::string_view::npos; i = text.find(':', i + 1))
        if (same_name(text.substr(i, placeholder.size()), placeholder)) return true;
    return false;
}

namespace {

bool delimiter(char c) {
    for (char d : std::string_view(" ,();%&*-+[]\\/'\"<>?"))
        if (c == d) return true;
    return false;
}

// A placeholder's name ends where the placeholder does (so ":b::int" names ":b"); an
// irregular one (":_x") runs to the first delimiter.
std::size_t name_end(std::string_view text, std::size_t colon) {
    if (std::size_t n = placeholderLen(text, colon)) return colon + n;
    std::size_t end = colon + 1;
    while (end < text.size() && !delimiter(text[end])) ++end;
    return end;
}

}  // namespace

bool nth_placeholder(std::string_view text, ub4 position, std::string *name) {
    ub4 count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ':') continue;
        if (i + 1 < text.size() && text[i + 1] == ':') {
            ++i;  // a cast: both colons go
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '=') continue;
        if (++count == position) {
            name->assign(text.substr(i, name_end(text, i) - i));
            return true;
        }
    }
    return false;
}

std::vector<std::string> bind_info_names(std::string_view text) {
    std::vector<std::string> names;
    for (std::size_t i = text.find(':'); i != std::string_view::npos; i = text.find(':', i + 1)) {
        if (i + 1 < text.size() && text[i + 1] == '=') continue;
        names.emplace_back(text.substr(i + 1, name_end(text, i) - i - 1));
    }
    return names;
}

OCIBind *find_placeholder_bind_handle(const std::vector<OCIBind *> &binds, std::string_view name) noexcept {
    for (OCIBind *b : binds)
        if (b && b->name.size() >= name.size() && same_name(std::string_view(b->name).substr(0, name.size()), name))
            return b;
    return nullptr;
}

bool ReplacePlaceholders(const std::vector<OCIBind *> &binds, std::string_view text, RewrittenText *out) {
    *out = RewrittenText{};
    out->pg_query.reserve(text.size());
    bool literal = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\'') literal = !literal;
        std::size_t n = literal || c != ':' ? 0 : placeholderLen(text, i);
        OCIBind *bind = n ? findBindByName(text.substr(i, n), binds) : nullptr;
        if (!bind) {
            out->pg_query += c;
            ++i;
            continue;
        }
        if (out->paramBinds.size() == kMaxPlaceholders) return false;
        out->paramBinds.push_back(bind);
        out->pg_query += '$';
        out->pg_query += std::to_string(out->paramBinds.size());
        // A LOB's parameter takes its type from where it goes: bytea, text or an oid.
        const bool open = bind->pgType == PG_VARCHAR || bind->dty == SQLT_BLOB || bind->dty == SQLT_CLOB;
        out->paramTypes.push_back(open ? 0 : bind->pgType);
        out->paramDirs.push_back(bind->direction);
        i += n;
    }
    return true;
}

std::string ReplacePlaceholdersEx(std::string_view text, std::vector<std::string> *names, ub4 *param_count) {
    std::string out;
    out.reserve(text.size() * 2);
    ub4 k = 0;
    // Copies from i through the next unescaped quote, returning the index after it.
    auto quoted_run = [&](std::size_t i, char quote) {
        out += text[i++];
        while (i < text.size()) {
            const char c = text[i++];
            out += c;
            if (c == quote && text[i - 2] != '\\') break;
        }
        return i;
    };
    auto through_next_dollar = [&](std::size_t i) {
        while (i < text.size()) {
            const char c = text[i++];
            out += c;
            if (c == '$') break;
        }
        return i;
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const bool escaped = i > 0 && text[i - 1] == '\\';
        if ((c == '\'' || c == '"') && !escaped) {
            i = quoted_run(i, c);
        } else if (c == '$') {
            // Opening tag, body, closing tag.
            out += c;
            i = through_next_dollar(through_next_dollar(through_next_dollar(i + 1) ) );
        } else if (c == ':' && ((i + 1 < text.size() && (text[i + 1] == '=' || text[i + 1] == ':')) ||
                                (i > 0 && text[i - 1] == ':'))) {
            out += ':';
            ++i;
        } else if (c == ':') {
            out += '$';
            out += std::to_string(++k);
            std::size_t end = i + 1;
            while (end < text.size() && name_byte(text[end])) ++end;
            if (end > i + 1) names->emplace_back(text.substr(i + 1, end - i - 1));
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    *param_count = k;
    return out;
}

}  // namespace vsk
