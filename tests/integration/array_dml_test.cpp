// Array DML: INSERT, UPDATE and DELETE executed with iters N, their row counts, NULLs
// and lengths per row, failures in the middle of an array, and the per-row error and
// row-count modes.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "oci_session_test.h"

namespace {

using vsk::test::len;
using vsk::test::ot;

class ArrayDml : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS ad_t; DROP TABLE IF EXISTS ad_log; CREATE TABLE ad_t (id int PRIMARY KEY, name varchar(30), "
                            "amount numeric(12,2), f float8, c char(4))"));
    }
    void TearDown() override {
        // The session first: its locks would keep the tables.
        if (svc_) OCILogoff(svc_, err_);
        svc_ = nullptr;
        exec_ok("DROP TABLE IF EXISTS ad_t; DROP TABLE IF EXISTS ad_log; DROP FUNCTION IF EXISTS ad_trg()");
        OciSessionTest::TearDown();
    }
    OCIBind *bind_pos(ub4 pos, void *buf, sb4 size, ub2 dty, sb2 *ind = nullptr, ub2 *alen = nullptr) {
        OCIBind *b = nullptr;
        EXPECT_EQ(OCIBindByPos(stmt_, &b, err_, pos, buf, size, dty, ind, alen, nullptr, 0, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS)
            << error().second;
        return b;
    }
    std::string committed(const std::string &what = "id::text") const {
        return side_value("SELECT coalesce(string_agg(" + what + ", ',' ORDER BY id), '') FROM ad_t");
    }
    sword commit() { return OCITransCommit(svc_, err_, OCI_DEFAULT); }
    void set_stmt_level_rollback() {
        OCIServer *server = nullptr;
        ASSERT_EQ(OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &server, nullptr, OCI_ATTR_SERVER, err_), OCI_SUCCESS);
        ub1 on = 1;
        ASSERT_EQ(OCIAttrSet(server, OCI_HTYPE_SERVER, &on, 1, 5000, err_), OCI_SUCCESS) << error().second;
    }
    // Inserts ids first .. first + n - 1 with their names, as one array.
    sword insert_ids(int first, int n, ub4 mode = OCI_DEFAULT) {
        ids_.assign(static_cast<std::size_t>(n), 0);
        names_.assign(static_cast<std::size_t>(n) * 16, '\0');
        for (int i = 0; i < n; ++i) {
            ids_[i] = first + i;
            std::snprintf(&names_[static_cast<std::size_t>(i) * 16], 16, "n%d", first + i);
        }
        EXPECT_EQ(prepare("INSERT INTO ad_t (id, name) VALUES (:id, :name)"), OCI_SUCCESS);
        bind_pos(1, ids_.data(), sizeof(int), SQLT_INT);
        bind_pos(2, names_.data(), 16, SQLT_STR);
        return execute(static_cast<ub4>(n), mode);
    }
    std::vector<int> ids_;
    std::vector<char> names_;
};

TEST_F(ArrayDml, InsertsOfEverySizeAndTheirRowCount) {
    int next = 1;
    for (int n : {1, 2, 100, 10000}) {
        ASSERT_EQ(insert_ids(next, n), OCI_SUCCESS) << n << ": " << error().second;
        EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), static_cast<ub4>(n));
        ub8 count8 = 0;
        ASSERT_EQ(OCIAttrGet(stmt_, OCI_HTYPE_STMT, &count8, nullptr, OCI_ATTR_UB8_ROW_COUNT, err_), OCI_SUCCESS);
        EXPECT_EQ(count8, static_cast<ub8>(n));
        next += n;
    }
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(side_value("SELECT count(*) || ' ' || sum(id) || ' ' || min(name) FROM ad_t "
                         "WHERE name = 'n' || id"),
              "10103 " + std::to_string(10103LL * 10104 / 2) + " n1");
}

