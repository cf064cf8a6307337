// OCINumber work through the library against a peer doing the same work on the same values:
//  (a) add, multiply, divide and compare of 256 operand pairs (10 to 30 significant digits,
//      both signs, magnitudes 1e-15 to 1e20) against GCC's _Decimal128;
//  (b) OCINumberToText ("TM9") and OCINumberFromText of those values against MPFR's
//      mpfr_get_str (40 digits) and mpfr_set_str at 133 bits;
//  (c) square root, exponential, natural logarithm and sine against MPFR at 133 bits
//      (about 40 digits, the library's working precision), on operands valid for each;
//  (d) 1,000,000 numeric(12,2) values fetched into OCINumbers (SQLT_VNU) in batches of 1,000
//      against plain libpq with a cursor fetched 1,000 rows at a time.
// Only (d) needs the server; the others run without VSK_BENCH_CONNINFO when filtered to.
#include <cstdio>
#include <cstring>

#include "bench_support.h"
#include "number_operands.h"

namespace {

using vsk::bench::Decimal128;
using vsk::bench::OciSession;
using vsk::bench::Operands;

constexpr std::size_t kOperands = 256;
constexpr int kRows = 1000000;
constexpr int kBatch = 1000;

// The operand sets, made once on first use (outside any timing). The environment is the
// first member so that it outlives the numbers made with it.
struct Sets {
    vsk::bench::OciEnvironment oci;
    // Sides of the binary operations; also the texts and numbers of (b).
    Operands left{oci.err, kOperands, {-15, 20, true}, 1};
    Operands right{oci.err, kOperands, {-15, 20, true}, 2};
    // For square root and logarithm.
    Operands positive{oci.err, kOperands, {-15, 20, false}, 3};
    // Below 100 in magnitude, for exponential (whose result must stay within an
    // OCINumber) and sine.
    Operands moderate{oci.err, kOperands, {-2, 2, true}, 4};
};

const Sets &sets() {
    static const Sets s;
    return s;
}

void count_items(benchmark::State &state) { state.SetItemsProcessed(state.iterations() * kOperands); }

void check_calls(benchmark::State &state, sword rc) {
    if (rc != OCI_SUCCESS) state.SkipWithError("a library call failed");
    count_items(state);
}

// (a) R is what the library call writes: an OCINumber, or a sword for the comparison.
template <class R, class Call>
void library_binary(benchmark::State &state, Call call) {
    const Sets &s = sets();
    sword rc = OCI_SUCCESS;
    for (auto _ : state)
        for (std::size_t i = 0; i < kOperands; ++i) {
            R r;
            rc |= call(s.oci.err, &s.left.number[i], &s.right.number[i], &r);
            benchmark::DoNotOptimize(r);
        }
    check_calls(state, rc);
}

template <class Op>
void decimal_binary(benchmark::State &state, Op op) {
    const Sets &s = sets();
    for (auto _ : state)
        for (std::size_t i = 0; i < kOperands; ++i) {
            auto r = op(s.left.decimal[i], s.right.decimal[i]);
            benchmark::DoNotOptimize(r);
        }
    count_items(state);
}

void BM_Add_Library(benchmark::State &state) { library_binary<OCINumber>(state, OCINumberAdd); }
void BM_Add_Decimal128(benchmark::State &state) {
    decimal_binary(state, [](Decimal128 a, Decimal128 b) { return a + b; });
}
void BM_Mul_Library(benchmark::State &state) { library_binary<OCINumber>(state, OCINumberMul); }
void BM_Mul_Decimal128(benchmark::State &state) {
    decimal_binary(state, [](Decimal128 a, Decimal128 b) { return a * b; });
}
void BM_Div_Library(benchmark::State &state) { library_binary<OCINumber>(state, OCINumberDiv); }
void BM_Div_Decimal128(benchmark::State &state) {
    decimal_binary(state, [](Decimal128 a, Decimal128 b) { return a / b; });
}
void BM_Cmp_Library(benchmark::State &state) { library_binary<sword>(state, OCINumberCmp); }
// Three-way, as OCINumberCmp answers.
void BM_Cmp_Decimal128(benchmark::State &state) {
    decimal_binary(state, [](Decimal128 a, Decimal128 b) { return (a > b) - (a < b); });
}

// (b) "TM9" writes 40 decimals: up to 20 integer digits, point, 40 decimals, sign, NUL.
constexpr ub4 kTextSize = 128;

void BM_ToText_Library(benchmark::State &state) {
    const Sets &s = sets();
    static const oratext fmt[] = "TM9";
    sword rc = OCI_SUCCESS;
    oratext buf[kTextSize];
    for (auto _ : state)
        for (std::size_t i = 0; i < kOperands; ++i) {
            ub4 size = sizeof buf;
            rc |= OCINumberToText(s.oci.err, &s.left.number[i], fmt, 3, nullptr, 0, &size, buf);
            benchmark::DoNotOptimize(buf);
        }
    check_calls(state, rc);
}

// 40 significant digits and a separate exponent: the conversion without the layout.
void BM_ToText_Mpfr(benchmark::State &state) {
    const Sets &s = sets();
    char buf[kTextSize];
    mpfr_exp_t e;
    for (auto _ : state)
        for (std::size_t i = 0; i < kOperands; ++i) {
            mpfr_get_str(buf, &e, 10, 40, s.left.mpfr(i), MPFR_RNDN);
            benchmark::DoNotOptimize(buf);
        }
    count_items(state);
}

void BM_FromText_Library(benchmark::State &state) {
    const Sets &s = sets();
    sword rc = OCI_SUCCESS;
    OCINumber r;
    for (auto _ : state)
        for (std::size_t i = 0; i < kOperands; ++i) {
            const std::string &t = s.left.text[i], &f = s.left.format[i];
            rc |= OCINumberFromText(s.oci.err, reinterpret_cast<const oratext *>(t.c_str()), static_cast<ub4>(t.size()),
                                    reinterpret_cast<const oratext *>(f.c_str()), static_cast<ub4>(f.size()), nullptr,
                                    0, &r);
            benchmark::DoNotOptimize(r);
        }
    check_calls(state, rc);
}

void BM_FromText_Mpfr(benchmark::State &state) {
    const Sets &s = sets();
    mpfr_t r;
    mpfr_init2(r, vsk::bench::kMpfrBits);
    for (auto _ : state)
        for (std::size_t i = 0; i < kOperands; ++i) {
            mpfr_set_str(r, s.left.text[i].c_str(), 10, MPFR_RNDN);
            benchmark::DoNotOptimize(r);
        }
    mpfr_clear(r);
    count_items(state);
}

// (c) The MPFR result is made once, as a caller of MPFR keeps it.
using LibraryUnary = sword (*)(OCIError *, const OCINumber *, OCINumber *);
using MpfrUnary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

void library_unary(benchmark::State &state, const Operands &x, LibraryUnary call) {
    OCIError *err = sets().oci.err;
    sword rc = OCI_SUCCESS;
    for (auto _ : state)
        for (std::size_t i = 0; i < kOperands; ++i) {
            OCINumber r;
            rc |= call(err, &x.number[i], &r);
            benchmark::DoNotOptimize(r);
        }
    check_calls(state, rc);
}

void mpfr_unary(benchmark::State &state, const Operands &x, MpfrUnary call) {
    mpfr_t r;
    mpfr_init2(r, vsk::bench::kMpfrBits);
    for (auto _ : state)
        for (std::size_t i = 0; i < kOperands; ++i) {
            call(r, x.mpfr(i), MPFR_RNDN);
            benchmark::DoNotOptimize(r);
        }
    mpfr_clear(r);
    count_items(state);
}

void BM_Sqrt_Library(benchmark::State &state) { library_unary(state, sets().positive, OCINumberSqrt); }
void BM_Sqrt_Mpfr(benchmark::State &state) { mpfr_unary(state, sets().positive, mpfr_sqrt); }
void BM_Exp_Library(benchmark::State &state) { library_unary(state, sets().moderate, OCINumberExp); }
void BM_Exp_Mpfr(benchmark::State &state) { mpfr_unary(state, sets().moderate, mpfr_exp); }
void BM_Ln_Library(benchmark::State &state) { library_unary(state, sets().positive, OCINumberLn); }
void BM_Ln_Mpfr(benchmark::State &state) { mpfr_unary(state, sets().positive, mpfr_log); }
void BM_Sin_Library(benchmark::State &state) { library_unary(state, sets().moderate, OCINumberSin); }
void BM_Sin_Mpfr(benchmark::State &state) { mpfr_unary(state, sets().moderate, mpfr_sin); }

// (d) Magnitudes spread over 0.01 to 1e10 (a hash of the row number divided by a power of
// ten), so the values have 1 to 12 digits.
constexpr const char *kFetchQuery = "select v from bench_numeric";

void prepare_table() {
    static const bool done = [] {
        PGconn *c = vsk::bench::libpq_connect();
        if (vsk::bench::count_rows(c, "bench_numeric") != kRows) {
            vsk::bench::must(c, "SET client_min_messages = warning; DROP TABLE IF EXISTS bench_numeric;"
                                "CREATE TABLE bench_numeric (v numeric(12,2))");
            vsk::bench::must(c, "INSERT INTO bench_numeric SELECT round(((g::bigint * 2654435761) % 1999999999999 "
                                "- 999999999999)::numeric / 100 / power(10::numeric, g % 9), 2) "
                                "FROM generate_series(1, 1000000) g");
            vsk::bench::must(c, "VACUUM ANALYZE bench_numeric");
        }
        PQfinish(c);
        return true;
    }();
    (void)done;
}

void BM_FetchNumeric_Library(benchmark::State &state) {
    prepare_table();
    OciSession s;
    OCIStmt *q = s.statement(kFetchQuery);
    static OCINumber values[kBatch];
    static sb2 ind[kBatch];
    static ub2 len[kBatch];
    OCIDefine *d = nullptr;
    s.check(OCIDefineByPos(q, &d, s.err, 1, values, sizeof(OCINumber), SQLT_VNU, ind, len, nullptr, OCI_DEFAULT),
            "define");
    for (auto _ : state)
        if (s.fetch_all(q, kBatch) != kRows) state.SkipWithError("wrong row count");
    OCIHandleFree(q, OCI_HTYPE_STMT);
}

// The library fetches numeric columns as text and turns each into an OCINumber, so the peer
// fetches text too and turns each value into the number an application would keep: a
// numeric(12,2) text always has two decimals, so its digits are the value in hundredths.
long long hundredths(const char *text) {
    const bool negative = *text == '-';
    long long v = 0;
    for (const char *p = text + negative; *p; ++p)
        if (*p != '.') v = v * 10 + (*p - '0');
    return negative ? -v : v;
}

void BM_FetchNumeric_LibpqCursor(benchmark::State &state) {
    prepare_table();
    PGconn *c = vsk::bench::libpq_connect();
    static long long values[kBatch];
    for (auto _ : state) {
        const long rows = vsk::bench::libpq_cursor_fetch(c, kFetchQuery, kBatch, [](const PGresult *r, int n) {
            for (int i = 0; i < n; ++i) values[i] = hundredths(PQgetvalue(r, i, 0));
        });
        benchmark::DoNotOptimize(values);
        if (rows != kRows) state.SkipWithError("wrong row count");
    }
    PQfinish(c);
}

}  // namespace

