// Transactions as an OCI program sees them: commit and rollback, the start flags,
// two-phase commit by identifier, statement-level rollback at every failure point, and
// queries that end the transaction they opened once their rows are read.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "oci_session_test.h"

namespace {

using vsk::test::len;
using vsk::test::ot;

class Transactions : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS tx_t; CREATE TABLE tx_t (id int PRIMARY KEY, v text);"
                            "CREATE OR REPLACE PROCEDURE tx_fail() LANGUAGE plpgsql AS $$ BEGIN "
                            "RAISE EXCEPTION 'tx_fail'; END $$"));
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&other_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override {
        // The session first: its locks would keep the tables.
        if (svc_) OCILogoff(svc_, err_);
        svc_ = nullptr;
        vsk::test::PgResult left = exec("SELECT gid FROM pg_prepared_xacts WHERE database = current_database()");
        for (int i = 0; i < PQntuples(left.get()); ++i) {
            std::string gid = PQgetvalue(left.get(), i, 0);
            std::string quoted;
            for (char c : gid) quoted += c == '\'' ? std::string("''") : std::string(1, c);
            exec_ok("ROLLBACK PREPARED '" + quoted + "'");
        }
        exec_ok("DROP TABLE IF EXISTS tx_t; DROP PROCEDURE IF EXISTS tx_fail()");
        OciSessionTest::TearDown();
    }

    // INSERT INTO tx_t of one id through a statement of its own; its result.
    sword insert(int id, ub4 mode = OCI_DEFAULT) {
        // Whole buffers initialised: a SQLT_STR bind looks at every byte of its size.
        char v[16] = {};
        std::snprintf(v, sizeof v, "%d", id);
        sword rc = prepare("INSERT INTO tx_t VALUES (:1, 'x')", other_);
        OCIBind *b = nullptr;
        if (rc == OCI_SUCCESS)
            rc = OCIBindByPos(other_, &b, err_, 1, v, sizeof v, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr,
                              OCI_DEFAULT);
        return rc == OCI_SUCCESS ? execute(1, mode, other_) : rc;
    }
    // The ids committed, as another session sees them.
    std::string committed() const {
        return side_value("SELECT coalesce(string_agg(id::text, ',' ORDER BY id), '') FROM tx_t");
    }
    // Runs a query and fetches every row into a text define, count rows a call.
    sword read_all(const std::string &sql, ub4 count = 1, std::vector<std::string> *rows = nullptr) {
        std::vector<char> buf(count * 32);
        sword rc = prepare(sql);
        if (rc != OCI_SUCCESS) return rc;
        rc = define_text(1, buf.data(), 32);
        if (rc != OCI_SUCCESS) return rc;
        rc = execute(0);
        while (rc == OCI_SUCCESS || rc == OCI_SUCCESS_WITH_INFO) {
            rc = OCIStmtFetch2(stmt_, err_, count, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
            const ub4 got = attr_ub4(OCI_ATTR_ROWS_FETCHED);
            for (ub4 i = 0; rows && i < got && (rc == OCI_SUCCESS || rc == OCI_NO_DATA); ++i)
                rows->emplace_back(&buf[i * 32]);
        }
        return rc;
    }
    std::string one_value(const std::string &sql) {
        std::vector<std::string> rows;
        const sword rc = read_all(sql, 1, &rows);
        if (rc != OCI_NO_DATA || rows.size() != 1) return "<failed: " + error().second + ">";
        return rows[0];
    }
    // What the server says of this session.
    std::string session_state() {
        if (pid_.empty()) return "<no pid>";
        return side_value("SELECT state FROM pg_stat_activity WHERE pid = " + pid_);
    }
    void learn_pid() { pid_ = one_value("select pg_backend_pid()"); }
    OCITrans *transaction_handle() {
        OCITrans *t = nullptr;
        EXPECT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&t), OCI_HTYPE_TRANS, 0, nullptr), OCI_SUCCESS);
        EXPECT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, t, 0, OCI_ATTR_TRANS, err_), OCI_SUCCESS);
        return t;
    }
    void set_stmt_level_rollback() {
        OCIServer *server = nullptr;
        ASSERT_EQ(OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &server, nullptr, OCI_ATTR_SERVER, err_), OCI_SUCCESS);
        ub1 on = 1;
        ASSERT_EQ(OCIAttrSet(server, OCI_HTYPE_SERVER, &on, 1, 5000, err_), OCI_SUCCESS) << error().second;
    }

    OCIStmt *other_ = nullptr;
    std::string pid_;
};

