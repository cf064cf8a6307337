#include "pqx/extended.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "env/trace.h"
#include "nls/ascii.h"
#include "pqx/call_probe.h"
#include "pqx/command.h"
#include "pqx/connection.h"
#include "pqx/held_back.h"
#include "pqx/pipeline.h"
#include "pqx/read_ahead.h"
#include "pqx/result_rows.h"
#include "pqx/transaction.h"
#include "pqx/server_wait.h"

namespace vsk::pqx {

namespace {

constexpr Oid kTextOid = 25;
// Marks the column of an IN parameter in an OUT result; no table column has it.
constexpr int kInPlace = -1;

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// Only CALL returns OUT values as its tuples; a SELECT of a function returns its own.
bool is_call(const std::string &text) {
    std::size_t i = 0;
    while (i < text.size() && blank(text[i])) ++i;
    if (text.size() - i < 4) return false;
    for (std::size_t k = 0; k < 4; ++k)
        if (ascii_tolower(text[i + k]) != "call"[k]) return false;
    return i + 4 == text.size() || !(ascii_isalnum(text[i + 4]) || text[i + 4] == '_');
}

bool has_out(const PreparedStatement &p) {
    // A routed call always yields an OUT result, NULL where nothing came back.
    if (p.routed) return true;
    for (int m : p.modes)
        if (m != PARAM_IN) return true;
    return false;
}

std::string quoted(PGconn *conn, const char *name) { return quote_identifier(conn, name); }

PGresult *remember(PGconn *conn, const char *stmtName, const char *query, int nParams, const Oid *paramTypes,
                   const int *paramModes, bool outCall, bool describe = false) noexcept {
    if (!conn || !query || nParams < 0) return nullptr;
    if (paramModes)
        for (int i = 0; i < nParams; ++i)
            if (paramModes[i] < PARAM_IN || paramModes[i] > PARAM_INOUT) return nullptr;
    const char *name = stmtName ? stmtName : "";
    ConnState *state = state_of(conn);
    // Commands held back go with the Parse, in its exchange.
    settle_connection(conn, state);
    // Stock PostgreSQL: the catalog decides between CALL and SELECT and which arguments
    // come back; the vendor's server does that itself.
    CallRoute route;
    const bool routed = outCall && state && !state->vendorExtras && is_call(query) && route_call(conn, query, &route);
    if (routed) query = route.query.c_str();
    ocitrace(TRACE_CONNECT, "pqx", "PQprepare %s: %s\n", name, query);
    PGresult *r;
    // The description travels in the Parse's exchange.
    std::vector<ResultPtr> description;
    {
        NoticeScope notices(conn, nullptr);
        if (state && describe)
            r = run_with_held_back(
                conn, state,
                [&](Pipeline &p) {
                    p.send_prepare(name, query, nParams, paramTypes);
                    p.send_describe_prepared(name);
                },
                true, nullptr, &description);
        else if (state && held_back_count(state))
            r = run_with_held_back(conn, state,
                                   [&](Pipeline &p) { p.send_prepare(name, query, nParams, paramTypes); });
        else
            r = wait_prepare(conn, name, query, nParams, paramTypes);
    }
    if (!state) return r;
    try {
        std::string key(name);
        // A failed Parse of the unnamed statement has dropped the previous one too.
        if (PQresultStatus(r) == PGRES_COMMAND_OK || key.empty()) state->prepared.erase(key);
        if (PQresultStatus(r) == PGRES_COMMAND_OK) {
            PreparedStatement p;
            p.text = query;
            p.types.assign(static_cast<std::size_t>(nParams), 0);
            p.modes.assign(static_cast<std::size_t>(nParams), PARAM_IN);
            for (int i = 0; i < nParams; ++i) {
                if (paramTypes) p.types[i] = paramTypes[i];
                if (paramModes) p.modes[i] = paramModes[i];
            }
            if (description.size() == 1 && PQresultStatus(description[0].get()) == PGRES_COMMAND_OK) {
                const PGresult *d = description[0].get();
                for (int c = 0; c < PQnfields(d); ++c) p.columns.push_back(PQftype(d, c));
                p.columnsKnown = true;
            }
            if (routed) {
                p.routed = true;
                p.functionForm = route.functionForm;
                p.outColumns = std::move(route.outColumns);
            }
            state->prepared.emplace(std::move(key), std::move(p));
        }
    } catch (...) {
        // Not remembered, the statement could not be bound or fetched from later: it is
        // dropped again and the prepare fails (a name of ours needs no quoting).
        ocitrace(TRACE_CONNECT, "pqx", "out of memory remembering %s\n", name);
        const bool prepared = PQresultStatus(r) == PGRES_COMMAND_OK;
        PQclear(r);
        char drop[96];
        if (prepared && *name && std::snprintf(drop, sizeof drop, "DEALLOCATE \"%s\"", name) < int(sizeof drop))
            PQclear(wait_exec(conn, drop));
        return failed_exchange(conn);
    }
    return r;
}

// The OUT result: the server's row has one column per OUT / IN OUT parameter in order.
PGresult *out_result(PGconn *conn, const PreparedStatement &call, const PGresult *row) {
    const int n = static_cast<int>(call.modes.size());
    std::vector<std::string> names(n);
    std::vector<PGresAttDesc> attrs(n);
    std::vector<int> source(n, -1);
    if (call.routed) {
        for (std::size_t c = 0; c < call.outColumns.size(); ++c) {
            const int k = call.outColumns[c];
            if (row && k >= 0 && k < n && static_cast<int>(c) < PQnfields(row)) source[k] = static_cast<int>(c);
        }
    }
    int next = 0;
    for (int i = 0; i < n; ++i) {
        PGresAttDesc &a = attrs[i];
        const bool out = call.routed ? source[i] >= 0 : call.modes[i] != PARAM_IN && next < PQnfields(row);
        if (out) {
            if (!call.routed) source[i] = next;
            const int col = source[i];
            names[i] = PQfname(row, col);
            a.typid = PQftype(row, col);
            a.typlen = PQfsize(row, col);
            a.atttypmod = PQfmod(row, col);
            a.format = PQfformat(row, col);
            ++next;
        } else {
            names[i] = "$" + std::to_string(i + 1);
            a.typid = call.types[i] ? call.types[i] : kTextOid;
            a.typlen = -1;
            a.atttypmod = -1;
            a.columnid = kInPlace;
        }
        a.name = names[i].data();
    }
    PGresult *out = PQmakeEmptyPGresult(conn, PGRES_TUPLES_OK);
    if (!out) return nullptr;
    bool ok = PQsetResultAttrs(out, n, attrs.data());
    for (int i = 0; ok && i < n; ++i) {
        int s = source[i];
        if (s < 0 || !row || PQntuples(row) < 1 || PQgetisnull(row, 0, s))
            ok = PQsetvalue(out, 0, i, nullptr, -1);
        else
            ok = PQsetvalue(out, 0, i, PQgetvalue(row, 0, s), PQgetlength(row, 0, s));
    }
    if (!ok) {
        PQclear(out);
        return nullptr;
    }
    return out;
}

// FETCH and MOVE counts: a bigint, as the server takes them.
bool parse_count(std::string_view s, std::int64_t *value) {
    if (s.empty()) return false;
    const char *first = s.data();
    if (*first == '+') ++first;
    auto [end, ec] = std::from_chars(first, s.data() + s.size(), *value);
    return ec == std::errc() && end == s.data() + s.size();
}

// The MOVE direction rebuilt from recognised words and numbers, so no caller text is
// spliced into the command; empty when not understood.
std::string move_direction(const char *how) {
    std::vector<std::string> words;
    std::string_view s(how);
    for (std::size_t i = 0; i < s.size();) {
        if (blank(s[i])) {
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < s.size() && !blank(s[i])) ++i;
        words.emplace_back(s.substr(start, i - start));
    }
    auto is = [](const std::string &w, const char *kw) { return ascii_casecmp(w.c_str(), kw) == 0; };
    std::int64_t n = 0;
    if (words.size() == 1) {
        for (const char *kw : {"NEXT", "PRIOR", "FIRST", "LAST", "ALL", "FORWARD", "BACKWARD"})
            if (is(words[0], kw)) return kw;
        if (parse_count(words[0], &n)) return std::to_string(n);
        return {};
    }
    if (words.size() != 2) return {};
    for (const char *kw : {"ABSOLUTE", "RELATIVE", "FORWARD", "BACKWARD"}) {
        if (!is(words[0], kw)) continue;
        if (parse_count(words[1], &n)) return std::string(kw) + " " + std::to_string(n);
        if (is(words[1], "ALL") && (is(words[0], "FORWARD") || is(words[0], "BACKWARD")))
            return std::string(kw) + " ALL";
        return {};
    }
    return {};
}

}  // namespace

void drain_pending(PGconn *conn) noexcept {
    ConnState *state = state_of(conn);
    if (!state) return;
    settle_connection(conn, state);
    if (held_back_count(state)) {
        // Nobody waits for these results; a failure shows in the next command's.
        std::vector<ResultPtr> results;
        HeldBackSent sent;
        {
            Pipeline pipeline(conn);
            if (pipeline.ok()) sent = send_held_back(pipeline, state);
            results = pipeline.finish();
        }
        for (const ResultPtr &r : results)
            if (PQresultStatus(r.get()) != PGRES_COMMAND_OK)
                ocitrace(TRACE_CONNECT, "pqx", "held-back command failed: %s", PQresultErrorMessage(r.get()));
        held_back_done(state, sent, results);
    }
    // Nothing is in flight now, so the status is the server's: outside a transaction
    // block every cursor without hold is gone.
    if (PQtransactionStatus(conn) == PQTRANS_IDLE) ++state->txEpoch;
}

PGTransactionStatusType transaction_status(PGconn *conn) noexcept {
    if (!conn) return PQTRANS_UNKNOWN;
    // Held-back commands run inside the transaction and do not change its status; a
    // held-back BEGIN counts as sent.
    ConnState *state = state_of(conn);
    if (state) {
        settle_read_ahead(conn, state);
        state->ready.clear();
    }
    const PGTransactionStatusType status = logical_status(conn, state);
    if (state && status == PQTRANS_IDLE) ++state->txEpoch;
    return status;
}

PGresult *PQprepareOut(PGconn *conn, const char *stmtName, const char *query, int nParams, const Oid *paramTypes,
                       const int *paramModes) noexcept {
    return remember(conn, stmtName, query, nParams, paramTypes, paramModes, true);
}

PGresult *prepare(PGconn *conn, const char *stmtName, const char *query, int nParams,
                  const Oid *paramTypes) noexcept {
    return remember(conn, stmtName, query, nParams, paramTypes, nullptr, false);
}

PGresult *prepare_described(PGconn *conn, const char *stmtName, const char *query, int nParams,
                            const Oid *paramTypes) noexcept {
    return remember(conn, stmtName, query, nParams, paramTypes, nullptr, false, true);
}

const std::vector<Oid> *prepared_columns(PGconn *conn, const char *stmtName) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !stmtName) return nullptr;
    try {
        auto it = state->prepared.find(stmtName);
        return it != state->prepared.end() && it->second.columnsKnown ? &it->second.columns : nullptr;
    } catch (...) {
        return nullptr;
    }
}