#define VSK_NUMBER_BENCH(name) BENCHMARK(name)->Unit(benchmark::kMicrosecond)
VSK_NUMBER_BENCH(BM_Add_Library);
VSK_NUMBER_BENCH(BM_Add_Decimal128);
VSK_NUMBER_BENCH(BM_Mul_Library);
VSK_NUMBER_BENCH(BM_Mul_Decimal128);
VSK_NUMBER_BENCH(BM_Div_Library);
VSK_NUMBER_BENCH(BM_Div_Decimal128);
VSK_NUMBER_BENCH(BM_Cmp_Library);
VSK_NUMBER_BENCH(BM_Cmp_Decimal128);
VSK_NUMBER_BENCH(BM_ToText_Library);
VSK_NUMBER_BENCH(BM_ToText_Mpfr);
VSK_NUMBER_BENCH(BM_FromText_Library);
VSK_NUMBER_BENCH(BM_FromText_Mpfr);
VSK_NUMBER_BENCH(BM_Sqrt_Library);
VSK_NUMBER_BENCH(BM_Sqrt_Mpfr);
VSK_NUMBER_BENCH(BM_Exp_Library);
VSK_NUMBER_BENCH(BM_Exp_Mpfr);
VSK_NUMBER_BENCH(BM_Ln_Library);
VSK_NUMBER_BENCH(BM_Ln_Mpfr);
VSK_NUMBER_BENCH(BM_Sin_Library);
VSK_NUMBER_BENCH(BM_Sin_Mpfr);
BENCHMARK(BM_FetchNumeric_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_FetchNumeric_LibpqCursor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    vsk::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios({{"BM_Add_Library", "BM_Add_Decimal128"},
                          {"BM_Mul_Library", "BM_Mul_Decimal128"},
                          {"BM_Div_Library", "BM_Div_Decimal128"},
                          {"BM_Cmp_Library", "BM_Cmp_Decimal128"},
                          {"BM_ToText_Library", "BM_ToText_Mpfr"},
                          {"BM_FromText_Library", "BM_FromText_Mpfr"},
                          {"BM_Sqrt_Library", "BM_Sqrt_Mpfr"},
                          {"BM_Exp_Library", "BM_Exp_Mpfr"},
                          {"BM_Ln_Library", "BM_Ln_Mpfr"},
                          {"BM_Sin_Library", "BM_Sin_Mpfr"},
                          {"BM_FetchNumeric_Library", "BM_FetchNumeric_LibpqCursor"}},
                         "library vs peer");
    benchmark::Shutdown();
    return 0;
}
