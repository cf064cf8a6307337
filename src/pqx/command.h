// The one road to the server for commands: notices become records on the calling
// error handle, every command is traced, and the vendor server's extras are answered
// by stand-ins when the server lacks them.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include <string>
#include <string_view>

namespace vsk::pqx {

// Installs the library's notice processor with errhp as its argument and restores the
// previous one on destruction. Without an error handle an enclosing scope's stays in force.
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

// PQexecParams inside a NoticeScope.
PGresult *exec_params(PGconn *conn, void *errhp, const char *command, int nParams, const Oid *paramTypes,
                      const char *const *values, const int *lengths, const int *formats, int resultFormat) noexcept;

// PQdescribePrepared inside a NoticeScope.
PGresult *describe_prepared(PGconn *conn, void *errhp, const char *stmtName) noexcept;

// name as an SQL identifier, quoted and escaped; empty when libpq refuses it (bad encoding).
// Throws std::bad_alloc.
std::string quote_identifier(PGconn *conn, std::string_view name);

// password as the server stores it for role (the server's password_encryption decides
// between SCRAM-SHA-256 and MD5: one round trip), so that the clear text never goes to
// the server or into its statement log. Empty when that fails (the reason is the
// connection's error message). Throws std::bad_alloc.
std::string encrypted_password(PGconn *conn, const std::string &role, const std::string &password);

// The next pending result of the connection, or null. The OUT values of a CALL sent by
// PQsendQueryPreparedOut are kept back for PQgetOutResult (pqx/extended.h).
PGresult *get_result(PGconn *conn, void *errhp) noexcept;

}  // namespace vsk::pqx
