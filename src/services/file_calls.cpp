// The OCIFile package: OCIFileInit, OCIFileTerm, OCIFileOpen, OCIFileClose, OCIFileRead,
// OCIFileWrite, OCIFileSeek, OCIFileExists, OCIFileGetLength and OCIFileFlush.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <oci.h>

#include <cerrno>
#include <new>
#include <string>

#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "env/trace.h"
#include "services/file_ops.h"

using namespace vsk;

namespace {

constexpr ub4 kErrNoMemory = 16506;
// Files the package creates may hold the application's private data.
constexpr mode_t kCreateMode = S_IRUSR | S_IWUSR;

// Traces the call and checks its two handles; null when either is wrong.
OCIEnv *file_env(const char *call, void *hndl, OCIError *err) noexcept {
    o2pTrace(3, "%s\n", call);
    return is_kind(hndl, HANDLE_OCIEnv) && is_kind(err, HANDLE_OCIError) ? static_cast<OCIEnv *>(hndl) : nullptr;
}

sword fail(OCIError *err, ub4 number) noexcept {
    _ClearErrorHandle(err);
    AddErrorRecord(err, OCI_ERROR, number);
    return OCI_ERROR;
}

sword fail_errno(OCIError *err, int e) noexcept { return fail(err, file_error_number(e)); }

sword succeed() noexcept {
    o2pTrace(4, "\tRETURNING %s\n", o2pGetReturnCodeText(OCI_SUCCESS));
    return OCI_SUCCESS;
}

// Argument rules shared by every call but Init, Term and Seek: null arguments first, then
// the package's initialisation. OCI_SUCCESS to go on (with err cleared).
sword admit(OCIEnv *env, OCIError *err, bool args_present) noexcept {
    if (!args_present) return fail(err, kErrFileArgument);
    if (!env->filePackageInit) return fail(err, kErrFileUninitialised);
    _ClearErrorHandle(err);
    return OCI_SUCCESS;
}

// Stores the count of one read or write, -1 for a failed one.
sword transferred(OCIError *err, ssize_t n, ub4 *count) noexcept {
    if (n < 0) {
        int e = errno;
        *count = static_cast<ub4>(-1);
        return fail_errno(err, e);
    }
    *count = static_cast<ub4>(n);
    return succeed();
}

const char *c_text(const OraText *s) noexcept { return reinterpret_cast<const char *>(s); }

}  // namespace