void forget_prepared(PGconn *conn, const char *stmtName) noexcept {
    ConnState *state = state_of(conn);
    if (!state) return;
    if (!stmtName) {
        state->prepared.clear();
        return;
    }
    try {
        state->prepared.erase(stmtName);
    } catch (...) {
        // Only the key's construction can throw; the entry then stays.
    }
}

int PQsendQueryPreparedOut(PGconn *conn, const char *stmtName, int nParams, const char *const *values,
                           const int *lengths, const int *formats, int resultFormat) noexcept {
    if (!conn || !stmtName) return 0;
    drain_pending(conn);
    ConnState *state = state_of(conn);
    if (state) {
        state->outResult.reset();
        try {
            auto it = state->prepared.find(stmtName);
            if (it != state->prepared.end() && has_out(it->second) &&
                (it->second.functionForm || is_call(it->second.text)))
                state->outCall = it->second;
        } catch (...) {
            // The server's row then reaches the caller as an ordinary result.
            state->outCall.reset();
        }
    }
    ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryPrepared %s\n", stmtName);
    int sent = PQsendQueryPrepared(conn, stmtName, nParams, values, lengths, formats, resultFormat);
    if (!sent && state) state->outCall.reset();
    return sent;
}

PGresult *take_out_row(PGconn *conn, PGresult *r) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !state->outCall) return r;
    if (!r) {
        state->outCall.reset();
        return r;
    }
    const ExecStatusType status = PQresultStatus(r);
    if (state->outCall->functionForm || (status == PGRES_COMMAND_OK && state->outCall->routed)) {
        // A function's value is the ordinary result, its parameters all IN; a procedure
        // without OUT arguments answers with no row.
        if (status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK)
            state->outResult.reset(out_result(conn, *state->outCall, nullptr));
        state->outCall.reset();
        return r;
    }
    if (status != PGRES_TUPLES_OK) return r;
    PGresult *ok = nullptr;
    try {
        PGresult *out = out_result(conn, *state->outCall, r);
        if (out) ok = PQmakeEmptyPGresult(conn, PGRES_COMMAND_OK);
        if (!ok) {
            PQclear(out);
            return r;  // out of memory: the row as it came rather than nothing
        }
        state->outResult.reset(out);
    } catch (...) {
        PQclear(ok);
        return r;
    }
    state->outCall.reset();
    PQclear(r);
    return ok;
}

