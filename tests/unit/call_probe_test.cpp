// Taking a CALL apart and routing it by the routine the catalog names.
#include <gtest/gtest.h>

#include "pqx/call_probe.h"

namespace {

using vsk::pqx::CallRoute;
using vsk::pqx::CallShape;
using vsk::pqx::parameter_number;
using vsk::pqx::parse_call;
using vsk::pqx::route_for;

TEST(CallProbe, ShapeOfTheCallText) {
    CallShape s;
    ASSERT_TRUE(parse_call("CALL Pkg.Proc ( $1 , f(2, 'a,b') , $2 );", &s));
    EXPECT_EQ(s.schema, "pkg");
    EXPECT_EQ(s.name, "proc");
    ASSERT_EQ(s.args.size(), 3u);
    EXPECT_EQ(s.args[0], "$1");
    EXPECT_EQ(s.args[1], "f(2, 'a,b')");
    EXPECT_EQ(s.args[2], "$2");
    ASSERT_TRUE(parse_call("call db.pkg.p ( )", &s));
    EXPECT_EQ(s.schema, "pkg");
    EXPECT_EQ(s.name, "p");
    EXPECT_TRUE(s.args.empty());
    EXPECT_FALSE(parse_call("SELECT 1", &s));
    EXPECT_FALSE(parse_call("CALL", &s));
    EXPECT_FALSE(parse_call("CALL p", &s));
    EXPECT_FALSE(parse_call("CALL (1)", &s));
}

TEST(CallProbe, ParameterNumbers) {
    EXPECT_EQ(parameter_number("$1"), 1);
    EXPECT_EQ(parameter_number("$12"), 12);
    EXPECT_EQ(parameter_number("$0"), 0);
    EXPECT_EQ(parameter_number("$1x"), 0);
    EXPECT_EQ(parameter_number("1"), 0);
    EXPECT_EQ(parameter_number("$99999999999"), 0);
}

TEST(CallProbe, FunctionsRunAsSelect) {
    CallShape s;
    ASSERT_TRUE(parse_call("CALL s.f ( $1 , $2 );", &s));
    CallRoute r = route_for(s, 'f', "", "CALL s.f ( $1 , $2 );");
    EXPECT_TRUE(r.functionForm);
    EXPECT_EQ(r.query, "SELECT s.f($1, $2)");
    EXPECT_TRUE(r.outColumns.empty());
}

TEST(CallProbe, ProcedureOutRowMapsOntoParameters) {
    CallShape s;
    const char *text = "CALL p ( $2 , NULL , $1 , 5 );";
    ASSERT_TRUE(parse_call(text, &s));
    // in, out, inout, out: the row has three columns; the second and fourth are no parameters.
    CallRoute r = route_for(s, 'p', "iobo", text);
    EXPECT_FALSE(r.functionForm);
    EXPECT_EQ(r.query, text);
    EXPECT_EQ(r.outColumns, (std::vector<int>{-1, 0, -1}));
    // Without modes every argument is IN: no row comes back.
    EXPECT_TRUE(route_for(s, 'p', "", text).outColumns.empty());
}

}  // namespace
