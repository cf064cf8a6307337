// Real server failures, provoked with plain libpq, turned into error records and read back
// through OCIErrorGet and OCIPGErrorGet.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "env/env.h"
#include "env/error.h"
#include "pg_test_env.h"
#include "pqx/pg_error.h"
#include "vskoci.h"

namespace {

using vsk::test::PgResult;

struct OciRecord {
    sword rc = OCI_ERROR;
    sb4 code = -12345;
    std::string text;
};

struct PgRecord {
    sword rc = OCI_ERROR;
    std::string sqlstate;
    std::string message;
};

class ServerErrorRecords : public vsk::test::PgTest {
protected:
    void SetUp() override {
        PgTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_EQ(OCIEnvCreate(&env_, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override {
        // The notice processor points at err_; it must not outlive the handle.
        conn_.reset();
        if (err_) OCIHandleFree(err_, OCI_HTYPE_ERROR);
        if (env_) OCIHandleFree(env_, OCI_HTYPE_ENV);
        PgTest::TearDown();
    }

    // Runs sql expecting the server to reject it with the given SQLSTATE.
    PgResult fail(const std::string &sql, const char *sqlstate) {
        PgResult r = exec(sql);
        EXPECT_EQ(r.status(), PGRES_FATAL_ERROR) << sql;
        EXPECT_EQ(r.sqlstate(), sqlstate) << sql << ": " << PQresultErrorMessage(r.get());
        return r;
    }

    OciRecord get(ub4 recordno) {
        OciRecord out;
        char buf[1024];
        std::memset(buf, 'x', sizeof buf);
        out.rc = OCIErrorGet(err_, recordno, nullptr, &out.code, reinterpret_cast<OraText *>(buf), sizeof buf,
                             OCI_HTYPE_ERROR);
        if (out.rc == OCI_SUCCESS) out.text.assign(buf, strnlen(buf, sizeof buf));
        return out;
    }

    PgRecord pg_get(ub4 recordno) {
        PgRecord out;
        char state[16];
        char msg[1024];
        std::memset(state, 0, sizeof state);
        std::memset(msg, 0, sizeof msg);
        out.rc = OCIPGErrorGet(err_, recordno, reinterpret_cast<OraText *>(state), sizeof state,
                               reinterpret_cast<OraText *>(msg), sizeof msg, OCI_HTYPE_ERROR);
        out.sqlstate = state;
        out.message = msg;
        return out;
    }

    std::size_t record_count() const { return err_->records.size(); }
    const vsk::ErrorRecord *record(std::size_t i) const { return err_->records.nth(i); }

    OCIEnv *env_ = nullptr;
    OCIError *err_ = nullptr;
};

TEST_F(ServerErrorRecords, UniqueViolationMapsToNumberOne) {
    ASSERT_TRUE(exec_ok("CREATE TEMP TABLE uq (id int PRIMARY KEY)"));
    ASSERT_TRUE(exec_ok("INSERT INTO uq VALUES (7)"));
    PgResult r = fail("INSERT INTO uq VALUES (7)", "23505");
    ASSERT_FALSE(HasFailure());

    ASSERT_EQ(vsk::AddPGErrorRecord(err_, OCI_ERROR, r.get()), OCI_SUCCESS);
    OciRecord rec = get(1);
    ASSERT_EQ(rec.rc, OCI_SUCCESS);
    EXPECT_EQ(rec.code, 1);
    EXPECT_EQ(rec.text, "VSK-00001: unique constraint (%s.%s) violated");

    PgRecord pg = pg_get(1);
    ASSERT_EQ(pg.rc, OCI_SUCCESS);
    EXPECT_EQ(pg.sqlstate, "23505");
    EXPECT_EQ(pg.message, PQresultErrorField(r.get(), PG_DIAG_MESSAGE_PRIMARY));
    EXPECT_NE(pg.message.find("uq_pkey"), std::string::npos) << pg.message;

    ASSERT_EQ(record_count(), 1u);
    EXPECT_EQ(record(0)->severity, OCI_ERROR);
    EXPECT_EQ(get(2).rc, OCI_NO_DATA);
    EXPECT_EQ(pg_get(2).rc, OCI_NO_DATA);
}

TEST_F(ServerErrorRecords, UnmappedStateKeepsTheServerMessage) {
    PgResult r = fail("SELECT no_such_function()", "42883");
    ASSERT_FALSE(HasFailure());
    const std::string primary = PQresultErrorField(r.get(), PG_DIAG_MESSAGE_PRIMARY);
    ASSERT_NE(primary.find("no_such_function"), std::string::npos) << primary;

    ASSERT_EQ(vsk::AddPGErrorRecord(err_, OCI_ERROR, r.get()), OCI_SUCCESS);
    OciRecord rec = get(1);
    ASSERT_EQ(rec.rc, OCI_SUCCESS);
    EXPECT_EQ(rec.code, 0);
    EXPECT_EQ(rec.text, primary);

    PgRecord pg = pg_get(1);
    ASSERT_EQ(pg.rc, OCI_SUCCESS);
    EXPECT_EQ(pg.sqlstate, "42883");
    EXPECT_EQ(pg.message, primary);
}

TEST_F(ServerErrorRecords, UndefinedTableMapsTo942) {
    PgResult r = fail("SELECT * FROM no_such_table_here", "42P01");
    ASSERT_FALSE(HasFailure());

    ASSERT_EQ(vsk::AddPGErrorRecord(err_, OCI_ERROR, r.get()), OCI_SUCCESS);
    OciRecord rec = get(1);
    ASSERT_EQ(rec.rc, OCI_SUCCESS);
    EXPECT_EQ(rec.code, 942);
    EXPECT_EQ(rec.text, "VSK-00942: table or view does not exist");

    PgRecord pg = pg_get(1);
    ASSERT_EQ(pg.rc, OCI_SUCCESS);
    EXPECT_EQ(pg.sqlstate, "42P01");
    EXPECT_EQ(pg.message, PQresultErrorField(r.get(), PG_DIAG_MESSAGE_PRIMARY));
}

TEST_F(ServerErrorRecords, DivisionByZeroMapsTo1476) {
    PgResult r = fail("SELECT 1 / 0", "22012");
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(vsk::AddPGErrorRecord(err_, OCI_ERROR, r.get()), OCI_SUCCESS);
    OciRecord rec = get(1);
    ASSERT_EQ(rec.rc, OCI_SUCCESS);
    EXPECT_EQ(rec.code, 1476);
    EXPECT_EQ(rec.text, "VSK-01476: division by zero");
    EXPECT_EQ(pg_get(1).message, "division by zero");
}

TEST_F(ServerErrorRecords, NonAsciiServerMessageIsKeptIntact) {
    const std::string text = "zażółć gęślą jaźń – ✓";
    PgResult r = fail("DO $$BEGIN RAISE EXCEPTION '" + text + "' USING ERRCODE = '22023'; END$$", "22023");
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(vsk::AddPGErrorRecord(err_, OCI_ERROR, r.get()), OCI_SUCCESS);
    OciRecord rec = get(1);
    ASSERT_EQ(rec.rc, OCI_SUCCESS);
    EXPECT_EQ(rec.code, 0);
    EXPECT_EQ(rec.text, text);
    PgRecord pg = pg_get(1);
    EXPECT_EQ(pg.sqlstate, "22023");
    EXPECT_EQ(pg.message, text);
}

TEST_F(ServerErrorRecords, RecordsAccumulateInOrder) {
    PgResult missing = fail("SELECT * FROM no_such_table_here", "42P01");
    PgResult nofunc = fail("SELECT no_such_function()", "42883");
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(vsk::AddPGErrorRecord(err_, OCI_ERROR, missing.get()), OCI_SUCCESS);
    ASSERT_EQ(vsk::AddPGErrorRecord(err_, OCI_SUCCESS_WITH_INFO, nofunc.get()), OCI_SUCCESS);
    ASSERT_EQ(record_count(), 2u);
    EXPECT_EQ(get(1).code, 942);
    EXPECT_EQ(get(2).code, 0);
    EXPECT_EQ(pg_get(1).sqlstate, "42P01");
    EXPECT_EQ(pg_get(2).sqlstate, "42883");
    EXPECT_EQ(record(0)->severity, OCI_ERROR);
    EXPECT_EQ(record(1)->severity, OCI_SUCCESS_WITH_INFO);
    EXPECT_EQ(get(3).rc, OCI_NO_DATA);
}

TEST_F(ServerErrorRecords, LostConnectionIsConnectionTerminated) {
    ASSERT_TRUE(exec_ok("SELECT 1"));
    ASSERT_TRUE(vsk::test::TerminateBackend(conninfo(), PQbackendPID(conn())));
    PgResult r = exec("SELECT 1");
    ASSERT_TRUE(r) << "libpq returned no result";
    ASSERT_EQ(r.status(), PGRES_FATAL_ERROR);
    ASSERT_EQ(PQstatus(conn()), CONNECTION_BAD);
    const std::string state = r.sqlstate();
    ASSERT_TRUE(state.empty() || state.rfind("08", 0) == 0)
        << "a lost connection reported SQLSTATE " << state << ": " << PQresultErrorMessage(r.get());

    ASSERT_EQ(vsk::AddPGErrorRecord(err_, OCI_ERROR, r.get()), OCI_SUCCESS);
    OciRecord rec = get(1);
    ASSERT_EQ(rec.rc, OCI_SUCCESS);
    EXPECT_EQ(rec.code, 25407);
    EXPECT_EQ(rec.text.rfind("VSK-25407: connection terminated: ", 0), 0u) << rec.text;
    // No server state or text exists for a connection that is gone.
    EXPECT_EQ(pg_get(1).rc, OCI_NO_DATA);
    ASSERT_EQ(record_count(), 1u);
    EXPECT_EQ(record(0)->severity, OCI_ERROR);
}

TEST_F(ServerErrorRecords, NoticeBecomesAWarningRecord) {
    EXPECT_EQ(err_->noticeReceived, 0u);
    PQsetNoticeProcessor(conn(), vsk::OCINoticeHandler, err_);
    ASSERT_TRUE(exec_ok("SET client_min_messages = notice"));
    ASSERT_TRUE(exec_ok("DO $$BEGIN RAISE NOTICE 'hello'; END$$"));

    EXPECT_EQ(err_->noticeReceived, 1u);
    ASSERT_EQ(record_count(), 1u);
    EXPECT_EQ(record(0)->severity, OCI_SUCCESS_WITH_INFO);
    OciRecord rec = get(1);
    ASSERT_EQ(rec.rc, OCI_SUCCESS);
    EXPECT_NE(rec.text.find("hello"), std::string::npos) << rec.text;
    // A notice is not a server failure: it has no SQLSTATE of its own on the record.
    EXPECT_EQ(pg_get(1).rc, OCI_NO_DATA);
}

TEST_F(ServerErrorRecords, SuppressedNoticeAddsNothing) {
    PQsetNoticeProcessor(conn(), vsk::OCINoticeHandler, err_);
    ASSERT_TRUE(exec_ok("SET client_min_messages = warning"));
    ASSERT_TRUE(exec_ok("DO $$BEGIN RAISE NOTICE 'quiet'; END$$"));
    EXPECT_EQ(err_->noticeReceived, 0u);
    EXPECT_EQ(record_count(), 0u);
}

TEST_F(ServerErrorRecords, NonErrorHandleIsRejected) {
    PgResult r = fail("SELECT * FROM no_such_table_here", "42P01");
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(vsk::AddPGErrorRecord(env_, OCI_ERROR, r.get()), OCI_INVALID_HANDLE);
    // Nothing lands on the environment's own error handle either.
    sb4 code = 0;
    char buf[64];
    EXPECT_EQ(OCIErrorGet(env_, 1, nullptr, &code, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_HTYPE_ENV),
              OCI_NO_DATA);
    EXPECT_EQ(record_count(), 0u);
}

TEST_F(ServerErrorRecords, LostConnectionOnNonErrorHandleIsRejected) {
    ASSERT_TRUE(vsk::test::TerminateBackend(conninfo(), PQbackendPID(conn())));
    PgResult r = exec("SELECT 1");
    ASSERT_TRUE(r);
    ASSERT_EQ(r.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(vsk::AddPGErrorRecord(env_, OCI_ERROR, r.get()), OCI_INVALID_HANDLE);
}

}  // namespace