bool returns_value(const PGresult *out, int column) noexcept {
    return out && column >= 0 && column < PQnfields(out) && PQftablecol(out, column) != kInPlace;
}

PGresult *PQgetOutResult(PGconn *conn) noexcept {
    ConnState *state = state_of(conn);
    return state ? state->outResult.release() : nullptr;
}

int PQsendBindPrepared(PGconn *conn, const char *portalName, const char *stmtName, int nParams,
                       const char *const *values, const int *lengths, const int *formats, int resultFormat,
                       bool scroll, bool withHold) noexcept {
    if (!conn || !portalName || !stmtName || nParams < 0) return 0;
    ConnState *state = state_of(conn);
    if (!state) return 0;
    settle_read_ahead(conn, state);
    try {
        auto it = state->prepared.find(stmtName);
        if (it == state->prepared.end()) return 0;
        std::string name = quoted(conn, portalName);
        if (name.empty()) return 0;
        const PreparedStatement &p = it->second;
        std::vector<Oid> types(static_cast<std::size_t>(nParams), 0);
        for (std::size_t i = 0; i < types.size() && i < p.types.size(); ++i) types[i] = p.types[i];
        // NO SCROLL unless asked, so a backward move fails the same way whatever the plan.
        std::string sql = "DECLARE " + name + (scroll ? " SCROLL" : " NO SCROLL") + " CURSOR" +
                          (withHold ? " WITH HOLD" : "") + " FOR " + p.text;
        // Queued CLOSEs stay queued and go with this cursor's declaration.
        if (state->deferred) {
            drain_pending(conn);
        } else {
            state->outCall.reset();
            state->ready.clear();
        }
        // The DECLARE travels with the cursor's first FETCH or describe; its success is
        // what the caller reads now, a failure comes back as the result of that command.
        ConnState::DeferredDeclare d;
        d.portal = portalName;
        d.stmtName = stmtName;
        d.sql = std::move(sql);
        d.types = std::move(types);
        d.values.resize(static_cast<std::size_t>(nParams));
        d.isNull.assign(static_cast<std::size_t>(nParams), 1);
        for (int i = 0; values && i < nParams; ++i) {
            if (!values[i]) continue;
            const bool binary = formats && formats[i] == 1;
            d.values[i] = binary ? std::string(values[i], lengths ? static_cast<std::size_t>(lengths[i]) : 0)
                                 : std::string(values[i]);
            d.isNull[i] = 0;
        }
        if (lengths) d.lengths.assign(lengths, lengths + nParams);
        if (formats) d.formats.assign(formats, formats + nParams);
        ResultPtr ok(PQmakeEmptyPGresult(conn, PGRES_COMMAND_OK));
        if (!ok) return 0;
        ConnState::Portal &portal = state->portals[portalName];
        portal = ConnState::Portal{};
        portal.format = resultFormat;
        portal.withHold = withHold;
        portal.txEpoch = state->txEpoch;
        portal.scroll = scroll;
        state->deferred = std::move(d);
        cursor_bound(state, portalName);
        state->ready.push_back(std::move(ok));
        return 1;
    } catch (...) {
        note_out_of_memory(conn);
        return 0;
    }
}

