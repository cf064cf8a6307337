#include "bench_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vsk::bench {

namespace {

[[noreturn]] void die(const std::string &why) {
    std::fprintf(stderr, "bench: %s\n", why.c_str());
    std::exit(2);
}

// "host=... port=... user=... dbname=..." as a URI connect string for OCILogon.
std::string dblink(const std::string &info, std::string *user) {
    std::string host, port, db;
    PQconninfoOption *opts = PQconninfoParse(info.c_str(), nullptr);
    for (PQconninfoOption *o = opts; o && o->keyword; ++o) {
        if (!o->val) continue;
        const std::string k = o->keyword;
        if (k == "host") host = o->val;
        if (k == "port") port = o->val;
        if (k == "dbname") db = o->val;
        if (k == "user") *user = o->val;
    }
    PQconninfoFree(opts);
    std::string encoded;
    for (char c : host) encoded += c == '/' ? std::string("%2F") : std::string(1, c);
    return "postgresql://" + *user + "@" + encoded + ":" + port + "/" + db;
}

const OraText *ot(const std::string &s) { return reinterpret_cast<const OraText *>(s.c_str()); }

}  // namespace

const std::string &conninfo() {
    static const std::string info = [] {
        const char *path = std::getenv("VSK_BENCH_CONNINFO");
        if (!path) die("VSK_BENCH_CONNINFO is not set (run tools/bench.sh)");
        std::ifstream in(path);
        std::stringstream ss;
        ss << in.rdbuf();
        std::string s = ss.str();
        while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
        if (s.empty()) die(std::string("no conninfo in ") + path);
        return s;
    }();
    return info;
}

PGconn *libpq_connect() {
    PGconn *c = PQconnectdb(conninfo().c_str());
    if (PQstatus(c) != CONNECTION_OK) die(PQerrorMessage(c));
    return c;
}

void must(PGconn *conn, const char *sql) {
    PGresult *r = PQexec(conn, sql);
    const ExecStatusType s = PQresultStatus(r);
    if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK) die(std::string(sql) + ": " + PQerrorMessage(conn));
    PQclear(r);
}

long long count_rows(PGconn *conn, const char *table) {
    PGresult *r = PQexec(conn, (std::string("SELECT count(*) FROM ") + table).c_str());
    const long long n = PQresultStatus(r) == PGRES_TUPLES_OK ? std::atoll(PQgetvalue(r, 0, 0)) : -1;
    PQclear(r);
    return n;
}

long libpq_cursor_fetch(PGconn *conn, const char *query, int batch,
                        const std::function<void(const PGresult *, int rows)> &take) {
    must(conn, "BEGIN");
    must(conn, (std::string("DECLARE c NO SCROLL CURSOR FOR ") + query).c_str());
    const std::string fetch = "FETCH FORWARD " + std::to_string(batch) + " FROM c";
    long rows = 0;
    for (;;) {
        PGresult *r = PQexec(conn, fetch.c_str());
        if (PQresultStatus(r) != PGRES_TUPLES_OK) die(fetch + ": " + PQerrorMessage(conn));
        const int n = PQntuples(r);
        take(r, n);
        PQclear(r);
        rows += n;
        if (n < batch) break;
    }
    must(conn, "CLOSE c");
    must(conn, "COMMIT");
    return rows;
}

OciEnvironment::OciEnvironment() {
    if (OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS)
        die("OCIEnvCreate failed");
    OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr);
}

OciEnvironment::~OciEnvironment() {
    if (env) OCIHandleFree(env, OCI_HTYPE_ENV);
}

void OciEnvironment::check(sword rc, const char *what) const {
    if (rc == OCI_SUCCESS || rc == OCI_SUCCESS_WITH_INFO) return;
    sb4 code = 0;
    char text[1024] = {};
    OCIErrorGet(err, 1, nullptr, &code, reinterpret_cast<OraText *>(text), sizeof text, OCI_HTYPE_ERROR);
    die(std::string(what) + " returned " + std::to_string(rc) + ": " + text);
}

std::string oci_dblink(std::string *user) { return dblink(conninfo(), user); }

void libpq_point_queries(::benchmark::State &state, const char *table, int n) {
    PGconn *c = libpq_connect();
    const std::string sql = std::string("select v from ") + table + " where id = $1";
    PQclear(PQprepare(c, "point", sql.c_str(), 1, nullptr));
    const std::string last = "point " + std::to_string(n);
    char id[12], v[32] = {0};
    for (auto _ : state) {
        for (int i = 1; i <= n; ++i) {
            std::snprintf(id, sizeof id, "%d", i);
            const char *values[] = {id};
            PGresult *r = PQexecPrepared(c, "point", 1, values, nullptr, nullptr, 0);
            if (PQntuples(r) == 1) std::snprintf(v, sizeof v, "%s", PQgetvalue(r, 0, 0));
            PQclear(r);
        }
        if (last != v) state.SkipWithError("wrong value");
    }
    PQfinish(c);
}

OciSession::OciSession() {
    std::string user;
    const std::string link = dblink(conninfo(), &user);
    check(OCILogon(env, err, &svc, ot(user), static_cast<ub4>(user.size()), ot(user), static_cast<ub4>(user.size()),
                   ot(link), static_cast<ub4>(link.size())),
          "OCILogon");
}

OciSession::~OciSession() {
    if (svc) OCILogoff(svc, err);
}

OCIStmt *OciSession::statement(const std::string &sql) {
    OCIStmt *s = nullptr;
    OCIHandleAlloc(env, reinterpret_cast<void **>(&s), OCI_HTYPE_STMT, 0, nullptr);
    check(OCIStmtPrepare(s, err, ot(sql), static_cast<ub4>(sql.size()), OCI_NTV_SYNTAX, OCI_DEFAULT), "prepare");
    return s;
}

long OciSession::fetch_all(OCIStmt *q, ub4 batch) {
    check(OCIStmtExecute(svc, q, err, 0, 0, nullptr, nullptr, OCI_DEFAULT), "execute");
    long rows = 0;
    for (;;) {
        const sword rc = OCIStmtFetch2(q, err, batch, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
        ub4 n = 0;
        OCIAttrGet(q, OCI_HTYPE_STMT, &n, nullptr, OCI_ATTR_ROWS_FETCHED, err);
        rows += n;
        if (rc == OCI_NO_DATA) break;
        check(rc, "fetch");
    }
    return rows;
}

void RatioReporter::ReportRuns(const std::vector<Run> &runs) {
    for (const Run &run : runs) {
        const std::string &name = run.run_name.function_name;
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            seconds_[name] = run.GetAdjustedRealTime();
            medians_.insert(name);
        } else if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !medians_.count(name)) {
            seconds_[name] = run.GetAdjustedRealTime();
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::PrintRatios(const std::vector<std::pair<std::string, std::string>> &pairs,
                                const char *title) const {
    std::printf("\n%-44s %s\n", title, "time ratio");
    for (const auto &[lib, pq] : pairs) {
        auto a = seconds_.find(lib), b = seconds_.find(pq);
        if (a == seconds_.end() || b == seconds_.end() || b->second <= 0) continue;
        std::printf("%-44s %.3f\n", (lib + " / " + pq).c_str(), a->second / b->second);
    }
}

}  // namespace vsk::bench
