// Client character-set choice at environment creation.
#include <clocale>
#include <mutex>
#include <cstdlib>
#include <string>
#include <strings.h>

#include "env/env.h"
#include "nls/charset.h"

namespace vsk {

bool ParseLocale(const char *text, std::string *language, std::string *territory, std::string *charset) {
    language->clear();
    territory->clear();
    charset->clear();
    if (!text) return false;
    std::string s(text);
    std::size_t us = s.find('_');
    if (us == std::string::npos) return false;
    std::size_t dot = s.find('.', us + 1);
    if (dot == std::string::npos) return false;
    std::string lang = s.substr(0, us), terr = s.substr(us + 1, dot - us - 1), cs = s.substr(dot + 1);
    if (lang.empty() || terr.empty() || cs.empty()) return false;
    *language = std::move(lang);
    *territory = std::move(terr);
    *charset = std::move(cs);
    return true;
}

namespace {

// setlocale returns text that the next call may free: environments created from several
// threads at once take their turns here.
std::mutex locale_mutex;

// NLS_LANG as language_territory.charset; true when it settled the character set.
bool choose_from_nls_lang(OCIEnv *env, const char *nls_lang) {
    std::string language, territory, charset;
    if (!ParseLocale(nls_lang, &language, &territory, &charset)) return false;
    CharBuffer sys = findMatchingSysEncoding(charset.c_str());
    if (!sys) return false;
    env->charsetId = pg_char_to_encoding(charset.c_str());
    if (strcasecmp(sys.get(), "POSIX") == 0) {
        std::setlocale(LC_ALL, "POSIX");
        return true;
    }
    std::string name = language + "_" + territory + "." + sys.get();
    return std::setlocale(LC_ALL, name.c_str()) != nullptr;
}

// The process environment's LC_CTYPE locale; true when its codeset is known.
bool choose_from_locale(OCIEnv *env) {
    const char *current = std::setlocale(LC_CTYPE, "");
    if (!current) return false;
    std::string name(current);  // the next setlocale may overwrite the returned text
    std::string language, territory, charset;
    if (!ParseLocale(name.c_str(), &language, &territory, &charset)) return false;
    CharBuffer canonical = findMatchingPgEncoding(charset.c_str());
    if (!canonical) return false;
    std::setlocale(LC_ALL, name.c_str());
    env->charsetId = pg_char_to_encoding(canonical.get());
    return true;
}

}  // namespace

void InitNls(OCIEnv *env, ub2 charset) noexcept {
    if (!is_kind(env, HANDLE_OCIEnv)) return;
    if (charset != 0) {
        env->charsetId = pg_char_to_encoding(pg_encoding_to_char(charset));
        return;
    }
    try {
        std::lock_guard<std::mutex> lock(locale_mutex);
        const char *nls_lang = std::getenv("NLS_LANG");
        if (nls_lang && choose_from_nls_lang(env, nls_lang)) return;
        if (choose_from_locale(env)) return;
        env->charsetId = pg_char_to_encoding("sqlascii");
        std::setlocale(LC_ALL, "POSIX");
    } catch (...) {
        // Out of memory while splitting names, or no lock to be had.
        env->charsetId = pg_char_to_encoding("sqlascii");
    }
}

}  // namespace vsk