TEST_F(ArrayDml, RowOffsetStructuresNullsAndLengths) {
    // Rows 2..4 of five, taken from an array of structures.
    struct Row {
        int id;
        char name[12];
        double f;
        sb2 nameInd;
        ub2 nameLen;
    } rows[5];
    for (int i = 0; i < 5; ++i) {
        rows[i].id = 10 + i;
        std::snprintf(rows[i].name, sizeof rows[i].name, "row-%d-long", i);
        rows[i].f = i + 0.5;
        rows[i].nameInd = i == 3 ? -1 : 0;
        rows[i].nameLen = static_cast<ub2>(5);  // "row-i"
    }
    ASSERT_EQ(prepare("INSERT INTO ad_t (id, name, f) VALUES (:1, :2, :3)"), OCI_SUCCESS);
    OCIBind *b1 = bind_pos(1, &rows[0].id, sizeof(int), SQLT_INT);
    OCIBind *b2 = bind_pos(2, rows[0].name, sizeof rows[0].name, SQLT_CHR, &rows[0].nameInd, &rows[0].nameLen);
    OCIBind *b3 = bind_pos(3, &rows[0].f, sizeof(double), SQLT_FLT);
    for (OCIBind *b : {b1, b2, b3})
        ASSERT_EQ(OCIBindArrayOfStruct(b, err_, sizeof(Row), sizeof(Row), sizeof(Row), 0), OCI_SUCCESS);
    ASSERT_EQ(execute(5, OCI_DEFAULT, nullptr, 2), OCI_SUCCESS) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 3u);
    // One row from an array of structures still goes as an array.
    ASSERT_EQ(execute(1, OCI_DEFAULT, nullptr, 0), OCI_SUCCESS) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(committed("id || ':' || coalesce(name, 'NULL') || ':' || f"),
              "10:row-0:0.5,12:row-2:2.5,13:NULL:3.5,14:row-4:4.5");
}

TEST_F(ArrayDml, EveryValueFamilyInAnArray) {
    constexpr int n = 3;
    int ids[n] = {1, 2, 3};
    char names[n][8] = {"a\"b", "c\\d", "{e,f}"};
    double fs[n] = {1.25, -2.5, 1e10};
    char cs[n][5] = {"ab", "", "wxyz"};
    sb2 cind[n] = {0, -1, 0};
    OCINumber amounts[n];
    for (int i = 0; i < n; ++i) {
        const double v = 12.34 * (i + 1);
        ASSERT_EQ(OCINumberFromReal(err_, &v, sizeof v, &amounts[i]), OCI_SUCCESS);
    }
    ASSERT_EQ(prepare("INSERT INTO ad_t VALUES (:1, :2, :3, :4, :5)"), OCI_SUCCESS);
    bind_pos(1, ids, sizeof(int), SQLT_INT);
    bind_pos(2, names, 8, SQLT_STR);
    bind_pos(3, amounts, sizeof(OCINumber), SQLT_VNU);
    bind_pos(4, fs, sizeof(double), SQLT_FLT);
    bind_pos(5, cs, 5, SQLT_STR, cind);
    ASSERT_EQ(execute(n), OCI_SUCCESS) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(committed("name || '|' || amount || '|' || f || '|' || coalesce(c, 'NULL')"),
              "a\"b|12.34|1.25|ab,c\\d|24.68|-2.5|NULL,{e,f}|37.02|10000000000|wxyz");
}

