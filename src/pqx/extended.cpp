#include "pqx/extended.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "env/trace.h"
#include "nls/ascii.h"
#include "pqx/call_probe.h"
#include "pqx/command.h"
#include "pqx/connection.h"

namespace vsk::pqx {

namespace {

constexpr Oid kTextOid = 25;

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
                   const int *paramModes, bool outCall) noexcept {
    if (!conn || !query || nParams < 0) return nullptr;
    if (paramModes)
        for (int i = 0; i < nParams; ++i)
            if (paramModes[i] < PARAM_IN || paramModes[i] > PARAM_INOUT) return nullptr;
    const char *name = stmtName ? stmtName : "";
    drain_pending(conn);
    ConnState *state = state_of(conn);
    // Stock PostgreSQL: the catalog decides between CALL and SELECT and which arguments
    // come back; the vendor's server does that itself.
    CallRoute route;
    const bool routed = outCall && state && !state->vendorExtras && is_call(query) && route_call(conn, query, &route);
    if (routed) query = route.query.c_str();
    ocitrace(TRACE_CONNECT, "pqx", "PQprepare %s: %s\n", name, query);
    PGresult *r;
    {
        NoticeScope notices(conn, nullptr);
        r = PQprepare(conn, name, query, nParams, paramTypes);
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
            if (routed) {
                p.routed = true;
                p.functionForm = route.functionForm;
                p.outColumns = std::move(route.outColumns);
            }
            state->prepared.emplace(std::move(key), std::move(p));
        }
    } catch (...) {
        // Not remembered: cursor operations on it then report failure.
        ocitrace(TRACE_CONNECT, "pqx", "out of memory remembering %s\n", name);
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
    state->outCall.reset();
    if (!state->resultsPending) return;
    state->resultsPending = false;
    NoticeScope notices(conn, nullptr);
    while (PGresult *r = PQgetResult(conn)) PQclear(r);
}

PGresult *PQprepareOut(PGconn *conn, const char *stmtName, const char *query, int nParams, const Oid *paramTypes,
                       const int *paramModes) noexcept {
    return remember(conn, stmtName, query, nParams, paramTypes, paramModes, true);
}

PGresult *prepare(PGconn *conn, const char *stmtName, const char *query, int nParams,
                  const Oid *paramTypes) noexcept {
    return remember(conn, stmtName, query, nParams, paramTypes, nullptr, false);
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
        state->portalFormats[portalName] = resultFormat;
        drain_pending(conn);
        ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s\n", sql.c_str());
        return PQsendQueryParams(conn, sql.c_str(), nParams, nParams ? types.data() : nullptr, values, lengths,
                                 formats, 0) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

int PQsendFetchPrepared(PGconn *conn, const char *portalName, int count) noexcept {
    if (!conn || !portalName || count < 1) return 0;
    try {
        std::string name = quoted(conn, portalName);
        if (name.empty()) return 0;
        int format = 0;
        if (ConnState *state = state_of(conn)) {
            auto it = state->portalFormats.find(portalName);
            if (it != state->portalFormats.end()) format = it->second;
        }
        std::string sql = "FETCH FORWARD " + std::to_string(count) + " FROM " + name;
        drain_pending(conn);
        ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s\n", sql.c_str());
        return PQsendQueryParams(conn, sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, format);
    } catch (...) {
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
    drain_pending(conn);
    ocitrace(TRACE_CONNECT, "pqx", "PQdescribePortal %s\n", portal);
    NoticeScope notices(conn, nullptr);
    return PQdescribePortal(conn, portal);
}

int PQsendClosePortal(PGconn *conn, const char *portalName) noexcept {
    if (!conn || !portalName) return 0;
    try {
        std::string name = quoted(conn, portalName);
        if (name.empty()) return 0;
        std::string sql = "CLOSE " + name;
        drain_pending(conn);
        ocitrace(TRACE_CONNECT, "pqx", "PQsendQuery: %s\n", sql.c_str());
        ConnState *state = state_of(conn);
        std::string key(portalName);
        if (!PQsendQuery(conn, sql.c_str())) return 0;
        if (state) {
            state->resultsPending = true;
            state->portalFormats.erase(key);
        } else {
            // Nowhere to remember it: wait now, which the caller cannot tell apart.
            NoticeScope notices(conn, nullptr);
            while (PGresult *r = PQgetResult(conn)) PQclear(r);
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

}  // namespace vsk::pqx
