// The server's raw type: created by the server setup, found by the fetch lookup through
// the catalogue when its OID is not one the library knows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "pg_test_env.h"
#include "types/conversion_dispatch.h"
#include "types/conversions.h"

namespace {

class RawType : public vsk::test::PgTest {};

TEST_F(RawType, UnknownOidNamedRawFetchesAsBytea) {
    vsk::test::PgResult r = exec("select oid from pg_type where typname = 'raw'");
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK);
    ASSERT_EQ(PQntuples(r.get()), 1) << "the server setup creates the raw type";
    const Oid raw = static_cast<Oid>(std::strtoul(PQgetvalue(r.get(), 0, 0), nullptr, 10));

    EXPECT_EQ(vsk::findPQToOCIConversion(raw, SQLT_BIN, conn()), vsk::ConvertBYTEAOIDToSQLT_BIN);
    EXPECT_EQ(vsk::findPQToOCIConversion(raw, SQLT_STR, conn()), vsk::ConvertBYTEAOIDToSQLT_STR);
    // Without a connection nobody can say what the OID is.
    EXPECT_EQ(vsk::findPQToOCIConversion(raw, SQLT_BIN, nullptr), nullptr);
    // Another unknown OID stays unknown.
    EXPECT_EQ(vsk::findPQToOCIConversion(raw + 100000, SQLT_BIN, conn()), nullptr);
    // The type is usable for values.
    EXPECT_TRUE(exec_ok("select '\\x0102'::raw"));
}

}  // namespace