// Dates, timestamps, intervals and raw bytes, through the one-INSERT path and the
// row-by-row path of an UPDATE.
TEST_F(ArrayDml, DateTimeIntervalAndBinaryFamiliesInAnArray) {
    ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS ad_d; CREATE TABLE ad_d (id int, d date, dd date, ts timestamp, "
                        "tz timestamptz, iv interval, b bytea, b2 bytea)"));
    constexpr int n = 3;
    int ids[n] = {1, 2, 3};
    OCIDate dates[n];
    unsigned char dats[n][7] = {{120, 124, 3, 5, 1, 1, 1}, {119, 100, 12, 31, 24, 60, 60}, {100, 101, 1, 1, 1, 1, 1}};
    OCIDateTime *stamps[n] = {};
    OCIDateTime *zoned[n] = {};
    OCIInterval *spans[n] = {};
    unsigned char bytes[n][4] = {{0, 1, 0xfe, 0xff}, {0, 0, 0, 0}, {'{', ',', '"', '\\'}};
    ub2 blen[n] = {4, 0, 4};
    sb2 bind_ind[n] = {0, 0, -1};
    for (int i = 0; i < n; ++i) {
        OCIDateSetDate(&dates[i], static_cast<sb2>(2024 - 1000 * i), static_cast<ub1>(2 + i), static_cast<ub1>(29 - i));
        OCIDateSetTime(&dates[i], 0, 0, 0);
        ASSERT_EQ(OCIDescriptorAlloc(env_, reinterpret_cast<void **>(&stamps[i]), OCI_DTYPE_TIMESTAMP, 0, nullptr),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIDescriptorAlloc(env_, reinterpret_cast<void **>(&zoned[i]), OCI_DTYPE_TIMESTAMP_TZ, 0, nullptr),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIDescriptorAlloc(env_, reinterpret_cast<void **>(&spans[i]), OCI_DTYPE_INTERVAL_DS, 0, nullptr),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIDateTimeConstruct(env_, err_, stamps[i], static_cast<sb2>(1999 + i), 12, 31, 23, 59, 59,
                                       static_cast<ub4>(123456000 * i), nullptr, 0),
                  OCI_SUCCESS)
            << error().second;
        const char *zone = i == 0 ? "+05:30" : i == 1 ? "-08:00" : "+00:00";
        ASSERT_EQ(OCIDateTimeConstruct(env_, err_, zoned[i], 2024, 7, 1, 12, 0, 0, 0,
                                       const_cast<OraText *>(ot(zone)), std::strlen(zone)),
                  OCI_SUCCESS)
            << error().second;
        ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, i - 1, i ? 2 : -2, i ? 3 : -3, i ? 4 : -4, i ? 500000000 : -500000000,
                                          spans[i]), OCI_SUCCESS)
            << error().second;
    }
    ASSERT_EQ(prepare("INSERT INTO ad_d (id, d, dd, ts, tz, iv, b) VALUES (:1, :2, :3, :4, :5, :6, :7)"), OCI_SUCCESS);
    bind_pos(1, ids, sizeof(int), SQLT_INT);
    bind_pos(2, dates, sizeof(OCIDate), SQLT_ODT);
    bind_pos(3, dats, 7, SQLT_DAT);
    bind_pos(4, stamps, sizeof(OCIDateTime *), SQLT_TIMESTAMP);
    bind_pos(5, zoned, sizeof(OCIDateTime *), SQLT_TIMESTAMP_TZ);
    bind_pos(6, spans, sizeof(OCIInterval *), SQLT_INTERVAL_DS);
    bind_pos(7, bytes, 4, SQLT_BIN, bind_ind, blen);
    ASSERT_EQ(execute(n), OCI_SUCCESS) << error().second;
    ASSERT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 3u);

    // Every row moves its date a day on and gets bytes of its own.
    for (int i = 0; i < n; ++i) ASSERT_EQ(OCIDateAddDays(err_, &dates[i], 1, &dates[i]), OCI_SUCCESS);
    unsigned char later[n][2] = {{0xab, 0}, {0, 0}, {0, '\\'}};
    ub2 laterLen[n] = {1, 2, 2};
    ASSERT_EQ(prepare("UPDATE ad_d SET d = :1, b2 = :2 WHERE id = :3"), OCI_SUCCESS);
    bind_pos(1, dates, sizeof(OCIDate), SQLT_ODT);
    bind_pos(2, later, 2, SQLT_BIN, nullptr, laterLen);
    bind_pos(3, ids, sizeof(int), SQLT_INT);
    ASSERT_EQ(execute(n), OCI_SUCCESS) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 3u);
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(side_value("SELECT string_agg(concat_ws('|', d, dd, ts, tz AT TIME ZONE 'UTC', iv, "
                         "coalesce(encode(b, 'hex'), 'NULL'), encode(b2, 'hex')), ',' ORDER BY id) FROM ad_d"),
              // A RAW of length 0 is NULL, as on the vendor's server.
              "2024-03-01|2024-03-05|1999-12-31 23:59:59|2024-07-01 06:30:00|-1 days -02:03:04.5|0001feff|ab,"
              "1024-03-29|1900-12-31|2000-12-31 23:59:59.123456|2024-07-01 20:00:00|02:03:04.5|NULL|0000,"
              "0024-04-28|0001-01-01|2001-12-31 23:59:59.246912|2024-07-01 12:00:00|1 day 02:03:04.5|NULL|005c");

    for (int i = 0; i < n; ++i) {
        OCIDescriptorFree(stamps[i], OCI_DTYPE_TIMESTAMP);
        OCIDescriptorFree(zoned[i], OCI_DTYPE_TIMESTAMP_TZ);
        OCIDescriptorFree(spans[i], OCI_DTYPE_INTERVAL_DS);
    }
    exec_ok("DROP TABLE ad_d");
}

