#include "env/trace.h"

#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "env/process_globals.h"

namespace vsk {

namespace {

// Guards opening, replacing and closing the stream and every write, so a release of one
// environment cannot close the stream under a writer in another thread.
std::mutex log_mutex;
// The file behind oci_debug_log, empty for standard error. Never destroyed: environments
// are released from exit handlers that may run after static objects are gone.
std::string &log_path = *new std::string;

FILE *current_log() noexcept { return __atomic_load_n(&oci_debug_log, __ATOMIC_RELAXED); }
void set_log(FILE *f) noexcept { __atomic_store_n(&oci_debug_log, f, __ATOMIC_RELAXED); }

void close_locked() noexcept {
    FILE *f = current_log();
    if (!f) return;
    if (f == stderr) std::fflush(f);
    else std::fclose(f);
    set_log(nullptr);
    log_path.clear();
}

void open_log_locked(const char *value) noexcept {
    if (std::strcmp(value, "-") == 0) {
        if (current_log() == stderr) return;
        close_locked();
        set_log(stderr);
        return;
    }
    char path[1024];
    int n = std::snprintf(path, sizeof path, "%s-%d", value, static_cast<int>(getpid()));
    // The same file named again keeps its stream (and the lines already in it).
    if (current_log() && current_log() != stderr && log_path == path) return;
    close_locked();
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof path) return;  // too long: no log
    FILE *f = std::fopen(path, "w");
    if (!f) return;
    try {
        log_path = path;
    } catch (...) {
        std::fclose(f);
        return;
    }
    set_log(f);
}

}  // namespace

void read_trace_settings() noexcept {
    if (const char *v = std::getenv("OCI_DEBUG_LEVEL"))
        __atomic_store_n(&OCI2PQ_TRACE_LEVEL, static_cast<sb4>(std::strtol(v, nullptr, 10)), __ATOMIC_RELAXED);
    if (const char *v = std::getenv("OCI_DEBUG_LOG")) {
        std::lock_guard<std::mutex> lock(log_mutex);
        open_log_locked(v);
    }
    if (const char *v = std::getenv("OCI_DEBUG_MASK"))
        __atomic_store_n(&oci_debug_mask, static_cast<ub8>(std::strtoul(v, nullptr, 0)), __ATOMIC_RELAXED);
}

void close_trace_log() noexcept {
    if (!current_log()) return;
    std::lock_guard<std::mutex> lock(log_mutex);
    close_locked();
}

bool trace_level_on(int level) noexcept {
    return current_log() && __atomic_load_n(&OCI2PQ_TRACE_LEVEL, __ATOMIC_RELAXED) >= level;
}

bool ocitracing(ub8 category) noexcept {
    return current_log() && (__atomic_load_n(&oci_debug_mask, __ATOMIC_RELAXED) & category) != 0;
}

void o2pTrace(int level, const char *format, ...) noexcept {
    if (!trace_level_on(level)) return;
    std::lock_guard<std::mutex> lock(log_mutex);
    FILE *f = current_log();
    if (!f) return;
    std::fprintf(f, "TRACE%d-%s[%s:%d]: ", level, "o2pTrace", "ociutil", 976);
    va_list ap;
    va_start(ap, format);
    std::vfprintf(f, format, ap);
    va_end(ap);
    std::fflush(f);
}

void ocitrace(ub8 category, const char *prefix, const char *format, ...) noexcept {
    if (!ocitracing(category)) return;
    std::lock_guard<std::mutex> lock(log_mutex);
    FILE *f = current_log();
    if (!f) return;
    if (prefix) std::fprintf(f, "%s: ", prefix);
    va_list ap;
    va_start(ap, format);
    std::vfprintf(f, format, ap);
    va_end(ap);
}

void ocitracehex(ub8 category, const char *label, const void *data, std::size_t length) noexcept {
    if (!ocitracing(category)) return;
    std::lock_guard<std::mutex> lock(log_mutex);
    FILE *f = current_log();
    if (!f) return;
    const auto *bytes = static_cast<const unsigned char *>(data);
    if (!bytes) length = 0;
    if (label) std::fprintf(f, "%s\n", label);
    std::fputs("          0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F\n", f);
    if (length == 0) {
        std::fprintf(f, "%16s\n", "");
        return;
    }
    for (std::size_t row = 0; row < length; row += 16) {
        std::size_t n = length - row < 16 ? length - row : 16;
        std::fprintf(f, "%6X   ", static_cast<unsigned>(row));
        for (std::size_t i = 0; i < 16; ++i) {
            if (i < n) std::fprintf(f, "%02x ", bytes[row + i]);
            else std::fputs("   ", f);
        }
        for (std::size_t i = 0; i < 16; ++i) {
            unsigned char c = i < n ? bytes[row + i] : ' ';
            std::fputc(c >= 32 && c <= 126 ? c : '.', f);
        }
        std::fputc('\n', f);
    }
}

}  // namespace vsk
