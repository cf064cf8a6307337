#include "connect/tnsnames_lookup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "connect/tnsnames_parser.h"
#include "env/trace.h"
#include "nls/ascii.h"

namespace vsk {

namespace {

constexpr ub4 kErrCannotResolve = 12154;
constexpr ub4 kErrPermissionDenied = 12555;
constexpr ub4 kErrSyntax = 12227;

constexpr std::size_t kMaxPathLength = 1023;
// Far beyond any real file; reading more would only exhaust memory.
constexpr std::size_t kMaxFileSize = 64u << 20;

struct FileCloser {
    void operator()(std::FILE *f) const noexcept { std::fclose(f); }
};

// A longer path would name some other file once cut, so it is no candidate; neither is
// a directory, which access() reports readable.
bool find_file(std::string *path) {
    static constexpr struct {
        const char *variable;
        const char *file;
    } kCandidates[] = {
        {"HOME", "/.tnsnames.ora"},
        {"USERPROFILE", "/.tnsnames.ora"},
        {"TNS_ADMIN", "/tnsnames.ora"},
    };
    for (const auto &c : kCandidates) {
        const char *dir = std::getenv(c.variable);
        if (!dir) continue;
        std::string candidate = std::string(dir) + c.file;
        if (candidate.size() > kMaxPathLength) continue;
        struct stat st;
        if (access(candidate.c_str(), R_OK) != 0 || stat(candidate.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
            continue;
        *path = std::move(candidate);
        return true;
    }
    return false;
}

// 0, or kErrPermissionDenied when the file cannot be read whole.
ub4 read_file(const std::string &path, std::string *contents, bool *too_large) {
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
    if (!f) return kErrPermissionDenied;
    char buf[8192];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) {
        if (contents->size() + n > kMaxFileSize) {
            *too_large = true;
            return 0;
        }
        contents->append(buf, n);
    }
    return std::ferror(f.get()) ? kErrPermissionDenied : 0;
}

void fill_unset(std::optional<std::string> &field, const std::string *value) {
    if (!field && value) field = *value;
}

}  // namespace

ub4 lookup_net_service_name(const char *name, ConnectTarget *target) noexcept {
    try {
        std::string path;
        if (!find_file(&path)) return kErrCannotResolve;
        std::string contents;
        bool too_large = false;
        if (ub4 rc = read_file(path, &contents, &too_large)) return rc;

        TnsEntryList entries;
        TnsSyntaxError error;
        if (too_large) {
            error.message = "memory exhausted";
        } else if (tnsnamesparse(contents, &entries, &error) == 0) {
            for (const auto &entry : entries) {
                if (ascii_casecmp(entry->name.c_str(), name) != 0) continue;
                if (const OCIAddress *address = entry->address.get()) {
                    fill_unset(target->host, address->host ? &address->host->host : nullptr);
                    fill_unset(target->port, address->port ? &address->port->port : nullptr);
                }
                fill_unset(target->dbname, entry->sid ? &entry->sid->sid : nullptr);
            }
            return 0;
        }
        // Reported in the trace log: the host program's standard error is not ours.
        o2pTrace(0, "%d:%s\n", error.lineno, error.message.c_str());
        return kErrSyntax;
    } catch (...) {
        return kErrSyntax;
    }
}

}  // namespace vsk