namespace {

// The answer to a cursor's FETCH, read now; a full batch has the next one asked for
// ahead from the second FETCH on (the first may be all a point query wants).
int answer_fetch(PGconn *conn, ConnState *state, ConnState::Portal &portal, const std::string &portalName,
                 int count) {
    PGresult *r = take_read_ahead(conn, state, portalName, count);
    if (!r) {
        const std::string sql = fetch_command(conn, portalName, count);
        if (sql.empty()) return 0;
        ocitrace(TRACE_CONNECT, "pqx", "PQexecParams: %s\n", sql.c_str());
        r = exec_guarded(conn, state, sql.c_str(), portal.format);
        if (!r) return 0;
        if (PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) < count) portal.serverDone = true;
    }
    const bool full = PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) == count && PQnfields(r) > 0;
    try {
        state->ready.push_back(ResultPtr(r));
    } catch (const std::bad_alloc &) {
        // The cursor has moved past these rows: later fetches must not skip them.
        portal.aheadLost = true;
        throw;
    }
    if (++portal.fetches >= 2 && full) read_ahead(conn, state, portalName, count);
    return 1;
}


// The first FETCH of a cursor without scroll, which travels with its DECLARE. It asks
// for one row more than wanted, kept for the next FETCH, to learn whether that was all:
// then the statement's next cursor is not declared, the statement runs at once and its
// rows are served from the client.
PGresult *first_fetch(PGconn *conn, ConnState *state, ConnState::Portal &portal, const std::string &portalName,
                      int count) {
    const ConnState::DeferredDeclare &d = *state->deferred;
    auto it = state->prepared.find(d.stmtName);
    PreparedStatement *stmt = it == state->prepared.end() ? nullptr : &it->second;
    const bool atOnce = stmt && stmt->smallRows >= 0 && stmt->smallRows <= count;
    const int asked = count < 0x7fffffff ? count + 1 : count;
    PGresult *r;
    if (atOnce) {
        // Without a transaction of its own to keep, the statement runs outside a block.
        run_outside_block(state, portalName);
        std::vector<const char *> values(d.values.size());
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = d.isNull[i] ? nullptr : d.values[i].c_str();
        r = run_with_held_back(
            conn, state,
            [&](Pipeline &pipeline) {
                ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryPrepared %s for %s at once\n", d.stmtName.c_str(),
                         portalName.c_str());
                pipeline.send_prepared(d.stmtName.c_str(), static_cast<int>(values.size()),
                                       values.empty() ? nullptr : values.data(),
                                       d.lengths.empty() ? nullptr : d.lengths.data(),
                                       d.formats.empty() ? nullptr : d.formats.data(), portal.format);
            },
            false);
        portal.local = portal.serverDone = true;
    } else {
        const std::string sql = fetch_command(conn, portalName, asked);
        if (sql.empty()) return nullptr;
        r = run_with_held_back(conn, state, [&](Pipeline &pipeline) {
            ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s\n", sql.c_str());
            pipeline.send(sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, portal.format);
        });
    }
    if (!r || PQresultStatus(r) != PGRES_TUPLES_OK) return r;
    const int n = PQntuples(r);
    if (n <= count) {
        if (stmt) stmt->smallRows = n;
        portal.ahead.reset(PQcopyResult(r, PG_COPYRES_ATTRS));
        portal.aheadEnded = portal.serverDone = true;
        return r;
    }
    // More than wanted: the rest waits for the next FETCH, and the statement gets a
    // cursor again next time.
    if (stmt) stmt->smallRows = -1;
    ResultPtr all(r);
    ResultPtr head(copy_rows(all.get(), 0, count));
    ResultPtr rest(copy_rows(all.get(), count, n - count));
    if (!head || !rest) return failed_exchange(conn);
    portal.ahead = std::move(rest);
    portal.aheadEnded = atOnce;
    return head.release();
}

