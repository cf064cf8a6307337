// The type vocabularies, the conversion tables and their lookups.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "scoped_env.h"
#include "types/conversion_dispatch.h"
#include "types/type_codes.h"

extern "C" const char *const SQLTTypes[191];

namespace {

using namespace vsk;

template <class Entry, int N>
void expect_sorted_and_unique(const Entry (&table)[N]) {
    for (int i = 0; i < N; ++i) {
        EXPECT_NE(table[i].function, nullptr) << i;
        if (i > 0) {
            EXPECT_LT(CompareConversionFunctionEntry(table[i - 1], table[i].source, table[i].target), 0)
                << "entry " << i << " (" << table[i].source << ", " << table[i].target << ")";
        }
    }
}

TEST(ConversionTables, SortedWithoutDuplicatesAndOfTheirSize) {
    static_assert(sizeof kBindTable / sizeof kBindTable[0] == 38);
    static_assert(sizeof kFetchTable / sizeof kFetchTable[0] == 254);
    expect_sorted_and_unique(kBindTable);
    expect_sorted_and_unique(kFetchTable);
}

TEST(ConversionTables, EveryEntryIsFoundThroughItsLookup) {
    for (const BindEntry &e : kBindTable) {
        BindConversion f = nullptr;
        ASSERT_EQ(IsOCIToPQConversionPossible(static_cast<std::uint32_t>(e.source), static_cast<Oid>(e.target), &f), 0)
            << e.source << "->" << e.target;
        EXPECT_EQ(f, e.function);
    }
    for (const FetchEntry &e : kFetchTable)
        EXPECT_EQ(findPQToOCIConversion(static_cast<Oid>(e.source), static_cast<std::uint32_t>(e.target), nullptr),
                  e.function)
            << e.source << "->" << e.target;
}

TEST(ConversionTables, LookupsNormaliseAndRefuse) {
    // Unknown becomes text, the other raw OIDs become raw; only the low 16 bits of a code count.
    EXPECT_EQ(findPQToOCIConversion(PG_UNKNOWN, SQLT_STR, nullptr), ConvertTEXTOIDToSQLT_STR);
    EXPECT_EQ(findPQToOCIConversion(PG_RAW_ALT2, SQLT_BIN, nullptr), ConvertBYTEAOIDToSQLT_BIN);
    EXPECT_EQ(findPQToOCIConversion(PG_VARCHAR, 0x10000 + SQLT_CHR, nullptr), ConvertTEXTOIDToSQLT_CHR);
    // An OID outside the known set needs the server to say it is raw.
    EXPECT_EQ(findPQToOCIConversion(99999, SQLT_STR, nullptr), nullptr);
    EXPECT_EQ(findPQToOCIConversion(PG_TEXT, SQLT_CLOB, nullptr), ConvertTEXTOIDToSQLT_CLOB);
    EXPECT_EQ(findPQToOCIConversion(PG_BYTEA, SQLT_CLOB, nullptr), nullptr);
    EXPECT_EQ(IsOCIToPQConversionPossible(SQLT_UIN, PG_NUMERIC, nullptr), -1);
    EXPECT_EQ(IsOCIToPQConversionPossible(SQLT_CHR, 99999, nullptr), -1);
    EXPECT_EQ(IsOCIToPQConversionPossible(SQLT_CHR, PG_VARCHAR, nullptr), 0);
    // Bisection over a range excludes what lies outside it.
    EXPECT_EQ(GetConversionFunctionInternal(SQLT_CHR, PG_VARCHAR, kBindTable, 1, kBindTableSize - 1), nullptr);
}

TEST(TypeCodes, KnownSetsAndClasses) {
    int known = 0;
    for (std::uint32_t c = 0; c < 1024; ++c) known += IsValidOraDataType(c);
    EXPECT_EQ(known, 48);
    EXPECT_EQ(IsValidOraDataType(0x10000 + SQLT_CHR), 1);
    EXPECT_EQ(IsValidOCIDataType(0), -1);
    EXPECT_EQ(IsValidOCIDataType(SQLT_PNTY), 0);
    EXPECT_EQ(IsValidPQDataType(PG_RAW_ALT), 0);
    EXPECT_EQ(IsValidPQDataType(PG_RAW_ALT2), -1);
    EXPECT_EQ(IsBinaryDataType(SQLT_NUM), 0);
    EXPECT_EQ(IsBinaryDataType(SQLT_VNU), 1);
    EXPECT_EQ(IsBinaryDataType(SQLT_TIMESTAMP_LTZ), 1);
    EXPECT_EQ(IsBinaryDataType(SQLT_CLOB), 0);

    char *name = GetOCIDatatypeName(SQLT_PNTY);
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "");
    std::free(name);
    name = GetPQDatatypeName(PG_INTERVAL);
    EXPECT_STREQ(name, "TIMESTAMP");
    std::free(name);
    EXPECT_STREQ(oci_type_class(SQLT_IBDOUBLE), "BINARY");
    EXPECT_STREQ(pq_type_class(PG_CHAR), "NUMBER");
}