TEST_F(ArrayDml, UpdatesAndDeletesAddUpTheirRows) {
    ASSERT_TRUE(exec_ok("INSERT INTO ad_t (id, amount) SELECT g, g % 3 FROM generate_series(1, 30) g"));
    int groups[3] = {0, 1, 2};
    char labels[3][8] = {"zero", "one", "two"};
    ASSERT_EQ(prepare("UPDATE ad_t SET name = :1 WHERE amount = :2"), OCI_SUCCESS);
    bind_pos(1, labels, 8, SQLT_STR);
    bind_pos(2, groups, sizeof(int), SQLT_INT);
    ASSERT_EQ(execute(3, OCI_RETURN_ROW_COUNT_ARRAY), OCI_SUCCESS) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 30u);
    ub8 *counts = nullptr;
    ub4 ncounts = 0;
    ASSERT_EQ(OCIAttrGet(stmt_, OCI_HTYPE_STMT, &counts, &ncounts, OCI_ATTR_DML_ROW_COUNT_ARRAY, err_), OCI_SUCCESS);
    ASSERT_EQ(ncounts, 3u);
    EXPECT_EQ(counts[0], 10u);
    EXPECT_EQ(counts[1], 10u);
    EXPECT_EQ(counts[2], 10u);

    int keys[4] = {1, 2, 2, 99};
    ASSERT_EQ(prepare("DELETE FROM ad_t WHERE id = :1"), OCI_SUCCESS);
    bind_pos(1, keys, sizeof(int), SQLT_INT);
    ASSERT_EQ(execute(4, OCI_RETURN_ROW_COUNT_ARRAY), OCI_SUCCESS) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 2u);
    ASSERT_EQ(OCIAttrGet(stmt_, OCI_HTYPE_STMT, &counts, &ncounts, OCI_ATTR_DML_ROW_COUNT_ARRAY, err_), OCI_SUCCESS);
    ASSERT_EQ(ncounts, 4u);
    EXPECT_EQ(counts[0] + 10 * counts[1] + 100 * counts[2] + 1000 * counts[3], 11u);
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(side_value("SELECT count(*) FROM ad_t WHERE name IS NOT NULL"), "28");
}

TEST_F(ArrayDml, ConversionFailureInRow57SendsNothing) {
    ASSERT_TRUE(exec_ok("CREATE TABLE ad_log (n int2)"));
    long long values[100];
    for (int i = 0; i < 100; ++i) values[i] = i;
    values[56] = 5000000000LL;
    ASSERT_EQ(prepare("INSERT INTO ad_log VALUES (:1)"), OCI_SUCCESS);
    bind_pos(1, values, sizeof(long long), SQLT_INT);
    EXPECT_EQ(execute(100), OCI_ERROR);
    EXPECT_EQ(code(), 1426) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(side_value("SELECT count(*) FROM ad_log"), "0");
    values[56] = 56;
    ASSERT_EQ(execute(100), OCI_SUCCESS) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(side_value("SELECT count(*) FROM ad_log"), "100");
}

TEST_F(ArrayDml, ServerFailureMidArray) {
    ASSERT_TRUE(exec_ok("INSERT INTO ad_t (id) VALUES (157)"));
    // Without statement-level rollback: the transaction goes, the rows before count.
    ASSERT_EQ(insert_ids(1000, 1), OCI_SUCCESS);
    EXPECT_EQ(insert_ids(101, 100), OCI_ERROR);
    EXPECT_EQ(code(), 1) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 56u);
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(committed(), "157");
    // With it: only the array is undone.
    set_stmt_level_rollback();
    ASSERT_EQ(insert_ids(1000, 1), OCI_SUCCESS);
    EXPECT_EQ(insert_ids(101, 100), OCI_ERROR);
    EXPECT_EQ(code(), 1) << error().second;
    ASSERT_EQ(insert_ids(2000, 2), OCI_SUCCESS) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(committed(), "157,1000,2000,2001");
}