extern "C" {

VSK_EXPORT sword OCIFileInit(void *hndl, OCIError *err) {
    OCIEnv *env = file_env("OCIFileInit", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    env->filePackageInit = 1;
    return succeed();
}

VSK_EXPORT sword OCIFileTerm(void *hndl, OCIError *err) {
    OCIEnv *env = file_env("OCIFileTerm", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    env->filePackageInit = 0;
    return succeed();
}

// type OCI_FILE_STDIN, _STDOUT and _STDERR give the standard streams (no names needed).
// Files are created with mode 0600. A failed open leaves *filep null.
VSK_EXPORT sword OCIFileOpen(void *hndl, OCIError *err, OCIFileObject **filep, OraText *filename, OraText *path,
                             ub4 mode, ub4 create, ub4 type) {
    OCIEnv *env = file_env("OCIFileOpen", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    const bool stream = type >= OCI_FILE_STDIN && type <= OCI_FILE_STDERR;
    if (sword rc = admit(env, err, filep && (stream || (filename && path))); rc != OCI_SUCCESS) return rc;
    *filep = nullptr;
    int fd = -1;
    if (stream) {
        fd = static_cast<int>(type - OCI_FILE_STDIN);
    } else {
        int flags = 0;
        std::string full;
        if (type > OCI_FILE_TEXT || !file_open_flags(mode, create, &flags) ||
            !join_file_path(c_text(path), c_text(filename), &full))
            return fail(err, kErrFileArgument);
        fd = open(full.c_str(), flags, kCreateMode);
        if (fd < 0) return fail_errno(err, errno);
    }
    auto *file = new (std::nothrow) OCIFileObject{fd, static_cast<ub1>(stream)};
    if (!file) {
        if (!stream) close(fd);
        return fail(err, kErrNoMemory);
    }
    *filep = file;
    return succeed();
}

// The standard streams stay open. A close that fails still lets go of the descriptor
// (so a second OCIFileClose never closes a descriptor reused since) and keeps the object.
VSK_EXPORT sword OCIFileClose(void *hndl, OCIError *err, OCIFileObject *filep) {
    OCIEnv *env = file_env("OCIFileClose", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    if (sword rc = admit(env, err, filep); rc != OCI_SUCCESS) return rc;
    if (!filep->stdStream && filep->fd >= 0 && close(filep->fd) != 0) {
        int e = errno;
        filep->fd = -1;
        return fail_errno(err, e);
    }
    delete filep;
    return succeed();
}

VSK_EXPORT sword OCIFileRead(void *hndl, OCIError *err, OCIFileObject *filep, void *bufp, ub4 bufl, ub4 *bytesread) {
    OCIEnv *env = file_env("OCIFileRead", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    if (sword rc = admit(env, err, filep && bufp && bytesread); rc != OCI_SUCCESS) return rc;
    return transferred(err, read(filep->fd, bufp, bufl), bytesread);
}

VSK_EXPORT sword OCIFileWrite(void *hndl, OCIError *err, OCIFileObject *filep, void *bufp, ub4 buflen,
                              ub4 *byteswritten) {
    OCIEnv *env = file_env("OCIFileWrite", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    if (sword rc = admit(env, err, filep && bufp && byteswritten); rc != OCI_SUCCESS) return rc;
    return transferred(err, write(filep->fd, bufp, buflen), byteswritten);
}

// Needs no OCIFileInit, and leaves the error handle alone when it succeeds.
VSK_EXPORT sword OCIFileSeek(void *hndl, OCIError *err, OCIFileObject *filep, uword origin, ubig_ora offset, sb1 dir) {
    OCIEnv *env = file_env("OCIFileSeek", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    int whence = 0;
    off_t off = 0;
    if (!filep || !file_seek_args(origin, offset, dir, &whence, &off)) return fail(err, kErrFileArgument);
    if (lseek(filep->fd, off, whence) == static_cast<off_t>(-1)) return fail_errno(err, errno);
    return succeed();
}

VSK_EXPORT sword OCIFileExists(void *hndl, OCIError *err, OraText *filename, OraText *path, ub1 *flag) {
    OCIEnv *env = file_env("OCIFileExists", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    if (sword rc = admit(env, err, filename && path && flag); rc != OCI_SUCCESS) return rc;
    std::string full;
    if (!join_file_path(c_text(path), c_text(filename), &full)) return fail(err, kErrFileArgument);
    struct stat st;
    *flag = stat(full.c_str(), &st) == 0 ? TRUE : FALSE;
    return succeed();
}

VSK_EXPORT sword OCIFileGetLength(void *hndl, OCIError *err, OraText *filename, OraText *path, ubig_ora *lenp) {
    OCIEnv *env = file_env("OCIFileGetLength", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    if (sword rc = admit(env, err, filename && path && lenp); rc != OCI_SUCCESS) return rc;
    std::string full;
    if (!join_file_path(c_text(path), c_text(filename), &full)) return fail(err, kErrFileArgument);
    struct stat st;
    if (stat(full.c_str(), &st) != 0) return fail_errno(err, errno);
    *lenp = static_cast<ubig_ora>(st.st_size);
    return succeed();
}

VSK_EXPORT sword OCIFileFlush(void *hndl, OCIError *err, OCIFileObject *filep) {
    OCIEnv *env = file_env("OCIFileFlush", hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    if (sword rc = admit(env, err, filep); rc != OCI_SUCCESS) return rc;
    if (fsync(filep->fd) != 0) return fail_errno(err, errno);
    return succeed();
}

}  // extern "C"
