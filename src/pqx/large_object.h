// Server large objects, reached through the server's large-object functions. Every
// call runs in the program's transaction (begun when none is open), since a
// large-object descriptor lives only as long as the transaction that opened it.
#pragma once

#include <libpq-fe.h>

#include <cstddef>

namespace vsk::pqx {

// Read and write together, as every open of the library asks.
constexpr int kLargeObjectMode = 0x20000 | 0x40000;

// A descriptor for object (lo_open), or -1.
int lo_open_object(PGconn *conn, void *errhp, Oid object) noexcept;
// 0 or -1.
int lo_close_object(PGconn *conn, void *errhp, int fd) noexcept;
// The new position (lo_lseek64; whence 0 start, 1 current, 2 end), or -1.
long long lo_seek_object(PGconn *conn, void *errhp, int fd, long long offset, int whence) noexcept;
// Up to n bytes from the current position into out: the count, or -1.
long long lo_read_object(PGconn *conn, void *errhp, int fd, char *out, std::size_t n) noexcept;
// n bytes at the current position: the count written, or -1.
long long lo_write_object(PGconn *conn, void *errhp, int fd, const char *data, std::size_t n) noexcept;
// 0 or -1.
int lo_truncate_object(PGconn *conn, void *errhp, int fd, long long length) noexcept;

// Counts the transactions pqx saw end on conn: a descriptor opened under another count
// is gone on the server.
unsigned long long transaction_epoch(const PGconn *conn) noexcept;

}  // namespace vsk::pqx
