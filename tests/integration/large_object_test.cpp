// BLOBs kept as server large objects in oid columns: lengths, reads with and without
// callbacks, trims and appends, descriptors that outlive their transaction, and
// locators bound back into oid columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lob/locator.h"
#include "lob_support.h"
#include "oci_session_test.h"

namespace {

using Bytes = std::string;

class LargeObject : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS lo_vals; CREATE TABLE lo_vals (k int, o oid)"));
        // Ten bytes "0123456789" as a large object, committed by the side connection.
        oid_ = side_value("select lo_from_bytea(0, '0123456789'::bytea)");
        ASSERT_TRUE(exec_ok("insert into lo_vals values (1, " + oid_ + ")"));
        loc_ = locator();
        ASSERT_EQ(prepare("select o from lo_vals where k = 1"), OCI_SUCCESS);
        OCIDefine *d = nullptr;
        ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, &loc_, sizeof loc_, SQLT_BLOB, nullptr, nullptr, nullptr,
                                 OCI_DEFAULT),
                  OCI_SUCCESS);
        ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("select lo_unlink(o) from lo_vals where o is not null and o <> 16385; DROP TABLE IF EXISTS lo_vals");
    }
    OCILobLocator *locator() { return vsk::test::new_locator(env_); }
    ub4 length() {
        ub4 n = 0;
        EXPECT_EQ(OCILobGetLength(svc_, err_, loc_, &n), OCI_SUCCESS) << error().second;
        return n;
    }
    bool is_open() {
        boolean open = FALSE;
        EXPECT_EQ(OCILobIsOpen(svc_, err_, loc_, &open), OCI_SUCCESS);
        return open == TRUE;
    }
    Bytes read_all() {
        char buf[64];
        oraub8 bytes = 0;
        EXPECT_EQ(OCILobRead2(svc_, err_, loc_, &bytes, nullptr, 1, buf, sizeof buf, OCI_ONE_PIECE, nullptr, nullptr,
                              0, 0),
                  OCI_SUCCESS)
            << error().second;
        return Bytes(buf, bytes);
    }
    std::string oid_;
    OCILobLocator *loc_ = nullptr;
};

using vsk::test::collect_pieces;
using Pieces = vsk::test::ReadPieces;

TEST_F(LargeObject, FetchedIdentifierAndLengthWhetherOpenedOrNot) {
    EXPECT_EQ(loc_->storage, vsk::LobStorage::LargeObject);
    EXPECT_EQ(std::to_string(loc_->loid), oid_);
    EXPECT_EQ(length(), 10u);
    EXPECT_FALSE(is_open());
    ASSERT_EQ(OCILobOpen(svc_, err_, loc_, OCI_LOB_READWRITE), OCI_SUCCESS) << error().second;
    EXPECT_TRUE(is_open());
    EXPECT_EQ(OCILobOpen(svc_, err_, loc_, OCI_LOB_READWRITE), OCI_SUCCESS);
    EXPECT_EQ(length(), 10u);
    oraub8 n8 = 0;
    EXPECT_EQ(OCILobGetLength2(svc_, err_, loc_, &n8), OCI_SUCCESS);
    EXPECT_EQ(n8, 10u);
    EXPECT_EQ(OCILobClose(svc_, err_, loc_), OCI_SUCCESS);
    EXPECT_FALSE(is_open());
}

TEST_F(LargeObject, ReadsWithCallbacksDeliverTheAskedBytes) {
    struct Case {
        ub4 offset, amount, bufl;
        Bytes data;
        std::vector<ub1> codes;
    } cases[] = {
        {1, 4, 4, "0123", {OCI_LAST_PIECE}},
        {8, 100, 100, "789", {OCI_LAST_PIECE}},
        {1, 10, 4, "0123456789", {OCI_FIRST_PIECE, OCI_NEXT_PIECE, OCI_LAST_PIECE}},
        {11, 5, 4, "", {}},
    };
    for (bool opened : {false, true}) {
        if (opened) {
            ASSERT_EQ(OCILobOpen(svc_, err_, loc_, OCI_LOB_READWRITE), OCI_SUCCESS);
        }
        for (const Case &t : cases) {
            Pieces p;
            Bytes buf(t.bufl, '\0');
            ub4 amount = t.amount;
            ASSERT_EQ(OCILobRead(svc_, err_, loc_, &amount, t.offset, buf.data(), t.bufl, &p, collect_pieces, 0, 0),
                      OCI_SUCCESS)
                << error().second;
            EXPECT_EQ(p.data, t.data) << t.offset;
            EXPECT_EQ(p.codes, t.codes) << t.offset;
            EXPECT_EQ(amount, t.data.size());
        }
        EXPECT_EQ(is_open(), opened);
    }
}

