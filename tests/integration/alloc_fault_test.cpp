// Allocation failure in every main flow: each flow runs once per allocation it makes
// (sampled beyond the first 200), failing exactly that one. Every run ends in success
// with the right values or in an error whose record OCIErrorGet reads; nothing crashes,
// hangs or leaks, the handles free cleanly and later runs still work.
// failing_new.cpp routes the C++ allocations through the same countdown.
#include <oci.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "env/alloc_fault.h"
#include "env/handle.h"
#include "oci_session_test.h"

namespace {

using namespace vsk::test;

// Where a run stopped: the failing call, its code and the record it left. Filled while
// the fault is armed, so nothing here allocates.
struct Outcome {
    const char *step = nullptr;
    sword rc = OCI_SUCCESS;
    sb4 code = 0;
    char text[512] = {0};
    const char *mismatch = nullptr;  // a value a successful call got wrong
    bool noHandle = false;           // the call had no handle to hold a record

    bool failed() const { return step != nullptr; }
};

// The steps of one flow. A call that fails ends the flow: its code and record are kept.
class Steps {
public:
    explicit Steps(Outcome *out) : out_(out) {}

    // A call whose records go to errh (an error handle or, for allocations, an environment).
    bool ok(sword rc, const char *step, void *errh, ub4 type = OCI_HTYPE_ERROR) {
        if (rc == OCI_SUCCESS || rc == OCI_SUCCESS_WITH_INFO || rc == OCI_NO_DATA) return true;
        out_->step = step;
        out_->rc = rc;
        if (errh && OCIErrorGet(errh, 1, nullptr, &out_->code, reinterpret_cast<OraText *>(out_->text),
                                sizeof out_->text, type) != OCI_SUCCESS)
            std::snprintf(out_->text, sizeof out_->text, "(OCIErrorGet found no record)");
        return false;
    }
    bool ok(sword rc, const char *step, OCIError *err) { return ok(rc, step, err, OCI_HTYPE_ERROR); }
    bool ok(sword rc, const char *step, OCIEnv *env) { return ok(rc, step, env, OCI_HTYPE_ENV); }
    // A call with no handle to hold its record.
    bool ok(sword rc, const char *step) {
        out_->noHandle = true;
        return ok(rc, step, static_cast<void *>(nullptr));
    }
    // A value check after calls that claimed success.
    bool expect(bool good, const char *what) {
        if (!good && !out_->mismatch) out_->mismatch = what;
        return good;
    }

private:
    Outcome *out_;
};

// Runs the whole flow with no fault, counting its allocations.
using Body = std::function<void(Steps &)>;

// At most this many faulted runs per flow; VSK_FAULT_RUNS lowers it (the valgrind run).
int run_budget() {
    const char *v = std::getenv("VSK_FAULT_RUNS");
    const int n = v ? std::atoi(v) : 0;
    return n > 0 ? n : 500;
}

// The allocations to fail: all of the first 200, then evenly spread over the rest.
std::vector<int> faults_to_inject(int count, int budget) {
    std::vector<int> picks;
    const int head = std::min({count, 200, budget});
    for (int n = 1; n <= head; ++n) picks.push_back(n);
    const int rest = count - head, slots = budget - head;
    if (rest <= 0 || slots <= 0) return picks;
    const double stride = std::max(1.0, static_cast<double>(rest) / slots);
    for (double n = head + stride; n <= count && static_cast<int>(picks.size()) < budget; n += stride)
        if (static_cast<int>(n) > picks.back()) picks.push_back(static_cast<int>(n));
    if (picks.back() != count) picks.push_back(count);
    return picks;
}

std::string describe(const Outcome &o) {
    std::string s;
    if (o.step) s += std::string(o.step) + " returned " + std::to_string(o.rc) + ", record " + std::to_string(o.code) +
                     " \"" + o.text + "\"";
    if (o.mismatch) s += std::string(s.empty() ? "" : "; ") + "wrong value: " + o.mismatch;
    return s.empty() ? "success" : s;
}

class AllocFault : public OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS fault_rows; CREATE TABLE fault_rows (id int primary key, "
                            "label varchar(40), amount numeric(12,3), stamp timestamp, doc bytea)"));
    }
    void TearDown() override {
        vsk::alloc_fault::fail_nth(0);
        OciSessionTest::TearDown();
    }

    // Runs body with each chosen allocation failing, cleanup after every run (no fault
    // armed). Codes lists the record numbers a failure may carry besides 16506.
    void drive(const char *flow, const Body &body, const std::function<void()> &cleanup,
               std::vector<sb4> codes = {}) {
        codes.push_back(16506);
        const bool verbose = std::getenv("VSK_FAULT_VERBOSE") != nullptr;
        Outcome clean;
        {
            Steps steps(&clean);
            vsk::alloc_fault::fail_nth(INT_MAX);
            body(steps);
            const int count = INT_MAX - vsk::alloc_fault::remaining();
            vsk::alloc_fault::fail_nth(0);
            cleanup();
            ASSERT_FALSE(clean.failed() || clean.mismatch) << flow << " without a fault: " << describe(clean);
            allocations_ = count;
        }
        // VSK_FAULT_ONLY=n reruns just that allocation's failure, for a debugger.
        const char *only = std::getenv("VSK_FAULT_ONLY");
        const std::vector<int> picks =
            only ? std::vector<int>{std::atoi(only)} : faults_to_inject(allocations_, run_budget());
        int failures = 0, bad = 0;
        for (int n : picks) {
            if (verbose) std::fprintf(stderr, "%s: failing allocation %d of %d\n", flow, n, allocations_);
            Outcome o;
            Steps steps(&o);
            vsk::alloc_fault::fail_nth(n);
            body(steps);
            const bool hit = vsk::alloc_fault::remaining() == 0;
            vsk::alloc_fault::fail_nth(0);
            cleanup();
            if (o.failed()) ++failures;
            // A run the fault missed (fewer allocations this time) must just work.
            if (!hit) {
                EXPECT_FALSE(o.failed() || o.mismatch) << flow << " allocation " << n << " (not reached): " << describe(o);
                continue;
            }
            EXPECT_FALSE(o.mismatch) << flow << " allocation " << n << ": false success: " << describe(o);
            if (o.failed()) {
                EXPECT_EQ(o.rc, OCI_ERROR) << flow << " allocation " << n << ": " << describe(o);
                EXPECT_TRUE(o.noHandle || std::find(codes.begin(), codes.end(), o.code) != codes.end())
                    << flow << " allocation " << n << ": " << describe(o);
            }
            // A handful of failed runs tells the story; thousands would bury it.
            if (HasFailure() && ++bad >= 5) return;
        }
        // Fresh handles after all that still work.
        Outcome after;
        Steps steps(&after);
        body(steps);
        cleanup();
        EXPECT_FALSE(after.failed() || after.mismatch) << flow << " after the faults: " << describe(after);
        std::fprintf(stderr, "%s: %d allocations, %zu runs, %d ended in an error\n", flow, allocations_, picks.size(),
                     failures);
    }

    std::string tcp_link() const { return ReadTcpTarget().link(); }

    int allocations_ = 0;
};