TEST_F(ArrayDml, BatchErrorsSkipFailingRows) {
    ASSERT_TRUE(exec_ok("INSERT INTO ad_t (id) VALUES (1), (50), (100)"));
    OCIError *rowErr = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&rowErr), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    // Rows 1, 50 and 100 exist: the first, a middle and the last row fail.
    ASSERT_EQ(insert_ids(1, 100, OCI_BATCH_ERRORS), OCI_SUCCESS_WITH_INFO) << error().second;
    EXPECT_EQ(code(), 24381);
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 97u);
    ub4 errors = 0;
    ASSERT_EQ(OCIAttrGet(err_, OCI_HTYPE_ERROR, &errors, nullptr, OCI_ATTR_NUM_DML_ERRORS, err_), OCI_SUCCESS);
    ASSERT_EQ(errors, 3u);
    const ub4 offsets[] = {0, 49, 99};
    for (ub4 i = 0; i < errors; ++i) {
        ASSERT_EQ(OCIParamGet(err_, OCI_HTYPE_ERROR, err_, reinterpret_cast<void **>(&rowErr), i), OCI_SUCCESS);
        ub4 offset = 1234;
        ASSERT_EQ(OCIAttrGet(rowErr, OCI_HTYPE_ERROR, &offset, nullptr, OCI_ATTR_DML_ROW_OFFSET, err_), OCI_SUCCESS);
        EXPECT_EQ(offset, offsets[i]);
        sb4 rowCode = 0;
        char text[256] = {0};
        EXPECT_EQ(OCIErrorGet(rowErr, 1, nullptr, &rowCode, reinterpret_cast<OraText *>(text), sizeof text,
                              OCI_HTYPE_ERROR),
                  OCI_SUCCESS);
        EXPECT_EQ(rowCode, 1) << text;
    }
    EXPECT_EQ(OCIParamGet(err_, OCI_HTYPE_ERROR, err_, reinterpret_cast<void **>(&rowErr), errors), OCI_ERROR);
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(side_value("SELECT count(*) FROM ad_t"), "100");
    // Every row failing.
    ASSERT_EQ(insert_ids(1, 10, OCI_BATCH_ERRORS), OCI_SUCCESS_WITH_INFO);
    ASSERT_EQ(OCIAttrGet(err_, OCI_HTYPE_ERROR, &errors, nullptr, OCI_ATTR_NUM_DML_ERRORS, err_), OCI_SUCCESS);
    EXPECT_EQ(errors, 10u);
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 0u);
    // A clean run leaves no row errors behind.
    ASSERT_EQ(insert_ids(500, 10, OCI_BATCH_ERRORS), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCIAttrGet(err_, OCI_HTYPE_ERROR, &errors, nullptr, OCI_ATTR_NUM_DML_ERRORS, err_), OCI_SUCCESS);
    EXPECT_EQ(errors, 0u);
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(side_value("SELECT count(*) FROM ad_t"), "110");
    OCIHandleFree(rowErr, OCI_HTYPE_ERROR);
}

TEST_F(ArrayDml, RowTriggersFireForEveryRow) {
    ASSERT_TRUE(exec_ok("CREATE TABLE ad_log (n int);"
                        "CREATE OR REPLACE FUNCTION ad_trg() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                        "INSERT INTO ad_log VALUES (NEW.id); RETURN NEW; END $$;"
                        "CREATE TRIGGER ad_trg BEFORE INSERT ON ad_t FOR EACH ROW EXECUTE FUNCTION ad_trg()"));
    ASSERT_EQ(insert_ids(1, 50), OCI_SUCCESS) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(side_value("SELECT count(*) || ' ' || sum(n) FROM ad_log"), "50 1275");
    exec_ok("DROP TRIGGER ad_trg ON ad_t; DROP FUNCTION ad_trg()");
}

