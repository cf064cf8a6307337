// The one road to the server for commands: notices become records on the calling
// error handle, every command is traced, and the vendor server's extras are answered
// by stand-ins when the server lacks them.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

namespace vsk::pqx {

// Installs the library's notice processor with errhp as its argument (null when errhp
// is not an error handle) and restores the previous one on destruction.
class NoticeScope {
public:
    NoticeScope(PGconn *conn, void *errhp) noexcept;
    ~NoticeScope();
    NoticeScope(const NoticeScope &) = delete;
    NoticeScope &operator=(const NoticeScope &) = delete;

private:
    PGconn *conn_;
    PQnoticeProcessor previous_ = nullptr;
    void *previousArg_ = nullptr;
};

// Runs one command (PQexec) inside a NoticeScope; the result belongs to the caller
// (null only when memory is exhausted or conn is null).
PGresult *exec(PGconn *conn, void *errhp, const char *command) noexcept;

// The next pending result of the connection, or null. The OUT values of a CALL sent by
// PQsendQueryPreparedOut are kept back for PQgetOutResult (pqx/extended.h).
PGresult *get_result(PGconn *conn, void *errhp) noexcept;

}  // namespace vsk::pqx