OraText *text(const char *s) { return reinterpret_cast<OraText *>(const_cast<char *>(s)); }
ub4 size(const char *s) { return static_cast<ub4>(std::strlen(s)); }

template <class H>
sword alloc_handle(OCIEnv *env, H **h, ub4 type, std::size_t xtra = 0, void **usr = nullptr) {
    return OCIHandleAlloc(env, reinterpret_cast<void **>(h), type, xtra, usr);
}
template <class D>
sword alloc_descriptor(OCIEnv *env, D **d, ub4 type) {
    return OCIDescriptorAlloc(env, reinterpret_cast<void **>(d), type, 0, nullptr);
}
sword stmt_prepare(OCIStmt *stmt, OCIError *err, const char *sql) {
    return OCIStmtPrepare(stmt, err, text(sql), size(sql), OCI_NTV_SYNTAX, OCI_DEFAULT);
}
sword bind_name(OCIStmt *stmt, OCIError *err, const char *name, void *value, sb4 value_size, ub2 type) {
    OCIBind *b = nullptr;
    return OCIBindByName(stmt, &b, err, text(name), static_cast<sb4>(size(name)), value, value_size, type, nullptr,
                         nullptr, nullptr, 0, nullptr, OCI_DEFAULT);
}
sword bind_pos(OCIStmt *stmt, OCIError *err, ub4 pos, void *value, sb4 value_size, ub2 type) {
    OCIBind *b = nullptr;
    return OCIBindByPos(stmt, &b, err, pos, value, value_size, type, nullptr, nullptr, nullptr, 0, nullptr,
                        OCI_DEFAULT);
}
sword define(OCIStmt *stmt, OCIError *err, ub4 pos, void *value, sb4 value_size, ub2 type, sb2 *ind = nullptr) {
    OCIDefine *d = nullptr;
    return OCIDefineByPos(stmt, &d, err, pos, value, value_size, type, ind, nullptr, nullptr, OCI_DEFAULT);
}
sword stmt_execute(OCISvcCtx *svc, OCIStmt *stmt, OCIError *err, ub4 iters = 1, ub4 mode = OCI_DEFAULT) {
    return OCIStmtExecute(svc, stmt, err, iters, 0, nullptr, nullptr, mode);
}
// Cleanup between runs: whatever handle or descriptor a run left is freed, and must free.
template <class H>
void release(H *&h, ub4 type, bool descriptor = false) {
    if (!h) return;
    EXPECT_EQ(descriptor ? OCIDescriptorFree(h, type) : OCIHandleFree(h, type), OCI_SUCCESS);
    h = nullptr;
}