// After a FETCH answered on a blocking connection: a cursor without scroll whose rows
// are all on the client needs the server no more.
void fetched(PGconn *conn, ConnState *state, const ConnState::Portal *portal, const std::string &portalName) {
    if (!portal || portal->scroll || PQisnonblocking(conn)) return;
    if (portal->serverDone || portal->local) cursor_done(conn, state, portalName);
}

}  // namespace

int PQsendFetchPrepared(PGconn *conn, const char *portalName, int count, int resultFormat) noexcept {
    if (!conn || !portalName || count < 1) return 0;
    try {
        ConnState *state = state_of(conn);
        settle_read_ahead(conn, state);
        ConnState::Portal *portal = nullptr;
        if (state) {
            auto it = state->portals.find(portalName);
            if (it != state->portals.end()) portal = &it->second;
        }
        // Rows read ahead keep the form they came in; each result tells its own.
        if (portal && (resultFormat == 0 || resultFormat == 1)) portal->format = resultFormat;
        const int format = portal ? portal->format : 0;
        if (state && held_back_count(state) && (!state->deferred || state->deferred->portal == portalName)) {
            state->outCall.reset();
            state->ready.clear();
            const bool plain = state->deferred && portal && !portal->scroll && !PQisnonblocking(conn);
            const std::string sql = plain ? std::string() : fetch_command(conn, portalName, count);
            if (!plain && sql.empty()) return 0;
            if (!plain) ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s\n", sql.c_str());
            PGresult *r = plain ? first_fetch(conn, state, *portal, portalName, count)
                                : exec_guarded(conn, state, sql.c_str(), format);
            if (!r) return 0;
            state->ready.push_back(ResultPtr(r));
            if (portal) ++portal->fetches;
            fetched(conn, state, portal, portalName);
            return 1;
        }
        drain_pending(conn);
        if (portal && !portal->scroll) {
            if (!PQisnonblocking(conn)) {
                const int sent = answer_fetch(conn, state, *portal, portalName, count);
                if (sent) fetched(conn, state, portal, portalName);
                return sent;
            }
            // A non-blocking connection gets rows already here, else the FETCH sent and
            // nothing more: its caller waits.
            if (PGresult *r = take_read_ahead(conn, state, portalName, count)) {
                state->ready.push_back(ResultPtr(r));
                ++portal->fetches;
                return 1;
            }
        }
        const std::string sql = fetch_command(conn, portalName, count);
        if (sql.empty()) return 0;
        if (state && !PQisnonblocking(conn)) {
            // Read now, so that a failure can be undone to a savepoint of its own.
            ocitrace(TRACE_CONNECT, "pqx", "PQexecParams: %s\n", sql.c_str());
            PGresult *r = exec_guarded(conn, state, sql.c_str(), format);
            if (!r) return 0;
            state->ready.push_back(ResultPtr(r));
            return 1;
        }
        ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s\n", sql.c_str());
        return PQsendQueryParams(conn, sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, format);
    } catch (...) {
        note_out_of_memory(conn);
        return 0;
    }
}

