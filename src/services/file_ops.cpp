#include "services/file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>

namespace vsk {

bool file_open_flags(ub4 mode, ub4 create, int *flags) noexcept {
    int access;
    switch (mode) {
    case OCI_FILE_READ_ONLY: access = O_RDONLY; break;
    case OCI_FILE_WRITE_ONLY: access = O_WRONLY; break;
    case OCI_FILE_READ_WRITE: access = O_RDWR; break;
    default: return false;
    }
    int extra;
    switch (create) {
    case OCI_FILE_EXIST: extra = 0; break;
    case OCI_FILE_CREATE: extra = O_CREAT; break;
    case OCI_FILE_EXCL: extra = O_CREAT | O_EXCL; break;  // O_EXCL means nothing without O_CREAT
    case OCI_FILE_TRUNCATE: extra = O_TRUNC; break;
    case OCI_FILE_APPEND: extra = O_APPEND; break;
    case OCI_FILE_CREATE | OCI_FILE_APPEND: extra = O_CREAT | O_APPEND; break;
    default: return false;
    }
    *flags = access | extra | O_CLOEXEC;
    return true;
}

bool join_file_path(const char *dir, const char *name, std::string *out) noexcept {
    try {
        out->clear();
        if (*dir) {
            out->append(dir);
            out->push_back('/');
        }
        out->append(name);
        return out->size() < PATH_MAX;
    } catch (...) {
        return false;
    }
}

bool file_seek_args(uword origin, ubig_ora offset, sb1 dir, int *whence, off_t *off) noexcept {
    switch (origin) {
    case OCI_FILE_SEEK_BEGINNING: *whence = SEEK_SET; break;
    case OCI_FILE_SEEK_CURRENT: *whence = SEEK_CUR; break;
    case OCI_FILE_SEEK_END: *whence = SEEK_END; break;
    default: return false;
    }
    if (dir != OCI_FILE_FORWARD && dir != OCI_FILE_BACKWARD) return false;
    if (offset > static_cast<ubig_ora>(std::numeric_limits<off_t>::max())) return false;
    *off = dir == OCI_FILE_BACKWARD ? -static_cast<off_t>(offset) : static_cast<off_t>(offset);
    return true;
}

ub4 file_error_number(int err) noexcept {
    switch (err) {
    case ENOENT: return kErrFileNotFound;
    case EEXIST: return kErrFileExists;
    case EINVAL: return kErrFileSyscall;
    case ENOSPC: return kErrFileSpace;
    default: return kErrFileIo;
    }
}

}  // namespace vsk