TEST_F(AllocFault, EnvironmentAndHandles) {
    OCIEnv *env = nullptr;
    auto body = [&](Steps &s) {
        OCIError *err = nullptr;
        OCIStmt *stmt = nullptr;
        OCISvcCtx *svc = nullptr;
        OCIServer *srv = nullptr;
        OCISession *ses = nullptr;
        OCIDescribe *dsc = nullptr;
        OCIDateTime *ts = nullptr;
        OCIInterval *iv = nullptr;
        OCILobLocator *lob = nullptr;
        void *usr = nullptr;
        if (OCIEnvCreate(&env, OCI_THREADED | OCI_OBJECT, nullptr, nullptr, nullptr, nullptr, 0, nullptr) !=
            OCI_SUCCESS) {
            // No environment, so no handle to hold a record.
            s.ok(OCI_ERROR, "OCIEnvCreate");
            return;
        }
        if (!s.ok(alloc_handle(env, &err, OCI_HTYPE_ERROR), "OCIHandleAlloc(error)", env) ||
            !s.ok(alloc_handle(env, &stmt, OCI_HTYPE_STMT, 64, &usr), "OCIHandleAlloc(stmt)", env) ||
            !s.ok(alloc_handle(env, &svc, OCI_HTYPE_SVCCTX), "OCIHandleAlloc(svcctx)", env) ||
            !s.ok(alloc_handle(env, &srv, OCI_HTYPE_SERVER), "OCIHandleAlloc(server)", env) ||
            !s.ok(alloc_handle(env, &ses, OCI_HTYPE_SESSION), "OCIHandleAlloc(session)", env) ||
            !s.ok(alloc_handle(env, &dsc, OCI_HTYPE_DESCRIBE), "OCIHandleAlloc(describe)", env) ||
            !s.ok(alloc_descriptor(env, &ts, OCI_DTYPE_TIMESTAMP), "OCIDescriptorAlloc(timestamp)", env) ||
            !s.ok(alloc_descriptor(env, &iv, OCI_DTYPE_INTERVAL_DS), "OCIDescriptorAlloc(interval)", env) ||
            !s.ok(alloc_descriptor(env, &lob, OCI_DTYPE_LOB), "OCIDescriptorAlloc(lob)", env))
            return;
        s.expect(usr != nullptr, "user memory");
        if (!s.ok(OCIAttrSet(svc, OCI_HTYPE_SVCCTX, srv, 0, OCI_ATTR_SERVER, err), "OCIAttrSet(server)", err) ||
            !s.ok(OCIAttrSet(ses, OCI_HTYPE_SESSION, text("someone"), 7, OCI_ATTR_USERNAME, err),
                  "OCIAttrSet(username)", err) ||
            !s.ok(OCIAttrSet(ses, OCI_HTYPE_SESSION, text("fault module"), 12, OCI_ATTR_MODULE, err),
                  "OCIAttrSet(module)", err))
            return;
        OraText *name = nullptr;
        ub4 length = 0;
        if (!s.ok(OCIAttrGet(ses, OCI_HTYPE_SESSION, &name, &length, OCI_ATTR_USERNAME, err), "OCIAttrGet(username)",
                  err))
            return;
        s.expect(name && length == 7 && std::memcmp(name, "someone", 7) == 0, "user name");
        std::free(name);
        if (!s.ok(stmt_prepare(stmt, err, "select 1 from dual"), "OCIStmtPrepare", err)) return;
        ub2 type = 0;
        if (!s.ok(OCIAttrGet(stmt, OCI_HTYPE_STMT, &type, nullptr, OCI_ATTR_STMT_TYPE, err), "OCIAttrGet(type)", err))
            return;
        s.expect(type == OCI_STMT_SELECT, "statement type");
        // Handles freed one by one before the environment takes the rest.
        if (!s.ok(OCIDescriptorFree(lob, OCI_DTYPE_LOB), "OCIDescriptorFree") ||
            !s.ok(OCIHandleFree(stmt, OCI_HTYPE_STMT), "OCIHandleFree(stmt)"))
            return;
    };
    auto cleanup = [&] { release(env, OCI_HTYPE_ENV); };
    drive("environment and handles", body, cleanup);
}

