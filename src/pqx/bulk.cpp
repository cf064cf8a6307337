#include "pqx/bulk.h"

#include <arpa/inet.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <unordered_map>

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/held_back.h"
#include "pqx/pipeline.h"
#include "pqx/read_ahead.h"
#include "pqx/transaction.h"

namespace vsk::pqx {

namespace {

constexpr char kRowSavepoint[] = "SAVEPOINT vsk_row";
constexpr char kRowUndo[] = "ROLLBACK TO SAVEPOINT vsk_row";
constexpr char kRowRelease[] = "RELEASE SAVEPOINT vsk_row";
constexpr Savepoint kUnnestSavepoint = {
    "SAVEPOINT vsk_unnest",
    "RELEASE SAVEPOINT vsk_unnest",
    "ROLLBACK TO SAVEPOINT vsk_unnest; RELEASE SAVEPOINT vsk_unnest",
};

bool succeeded(const PGresult *r) {
    const ExecStatusType s = PQresultStatus(r);
    return r && (s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK);
}

unsigned long long affected_by(PGresult *r) { return std::strtoull(PQcmdTuples(r), nullptr, 10); }

// Types the server cannot take as array elements in binary form unless they came in
// binary: their binary form is not their text.
bool text_is_binary(Oid type) {
    return type == 25 /* text */ || type == 1043 /* varchar */ || type == 1042 /* bpchar */ || type == 19 /* name */;
}

void put32(std::string &out, std::uint32_t v) {
    const std::uint32_t n = htonl(v);
    out.append(reinterpret_cast<const char *>(&n), 4);
}

// One array parameter from column p of every row: the binary array form where every cell
// is binary (or text of a type whose binary form is its text), else the text form.
// False when the cells mix binary and text.
bool build_array(int p, int nRows, Oid elementType, const RowSource &source, std::string *out,
                 int *format, std::vector<const char *> &values, std::vector<int> &lengths,
                 std::vector<int> &formats) {
    bool anyBinary = false, anyText = false, anyNull = false;
    for (int r = 0; r < nRows; ++r) {
        source(r, values.data(), lengths.data(), formats.data());
        if (!values[p]) anyNull = true;
        else if (formats[p] == 1) anyBinary = true;
        else anyText = true;
    }
    if (anyBinary && anyText) return false;
    out->clear();
    if (anyBinary || (anyText && text_is_binary(elementType)) || !anyText) {
        *format = 1;
        put32(*out, 1);
        put32(*out, anyNull ? 1 : 0);
        put32(*out, elementType);
        put32(*out, static_cast<std::uint32_t>(nRows));
        put32(*out, 1);
        for (int r = 0; r < nRows; ++r) {
            source(r, values.data(), lengths.data(), formats.data());
            if (!values[p]) {
                put32(*out, 0xFFFFFFFFu);
                continue;
            }
            const std::size_t n = formats[p] == 1 ? static_cast<std::size_t>(lengths[p]) : std::strlen(values[p]);
            put32(*out, static_cast<std::uint32_t>(n));
            out->append(values[p], n);
        }
        return true;
    }
    *format = 0;
    out->push_back('{');
    for (int r = 0; r < nRows; ++r) {
        source(r, values.data(), lengths.data(), formats.data());
        if (r) out->push_back(',');
        if (!values[p]) {
            out->append("NULL");
            continue;
        }
        out->push_back('"');
        for (const char *c = values[p]; *c; ++c) {
            if (*c == '"' || *c == '\\') out->push_back('\\');
            out->push_back(*c);
        }
        out->push_back('"');
    }
    out->push_back('}');
    return true;
}

// The array types of element types, asked of the server once per connection.
bool array_types(PGconn *conn, ConnState *state, const std::vector<Oid> &elements, std::vector<Oid> *arrays) {
    std::string missing;
    for (Oid e : elements)
        if (!state->arrayTypes.count(e)) missing += (missing.empty() ? "" : ",") + std::to_string(e);
    if (!missing.empty()) {
        const std::string list = "{" + missing + "}";
        const char *values[] = {list.c_str()};
        ResultPtr r(exec_params(conn, nullptr,
                                "SELECT oid, typarray FROM pg_catalog.pg_type WHERE oid = ANY($1::pg_catalog.oid[])", 1,
                                nullptr, values, nullptr, nullptr, 0));
        if (PQresultStatus(r.get()) != PGRES_TUPLES_OK) return false;
        for (int i = 0; i < PQntuples(r.get()); ++i)
            state->arrayTypes[static_cast<Oid>(std::strtoul(PQgetvalue(r.get(), i, 0), nullptr, 10))] =
                static_cast<Oid>(std::strtoul(PQgetvalue(r.get(), i, 1), nullptr, 10));
    }
    arrays->clear();
    for (Oid e : elements) {
        auto it = state->arrayTypes.find(e);
        if (it == state->arrayTypes.end() || it->second == 0) return false;
        arrays->push_back(it->second);
    }
    return true;
}

}  // namespace

PGresult *exec_bulk(PGconn *conn, void *errhp, const char *stmtName, int nParams, int nRows, const RowSource &source,
                    BulkErrors errors, bool perRow, BulkOutcome *out) noexcept {
    if (!conn || !stmtName || nParams < 0 || nRows < 0 || !out) return nullptr;
    try {
        ConnState *state = state_of(conn);
        settle_connection(conn, state);
        *out = BulkOutcome{};
        if (perRow) out->perRow.assign(static_cast<std::size_t>(nRows), 0);
        std::vector<const char *> values(static_cast<std::size_t>(nParams) + 1);
        std::vector<int> lengths(values.size()), formats(values.size());
        NoticeScope notices(conn, errhp);
        Pipeline pipeline(conn);
        if (!pipeline.ok()) return failed_exchange(conn);
        const HeldBackSent held = state ? send_held_back(pipeline, state) : HeldBackSent{};
        const bool skip = errors == BulkErrors::Skip;
        // Skip: each row between a rollback to and a new savepoint, in a segment of its
        // own, so that a failing row undoes itself and the next row starts clean.
        if (skip) {
            pipeline.send(kRowSavepoint);
            pipeline.sync();
        }
        ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryPrepared %s for %d rows\n", stmtName, nRows);
        for (int r = 0; r < nRows && pipeline.ok(); ++r) {
            source(r, values.data(), lengths.data(), formats.data());
            if (skip) pipeline.send(kRowUndo);
            pipeline.send_prepared(stmtName, nParams, values.data(), lengths.data(), formats.data(), 0);
            if (skip) {
                pipeline.send(kRowRelease);
                pipeline.send(kRowSavepoint);
                pipeline.sync();
            }
        }
        if (skip) {
            pipeline.send(kRowUndo);
            pipeline.send(kRowRelease);
        }
        const int first = held.count + (skip ? 1 : 0);
        const int stride = skip ? 4 : 1;
        std::vector<ResultPtr> heldResults;
        int heldFailure = -1;
        auto keep_answer = [&](int i, ResultPtr r) {
            if (i < held.count) {
                if (!succeeded(r.get()) && heldFailure < 0) heldFailure = i;
                heldResults.push_back(std::move(r));
                return;
            }
            const int k = i - first;
            if (k < 0 || k % stride != (skip ? 1 : 0) || k / stride >= nRows) return;
            const int row = k / stride;
            if (succeeded(r.get())) {
                const unsigned long long n = affected_by(r.get());
                out->affected += n;
                ++out->succeeded;
                if (perRow) out->perRow[static_cast<std::size_t>(row)] = n;
            } else if (PQresultStatus(r.get()) != PGRES_PIPELINE_ABORTED && (skip || out->failures.empty())) {
                out->failures.push_back({row, std::move(r)});
            }
        };
        // An answer that cannot be kept for want of memory fails the whole exchange; the
        // drain goes on regardless, so that the connection leaves pipeline mode.
        bool dropped = false;
        const bool complete = pipeline.drain([&](int i, ResultPtr r) noexcept {
            try {
                keep_answer(i, std::move(r));
            } catch (const std::bad_alloc &) {
                dropped = true;
            }
        });
        if (state) held_back_done(state, held, heldResults);
        if (dropped) return failed_exchange(conn);
        if (heldFailure >= 0) return heldResults[static_cast<std::size_t>(heldFailure)].release();
        // Stop: the failing row's answer goes to the caller, its number stays in failures.
        if (!skip && !out->failures.empty()) return out->failures.front().result.release();
        if (!complete) return failed_exchange(conn);
        return PQmakeEmptyPGresult(conn, PGRES_COMMAND_OK);
    } catch (...) {
        return failed_exchange(conn);
    }
}

std::vector<Oid> parameter_types(PGconn *conn, const char *stmtName) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !stmtName) return {};
    try {
        auto it = state->prepared.find(stmtName);
        if (it == state->prepared.end()) return {};
        if (!it->second.typesKnown) {
            settle_connection(conn, state);
            ResultPtr r(run_with_held_back(conn, state, [&](Pipeline &p) { p.send_describe_prepared(stmtName); }));
            if (PQresultStatus(r.get()) != PGRES_COMMAND_OK) return {};
            it = state->prepared.find(stmtName);
            if (it == state->prepared.end()) return {};
            it->second.serverTypes.clear();
            for (int i = 0; i < PQnparams(r.get()); ++i) it->second.serverTypes.push_back(PQparamtype(r.get(), i));
            it->second.typesKnown = true;
        }
        return it->second.serverTypes;
    } catch (...) {
        return {};
    }
}

