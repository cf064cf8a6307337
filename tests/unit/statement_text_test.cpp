// Statement kinds, call blocks and placeholder rewriting.
#include <oci.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "stmt/call_block.h"
#include "stmt/placeholders.h"
#include "stmt/records.h"
#include "stmt/show_query.h"
#include "stmt/statement_text.h"

namespace {

using namespace vsk;

TEST(StatementKind, FirstKeywordDecides) {
    EXPECT_EQ(GetStatementType("  select 1 from dual  "), OCI_STMT_SELECT);
    EXPECT_EQ(GetStatementType("(SELECT 1)"), OCI_STMT_SELECT);
    EXPECT_EQ(GetStatementType("( \n select 1)"), OCI_STMT_SELECT);
    EXPECT_EQ(GetStatementType("with x as (select 1) select * from x"), OCI_STMT_SELECT);
    EXPECT_EQ(GetStatementType("SELECTX"), OCI_STMT_SELECT);
    EXPECT_EQ(GetStatementType("update t set a = 1"), OCI_STMT_UPDATE);
    EXPECT_EQ(GetStatementType("Delete from t"), OCI_STMT_DELETE);
    EXPECT_EQ(GetStatementType("insert into t values (1)"), OCI_STMT_INSERT);
    EXPECT_EQ(GetStatementType("begin p; end;"), OCI_STMT_BEGIN);
    EXPECT_EQ(GetStatementType("DECLARE x int; BEGIN null; END;"), OCI_STMT_DECLARE);
    EXPECT_EQ(GetStatementType("TRUNCATE TABLE t"), kStmtTruncate);
    EXPECT_EQ(GetStatementType("grant select on t to u"), kStmtGrant);
    EXPECT_EQ(GetStatementType("vacuum"), 0);
    EXPECT_EQ(GetStatementType(""), 0);
    EXPECT_EQ(GetStatementType("sel"), 0);
    EXPECT_TRUE(IsDDLStatement(OCI_STMT_ALTER));
    EXPECT_FALSE(IsDDLStatement(kStmtTruncate));
    // A vertical tab is not trimmed.
    EXPECT_EQ(trim_statement(" \t\r\n\fx\v \n"), "x\v");
}

TEST(StatementKind, NlsFormatSpelling) {
    EXPECT_EQ(checkNLSFormat("ALTER SESSION SET NLS_DATE_FORMAT='YYYY-MM-DD HH24MI'", "HH24MI", "HH24:MI"),
              "ALTER SESSION SET NLS_DATE_FORMAT='YYYY-MM-DD HH24:MI'");
    EXPECT_EQ(checkNLSFormat("HH24MIHH24MI", "HH24MI", "HH24:MI"), "HH24:MIHH24:MI");
    EXPECT_EQ(checkNLSFormat("none", "HH24MI", "HH24:MI"), "none");
}

struct Block {
    const char *text;
    int rc;
    const char *call;
    bool function;
    const char *target;
    const char *name;
};

TEST(ShowQuery, ReadsAsTheSelectOfTheSameColumn) {
    const struct {
        const char *show;
        const char *select;  // null: sent as written
    } cases[] = {
        {"show work_mem", "SELECT pg_catalog.current_setting('work_mem') AS \"work_mem\""},
        {"  SHOW DateStyle ; ", "SELECT pg_catalog.current_setting('datestyle') AS \"DateStyle\""},
        {"Show time   zone", "SELECT pg_catalog.current_setting('timezone') AS \"TimeZone\""},
        {"show transaction isolation level",
         "SELECT pg_catalog.current_setting('transaction_isolation') AS \"transaction_isolation\""},
        {"show session authorization",
         "SELECT pg_catalog.current_setting('session_authorization') AS \"session_authorization\""},
        {"show my_ext . \"Odd'Name\"",
         "SELECT pg_catalog.current_setting('my_ext.Odd''Name') AS \"my_ext.Odd'Name\""},
        {"show all", "SELECT name, pg_catalog.current_setting(name) AS setting, short_desc AS description "
                     "FROM pg_catalog.pg_settings ORDER BY name"},
        {"showx", nullptr},
        {"show", nullptr},
        {"show all the things", nullptr},
        {"show a b", nullptr},
        {"show a.", nullptr},
        {"show \"\"", nullptr},
        {"show \"unterminated", nullptr},
        {"show \"back\\slash\"", nullptr},
        {"show 1abc", nullptr},
        {"select 1", nullptr},
    };
    for (const auto &c : cases) {
        const std::optional<std::string> got = show_as_select(c.show);
        if (!c.select) {
            EXPECT_FALSE(got) << c.show << " -> " << *got;
            continue;
        }
        ASSERT_TRUE(got) << c.show;
        EXPECT_EQ(*got, c.select) << c.show;
    }
}

TEST(CallBlock, AcceptsOneCallOnly) {
    const Block cases[] = {
        {"BEGIN p(:1, :2); END;", 0, "CALL p ( :1 , :2 );", false, "", "p"},
        {"begin P(); end", 0, "CALL P (  );", false, "", "P"},
        {"BEGIN :r := pkg.f(:a, :b); END", 0, "CALL pkg.f ( :a , :b );", true, ":r", "pkg.f"},
        {"BEGIN schema.pkg.proc(:x); END;", 0, "CALL schema.pkg.proc ( :x );", false, "", "schema.pkg.proc"},
        {"BEGIN\n  p(:über$#);\nEND;", 0, "CALL p ( :über$# );", false, "", "p"},
        // Digits are not part of any token: a literal argument vanishes.
        {"BEGIN p(1); END;", 0, "CALL p (  );", false, "", "p"},
        {"BEGIN p(:1); q(:2); END;", 1, "", false, "", ""},
        {"BEGIN NULL; END;", 1, "", false, "", ""},
        {"BEGIN p; END;", 1, "", false, "", ""},
        {"BEGIN p(a => :1); END;", 1, "", false, "", ""},
        {"BEGIN p('x'); END;", 1, "", false, "", ""},
        {"BEGIN p(:1); END;;", 1, "", false, "", ""},
        {"BEGIN p(:1,); END;", 1, "", false, "", ""},
        {"BEGIN p(:1", 1, "", false, "", ""},
    };
    for (const Block &c : cases) {
        CallNode node;
        EXPECT_EQ(parse_call_block(c.text, &node), c.rc) << c.text;
        EXPECT_EQ(node.callText, c.call) << c.text;
        EXPECT_EQ(node.isFunction, c.function) << c.text;
        EXPECT_EQ(node.target, c.target) << c.text;
        EXPECT_EQ(node.procName, c.name) << c.text;
    }
}

TEST(CallBlock, LongArgumentListsAndGarbage) {
    std::string text = "BEGIN p(:a0";
    for (int i = 1; i < 5000; ++i) text += ", :a" + std::to_string(i);
    text += "); END;";
    CallNode node;
    ASSERT_EQ(parse_call_block(text, &node), 0);
    EXPECT_EQ(node.callText.rfind("CALL p ( :a0 , :a1 , ", 0), 0u);
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
    EXPECT_NE(parse_call_block("BEGIN " + junk, &node), 0);
}

class Placeholders : public ::testing::Test {
protected:
    OCIBind *bind(const char *name, ub4 type = 23, ub4 dir = 1) {
        auto b = std::make_unique<OCIBind>();
        b->name = name;
        b->pgType = type;
        b->direction = dir;
        owned_.push_back(std::move(b));
        return owned_.back().get();
    }
    std::vector<std::unique_ptr<OCIBind>> owned_;
};

TEST_F(Placeholders, Lengths) {
    EXPECT_EQ(placeholderLen(":abc_1 x", 0), 6u);
    EXPECT_EQ(placeholderLen(":12a", 0), 3u);
    EXPECT_EQ(placeholderLen(":_a", 0), 0u);
    EXPECT_EQ(placeholderLen(":", 0), 0u);
    EXPECT_EQ(placeholderLen("a:b", 1), 2u);
    EXPECT_EQ(placeholderLen(":=", 0), 0u);
}

TEST_F(Placeholders, ReplacedOutsideLiteralsOnly) {
    OCIBind *a = bind(":a", 1043, 1);
    OCIBind *n = bind(":2", 20, 3);
    RewrittenText out;
    ASSERT_TRUE(ReplacePlaceholders({a, n}, "select ':a', :a, :a, :b, :2 from t where x = :A", &out));
    // Names match in any case, as binding accepts them.
    EXPECT_EQ(out.pg_query, "select ':a', $1, $2, :b, $3 from t where x = $4");
    EXPECT_EQ(out.paramBinds, (std::vector<OCIBind *>{a, a, n, a}));
    EXPECT_EQ(out.paramTypes, (std::vector<ub4>{0, 0, 20, 0}));
    EXPECT_EQ(out.paramDirs, (std::vector<ub4>{1, 1, 3, 1}));
    // A longer name is a different placeholder.
    ASSERT_TRUE(ReplacePlaceholders({a}, "values (:ab, :a)", &out));
    EXPECT_EQ(out.pg_query, "values (:ab, $1)");
    ASSERT_TRUE(ReplacePlaceholders({a}, "", &out));
    EXPECT_EQ(out.pg_query, "");
    EXPECT_TRUE(out.paramBinds.empty());
}

TEST_F(Placeholders, ManyParametersAndTheLimit) {
    OCIBind *a = bind(":a");
    std::string text;
    for (int i = 0; i < 9999; ++i) text += ":a,";
    RewrittenText out;
    ASSERT_TRUE(ReplacePlaceholders({a}, text, &out));
    EXPECT_EQ(out.paramBinds.size(), 9999u);
    EXPECT_NE(out.pg_query.find("$9999,"), std::string::npos);
    EXPECT_FALSE(ReplacePlaceholders({a}, text + ":a", &out));
}

TEST_F(Placeholders, DescribeRewriteCollectsNames) {
    std::vector<std::string> names;
    ub4 count = 0;
    EXPECT_EQ(ReplacePlaceholdersEx("select :a, ':b', \"x:c\", $t$:d$t$, a::int, :=, :e1 from t where y = :",
                                    &names, &count),
              "select $1, ':b', \"x:c\", $t$:d$t$, a::int, :=, $2 from t where y = $3");
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "e1"}));
    names.clear();
    EXPECT_EQ(ReplacePlaceholdersEx("'it\\'s :x' :y", &names, &count), "'it\\'s :x' $1");
    EXPECT_EQ(names, (std::vector<std::string>{"y"}));
}

}  // namespace
