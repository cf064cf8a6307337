// Locale-independent ASCII helpers for character-set names. The environment code
// changes the process locale, and <cctype> would follow it (and misread bytes
// above 0x7f); names are ASCII by definition.
#pragma once

namespace vsk {

constexpr bool ascii_isalpha(char c) noexcept {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
constexpr bool ascii_isdigit(char c) noexcept { return c >= '0' && c <= '9'; }
constexpr bool ascii_isalnum(char c) noexcept { return ascii_isalpha(c) || ascii_isdigit(c); }
constexpr char ascii_tolower(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char ascii_toupper(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// strcmp order over unsigned bytes.
constexpr int ascii_compare(const char *a, const char *b) noexcept {
    for (;; ++a, ++b) {
        unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
        if (x != y || x == 0) return x < y ? -1 : (x > y ? 1 : 0);
    }
}

// strcasecmp over ASCII letters, both sides folded to upper case. For names made of
// letters and digits this is the order of ascii_compare on the upper-cased names.
constexpr int ascii_casecmp(const char *a, const char *b) noexcept {
    for (;; ++a, ++b) {
        unsigned char x = static_cast<unsigned char>(ascii_toupper(*a));
        unsigned char y = static_cast<unsigned char>(ascii_toupper(*b));
        if (x != y || x == 0) return x < y ? -1 : (x > y ? 1 : 0);
    }
}

}  // namespace vsk