PGresult *exec_insert_unnest(PGconn *conn, void *errhp, const std::string &target, const std::vector<Oid> &elementTypes,
                             int nRows, const RowSource &source) noexcept {
    ConnState *state = state_of(conn);
    // Its savepoint needs a transaction block.
    if (!conn || !state || elementTypes.empty() || nRows < 1 || logical_status(conn, state) != PQTRANS_INTRANS)
        return nullptr;
    try {
        settle_connection(conn, state);
        std::vector<Oid> arrays;
        if (!array_types(conn, state, elementTypes, &arrays)) return nullptr;
        const int n = static_cast<int>(elementTypes.size());
        std::vector<std::string> data(static_cast<std::size_t>(n));
        std::vector<const char *> values(static_cast<std::size_t>(n) + 1);
        std::vector<int> lengths(values.size()), formats(values.size());
        std::vector<const char *> params(static_cast<std::size_t>(n));
        std::vector<int> paramLengths(params.size()), paramFormats(params.size());
        std::string sql = target + " SELECT * FROM unnest(";
        for (int p = 0; p < n; ++p) {
            if (!build_array(p, nRows, elementTypes[p], source, &data[p], &paramFormats[p], values, lengths, formats))
                return nullptr;
            params[p] = data[p].data();
            paramLengths[p] = static_cast<int>(data[p].size());
            sql += (p ? ", $" : "$") + std::to_string(p + 1);
        }
        sql += ")";
        ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s (%d rows)\n", sql.c_str(), nRows);
        NoticeScope notices(conn, errhp);
        // Under a savepoint of its own: a failure leaves the transaction as it was, for the
        // rows to run one by one and tell which failed.
        return run_with_held_back(
            conn, state,
            [&](Pipeline &pipeline) {
                pipeline.send(sql.c_str(), n, arrays.data(), params.data(), paramLengths.data(), paramFormats.data(), 0);
            },
            true, &kUnnestSavepoint);
    } catch (...) {
        return nullptr;
    }
}

PGresult *PQexecBulkPrepared(PGconn *conn, const char *stmtName, int nParams, int nRows,
                             const char *const *values, const int *lengths, const int *formats) noexcept {
    if (nParams < 0 || nRows < 0 || (nParams > 0 && nRows > 0 && !values)) return nullptr;
    const RowSource source = [&](int r, const char **v, int *l, int *f) {
        for (int p = 0; p < nParams; ++p) {
            const std::size_t cell = static_cast<std::size_t>(r) * static_cast<std::size_t>(nParams) + p;
            v[p] = values[cell];
            l[p] = lengths ? lengths[cell] : 0;
            f[p] = formats ? formats[p] : 0;
        }
    };
    BulkOutcome outcome;
    return exec_bulk(conn, nullptr, stmtName, nParams, nRows, source, BulkErrors::Stop, false, &outcome);
}

}  // namespace vsk::pqx