TEST_F(AllocFault, Logon) {
    const std::string u = user(), link = dblink();
    OCIEnv *env = nullptr;
    auto body = [&](Steps &s) {
        OCIError *err = nullptr;
        OCIServer *srv = nullptr;
        OCISvcCtx *svc = nullptr;
        OCISession *ses = nullptr;
        if (OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS) {
            s.ok(OCI_ERROR, "OCIEnvCreate");
            return;
        }
        if (!s.ok(alloc_handle(env, &err, OCI_HTYPE_ERROR), "OCIHandleAlloc(error)", env) ||
            !s.ok(alloc_handle(env, &srv, OCI_HTYPE_SERVER), "OCIHandleAlloc(server)", env) ||
            !s.ok(alloc_handle(env, &svc, OCI_HTYPE_SVCCTX), "OCIHandleAlloc(svcctx)", env) ||
            !s.ok(alloc_handle(env, &ses, OCI_HTYPE_SESSION), "OCIHandleAlloc(session)", env))
            return;
        if (!s.ok(OCIServerAttach(srv, err, ot(link), len(link), OCI_DEFAULT), "OCIServerAttach", err) ||
            !s.ok(OCIAttrSet(svc, OCI_HTYPE_SVCCTX, srv, 0, OCI_ATTR_SERVER, err), "OCIAttrSet(server)", err) ||
            !s.ok(OCIAttrSet(ses, OCI_HTYPE_SESSION, const_cast<OraText *>(ot(u)), len(u), OCI_ATTR_USERNAME, err),
                  "OCIAttrSet(username)", err) ||
            !s.ok(OCIAttrSet(ses, OCI_HTYPE_SESSION, const_cast<OraText *>(ot(u)), len(u), OCI_ATTR_PASSWORD, err),
                  "OCIAttrSet(password)", err) ||
            !s.ok(OCIAttrSet(ses, OCI_HTYPE_SESSION, text("fault test"), 10, OCI_ATTR_MODULE, err),
                  "OCIAttrSet(module)", err) ||
            !s.ok(OCISessionBegin(svc, err, ses, OCI_CRED_RDBMS, OCI_DEFAULT), "OCISessionBegin", err) ||
            !s.ok(OCIAttrSet(svc, OCI_HTYPE_SVCCTX, ses, 0, OCI_ATTR_SESSION, err), "OCIAttrSet(session)", err))
            return;
        char version[128] = {0};
        if (!s.ok(OCIServerVersion(svc, err, reinterpret_cast<OraText *>(version), sizeof version, OCI_HTYPE_SVCCTX),
                  "OCIServerVersion", err) ||
            !s.ok(OCIPing(svc, err, OCI_DEFAULT), "OCIPing", err) ||
            !s.ok(OCISessionEnd(svc, err, ses, OCI_DEFAULT), "OCISessionEnd", err) ||
            !s.ok(OCIServerDetach(srv, err, OCI_DEFAULT), "OCIServerDetach", err))
            return;
        s.expect(version[0] != '\0', "server version");
        // The one-call logon on the same handles' environment.
        OCISvcCtx *logged = nullptr;
        if (!s.ok(OCILogon2(env, err, &logged, ot(u), len(u), ot(u), len(u), ot(link), len(link), OCI_DEFAULT),
                  "OCILogon2", err) ||
            !s.ok(OCILogoff(logged, err), "OCILogoff", err))
            return;
    };
    auto cleanup = [&] { release(env, OCI_HTYPE_ENV); };
    drive("logon", body, cleanup, {12154});
}

