// The OCIFile package's rules, apart from its entry points: open flags, path building,
// seek arguments and the error numbers of system failures.
#pragma once

#include <oci.h>

#include <sys/types.h>

#include <string>

// The file object OCIFileOpen hands out.
struct OCIFileObject {
    int fd;         // -1 once a failed close has let go of it
    ub1 stdStream;  // standard input, output or error: never closed by OCIFileClose
};

namespace vsk {

constexpr ub4 kErrFileArgument = 30150;
constexpr ub4 kErrFileExists = 30151;
constexpr ub4 kErrFileNotFound = 30152;
constexpr ub4 kErrFileIo = 30155;
constexpr ub4 kErrFileSpace = 30156;
constexpr ub4 kErrFileSyscall = 30157;
constexpr ub4 kErrFileUninitialised = 30162;

// open(2) flags for mode (read, write, read and write) and create (exist, create,
// exclusive, truncate, append, create and append); false for any other value.
bool file_open_flags(ub4 mode, ub4 create, int *flags) noexcept;

// "dir/name", or name alone for an empty dir. False when the path would not fit the
// system's limit (or memory runs out).
bool join_file_path(const char *dir, const char *name, std::string *out) noexcept;

// lseek(2) arguments for an origin (beginning, current, end), an offset and a direction
// (forward, backward); false for an invalid origin or direction or an offset too large.
bool file_seek_args(uword origin, ubig_ora offset, sb1 dir, int *whence, off_t *off) noexcept;

// The error number recorded for a failed system call's errno.
ub4 file_error_number(int err) noexcept;

}  // namespace vsk