TEST(TypeCodes, DeclaredBindTypes) {
    EXPECT_EQ(OraDataType_To_PGType(SQLT_INT, 2), PG_INT2);
    EXPECT_EQ(OraDataType_To_PGType(SQLT_INT, 8), PG_INT8);
    EXPECT_EQ(OraDataType_To_PGType(SQLT_INT, 4), PG_INT4);
    EXPECT_EQ(OraDataType_To_PGType(SQLT_UIN, 1), PG_INT4);
    EXPECT_EQ(OraDataType_To_PGType(SQLT_INT, 16), PG_INT4);
    EXPECT_EQ(OraDataType_To_PGType(SQLT_CLOB, 0), PG_VARCHAR);
    EXPECT_EQ(OraDataType_To_PGType(SQLT_INTERVAL_YM, 0), PG_INTERVAL);
    EXPECT_EQ(OraDataType_To_PGType(SQLT_PNTY, 0), static_cast<Oid>(-1));
    EXPECT_EQ(OraDataType_To_PGType(SQLT_NTY, 0), 4294967295u);
    // Without a server description the declared type stands.
    EXPECT_EQ(GetParamType(nullptr, 1, SQLT_FLT, 8), PG_FLOAT8);
}

TEST(TypeCodes, ReceiveBufferSizes) {
    EXPECT_EQ(getOracleDataTypeSize(SQLT_VCS, 10, true), 42u);
    EXPECT_EQ(getOracleDataTypeSize(SQLT_VCS, 10, false), 12u);
    EXPECT_EQ(getOracleDataTypeSize(SQLT_STR, 10, true), 41u);
    EXPECT_EQ(getOracleDataTypeSize(SQLT_BIN, 10, true), 40u);
    EXPECT_EQ(getOracleDataTypeSize(SQLT_LNG, 10, false), 10u);
    EXPECT_EQ(getOracleDataTypeSize(SQLT_INT, 10, false), 0u);
}

struct Mapping {
    Oid oid;
    ub2 oracle, otl, rogueWave;
};

TEST(TypeCodes, DescribeMappingsBySwitch) {
    const Mapping rows[] = {
        {PG_INT4, SQLT_INT, SQLT_NUM, SQLT_CHR},        {PG_DATE, SQLT_ODT, SQLT_ODT, SQLT_TIMESTAMP},
        {PG_ABSTIME, SQLT_ODT, SQLT_ODT, SQLT_ODT},     {PG_TEXT, SQLT_STR, SQLT_CHR, SQLT_STR},
        {PG_INTERVAL, SQLT_INTERVAL_YM, SQLT_INTERVAL_YM, SQLT_TIMESTAMP},
        {PG_REFCURSOR, SQLT_CUR, SQLT_CUR, SQLT_CUR}, {PG_RAW, 0, 0, 0}, {PG_NAME, 0, 0, 0},
    };
    struct Switches {
        const char *otl, *rw, *rwdb;
        int column;
    } cases[] = {
        {nullptr, nullptr, nullptr, 0}, {"1", nullptr, nullptr, 1}, {nullptr, "", nullptr, 2},
        {"", "", nullptr, 1},           {nullptr, nullptr, "", 1},
    };
    for (const Switches &s : cases) {
        ScopedEnv otl("OTL", s.otl), rw("RogueWave", s.rw), rwdb("RogueWaveDblink", s.rwdb);
        OCIEnv *env = nullptr;
        ASSERT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        for (const Mapping &m : rows) {
            const ub2 expected[] = {m.oracle, m.otl, m.rogueWave};
            EXPECT_EQ(DescribeDataType(env, m.oid), expected[s.column]) << m.oid << " column " << s.column;
        }
        OCIHandleFree(env, OCI_HTYPE_ENV);
    }
}

TEST(TypeCodes, SqltNamesTable) {
    EXPECT_STREQ(SQLTTypes[0], "");
    EXPECT_STREQ(SQLTTypes[1], "SQLT_CHR");
    EXPECT_STREQ(SQLTTypes[13], "INVALID(13)");
    EXPECT_STREQ(SQLTTypes[21], "INVALID(21)");
    EXPECT_STREQ(SQLTTypes[155], "SQLT_VST /* OCIString type */");
    EXPECT_STREQ(SQLTTypes[156], "SQLT_ODT /* OCIDate type */");
    EXPECT_STREQ(SQLTTypes[190], "SQLT_INTERVAL_DS");
    for (int i = 0; i < 191; ++i) {
        std::string s = SQLTTypes[i];
        if (i == 0) continue;
        EXPECT_TRUE(s.rfind("SQLT_", 0) == 0 || s == "INVALID(" + std::to_string(i) + ")") << i << " " << s;
    }
}

}  // namespace
