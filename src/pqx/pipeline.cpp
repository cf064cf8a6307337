#include "pqx/pipeline.h"

namespace vsk::pqx {

Pipeline::Pipeline(PGconn *conn) noexcept : conn_(conn) {
    entered_ = conn_ && PQenterPipelineMode(conn_) == 1;
}

Pipeline::~Pipeline() {
    if (entered_) finish();
}

void Pipeline::send(const char *sql, int nParams, const Oid *types, const char *const *values, const int *lengths,
                    const int *formats, int resultFormat) noexcept {
    if (!ok()) return;
    sent_ok_ = PQsendQueryParams(conn_, sql, nParams, types, values, lengths, formats, resultFormat) == 1;
    if (sent_ok_) ++commands_;
}

void Pipeline::send_prepared(const char *stmtName, int nParams, const char *const *values, const int *lengths,
                             const int *formats, int resultFormat) noexcept {
    if (!ok()) return;
    sent_ok_ = PQsendQueryPrepared(conn_, stmtName, nParams, values, lengths, formats, resultFormat) == 1;
    if (sent_ok_) ++commands_;
}

void Pipeline::send_describe_portal(const char *portal) noexcept {
    if (!ok()) return;
    sent_ok_ = PQsendDescribePortal(conn_, portal) == 1;
    if (sent_ok_) ++commands_;
}

void Pipeline::send_prepare(const char *stmtName, const char *query, int nParams, const Oid *types) noexcept {
    if (!ok()) return;
    sent_ok_ = PQsendPrepare(conn_, stmtName, query, nParams, types) == 1;
    if (sent_ok_) ++commands_;
}

void Pipeline::send_describe_prepared(const char *stmtName) noexcept {
    if (!ok()) return;
    sent_ok_ = PQsendDescribePrepared(conn_, stmtName) == 1;
    if (sent_ok_) ++commands_;
}

void Pipeline::sync() noexcept {
    if (!ok()) return;
    sent_ok_ = PQpipelineSync(conn_) == 1;
    if (sent_ok_) ++syncs_;
}

PGresult *Pipeline::next_result() noexcept {
    // A broken connection answers null twice in a row: no result will come.
    for (int nulls = 0; nulls < 2;) {
        PGresult *r = wait_result(conn_);
        if (!r) {
            ++nulls;
            continue;
        }
        if (PQresultStatus(r) != PGRES_PIPELINE_SYNC) return r;
        PQclear(r);
        --syncs_;
        nulls = 0;
    }
    return nullptr;
}

void Pipeline::leave() noexcept {
    // Everything up to the last synchronisation point, also after a failed send.
    for (int nulls = 0; syncs_ > 0 && nulls < 2;) {
        PGresult *r = wait_result(conn_);
        if (!r) {
            ++nulls;
            continue;
        }
        nulls = 0;
        if (PQresultStatus(r) == PGRES_PIPELINE_SYNC) --syncs_;
        PQclear(r);
    }
    PQexitPipelineMode(conn_);
    entered_ = false;
}

std::vector<ResultPtr> collect_pipeline(PGconn *conn, int commands) noexcept {
    std::vector<ResultPtr> results;
    try {
        results.reserve(static_cast<std::size_t>(commands));
    } catch (...) {
        // Read and dropped below.
    }
    for (int i = 0; i < commands; ++i) {
        ResultPtr first(wait_result(conn));
        while (PGresult *more = wait_result(conn)) PQclear(more);
        if (results.capacity() > results.size()) results.push_back(std::move(first));
    }
    // Everything up to the synchronisation point, also after a failed send.
    while (PGresult *r = wait_result(conn)) {
        const bool sync = PQresultStatus(r) == PGRES_PIPELINE_SYNC;
        PQclear(r);
        if (sync) break;
    }
    PQexitPipelineMode(conn);
    if (results.size() != static_cast<std::size_t>(commands)) results.clear();
    return results;
}

std::vector<ResultPtr> Pipeline::finish() noexcept {
    std::vector<ResultPtr> results;
    if (!entered_) return results;
    // Also after a failed send: what was queued must come back before leaving the mode.
    const bool synced = PQpipelineSync(conn_) == 1;
    if (synced) {
        results = collect_pipeline(conn_, commands_);
    } else {
        while (PGresult *r = wait_result(conn_)) PQclear(r);
        PQexitPipelineMode(conn_);
    }
    entered_ = false;
    if (!synced || !sent_ok_) results.clear();
    return results;
}

}  // namespace vsk::pqx