TEST_F(Transactions, CommitShowsRowsToOthersAndRollbackDiscardsThem) {
    ASSERT_EQ(insert(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed(), "");
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed(), "1");
    ASSERT_EQ(insert(2), OCI_SUCCESS);
    ASSERT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed(), "1");
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(committed(), "1");
}

TEST_F(Transactions, EndingNoTransactionSucceedsWithoutWarning) {
    EXPECT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    sb4 code = 0;
    EXPECT_EQ(OCIErrorGet(err_, 1, nullptr, &code, nullptr, 0, OCI_HTYPE_ERROR), OCI_NO_DATA);
}

TEST_F(Transactions, CommitOnSuccessCommitsDmlButLeavesQueriesOpen) {
    ASSERT_EQ(insert(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed(), "1");
    ASSERT_EQ(prepare("select g from generate_series(1, 5) g"), OCI_SUCCESS);
    char buf[2][8];
    ASSERT_EQ(define_text(1, buf[0], 8), OCI_SUCCESS);
    ASSERT_EQ(execute(2, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(buf[1], "2");
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 2, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(buf[1], "4");
}

TEST_F(Transactions, StartFlagsAndTheirRefusals) {
    OCITrans *t = transaction_handle();
    struct Case {
        ub4 flags;
        sb4 code;
    } refused[] = {
        {OCI_TRANS_JOIN, 24755},
        {OCI_TRANS_RESUME, 24755},
        {OCI_TRANS_NEW | OCI_TRANS_JOIN, 24759},
        {OCI_TRANS_NEW | OCI_TRANS_READONLY | OCI_TRANS_SERIALIZABLE, 24760},
        {OCI_TRANS_NEW | OCI_TRANS_LOOSE, 24755},
        {OCI_TRANS_NEW | OCI_TRANS_LOOSE | OCI_TRANS_TIGHT, 24773},
        {OCI_TRANS_NEW | OCI_TRANS_SEPARABLE, 24755},
    };
    for (const Case &c : refused) {
        EXPECT_EQ(OCITransStart(svc_, err_, 60, c.flags), OCI_ERROR) << c.flags;
        EXPECT_EQ(code(), c.code) << c.flags;
    }
    EXPECT_EQ(OCITransStart(svc_, err_, 60, OCI_TRANS_NEW | OCI_TRANS_READWRITE), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);

    // Read only: the writes of the transaction are refused, the next one may write.
    ASSERT_EQ(OCITransStart(svc_, err_, 60, OCI_TRANS_NEW | OCI_TRANS_READONLY), OCI_SUCCESS) << error().second;
    EXPECT_EQ(insert(1), OCI_ERROR);
    EXPECT_NE(error().second.find("read-only"), std::string::npos) << error().second;
    ASSERT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(insert(1), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);

    // Serializable, and the transaction is the program's: two queries share it.
    ASSERT_EQ(OCITransStart(svc_, err_, 60, OCI_TRANS_NEW | OCI_TRANS_SERIALIZABLE), OCI_SUCCESS) << error().second;
    EXPECT_EQ(one_value("select current_setting('transaction_isolation')"), "serializable");
    const std::string first = one_value("select txid_current()");
    EXPECT_EQ(one_value("select txid_current()"), first);
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(one_value("select current_setting('transaction_isolation')"), "read committed");

    // Without a transaction handle on the service context.
    ASSERT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, nullptr, 0, OCI_ATTR_TRANS, err_), OCI_SUCCESS);
    EXPECT_EQ(OCITransStart(svc_, err_, 60, OCI_TRANS_NEW), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCITransPrepare(svc_, err_, OCI_DEFAULT), OCI_INVALID_HANDLE);
    OCIHandleFree(t, OCI_HTYPE_TRANS);
}

TEST_F(Transactions, TwoPhaseCommitAndRollbackByIdentifier) {
    OCITrans *t = transaction_handle();
    EXPECT_EQ(OCITransPrepare(svc_, err_, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(code(), 24771);
    EXPECT_EQ(OCITransCommit(svc_, err_, OCI_TRANS_TWOPHASE), OCI_ERROR);
    EXPECT_EQ(code(), 24762);

    XID xid{};
    xid.formatID = 7;
    std::memcpy(xid.data, "gt'1bq", 6);
    xid.gtrid_length = 4;
    xid.bqual_length = 2;
    ASSERT_EQ(OCIAttrSet(t, OCI_HTYPE_TRANS, &xid, sizeof xid, OCI_ATTR_XID, err_), OCI_SUCCESS);
    ASSERT_EQ(OCITransStart(svc_, err_, 60, OCI_TRANS_NEW), OCI_SUCCESS) << error().second;
    ASSERT_EQ(insert(10), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCITransPrepare(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("SELECT count(*) FROM pg_prepared_xacts WHERE gid = '7.gt''1bq'"), "1");
    EXPECT_EQ(committed(), "");
    // The session goes on while the prepared transaction waits.
    EXPECT_EQ(one_value("select 'free'"), "free");
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_TRANS_TWOPHASE), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed(), "10");
    EXPECT_EQ(side_value("SELECT count(*) FROM pg_prepared_xacts"), "0");

    // A name set as text is the data of an identifier of format 0; quotes in it stay text.
    const std::string name = "abc'; DROP TABLE tx_t; --";
    ASSERT_EQ(OCIAttrSet(t, OCI_HTYPE_TRANS, const_cast<char *>(name.c_str()), len(name), OCI_ATTR_TRANS_NAME, err_),
              OCI_SUCCESS);
    ASSERT_EQ(OCITransStart(svc_, err_, 60, OCI_TRANS_NEW), OCI_SUCCESS);
    ASSERT_EQ(insert(11), OCI_SUCCESS);
    ASSERT_EQ(OCITransPrepare(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("SELECT gid FROM pg_prepared_xacts"), "0." + name);
    ASSERT_EQ(OCITransRollback(svc_, err_, OCI_TRANS_TWOPHASE), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed(), "10");
    EXPECT_EQ(side_value("SELECT count(*) FROM pg_prepared_xacts"), "0");

    // A NUL byte, or lengths beyond the data, make no name: refused before anything is sent.
    xid.data[1] = '\0';
    ASSERT_EQ(OCIAttrSet(t, OCI_HTYPE_TRANS, &xid, sizeof xid, OCI_ATTR_XID, err_), OCI_SUCCESS);
    ASSERT_EQ(insert(12), OCI_SUCCESS);
    EXPECT_EQ(OCITransPrepare(svc_, err_, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(code(), 24762);
    xid.data[1] = 't';
    xid.gtrid_length = 100;
    xid.bqual_length = 100;
    ASSERT_EQ(OCIAttrSet(t, OCI_HTYPE_TRANS, &xid, sizeof xid, OCI_ATTR_XID, err_), OCI_SUCCESS);
    EXPECT_EQ(OCITransCommit(svc_, err_, OCI_TRANS_TWOPHASE), OCI_ERROR);
    EXPECT_EQ(code(), 24762);
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(committed(), "10,12");
    OCIHandleFree(t, OCI_HTYPE_TRANS);
}

TEST_F(Transactions, RowCountAddsUpEveryIteration) {
    char ids[10][4] = {};
    for (int i = 0; i < 10; ++i) std::snprintf(ids[i], sizeof ids[i], "%d", i + 1);
    ASSERT_EQ(prepare("INSERT INTO tx_t VALUES (:1, 'x')"), OCI_SUCCESS);
    OCIBind *b = nullptr;
    ASSERT_EQ(OCIBindByPos(stmt_, &b, err_, 1, ids, 4, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(10), OCI_SUCCESS) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 10u);
    char lows[2][4] = {"3", "7"};
    ASSERT_EQ(prepare("UPDATE tx_t SET v = 'y' WHERE id <= :1"), OCI_SUCCESS);
    ASSERT_EQ(OCIBindByPos(stmt_, &b, err_, 1, lows, 4, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(2), OCI_SUCCESS) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 10u);  // 3, then 7
    // A failing iteration: the rows before it count.
    std::snprintf(ids[5], sizeof ids[5], "%d", 1);
    ASSERT_EQ(prepare("INSERT INTO tx_t VALUES (:1 + 100, 'x')"), OCI_SUCCESS);
    ASSERT_EQ(OCIBindByPos(stmt_, &b, err_, 1, ids, 4, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_EQ(execute(10), OCI_ERROR);
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 5u);
}

// With statement-level rollback on, a failure anywhere in a statement undoes that
// statement alone: the next one works and the earlier rows are there at commit.
TEST_F(Transactions, StatementLevelRollbackAtEveryFailurePoint) {
    set_stmt_level_rollback();
    ASSERT_EQ(insert(1), OCI_SUCCESS) << error().second;
    int next = 2;
    auto still_works = [&](const char *what) {
        EXPECT_EQ(insert(next), OCI_SUCCESS) << what << ": " << error().second;
        ++next;
    };
    char buf[16][8];
    // A query failing while its first rows are produced, at execute.
    ASSERT_EQ(prepare("select 1/(id-id) from tx_t"), OCI_SUCCESS);
    ASSERT_EQ(define_text(1, buf[0], 8), OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(code(), 1476) << error().second;
    still_works("failed first fetch");
    // At server prepare: an unknown table, a syntax error.
    ASSERT_EQ(prepare("select * from tx_missing_table"), OCI_SUCCESS);
    ASSERT_EQ(define_text(1, buf[0], 8), OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_ERROR);
    still_works("unknown table");
    ASSERT_EQ(prepare("selec 1"), OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_ERROR);
    still_works("syntax error");
    // Describe only.
    ASSERT_EQ(prepare("select * from tx_missing_table"), OCI_SUCCESS);
    EXPECT_EQ(execute(0, OCI_DESCRIBE_ONLY), OCI_ERROR);
    still_works("describe");
    // In a later fetch, with and without rows read ahead.
    for (ub4 batch : {4u, 16u}) {
        ASSERT_EQ(prepare("select 10/(g-60) from generate_series(1, 100) g"), OCI_SUCCESS);
        ASSERT_EQ(define_text(1, buf[0], 8), OCI_SUCCESS);
        ASSERT_EQ(execute(batch), OCI_SUCCESS) << error().second;
        sword rc;
        do rc = OCIStmtFetch2(stmt_, err_, batch, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
        while (rc == OCI_SUCCESS);
        EXPECT_EQ(rc, OCI_ERROR);
        EXPECT_EQ(code(), 1476) << error().second;
        still_works("later fetch");
    }
    // A call block, and DML.
    ASSERT_EQ(prepare("begin tx_fail(); end;"), OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_ERROR);
    still_works("call block");
    EXPECT_EQ(insert(1), OCI_ERROR);
    still_works("duplicate key");
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    std::string want = "1";
    for (int i = 2; i < next; ++i) want += "," + std::to_string(i);
    EXPECT_EQ(committed(), want);
}

TEST_F(Transactions, WithoutStatementLevelRollbackAFailureRollsBackTheTransaction) {
    ASSERT_EQ(insert(1), OCI_SUCCESS);
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(insert(2), OCI_SUCCESS);
    char buf[8];
    ASSERT_EQ(prepare("select 1/(id-id) from tx_t"), OCI_SUCCESS);
    ASSERT_EQ(define_text(1, buf, 8), OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_ERROR);
    ASSERT_EQ(insert(3), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(committed(), "1,3");
}

// A query that opened the transaction itself ends it once its rows are read: the
// session holds no locks and is not left idle in a transaction.
TEST_F(Transactions, ReaderLeavesNoTransactionOpen) {
    learn_pid();
    EXPECT_EQ(session_state(), "idle");
    ASSERT_TRUE(exec_ok("INSERT INTO tx_t SELECT g, 'x' FROM generate_series(1, 50) g"));
    // Through a cursor, batch by batch with rows read ahead, and small enough to run at once.
    std::vector<std::string> rows;
    EXPECT_EQ(read_all("select id from tx_t order by id", 7, &rows), OCI_NO_DATA) << error().second;
    EXPECT_EQ(rows.size(), 50u);
    EXPECT_EQ(session_state(), "idle");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(one_value("select count(*) from tx_t"), "50");
        EXPECT_EQ(session_state(), "idle") << i;
    }
    // Another session's DDL does not wait for the reader.
    ASSERT_TRUE(exec_ok("SET lock_timeout = '5s'; ALTER TABLE tx_t ADD COLUMN w int; RESET lock_timeout"));

    // A cursor closed before its end ends the transaction too.
    char buf[8];
    ASSERT_EQ(prepare("select id from tx_t order by id"), OCI_SUCCESS);
    ASSERT_EQ(define_text(1, buf, 8), OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS);
    EXPECT_EQ(session_state(), "idle in transaction");
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 0, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(session_state(), "idle");
    ASSERT_EQ(execute(1), OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << "executed again before its end";
    EXPECT_STREQ(buf, "1");
    ASSERT_EQ(OCIHandleFree(stmt_, OCI_HTYPE_STMT), OCI_SUCCESS);
    stmt_ = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(session_state(), "idle");
    // Released, as drivers release every statement after use.
    OCIStmt *cached = nullptr;
    const std::string sql = "select id from tx_t order by id";
    ASSERT_EQ(OCIStmtPrepare2(svc_, &cached, err_, ot(sql), len(sql), nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(cached, &d, err_, 1, buf, 8, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(execute(1, OCI_DEFAULT, cached), OCI_SUCCESS) << error().second;
    EXPECT_EQ(session_state(), "idle in transaction");
    ASSERT_EQ(OCIStmtRelease(cached, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(session_state(), "idle");
    ASSERT_TRUE(exec_ok("SET lock_timeout = '5s'; DROP TABLE tx_t; RESET lock_timeout"));
}

TEST_F(Transactions, WritesAndLocksKeepTheTransactionForTheProgram) {
    learn_pid();
    // A write after reading still needs its commit.
    EXPECT_EQ(one_value("select count(*) from tx_t"), "0");
    ASSERT_EQ(insert(1), OCI_SUCCESS);
    EXPECT_EQ(one_value("select count(*) from tx_t"), "1");
    EXPECT_EQ(session_state(), "idle in transaction");
    EXPECT_EQ(committed(), "");
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(committed(), "1");
    EXPECT_EQ(session_state(), "idle");
    // Rows locked by the query stay locked.
    EXPECT_EQ(one_value("select id from tx_t for update"), "1");
    EXPECT_EQ(session_state(), "idle in transaction");
    ASSERT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(session_state(), "idle");
    // A failed read inside the program's transaction still rolls it back.
    ASSERT_EQ(insert(2), OCI_SUCCESS);
    EXPECT_EQ(one_value("select 1/0"), "<failed: VSK-01476: division by zero>");
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(committed(), "1");
}

// Exchanges with the server (synchronisation and simple-query messages in libpq's
// protocol trace of a session of its own).
class TransactionRoundTrips : public Transactions {
protected:
    void SetUp() override {
        Transactions::SetUp();
        if (HasFatalFailure()) return;
        std::remove(trace_.c_str());
        setenv("OCI_TRACE_PROTOCOL", trace_.c_str(), 1);
        OCISvcCtx *svc = nullptr;
        logon(&svc);
        unsetenv("OCI_TRACE_PROTOCOL");
        ASSERT_NE(svc, nullptr);
        std::swap(svc, svc_);
        OCILogoff(svc, err_);
    }
    std::size_t exchanges() const {
        std::ifstream in(trace_);
        std::string line;
        std::size_t n = 0;
        while (std::getline(in, line)) {
            if (line.find("F\t") == std::string::npos) continue;
            if (line.find("\tSync") != std::string::npos || line.find("\tQuery\t") != std::string::npos) ++n;
        }
        return n;
    }
    std::string trace_ = ::testing::TempDir() + "vsk_tx_roundtrips.trace";
};

TEST_F(TransactionRoundTrips, InsertThenCommitTakesTwoExchanges) {
    ASSERT_EQ(insert(1), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    char v[8] = "2";
    ASSERT_EQ(prepare("INSERT INTO tx_t VALUES (:1, 'x')"), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":1", v, sizeof v), OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS);
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    const std::size_t before = exchanges();
    for (int i = 3; i < 6; ++i) {
        std::snprintf(v, sizeof v, "%d", i);
        ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
        ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    }
    EXPECT_EQ(exchanges() - before, 6u);
    EXPECT_EQ(committed(), "1,2,3,4,5");
    // Nothing open: nothing sent.
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(exchanges() - before, 6u);
}

}  // namespace