PGresult *move_portal(PGconn *conn, void *errhp, const char *portal, const char *how) noexcept {
    if (!conn || !portal || !how) return nullptr;
    try {
        std::string direction = move_direction(how);
        std::string name = quoted(conn, portal);
        if (direction.empty() || name.empty()) return nullptr;
        std::string sql = "MOVE " + direction + " FROM " + name;
        return exec(conn, errhp, sql.c_str());
    } catch (...) {
        return nullptr;
    }
}

PGresult *describe_portal(PGconn *conn, const char *portal) noexcept {
    if (!conn || !portal) return nullptr;
    ConnState *state = state_of(conn);
    settle_read_ahead(conn, state);
    if (state && state->deferred && state->deferred->portal == portal) {
        state->outCall.reset();
        state->ready.clear();
        return run_with_held_back(conn, state, [&](Pipeline &pipeline) {
            ocitrace(TRACE_CONNECT, "pqx", "PQdescribePortal %s\n", portal);
            pipeline.send_describe_portal(portal);
        });
    }
    drain_pending(conn);
    if (state) {
        auto it = state->portals.find(portal);
        if (it != state->portals.end() && it->second.local && it->second.ahead &&
            it->second.outlives(state->txEpoch))
            return describe_rows(conn, it->second.ahead.get());
    }
    ocitrace(TRACE_CONNECT, "pqx", "PQdescribePortal %s\n", portal);
    NoticeScope notices(conn, nullptr);
    return wait_describe_portal(conn, portal);
}