// A query read in batches (the later ones read ahead) and a DML with binds, on the
// fixture's session, on a fresh statement handle each run.
TEST_F(AllocFault, PrepareBindExecuteFetch) {
    OCIStmt *stmt = nullptr;
    auto body = [&](Steps &s) {
        if (!s.ok(alloc_handle(env_, &stmt, OCI_HTYPE_STMT), "OCIHandleAlloc(stmt)", env_)) return;
        const char *sql = "select g, 'row ' || g, g * 1.5 from generate_series(1, :n) g order by g";
        int limit = 40;
        if (!s.ok(stmt_prepare(stmt, err_, sql), "OCIStmtPrepare", err_) ||
            !s.ok(bind_name(stmt, err_, ":n", &limit, sizeof limit, SQLT_INT), "OCIBindByName", err_))
            return;
        int ids[3];
        char labels[3][16];
        double amounts[3];
        sb2 inds[3][3];
        if (!s.ok(define(stmt, err_, 1, ids, sizeof ids[0], SQLT_INT, inds[0]), "OCIDefineByPos(1)", err_) ||
            !s.ok(define(stmt, err_, 2, labels, sizeof labels[0], SQLT_STR, inds[1]), "OCIDefineByPos(2)", err_) ||
            !s.ok(define(stmt, err_, 3, amounts, sizeof amounts[0], SQLT_FLT, inds[2]), "OCIDefineByPos(3)", err_) ||
            !s.ok(stmt_execute(svc_, stmt, err_, 0), "OCIStmtExecute(query)", err_))
            return;
        int seen = 0;
        for (;;) {
            const sword rc = OCIStmtFetch2(stmt, err_, 3, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
            if (!s.ok(rc, "OCIStmtFetch2", err_)) return;
            ub4 rows = 0;
            if (!s.ok(OCIAttrGet(stmt, OCI_HTYPE_STMT, &rows, nullptr, OCI_ATTR_ROWS_FETCHED, err_),
                      "OCIAttrGet(rows fetched)", err_))
                return;
            for (ub4 i = 0; i < rows; ++i) {
                ++seen;
                char want[16];
                std::snprintf(want, sizeof want, "row %d", seen);
                if (!s.expect(ids[i] == seen && std::strcmp(labels[i], want) == 0 && amounts[i] == seen * 1.5,
                              "fetched row"))
                    return;
            }
            if (rc == OCI_NO_DATA) break;
        }
        if (!s.expect(seen == limit, "row count")) return;
        // A DML with binds, rolled back so every run starts alike.
        const char *dml = "insert into fault_rows (id, label) values (:id, :label)";
        char label[] = "bound label";
        int id = 7;
        if (!s.ok(stmt_prepare(stmt, err_, dml), "OCIStmtPrepare(dml)", err_) ||
            !s.ok(bind_name(stmt, err_, ":id", &id, sizeof id, SQLT_INT), "OCIBindByName(id)", err_) ||
            !s.ok(bind_name(stmt, err_, ":label", label, sizeof label, SQLT_STR), "OCIBindByName(label)", err_) ||
            !s.ok(stmt_execute(svc_, stmt, err_), "OCIStmtExecute(dml)", err_))
            return;
        ub4 count = 0;
        if (!s.ok(OCIAttrGet(stmt, OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_ROW_COUNT, err_), "OCIAttrGet(count)",
                  err_))
            return;
        s.expect(count == 1, "row count of the insert");
    };
    auto cleanup = [&] {
        release(stmt, OCI_HTYPE_STMT);
        EXPECT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    };
    drive("prepare, bind, execute, fetch", body, cleanup);
    EXPECT_EQ(side_value("select count(*) from fault_rows"), "0");
}

TEST_F(AllocFault, Describe) {
    ASSERT_TRUE(exec_ok("COMMIT"));
    OCIDescribe *dsc = nullptr;
    OCIStmt *stmt = nullptr;
    auto body = [&](Steps &s) {
        if (!s.ok(alloc_handle(env_, &dsc, OCI_HTYPE_DESCRIBE), "OCIHandleAlloc(describe)", env_) ||
            !s.ok(OCIDescribeAny(svc_, err_, text("FAULT_ROWS"), 10, OCI_OTYPE_NAME, OCI_DEFAULT, OCI_PTYPE_TABLE,
                                 dsc),
                  "OCIDescribeAny", err_))
            return;
        OCIParam *table = nullptr, *list = nullptr;
        ub2 columns = 0;
        if (!s.ok(OCIAttrGet(dsc, OCI_HTYPE_DESCRIBE, &table, nullptr, OCI_ATTR_PARAM, err_), "OCIAttrGet(param)",
                  err_) ||
            !s.ok(OCIAttrGet(table, OCI_DTYPE_PARAM, &columns, nullptr, OCI_ATTR_NUM_COLS, err_),
                  "OCIAttrGet(num cols)", err_) ||
            !s.ok(OCIAttrGet(table, OCI_DTYPE_PARAM, &list, nullptr, OCI_ATTR_LIST_COLUMNS, err_),
                  "OCIAttrGet(list columns)", err_))
            return;
        if (!s.expect(columns == 5, "column count")) return;
        static const char *const names[] = {"ID", "LABEL", "AMOUNT", "STAMP", "DOC"};
        for (ub4 i = 1; i <= columns; ++i) {
            void *col = nullptr;
            OraText *name = nullptr;
            ub4 length = 0;
            if (!s.ok(OCIParamGet(list, OCI_DTYPE_PARAM, err_, &col, i), "OCIParamGet", err_) ||
                !s.ok(OCIAttrGet(col, OCI_DTYPE_PARAM, &name, &length, OCI_ATTR_NAME, err_), "OCIAttrGet(name)", err_))
                return;
            if (!s.expect(length == std::strlen(names[i - 1]) && strncasecmp(reinterpret_cast<char *>(name), names[i - 1], length) == 0,
                          "column name"))
                return;
        }
        // The select list of a statement described without running it.
        const char *sql = "select id, label, amount from fault_rows";
        if (!s.ok(alloc_handle(env_, &stmt, OCI_HTYPE_STMT), "OCIHandleAlloc(stmt)", env_) ||
            !s.ok(stmt_prepare(stmt, err_, sql), "OCIStmtPrepare", err_) ||
            !s.ok(stmt_execute(svc_, stmt, err_, 0, OCI_DESCRIBE_ONLY), "OCIStmtExecute", err_))
            return;
        ub4 count = 0;
        void *col = nullptr;
        ub2 type = 0;
        if (!s.ok(OCIAttrGet(stmt, OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_PARAM_COUNT, err_),
                  "OCIAttrGet(param count)", err_) ||
            !s.ok(OCIParamGet(stmt, OCI_HTYPE_STMT, err_, &col, 3), "OCIParamGet(stmt)", err_) ||
            !s.ok(OCIAttrGet(col, OCI_DTYPE_PARAM, &type, nullptr, OCI_ATTR_DATA_TYPE, err_), "OCIAttrGet(type)",
                  err_))
            return;
        s.expect(count == 3 && type == SQLT_NUM, "select list");
        OCIDescriptorFree(col, OCI_DTYPE_PARAM);
    };
    auto cleanup = [&] {
        release(stmt, OCI_HTYPE_STMT);
        release(dsc, OCI_HTYPE_DESCRIBE);
        OCITransRollback(svc_, err_, OCI_DEFAULT);
    };
    drive("describe", body, cleanup, {24319});
}

// NUMBER and date arithmetic and text forms locally, then both through the server.
TEST_F(AllocFault, NumberAndDateOperations) {
    OCIStmt *stmt = nullptr;
    OCIDateTime *ts = nullptr, *back = nullptr;
    OCIInterval *iv = nullptr;
    auto body = [&](Steps &s) {
        OCINumber a, b, sum, twice;
        const char *fmt = "99999999.999";
        if (!s.ok(OCINumberFromText(err_, text("12345.678"), 9, text(fmt), size(fmt), nullptr, 0, &a),
                  "OCINumberFromText", err_))
            return;
        double half = 0.5;
        sword two = 2;
        if (!s.ok(OCINumberFromReal(err_, &half, sizeof half, &b), "OCINumberFromReal", err_) ||
            !s.ok(OCINumberAdd(err_, &a, &b, &sum), "OCINumberAdd", err_) ||
            !s.ok(OCINumberFromInt(err_, &two, sizeof two, OCI_NUMBER_SIGNED, &b), "OCINumberFromInt", err_) ||
            !s.ok(OCINumberMul(err_, &sum, &b, &twice), "OCINumberMul", err_))
            return;
        double value = 0;
        if (!s.ok(OCINumberToReal(err_, &twice, sizeof value, &value), "OCINumberToReal", err_)) return;
        if (!s.expect(std::fabs(value - 24692.356) < 1e-9, "NUMBER value")) return;
        OCIDate date, later;
        const char *dfmt = "YYYY-MM-DD HH24:MI:SS";
        char dtext[64];
        ub4 dlen = sizeof dtext;
        if (!s.ok(OCIDateFromText(err_, text("2024-02-29 13:14:15"), 19, text(dfmt), size(dfmt), nullptr, 0, &date),
                  "OCIDateFromText", err_) ||
            !s.ok(OCIDateAddMonths(err_, &date, 12, &later), "OCIDateAddMonths", err_) ||
            !s.ok(OCIDateToText(err_, &later, text(dfmt), size(dfmt), nullptr, 0, &dlen, text(dtext)),
                  "OCIDateToText", err_))
            return;
        if (!s.expect(std::string_view(dtext, strnlen(dtext, dlen)) == "2025-02-28 13:14:15", "date text")) return;
        const char *tfmt = "YYYY-MM-DD HH24:MI:SS.FF3";
        if (!s.ok(alloc_descriptor(env_, &ts, OCI_DTYPE_TIMESTAMP), "OCIDescriptorAlloc(timestamp)", env_) ||
            !s.ok(alloc_descriptor(env_, &back, OCI_DTYPE_TIMESTAMP), "OCIDescriptorAlloc(timestamp)", env_) ||
            !s.ok(alloc_descriptor(env_, &iv, OCI_DTYPE_INTERVAL_DS), "OCIDescriptorAlloc(interval)", env_) ||
            !s.ok(OCIDateTimeFromText(env_, err_, text("2024-02-29 13:14:15.250"), 23, text(tfmt), size(tfmt), nullptr,
                                      0, ts),
                  "OCIDateTimeFromText", err_) ||
            !s.ok(OCIIntervalFromText(env_, err_, text("+1 02:03:04.5"), 13, iv), "OCIIntervalFromText", err_) ||
            !s.ok(OCIDateTimeIntervalAdd(env_, err_, ts, iv, ts), "OCIDateTimeIntervalAdd", err_))
            return;
        // Both values through the server and back.
        const char *sql = "select :n + 1, :t + interval '1 second'";
        OCINumber fetched;
        if (!s.ok(alloc_handle(env_, &stmt, OCI_HTYPE_STMT), "OCIHandleAlloc(stmt)", env_) ||
            !s.ok(stmt_prepare(stmt, err_, sql), "OCIStmtPrepare", err_) ||
            !s.ok(bind_name(stmt, err_, ":n", &sum, sizeof sum, SQLT_VNU), "OCIBindByName(n)", err_) ||
            !s.ok(bind_name(stmt, err_, ":t", &ts, sizeof ts, SQLT_TIMESTAMP), "OCIBindByName(t)", err_) ||
            !s.ok(define(stmt, err_, 1, &fetched, sizeof fetched, SQLT_VNU), "OCIDefineByPos(1)", err_) ||
            !s.ok(define(stmt, err_, 2, &back, sizeof back, SQLT_TIMESTAMP), "OCIDefineByPos(2)", err_) ||
            !s.ok(stmt_execute(svc_, stmt, err_), "OCIStmtExecute", err_))
            return;
        char ttext[64];
        ub4 tlen = sizeof ttext;
        if (!s.ok(OCINumberToReal(err_, &fetched, sizeof value, &value), "OCINumberToReal(fetched)", err_) ||
            !s.ok(OCIDateTimeToText(env_, err_, back, text(tfmt), size(tfmt), 3, nullptr, 0, &tlen, text(ttext)),
                  "OCIDateTimeToText", err_))
            return;
        s.expect(std::fabs(value - 12347.178) < 1e-9, "NUMBER through the server");
        s.expect(std::string_view(ttext, strnlen(ttext, tlen)) == "2024-03-01 15:17:20.750", "timestamp through the server");
    };
    auto cleanup = [&] {
        release(stmt, OCI_HTYPE_STMT);
        release(ts, OCI_DTYPE_TIMESTAMP, true);
        release(back, OCI_DTYPE_TIMESTAMP, true);
        release(iv, OCI_DTYPE_INTERVAL_DS, true);
        OCITransRollback(svc_, err_, OCI_DEFAULT);
    };
    // A bind conversion reports any failure, memory included, as 16530 (its caller's number).
    drive("NUMBER and date operations", body, cleanup, {16530});
}

TEST_F(AllocFault, LobReadWrite) {
    OCILobLocator *lob = nullptr, *fetched = nullptr;
    OCIStmt *stmt = nullptr;
    auto body = [&](Steps &s) {
        char data[3000];
        for (std::size_t i = 0; i < sizeof data; ++i) data[i] = static_cast<char>('a' + i % 26);
        if (!s.ok(alloc_descriptor(env_, &lob, OCI_DTYPE_LOB), "OCIDescriptorAlloc(lob)", env_) ||
            !s.ok(OCILobCreateTemporary(svc_, err_, lob, 0, 0, OCI_TEMP_BLOB, FALSE, OCI_DURATION_SESSION),
                  "OCILobCreateTemporary", err_))
            return;
        oraub8 bytes = sizeof data;
        if (!s.ok(OCILobWrite2(svc_, err_, lob, &bytes, nullptr, 1, data, sizeof data, OCI_ONE_PIECE, nullptr, nullptr,
                               0, 0),
                  "OCILobWrite2", err_))
            return;
        ub4 amount = 3;
        char tail[] = "xyz";
        if (!s.ok(OCILobWriteAppend(svc_, err_, lob, &amount, tail, 3, OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
                  "OCILobWriteAppend", err_))
            return;
        oraub8 length = 0;
        if (!s.ok(OCILobGetLength2(svc_, err_, lob, &length), "OCILobGetLength2", err_)) return;
        if (!s.expect(length == sizeof data + 3, "LOB length")) return;
        char buf[4000];
        oraub8 got = 0;
        if (!s.ok(OCILobRead2(svc_, err_, lob, &got, nullptr, 1, buf, sizeof buf, OCI_ONE_PIECE, nullptr, nullptr, 0,
                              0),
                  "OCILobRead2", err_))
            return;
        if (!s.expect(got == length && std::memcmp(buf, data, sizeof data) == 0 &&
                          std::memcmp(buf + sizeof data, "xyz", 3) == 0,
                      "LOB bytes"))
            return;
        // The value bound into a row, then read back from it.
        const char *sql = "insert into fault_rows (id, doc) values (1, :doc)";
        if (!s.ok(alloc_handle(env_, &stmt, OCI_HTYPE_STMT), "OCIHandleAlloc(stmt)", env_) ||
            !s.ok(stmt_prepare(stmt, err_, sql), "OCIStmtPrepare", err_) ||
            !s.ok(bind_name(stmt, err_, ":doc", &lob, sizeof lob, SQLT_BLOB), "OCIBindByName", err_) ||
            !s.ok(stmt_execute(svc_, stmt, err_), "OCIStmtExecute(insert)", err_))
            return;
        const char *query = "select doc from fault_rows where id = 1";
        if (!s.ok(alloc_descriptor(env_, &fetched, OCI_DTYPE_LOB), "OCIDescriptorAlloc(fetched)", env_) ||
            !s.ok(stmt_prepare(stmt, err_, query), "OCIStmtPrepare(query)", err_) ||
            !s.ok(define(stmt, err_, 1, &fetched, sizeof fetched, SQLT_BLOB), "OCIDefineByPos", err_) ||
            !s.ok(stmt_execute(svc_, stmt, err_), "OCIStmtExecute(query)", err_))
            return;
        got = 0;
        std::memset(buf, 0, sizeof buf);
        if (!s.ok(OCILobRead2(svc_, err_, fetched, &got, nullptr, 2999, buf, sizeof buf, OCI_ONE_PIECE, nullptr, nullptr,
                              0, 0),
                  "OCILobRead2(fetched)", err_))
            return;
        s.expect(got == 5 && buf[0] == data[2998] && buf[1] == data[2999] && std::memcmp(buf + 2, "xyz", 3) == 0,
                 "fetched LOB bytes");
    };
    auto cleanup = [&] {
        if (lob) {
            boolean temporary = FALSE;
            if (OCILobIsTemporary(env_, err_, lob, &temporary) == OCI_SUCCESS && temporary) {
                EXPECT_EQ(OCILobFreeTemporary(svc_, err_, lob), OCI_SUCCESS) << error().second;
            }
        }
        release(lob, OCI_DTYPE_LOB, true);
        release(fetched, OCI_DTYPE_LOB, true);
        release(stmt, OCI_HTYPE_STMT);
        EXPECT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    };
    drive("LOB read and write", body, cleanup);
}

TEST_F(AllocFault, PoolGetAndRelease) {
    const std::string link = tcp_link();
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
    OCISPool *pool = nullptr;
    bool created = false;
    auto body = [&](Steps &s) {
        created = false;
        if (OCIEnvCreate(&env, OCI_THREADED, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS) {
            s.ok(OCI_ERROR, "OCIEnvCreate");
            return;
        }
        if (!s.ok(alloc_handle(env, &err, OCI_HTYPE_ERROR), "OCIHandleAlloc(error)", env) ||
            !s.ok(alloc_handle(env, &pool, OCI_HTYPE_SPOOL), "OCIHandleAlloc(spool)", env))
            return;
        OraText *name = nullptr;
        ub4 nameLen = 0;
        if (!s.ok(OCISessionPoolCreate(env, err, pool, &name, &nameLen, ot(link), len(link), 1, 2, 1, text("vsk"), 3,
                                       text("vsk"), 3, OCI_SPC_HOMOGENEOUS | OCI_SPC_STMTCACHE),
                  "OCISessionPoolCreate", err))
            return;
        created = true;
        OCISvcCtx *first = nullptr, *second = nullptr;
        if (!s.ok(OCISessionGet(env, err, &first, nullptr, name, nameLen, nullptr, 0, nullptr, nullptr, nullptr,
                                OCI_SESSGET_SPOOL),
                  "OCISessionGet", err) ||
            !s.ok(OCISessionGet(env, err, &second, nullptr, name, nameLen, nullptr, 0, nullptr, nullptr, nullptr,
                                OCI_SESSGET_SPOOL),
                  "OCISessionGet(second)", err) ||
            !s.ok(OCIPing(first, err, OCI_DEFAULT), "OCIPing", err) ||
            !s.ok(OCISessionRelease(first, err, nullptr, 0, OCI_DEFAULT), "OCISessionRelease", err) ||
            !s.ok(OCISessionRelease(second, err, nullptr, 0, OCI_DEFAULT), "OCISessionRelease(second)", err))
            return;
        ub4 open = 0;
        if (!s.ok(OCIAttrGet(pool, OCI_HTYPE_SPOOL, &open, nullptr, OCI_ATTR_SPOOL_OPEN_COUNT, err),
                  "OCIAttrGet(open count)", err))
            return;
        s.expect(open == 2, "open sessions");
        if (!s.ok(OCISessionPoolDestroy(pool, err, OCI_DEFAULT), "OCISessionPoolDestroy", err)) return;
        created = false;
    };
    auto cleanup = [&] {
        if (created) {
            EXPECT_EQ(OCISessionPoolDestroy(pool, err, OCI_SPD_FORCE), OCI_SUCCESS);
        }
        release(env, OCI_HTYPE_ENV);
        err = nullptr;
        pool = nullptr;
        created = false;
    };
    drive("pool get and release", body, cleanup, {12154});
}

TEST_F(AllocFault, ArrayDml) {
    OCIStmt *stmt = nullptr;
    auto body = [&](Steps &s) {
        constexpr int kRows = 25;
        int ids[kRows];
        char labels[kRows][12] = {};  // a SQLT_STR bind reads its whole buffer
        for (int i = 0; i < kRows; ++i) {
            ids[i] = i + 1;
            std::snprintf(labels[i], sizeof labels[i], "label %d", i + 1);
        }
        ids[kRows - 1] = 1;  // a duplicate, reported as a batch error
        const char *sql = "insert into fault_rows (id, label) values (:1, :2)";
        if (!s.ok(alloc_handle(env_, &stmt, OCI_HTYPE_STMT), "OCIHandleAlloc(stmt)", env_) ||
            !s.ok(stmt_prepare(stmt, err_, sql), "OCIStmtPrepare", err_) ||
            !s.ok(bind_pos(stmt, err_, 1, ids, sizeof ids[0], SQLT_INT), "OCIBindByPos(1)", err_) ||
            !s.ok(bind_pos(stmt, err_, 2, labels, sizeof labels[0], SQLT_STR), "OCIBindByPos(2)", err_))
            return;
        const sword rc = stmt_execute(svc_, stmt, err_, kRows, OCI_BATCH_ERRORS);
        if (!s.ok(rc, "OCIStmtExecute", err_)) return;
        ub4 count = 0, errors = 0;
        if (!s.ok(OCIAttrGet(stmt, OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_ROW_COUNT, err_), "OCIAttrGet(count)",
                  err_) ||
            !s.ok(OCIAttrGet(err_, OCI_HTYPE_ERROR, &errors, nullptr, OCI_ATTR_NUM_DML_ERRORS, err_),
                  "OCIAttrGet(errors)", err_))
            return;
        s.expect(rc == OCI_SUCCESS_WITH_INFO && count == kRows - 1 && errors == 1, "batch result");
    };
    auto cleanup = [&] {
        release(stmt, OCI_HTYPE_STMT);
        EXPECT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    };
    drive("array DML", body, cleanup, {27102});
    EXPECT_EQ(side_value("select count(*) from fault_rows"), "0");
}

}  // namespace
