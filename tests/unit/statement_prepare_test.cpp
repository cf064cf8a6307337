// OCIStmtPrepare, OCIStmtPrepare2 and OCIStmtRelease without a server: preparing is local.
#include <oci.h>

#include <gtest/gtest.h>

#include <string>

#include "connect/records.h"
#include "env/env.h"
#include "oci_handles_test.h"
#include "stmt/records.h"

namespace {

const OraText *ot(const char *s) { return reinterpret_cast<const OraText *>(s); }
ub4 len(const char *s) { return static_cast<ub4>(std::char_traits<char>::length(s)); }

class StatementPrepare : public vsk::test::OciHandlesTest {
protected:
    sword prepare(const char *text, ub4 language = OCI_NTV_SYNTAX, ub4 mode = OCI_DEFAULT) {
        return OCIStmtPrepare(stmt_, err_, ot(text), len(text), language, mode);
    }
    ub2 stmt_type() const {
        ub2 type = 99;
        OCIAttrGet(stmt_, OCI_HTYPE_STMT, &type, nullptr, OCI_ATTR_STMT_TYPE, err_);
        return type;
    }
};

TEST_F(StatementPrepare, TextKindAndArguments) {
    ASSERT_EQ(prepare("  select 1 from dual \n"), OCI_SUCCESS);
    EXPECT_EQ(stmt_->stmtText, "select 1 from dual");
    EXPECT_EQ(stmt_type(), OCI_STMT_SELECT);
    EXPECT_EQ(stmt_->prepared, 1);
    ASSERT_EQ(prepare("TRUNCATE TABLE t", OCI_V8_SYNTAX), OCI_SUCCESS);
    EXPECT_EQ(stmt_type(), 0);
    ASSERT_EQ(prepare("create table t (a int)"), OCI_SUCCESS);
    EXPECT_EQ(stmt_->isDDL, 1);

    EXPECT_EQ(OCIStmtPrepare(stmt_, err_, nullptr, 4, OCI_NTV_SYNTAX, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error_code(), 21560);
    EXPECT_EQ(OCIStmtPrepare(stmt_, err_, ot("x"), 0, OCI_NTV_SYNTAX, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error_code(), 24373);
    EXPECT_EQ(prepare("select 1", OCI_NTV_SYNTAX, 8), OCI_ERROR);
    EXPECT_EQ(error_code(), 24300);
    EXPECT_EQ(prepare("select 1", 9), OCI_ERROR);
    EXPECT_EQ(OCIStmtPrepare(stmt_, nullptr, ot("x"), 1, 1, 0), OCI_INVALID_HANDLE);
    // The length bounds the text.
    ASSERT_EQ(OCIStmtPrepare(stmt_, err_, ot("select 1; garbage"), 8, OCI_NTV_SYNTAX, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(stmt_->stmtText, "select 1");
}

TEST_F(StatementPrepare, CallBlocksAndDateFormats) {
    ASSERT_EQ(prepare("BEGIN :r := pkg.f(:a, :b); END"), OCI_SUCCESS);
    EXPECT_EQ(stmt_->isCall, 1);
    EXPECT_EQ(stmt_->isFunction, 1);
    EXPECT_EQ(stmt_->returnTarget, ":r");
    EXPECT_EQ(stmt_->rewrittenText, "CALL pkg.f ( :a , :b );");
    ASSERT_EQ(prepare("select 2"), OCI_SUCCESS);
    EXPECT_EQ(stmt_->isCall, 0);
    EXPECT_EQ(stmt_->rewrittenText, "");

    EXPECT_EQ(prepare("BEGIN p(:1); q(:2); END;"), OCI_ERROR);
    EXPECT_EQ(error_code(), 13780);
    EXPECT_EQ(stmt_->stmtText, "");
    // A DECLARE block is used as written.
    ASSERT_EQ(prepare("DECLARE x int; BEGIN p(:1); q(:2); END;"), OCI_SUCCESS);
    EXPECT_EQ(stmt_->isCall, 0);

    ASSERT_EQ(prepare("ALTER SESSION SET NLS_DATE_FORMAT='YYYY-MM-DD HH24MI'"), OCI_SUCCESS);
    EXPECT_EQ(stmt_->stmtText, "ALTER SESSION SET NLS_DATE_FORMAT='YYYY-MM-DD HH24:MI'");
}

TEST_F(StatementPrepare, Utf16TextIsConverted) {
    make_env(OCI_UTF16);
    const std::u16string text = u"  select 'ü' from dual ";
    ASSERT_EQ(OCIStmtPrepare(stmt_, err_, reinterpret_cast<const OraText *>(text.data()),
                             static_cast<ub4>(text.size() * 2), OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_EQ(stmt_->stmtText, "select '\xC3\xBC' from dual");
    // A lone surrogate is no text.
    const char lone[] = {'\x00', '\xD8'};
    EXPECT_EQ(OCIStmtPrepare(stmt_, err_, reinterpret_cast<const OraText *>(lone), 2, OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_ERROR);
}

TEST_F(StatementPrepare, Prepare2WithoutCache) {
    OCIStmt *s = nullptr;
    ASSERT_EQ(OCIStmtPrepare2(svc_, &s, err_, ot("select 1"), 8, nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->fromCache, 1);
    // The cache's statements go back through OCIStmtRelease, not OCIHandleFree.
    EXPECT_EQ(OCIHandleFree(s, OCI_HTYPE_STMT), OCI_ERROR);
    EXPECT_EQ(OCIStmtRelease(s, err_, nullptr, 0, OCI_STRLS_CACHE_DELETE), OCI_ERROR);
    EXPECT_EQ(error_code(), 24300);
    EXPECT_EQ(OCIStmtRelease(s, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(s->prepared, 0);
    EXPECT_EQ(OCIHandleFree(s, OCI_HTYPE_STMT), OCI_SUCCESS);
    // Searching needs a cache.
    EXPECT_EQ(OCIStmtPrepare2(svc_, &s, err_, ot("select 1"), 8, ot("k"), 1, OCI_NTV_SYNTAX,
                              OCI_PREP2_CACHE_SEARCHONLY),
              OCI_ERROR);
    EXPECT_EQ(error_code(), 24300);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(OCIStmtPrepare2(svc_, &s, err_, ot("select 1"), 8, nullptr, 0, OCI_NTV_SYNTAX, 2), OCI_ERROR);
    EXPECT_EQ(error_code(), 24300);
    EXPECT_EQ(OCIStmtPrepare2(svc_, nullptr, err_, ot("select 1"), 8, nullptr, 0, 1, 0), OCI_ERROR);
}

TEST_F(StatementPrepare, TaggedCache) {
    svc_->stmtCacheEnabled = 1;
    OCIStmt *a = nullptr;
    ASSERT_EQ(OCIStmtPrepare2(svc_, &a, err_, ot("select 1"), 8, ot("k"), 1, OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS_WITH_INFO);
    EXPECT_EQ(error_code(), 24432);
    EXPECT_EQ(OCIStmtRelease(a, err_, ot("k"), 1, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCIStmtRelease(a, err_, ot("k"), 1, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error_code(), 24434);

    OCIStmt *b = nullptr;
    ASSERT_EQ(OCIStmtPrepare2(svc_, &b, err_, ot("x"), 1, ot("k"), 1, OCI_NTV_SYNTAX, OCI_PREP2_CACHE_SEARCHONLY),
              OCI_SUCCESS);
    EXPECT_EQ(b, a);
    EXPECT_EQ(OCIStmtRelease(b, err_, ot("k"), 1, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCIStmtPrepare2(svc_, &b, err_, ot("x"), 1, ot("zz"), 2, OCI_NTV_SYNTAX, OCI_PREP2_CACHE_SEARCHONLY),
              OCI_ERROR);
    EXPECT_EQ(error_code(), 24431);

    // Preparing under a tag the cache holds replaces that statement.
    OCIStmt *c = nullptr;
    ASSERT_EQ(OCIStmtPrepare2(svc_, &c, err_, ot("select 3"), 8, ot("k"), 1, OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS_WITH_INFO);
    EXPECT_EQ(svc_->stmtCache.size(), 1u);
    EXPECT_EQ(c->stmtText, "select 3");
    // Deleting from the cache hands the statement back to the application.
    EXPECT_EQ(OCIStmtRelease(c, err_, nullptr, 0, OCI_STRLS_CACHE_DELETE), OCI_SUCCESS);
    EXPECT_EQ(svc_->stmtCache.size(), 0u);
    EXPECT_EQ(OCIHandleFree(c, OCI_HTYPE_STMT), OCI_SUCCESS);
}

TEST_F(StatementPrepare, UntaggedCacheReusesByText) {
    svc_->stmtCacheEnabled = 1;
    OCIStmt *a = nullptr, *b = nullptr, *again = nullptr;
    ASSERT_EQ(OCIStmtPrepare2(svc_, &a, err_, ot("select 1"), 8, nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    // The same text while the first is held: a statement of its own, and the first lives on.
    ASSERT_EQ(OCIStmtPrepare2(svc_, &b, err_, ot("select 1"), 8, nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_NE(a, b);
    EXPECT_EQ(a->stmtText, "select 1");
    int v = 0;
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(a, &d, err_, 1, &v, sizeof v, SQLT_INT, nullptr, nullptr, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_EQ(OCIStmtRelease(a, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    // Released, it comes back for the same text, without the defines of its last use.
    ASSERT_EQ(OCIStmtPrepare2(svc_, &again, err_, ot("select 1"), 8, nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_EQ(again, a);
    EXPECT_TRUE(again->defines.empty());
    EXPECT_EQ(OCIStmtRelease(again, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCIStmtRelease(b, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);

    // A full cache drops the least recently used statement nobody holds.
    for (int i = 0; i < 30; ++i) {
        const std::string text = "select " + std::to_string(i);
        OCIStmt *s = nullptr;
        ASSERT_EQ(OCIStmtPrepare2(svc_, &s, err_, ot(text.c_str()), static_cast<ub4>(text.size()), nullptr, 0,
                                  OCI_NTV_SYNTAX, OCI_DEFAULT),
                  OCI_SUCCESS);
        EXPECT_EQ(OCIStmtRelease(s, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    }
    EXPECT_EQ(svc_->stmtCache.size(), 20u);
    EXPECT_EQ(svc_->stmtCache.tail()->stmtText, "select 29");
}

}  // namespace

#include "stmt/cursors.h"

namespace {

TEST_F(StatementPrepare, ServerObjectsForgottenWithTheirServer) {
    OCIServer *srv = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&srv), OCI_HTYPE_SERVER, 0, nullptr), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, srv, 0, OCI_ATTR_SERVER, err_), OCI_SUCCESS);
    stmt_->cursor = new vsk::Cursor;
    stmt_->cursor->server = srv;
    stmt_->cursor->state = vsk::Cursor::OPEN;
    stmt_->cursor->stmtName = "stmt_00000001";
    stmt_->cursor->portalName = "portal_00000001";
    stmt_->preparedName = "stmt_00000002";
    stmt_->pgPreparedServer = srv;
    stmt_->serverPrepared = 1;
    vsk::markCursorsClosed(env_, srv);
    EXPECT_EQ(stmt_->cursor->state, vsk::Cursor::CLOSED);
    EXPECT_EQ(stmt_->cursor->portalName, "");
    EXPECT_EQ(stmt_->cursor->server, nullptr);
    EXPECT_EQ(stmt_->preparedName, "");
    EXPECT_EQ(stmt_->pgPreparedServer, nullptr);
    // The service context keeps its server for a new session.
    EXPECT_EQ(svc_->server, srv);
    // Releasing the server leaves no statement pointing at it.
    stmt_->cursor->portalName = "portal_00000003";
    stmt_->cursor->server = srv;
    stmt_->pgPreparedServer = srv;
    ASSERT_EQ(OCIHandleFree(srv, OCI_HTYPE_SERVER), OCI_SUCCESS);
    EXPECT_EQ(stmt_->pgPreparedServer, nullptr);
    EXPECT_EQ(stmt_->cursor->portalName, "");
    EXPECT_EQ(stmt_->cursor->server, nullptr);
    EXPECT_EQ(svc_->server, nullptr);
    EXPECT_TRUE(vsk::simpleCommandFailed(nullptr));
}

}  // namespace
