#include "pqx/held_back.h"

#include <string>

#include "env/trace.h"
#include "pqx/transaction.h"

namespace vsk::pqx {

namespace {

void send_traced(Pipeline &pipeline, const char *sql) {
    ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s\n", sql);
    pipeline.send(sql);
}

}  // namespace

std::size_t held_back_count(const ConnState *state, bool declare) noexcept {
    const ConnState::Tx &tx = state->tx;
    return (tx.releaseHeld ? 1 : 0) + state->queuedCloses.size() + (tx.commitHeld ? 1 : 0) +
           (tx.beginHeld ? 1 + (tx.settings.empty() ? 0 : 1) : 0) + (tx.savepointHeld ? 1 : 0) +
           (state->deferred && declare ? 1 : 0);
}

HeldBackSent send_held_back(Pipeline &pipeline, ConnState *state, bool declare) noexcept {
    HeldBackSent sent;
    const ConnState::Tx &tx = state->tx;
    auto add = [&](const char *sql) {
        send_traced(pipeline, sql);
        ++sent.count;
    };
    if (tx.releaseHeld) add(kReleaseStatementSavepoint);
    for (const ConnState::QueuedClose &close : state->queuedCloses) add(close.sql.c_str());
    if (tx.commitHeld) add("COMMIT");
    if (tx.beginHeld) {
        add("BEGIN");
        if (!tx.settings.empty()) add(tx.settings.c_str());
    }
    auto send_declare = [&]() -> bool {
        const ConnState::DeferredDeclare &d = *state->deferred;
        std::vector<const char *> values;
        try {
            values.resize(d.values.size());
        } catch (...) {
            // Without the values the DECLARE cannot go: the exchange fails as a whole.
            pipeline.abandon();
            return false;
        }
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = d.isNull[i] ? nullptr : d.values[i].c_str();
        ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s\n", d.sql.c_str());
        pipeline.send(d.sql.c_str(), static_cast<int>(values.size()), d.types.empty() ? nullptr : d.types.data(),
                      values.empty() ? nullptr : values.data(), d.lengths.empty() ? nullptr : d.lengths.data(),
                      d.formats.empty() ? nullptr : d.formats.data(), 0);
        ++sent.count;
        return true;
    };
    const bool declareFirst = state->deferred && declare && state->deferred->earlier;
    if (declareFirst && !send_declare()) return sent;
    if (tx.savepointHeld) {
        sent.savepoint = sent.count;
        add(kStatementSavepoint);
    }
    if (state->deferred && declare && !declareFirst) send_declare();
    return sent;
}

void held_back_done(ConnState *state, const HeldBackSent &sent, const std::vector<ResultPtr> &results) noexcept {
    ConnState::Tx &tx = state->tx;
    state->queuedCloses.clear();
    state->deferred.reset();
    tx.releaseHeld = tx.commitHeld = tx.beginHeld = false;
    tx.settings.clear();
    tx.savepointHeld = false;
    if (sent.savepoint >= 0 && static_cast<std::size_t>(sent.savepoint) < results.size() &&
        PQresultStatus(results[sent.savepoint].get()) == PGRES_COMMAND_OK)
        tx.savepointSet = true;
}

}  // namespace vsk::pqx
