#include "env/message_catalog.h"

#include <libintl.h>
#include <sys/stat.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace vsk {

namespace {

constexpr const char *kDomain = "vskoci";
constexpr std::size_t kDirSize = 1024;

std::once_flag catalog_once;
char catalog_dir[kDirSize];

void bind_catalog() noexcept {
    const char *dir = std::getenv("VSKLOCALEDIR");
    // A value that does not fit the directory buffer is ignored rather than cut: a cut
    // path names some other directory.
    if (dir && std::strlen(dir) < kDirSize) {
        std::strcpy(catalog_dir, dir);
    } else {
        struct stat st;
        if (stat("/usr/share/locale", &st) == 0 && S_ISDIR(st.st_mode))
            std::strcpy(catalog_dir, "/usr/share/locale");
        else
            errno = 0;
    }
    // The domain is named in every lookup instead of being made the process default, so
    // the host program's own gettext domain keeps working.
    bindtextdomain(kDomain, catalog_dir);
}

}  // namespace

void SetNlsMessagesPath() noexcept {
    try {
        std::call_once(catalog_once, bind_catalog);
    } catch (...) {
        // Without the binding, lookups return the untranslated table texts.
    }
}

const char *oci_gettext(const char *msgid) noexcept {
    if (!msgid) return "";
    return dcgettext(kDomain, msgid, LC_MESSAGES);
}

const char *message_catalog_dir() noexcept { return catalog_dir; }

}  // namespace vsk
