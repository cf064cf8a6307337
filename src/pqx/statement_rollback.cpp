#include "pqx/statement_rollback.h"

#include "pqx/command.h"
#include "pqx/connection.h"
#include "pqx/read_ahead.h"
#include "pqx/transaction.h"

namespace vsk::pqx {

PGresult *exec_prepared(PGconn *conn, void *errhp, const char *stmtName, int nParams, const char *const *values,
                        const int *lengths, const int *formats, int resultFormat) noexcept {
    if (!conn || !stmtName) return nullptr;
    ConnState *state = state_of(conn);
    settle_connection(conn, state);
    NoticeScope notices(conn, errhp);
    return exec_prepared_guarded(conn, state, stmtName, nParams, values, lengths, formats, resultFormat);
}

}  // namespace vsk::pqx