TEST_F(LargeObject, TooSmallBufferWithoutCallbackNeedsDataOpenedOrNot) {
    for (bool opened : {true, false}) {
        if (opened) {
            ASSERT_EQ(OCILobOpen(svc_, err_, loc_, OCI_LOB_READWRITE), OCI_SUCCESS);
        } else {
            ASSERT_EQ(OCILobClose(svc_, err_, loc_), OCI_SUCCESS);
        }
        // 100 bytes asked, the 10 there are, into a 5-byte buffer.
        char buf[10];
        ub4 amount = 100;
        EXPECT_EQ(OCILobRead(svc_, err_, loc_, &amount, 1, buf, 5, nullptr, nullptr, 0, 0), OCI_NEED_DATA);
        EXPECT_EQ(amount, 0u);
        // A buffer that holds the amount needs no callback.
        amount = 10;
        EXPECT_EQ(OCILobRead(svc_, err_, loc_, &amount, 1, buf, sizeof buf, nullptr, nullptr, 0, 0), OCI_SUCCESS);
        EXPECT_EQ(Bytes(buf, amount), "0123456789");
    }
    // Polled pieces through OCILobRead2.
    Bytes all;
    char buf[4];
    ub1 code = OCI_FIRST_PIECE;
    sword rc;
    do {
        oraub8 bytes = 0;
        rc = OCILobRead2(svc_, err_, loc_, &bytes, nullptr, 1, buf, sizeof buf, code, nullptr, nullptr, 0, 0);
        all.append(buf, bytes);
        code = OCI_NEXT_PIECE;
    } while (rc == OCI_NEED_DATA);
    EXPECT_EQ(rc, OCI_SUCCESS);
    EXPECT_EQ(all, "0123456789");
}

TEST_F(LargeObject, TrimAppendAndWrite) {
    EXPECT_EQ(OCILobTrim(svc_, err_, loc_, 11), OCI_ERROR);
    EXPECT_EQ(code(), 1733);
    char data[] = "abcde";
    ub4 amount = 5;
    ASSERT_EQ(OCILobWriteAppend(svc_, err_, loc_, &amount, data, 5, OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
              OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(amount, 5u);
    EXPECT_EQ(length(), 15u);
    ASSERT_EQ(OCILobTrim2(svc_, err_, loc_, 12), OCI_SUCCESS);
    oraub8 bytes = 2;
    ASSERT_EQ(OCILobWrite2(svc_, err_, loc_, &bytes, nullptr, 2, data + 3, 2, OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
              OCI_SUCCESS);
    EXPECT_EQ(read_all(), "0de3456789ab");
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(side_value("select encode(lo_get(" + oid_ + "), 'escape')"), "0de3456789ab");
}

TEST_F(LargeObject, OpenLocatorOutlivesCommitAndRollback) {
    ASSERT_EQ(OCILobOpen(svc_, err_, loc_, OCI_LOB_READWRITE), OCI_SUCCESS);
    EXPECT_EQ(length(), 10u);
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(read_all(), "0123456789");
    ASSERT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    ub4 amount = 1;
    char x[] = "x";
    ASSERT_EQ(OCILobWriteAppend(svc_, err_, loc_, &amount, x, 1, OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
              OCI_SUCCESS)
        << error().second;
    EXPECT_TRUE(is_open());
    ASSERT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(length(), 10u);
    ASSERT_EQ(OCILobClose(svc_, err_, loc_), OCI_SUCCESS);
}

TEST_F(LargeObject, IdentifierInTextAndWrongDefinesAndBinds) {
    ASSERT_TRUE(exec_ok("insert into lo_vals values (2, 16385)"));
    OCILobLocator *other = locator();
    ASSERT_EQ(prepare("select o from lo_vals where k = 2"), OCI_SUCCESS);
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, &other, sizeof other, SQLT_BLOB, nullptr, nullptr, nullptr,
                             OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS);
    EXPECT_EQ(other->loid, 16385u);
    // An object that does not exist cannot be opened.
    EXPECT_EQ(OCILobOpen(svc_, err_, other, OCI_LOB_READWRITE), OCI_ERROR);
    EXPECT_EQ(code(), 1733);
    ASSERT_EQ(OCITransRollback(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    // A define element that is no locator.
    OCILobLocator *wrong = reinterpret_cast<OCILobLocator *>(stmt_);
    ASSERT_EQ(prepare("select o from lo_vals where k = 2"), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, &wrong, sizeof wrong, SQLT_BLOB, nullptr, nullptr, nullptr,
                             OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(code(), 1733);
    // The locator bound into another row sends its identifier.
    ASSERT_EQ(prepare("insert into lo_vals values (3, :1)"), OCI_SUCCESS);
    OCIBind *b = nullptr;
    ASSERT_EQ(OCIBindByPos(stmt_, &b, err_, 1, &loc_, sizeof loc_, SQLT_BLOB, nullptr, nullptr, nullptr, 0, nullptr,
                           OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select o from lo_vals where k = 3"), oid_);
    exec_ok("delete from lo_vals where k = 3");
}

}  // namespace