int PQsendClosePortal(PGconn *conn, const char *portalName, bool reopening) noexcept {
    if (!conn || !portalName) return 0;
    try {
        ConnState *state = state_of(conn);
        settle_read_ahead(conn, state);
        std::string name = quoted(conn, portalName);
        if (name.empty()) return 0;
        std::string sql = "CLOSE " + name;
        if (!state) {
            // Nowhere to hold it back: run it now, which the caller cannot tell apart.
            PQclear(exec(conn, nullptr, sql.c_str()));
            return 1;
        }
        const std::string key(portalName);
        auto it = state->portals.find(key);
        const bool known = it != state->portals.end();
        // Not declared on the server (held back, run at once, or undone with its
        // statement), or not needed there any more: nothing to close. A CLOSE of a cursor
        // that has gone would fail, and abort the transaction the connection is in then;
        // an aborted transaction ends its cursors by itself.
        const bool undeclared = state->deferred && state->deferred->portal == key;
        if (undeclared) state->deferred.reset();
        const bool needless = undeclared || (known && (it->second.local || it->second.gone));
        const bool ended = known && !it->second.withHold &&
                           (it->second.txEpoch != state->txEpoch || PQtransactionStatus(conn) != PQTRANS_INTRANS);
        const bool withHold = !known || it->second.withHold;
        if (ended && !needless) ocitrace(TRACE_CONNECT, "pqx", "%s ended with its transaction\n", name.c_str());
        // Sent with the next command.
        if (!needless && !ended) state->queuedCloses.push_back({std::move(sql), withHold});
        cursor_done(conn, state, key, reopening);
        state->portals.erase(key);
        return 1;
    } catch (...) {
        note_out_of_memory(conn);
        return 0;
    }
}

}  // namespace vsk::pqx