// Non-blocking execution: OCI_STILL_EXECUTING until the server has answered.
class NonBlocking : public ArrayDml {
protected:
    void toggle() {
        OCIServer *server = nullptr;
        ASSERT_EQ(OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &server, nullptr, OCI_ATTR_SERVER, err_), OCI_SUCCESS);
        ub1 unused = 0;
        ASSERT_EQ(OCIAttrSet(server, OCI_HTYPE_SERVER, &unused, 0, OCI_ATTR_NONBLOCKING_MODE, err_), OCI_SUCCESS);
    }
    // Polls until the execution ends (bounded); its result, and how many polls it took.
    sword poll(ub4 iters, int *polls, ub4 mode = OCI_DEFAULT) {
        sword rc = OCI_STILL_EXECUTING;
        for (*polls = 0; rc == OCI_STILL_EXECUTING && *polls < 100000; ++*polls) {
            rc = execute(iters, mode);
            if (rc == OCI_STILL_EXECUTING) std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return rc;
    }
};

TEST_F(NonBlocking, ArrayInsertPollsUntilDone) {
    toggle();
    std::vector<int> ids(500);
    for (int i = 0; i < 500; ++i) ids[i] = i + 1;
    ASSERT_EQ(prepare("INSERT INTO ad_t (id) VALUES (:1)"), OCI_SUCCESS);
    bind_pos(1, ids.data(), sizeof(int), SQLT_INT);
    EXPECT_EQ(execute(500), OCI_STILL_EXECUTING);
    int polls = 0;
    EXPECT_EQ(poll(500, &polls), OCI_SUCCESS) << error().second;
    EXPECT_GE(polls, 1);
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 500u);
    // A failing array: the failure comes with the poll that finds the answer.
    EXPECT_EQ(execute(500), OCI_STILL_EXECUTING);
    EXPECT_EQ(poll(500, &polls), OCI_ERROR);
    EXPECT_EQ(code(), 1) << error().second;
    toggle();
    // A blocking statement after the non-blocking ones.
    ASSERT_EQ(insert_ids(1, 500), OCI_SUCCESS) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(side_value("SELECT count(*) FROM ad_t"), "500");
}

TEST_F(NonBlocking, SingleDmlAndQueries) {
    toggle();
    int id = 7;
    ASSERT_EQ(prepare("INSERT INTO ad_t (id, name) VALUES (:1, 'seven')"), OCI_SUCCESS);
    bind_pos(1, &id, sizeof id, SQLT_INT);
    int polls = 0;
    sword rc = execute(1);
    if (rc == OCI_STILL_EXECUTING) rc = poll(1, &polls);
    EXPECT_EQ(rc, OCI_SUCCESS) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 1u);
    ASSERT_EQ(commit(), OCI_SUCCESS);
    rc = execute(1);
    if (rc == OCI_STILL_EXECUTING) rc = poll(1, &polls);
    EXPECT_EQ(rc, OCI_ERROR);
    EXPECT_EQ(code(), 1) << error().second;

    char name[16] = {0};
    ASSERT_EQ(prepare("select name from ad_t where id = 7"), OCI_SUCCESS);
    ASSERT_EQ(define_text(1, name, sizeof name), OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_STILL_EXECUTING);
    EXPECT_EQ(poll(1, &polls), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(name, "seven");
    toggle();
}

TEST_F(NonBlocking, BreakEndsAQueryThatIsStillRunning) {
    toggle();
    char v[16];
    ASSERT_EQ(prepare("select pg_sleep(30)::text"), OCI_SUCCESS);
    ASSERT_EQ(define_text(1, v, sizeof v), OCI_SUCCESS);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(execute(1), OCI_STILL_EXECUTING);
    EXPECT_EQ(execute(1), OCI_STILL_EXECUTING);
    ASSERT_EQ(OCIBreak(svc_, err_), OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_SUCCESS) << error().second;
    toggle();
    ASSERT_EQ(insert_ids(1, 3), OCI_SUCCESS) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(side_value("SELECT count(*) FROM ad_t"), "3");
}

}  // namespace
