#include "soak_work.h"

#include <libpq-fe.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_support.h"

namespace vsk::soak {

namespace {

constexpr int kLobs = 8;
constexpr ub4 kFetchBatch = 500;
constexpr int kInsertRows = 100;
constexpr std::size_t kLobPiece = 32 * 1024;
constexpr int kPrintedFailures = 10;

constexpr char kPointSql[] = "select v, n from soak_points where id = :id";
constexpr char kFetchSql[] = "select id, v, n from soak_points order by id";
constexpr char kInsertSql[] = "insert into soak_rows (t, seq, i, v) values (:t, :seq, :i, :v)";
constexpr char kBatchSql[] = "select count(*), coalesce(sum(i), 0) from soak_rows where t = :t and seq = :seq";
constexpr char kDeleteSql[] = "delete from soak_rows where t = :t and seq = :seq";
constexpr char kLobSql[] = "select b from soak_lobs where id = :id";

const char *const kOpNames[kOps] = {"session", "point", "fetch", "insert", "commit", "rollback", "lob read"};

// The points table: id, "point <id>", id * 1.25 (exact in binary).
std::string point_text(int id) { return "point " + std::to_string(id); }
double point_number(int id) { return id * 1.25; }

// The LOB table: value id holds lob_size(id) bytes of lob_byte(id, i).
std::size_t lob_size(int id) { return 64 * 1024 + static_cast<std::size_t>(id) * 1000 + 7; }
unsigned char lob_byte(int id, std::size_t i) { return static_cast<unsigned char>(i * 131 + id * 7 + (i >> 10)); }

const OraText *ot(const char *s) { return reinterpret_cast<const OraText *>(s); }

// A statement from the session's cache, given back when done.
class Statement {
public:
    Statement(Worker &w, OCISvcCtx *svc, Op op, const char *sql) : err_(w.err()) {
        if (!w.ok(OCIStmtPrepare2(svc, &stmt_, err_, ot(sql), static_cast<ub4>(std::strlen(sql)), nullptr, 0,
                                  OCI_NTV_SYNTAX, OCI_DEFAULT),
                  op, "OCIStmtPrepare2"))
            stmt_ = nullptr;
    }
    ~Statement() {
        if (stmt_) OCIStmtRelease(stmt_, err_, nullptr, 0, OCI_DEFAULT);
    }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    OCIStmt *get() const { return stmt_; }
    explicit operator bool() const { return stmt_ != nullptr; }

private:
    OCIError *err_;
    OCIStmt *stmt_ = nullptr;
};

// A LOB locator, freed when done.
class Locator {
public:
    explicit Locator(OCIEnv *env) {
        void *p = nullptr;
        if (OCIDescriptorAlloc(env, &p, OCI_DTYPE_LOB, 0, nullptr) == OCI_SUCCESS) loc_ = static_cast<OCILobLocator *>(p);
    }
    ~Locator() {
        if (loc_) OCIDescriptorFree(loc_, OCI_DTYPE_LOB);
    }
    Locator(const Locator &) = delete;
    Locator &operator=(const Locator &) = delete;
    OCILobLocator **address() { return &loc_; }
    OCILobLocator *get() const { return loc_; }

private:
    OCILobLocator *loc_ = nullptr;
};

[[noreturn]] void die(const std::string &why) {
    std::fprintf(stderr, "soak: %s\n", why.c_str());
    std::exit(2);
}

}  // namespace

const char *op_name(Op op) { return kOpNames[static_cast<int>(op)]; }

void Tally::failed(Op op, const std::string &detail) {
    errors_[static_cast<int>(op)].fetch_add(1, std::memory_order_relaxed);
    if (printed_.fetch_add(1) >= kPrintedFailures) return;
    std::lock_guard<std::mutex> lock(print_);
    std::fprintf(stderr, "soak: %s failed: %s\n", op_name(op), detail.c_str());
}

long Tally::total_errors() const {
    long n = 0;
    for (const auto &e : errors_) n += e.load(std::memory_order_relaxed);
    return n;
}

void prepare_tables() {
    PGconn *c = vsk::bench::libpq_connect();
    vsk::bench::must(c,
                     "DROP TABLE IF EXISTS soak_points, soak_lobs, soak_rows;"
                     "CREATE TABLE soak_points (id int PRIMARY KEY, v text, n numeric);"
                     "INSERT INTO soak_points SELECT g, 'point ' || g, g * 1.25 FROM generate_series(1, 10000) g;"
                     "CREATE TABLE soak_lobs (id int PRIMARY KEY, b bytea);"
                     "CREATE TABLE soak_rows (t int, seq int, i int, v text, PRIMARY KEY (t, seq, i))");
    for (int id = 1; id <= kLobs; ++id) {
        std::vector<char> value(lob_size(id));
        for (std::size_t i = 0; i < value.size(); ++i) value[i] = static_cast<char>(lob_byte(id, i));
        const std::string key = std::to_string(id);
        const char *values[] = {key.c_str(), value.data()};
        const int lengths[] = {0, static_cast<int>(value.size())};
        const int formats[] = {0, 1};
        PGresult *r =
            PQexecParams(c, "INSERT INTO soak_lobs VALUES ($1, $2)", 2, nullptr, values, lengths, formats, 0);
        if (PQresultStatus(r) != PGRES_COMMAND_OK) die(std::string("soak_lobs: ") + PQerrorMessage(c));
        PQclear(r);
    }
    vsk::bench::must(c, "VACUUM ANALYZE soak_points");
    PQfinish(c);
}

Worker::Worker(OCIEnv *env, Tally &tally, int thread)
    : env_(env), tally_(tally), thread_(thread), rng_(0x9E3779B97F4A7C15ull * (thread + 1)) {
    if (OCIHandleAlloc(env, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr) != OCI_SUCCESS)
        die("cannot allocate an error handle");
}

Worker::~Worker() { OCIHandleFree(err_, OCI_HTYPE_ERROR); }

std::uint32_t Worker::random() {
    rng_ ^= rng_ >> 12;
    rng_ ^= rng_ << 25;
    rng_ ^= rng_ >> 27;
    return static_cast<std::uint32_t>((rng_ * 0x2545F4914F6CDD1Dull) >> 32);
}

bool Worker::ok(sword rc, Op op, const char *call) {
    if (rc == OCI_SUCCESS) return true;
    ++failures_;
    sb4 code = 0;
    char text[512] = {};
    OCIErrorGet(err_, 1, nullptr, &code, reinterpret_cast<OraText *>(text), sizeof text, OCI_HTYPE_ERROR);
    tally_.failed(op, "thread " + std::to_string(thread_) + ": " + call + " returned " + std::to_string(rc) + ": " +
                          text);
    return false;
}

bool Worker::expect(bool holds, Op op, const std::string &what) {
    if (holds) return true;
    ++failures_;
    tally_.failed(op, "thread " + std::to_string(thread_) + ": " + what);
    return false;
}

void Worker::step(OCISvcCtx *svc) {
    const long before = failures_;
    const std::uint32_t pick = random() % 100;
    if (pick < 55)
        point(svc);
    else if (pick < 60)
        fetch(svc);
    else if (pick < 85)
        insert(svc);
    else
        lob_read(svc);
    // A unit that failed half way may have left its transaction open.
    if (failures_ != before) OCITransRollback(svc, err_, OCI_DEFAULT);
}

void Worker::point(OCISvcCtx *svc) {
    int id = 1 + static_cast<int>(random() % kPoints);
    Statement q(*this, svc, Op::Point, kPointSql);
    if (!q) return;
    OCIBind *bind = nullptr;
    OCIDefine *dv = nullptr, *dn = nullptr;
    char v[32] = {};
    double n = -1;
    sb2 ind[2] = {-2, -2};
    if (!ok(OCIBindByPos(q.get(), &bind, err_, 1, &id, sizeof id, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                         OCI_DEFAULT),
            Op::Point, "OCIBindByPos") ||
        !ok(OCIDefineByPos(q.get(), &dv, err_, 1, v, sizeof v, SQLT_STR, &ind[0], nullptr, nullptr, OCI_DEFAULT),
            Op::Point, "OCIDefineByPos") ||
        !ok(OCIDefineByPos(q.get(), &dn, err_, 2, &n, sizeof n, SQLT_FLT, &ind[1], nullptr, nullptr, OCI_DEFAULT),
            Op::Point, "OCIDefineByPos") ||
        !ok(OCIStmtExecute(svc, q.get(), err_, 1, 0, nullptr, nullptr, OCI_DEFAULT), Op::Point, "OCIStmtExecute"))
        return;
    if (expect(ind[0] == 0 && ind[1] == 0 && point_text(id) == v && n == point_number(id), Op::Point,
               "id " + std::to_string(id) + " read \"" + v + "\", " + std::to_string(n)))
        tally_.done(Op::Point);
}

void Worker::fetch(OCISvcCtx *svc) {
    Statement q(*this, svc, Op::Fetch, kFetchSql);
    if (!q) return;
    constexpr ub4 kWidth = 16;
    std::vector<int> ids(kFetchBatch);
    std::vector<char> vs(kFetchBatch * kWidth);
    std::vector<double> ns(kFetchBatch);
    std::vector<sb2> ind(3 * kFetchBatch);
    OCIDefine *d[3] = {};
    if (!ok(OCIDefineByPos(q.get(), &d[0], err_, 1, ids.data(), sizeof(int), SQLT_INT, &ind[0], nullptr, nullptr,
                           OCI_DEFAULT),
            Op::Fetch, "OCIDefineByPos") ||
        !ok(OCIDefineByPos(q.get(), &d[1], err_, 2, vs.data(), kWidth, SQLT_STR, &ind[kFetchBatch], nullptr, nullptr,
                           OCI_DEFAULT),
            Op::Fetch, "OCIDefineByPos") ||
        !ok(OCIDefineByPos(q.get(), &d[2], err_, 3, ns.data(), sizeof(double), SQLT_FLT, &ind[2 * kFetchBatch],
                           nullptr, nullptr, OCI_DEFAULT),
            Op::Fetch, "OCIDefineByPos") ||
        !ok(OCIStmtExecute(svc, q.get(), err_, 0, 0, nullptr, nullptr, OCI_DEFAULT), Op::Fetch, "OCIStmtExecute"))
        return;
    int next = 1;
    for (;;) {
        const sword rc = OCIStmtFetch2(q.get(), err_, kFetchBatch, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
        if (rc != OCI_NO_DATA && !ok(rc, Op::Fetch, "OCIStmtFetch2")) return;
        ub4 rows = 0;
        if (!ok(OCIAttrGet(q.get(), OCI_HTYPE_STMT, &rows, nullptr, OCI_ATTR_ROWS_FETCHED, err_), Op::Fetch,
                "OCIAttrGet(OCI_ATTR_ROWS_FETCHED)"))
            return;
        if (!expect(rows <= kFetchBatch, Op::Fetch, std::to_string(rows) + " rows in a batch")) return;
        for (ub4 r = 0; r < rows; ++r, ++next) {
            const char *v = &vs[r * kWidth];
            if (!expect(ind[r] == 0 && ind[kFetchBatch + r] == 0 && ind[2 * kFetchBatch + r] == 0 && ids[r] == next &&
                            point_text(next) == v && ns[r] == point_number(next),
                        Op::Fetch,
                        "row " + std::to_string(next) + " read " + std::to_string(ids[r]) + ", \"" + v + "\", " +
                            std::to_string(ns[r])))
                return;
        }
        if (rc == OCI_NO_DATA) break;
    }
    if (expect(next == kPoints + 1, Op::Fetch, "fetched " + std::to_string(next - 1) + " rows")) tally_.done(Op::Fetch);
}

long Worker::batch_rows(OCISvcCtx *svc, Op op, std::int64_t seq) {
    Statement q(*this, svc, op, kBatchSql);
    if (!q) return -1;
    int t = thread_, s = static_cast<int>(seq);
    double count = -1, sum = -1;
    OCIBind *b[2] = {};
    OCIDefine *d[2] = {};
    if (!ok(OCIBindByPos(q.get(), &b[0], err_, 1, &t, sizeof t, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                         OCI_DEFAULT),
            op, "OCIBindByPos") ||
        !ok(OCIBindByPos(q.get(), &b[1], err_, 2, &s, sizeof s, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                         OCI_DEFAULT),
            op, "OCIBindByPos") ||
        !ok(OCIDefineByPos(q.get(), &d[0], err_, 1, &count, sizeof count, SQLT_FLT, nullptr, nullptr, nullptr,
                           OCI_DEFAULT),
            op, "OCIDefineByPos") ||
        !ok(OCIDefineByPos(q.get(), &d[1], err_, 2, &sum, sizeof sum, SQLT_FLT, nullptr, nullptr, nullptr,
                           OCI_DEFAULT),
            op, "OCIDefineByPos") ||
        !ok(OCIStmtExecute(svc, q.get(), err_, 1, 0, nullptr, nullptr, OCI_DEFAULT), op, "OCIStmtExecute"))
        return -1;
    // Rows 0..n-1 of a batch sum to n(n-1)/2.
    const bool whole = (count == 0 && sum == 0) || (count == kInsertRows && sum == kInsertRows * (kInsertRows - 1) / 2);
    if (!expect(whole, op, "batch " + std::to_string(seq) + " holds " + std::to_string(count) + " rows summing to " +
                               std::to_string(sum)))
        return -1;
    return static_cast<long>(count);
}

void Worker::insert(OCISvcCtx *svc) {
    const std::int64_t seq = ++batch_;
    {
        Statement q(*this, svc, Op::Insert, kInsertSql);
        if (!q) return;
        constexpr ub4 kWidth = 32;
        std::vector<int> t(kInsertRows, thread_), s(kInsertRows, static_cast<int>(seq)), i(kInsertRows);
        std::vector<char> v(kInsertRows * kWidth);
        for (int r = 0; r < kInsertRows; ++r) {
            i[r] = r;
            std::snprintf(&v[r * kWidth], kWidth, "row %d-%lld-%d", thread_, static_cast<long long>(seq), r);
        }
        OCIBind *b[4] = {};
        if (!ok(OCIBindByPos(q.get(), &b[0], err_, 1, t.data(), sizeof(int), SQLT_INT, nullptr, nullptr, nullptr, 0,
                             nullptr, OCI_DEFAULT),
                Op::Insert, "OCIBindByPos") ||
            !ok(OCIBindByPos(q.get(), &b[1], err_, 2, s.data(), sizeof(int), SQLT_INT, nullptr, nullptr, nullptr, 0,
                             nullptr, OCI_DEFAULT),
                Op::Insert, "OCIBindByPos") ||
            !ok(OCIBindByPos(q.get(), &b[2], err_, 3, i.data(), sizeof(int), SQLT_INT, nullptr, nullptr, nullptr, 0,
                             nullptr, OCI_DEFAULT),
                Op::Insert, "OCIBindByPos") ||
            !ok(OCIBindByPos(q.get(), &b[3], err_, 4, v.data(), kWidth, SQLT_STR, nullptr, nullptr, nullptr, 0,
                             nullptr, OCI_DEFAULT),
                Op::Insert, "OCIBindByPos") ||
            !ok(OCIStmtExecute(svc, q.get(), err_, kInsertRows, 0, nullptr, nullptr, OCI_DEFAULT), Op::Insert,
                "OCIStmtExecute"))
            return;
        ub4 count = 0;
        if (!ok(OCIAttrGet(q.get(), OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_ROW_COUNT, err_), Op::Insert,
                "OCIAttrGet(OCI_ATTR_ROW_COUNT)") ||
            !expect(count == kInsertRows, Op::Insert, "array insert reports " + std::to_string(count) + " rows"))
            return;
        tally_.done(Op::Insert);
    }
    if (random() % 2) {
        if (!ok(OCITransRollback(svc, err_, OCI_DEFAULT), Op::Rollback, "OCITransRollback")) return;
        if (batch_rows(svc, Op::Rollback, seq) == 0) tally_.done(Op::Rollback);
        return;
    }
    if (!ok(OCITransCommit(svc, err_, OCI_DEFAULT), Op::Commit, "OCITransCommit")) return;
    if (!expect(batch_rows(svc, Op::Commit, seq) == kInsertRows, Op::Commit,
                "batch " + std::to_string(seq) + " lost after commit"))
        return;
    tally_.done(Op::Commit);
    // Committed batches are removed again (and that committed), so the table stays small.
    Statement del(*this, svc, Op::Commit, kDeleteSql);
    if (!del) return;
    int t = thread_, s = static_cast<int>(seq);
    OCIBind *b[2] = {};
    ub4 removed = 0;
    if (ok(OCIBindByPos(del.get(), &b[0], err_, 1, &t, sizeof t, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                        OCI_DEFAULT),
           Op::Commit, "OCIBindByPos") &&
        ok(OCIBindByPos(del.get(), &b[1], err_, 2, &s, sizeof s, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                        OCI_DEFAULT),
           Op::Commit, "OCIBindByPos") &&
        ok(OCIStmtExecute(svc, del.get(), err_, 1, 0, nullptr, nullptr, OCI_COMMIT_ON_SUCCESS), Op::Commit,
           "OCIStmtExecute(delete)") &&
        ok(OCIAttrGet(del.get(), OCI_HTYPE_STMT, &removed, nullptr, OCI_ATTR_ROW_COUNT, err_), Op::Commit,
           "OCIAttrGet(OCI_ATTR_ROW_COUNT)") &&
        expect(removed == kInsertRows, Op::Commit, "delete removed " + std::to_string(removed) + " rows"))
        tally_.done(Op::Commit);
}

void Worker::lob_read(OCISvcCtx *svc) {
    int id = 1 + static_cast<int>(random() % kLobs);
    Statement q(*this, svc, Op::LobRead, kLobSql);
    if (!q) return;
    Locator loc(env_);
    if (!expect(loc.get() != nullptr, Op::LobRead, "OCIDescriptorAlloc failed")) return;
    OCIBind *bind = nullptr;
    OCIDefine *def = nullptr;
    if (!ok(OCIBindByPos(q.get(), &bind, err_, 1, &id, sizeof id, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                         OCI_DEFAULT),
            Op::LobRead, "OCIBindByPos") ||
        !ok(OCIDefineByPos(q.get(), &def, err_, 1, loc.address(), sizeof(OCILobLocator *), SQLT_BLOB, nullptr, nullptr,
                           nullptr, OCI_DEFAULT),
            Op::LobRead, "OCIDefineByPos") ||
        !ok(OCIStmtExecute(svc, q.get(), err_, 1, 0, nullptr, nullptr, OCI_DEFAULT), Op::LobRead, "OCIStmtExecute"))
        return;
    oraub8 length = 0;
    if (!ok(OCILobGetLength2(svc, err_, loc.get(), &length), Op::LobRead, "OCILobGetLength2") ||
        !expect(length == lob_size(id), Op::LobRead,
                "LOB " + std::to_string(id) + " has length " + std::to_string(length)))
        return;
    std::vector<unsigned char> piece(kLobPiece);
    std::size_t total = 0;
    for (;;) {
        oraub8 bytes = kLobPiece;
        if (!ok(OCILobRead2(svc, err_, loc.get(), &bytes, nullptr, total + 1, piece.data(), piece.size(),
                            OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
                Op::LobRead, "OCILobRead2"))
            return;
        if (bytes == 0) break;
        if (!expect(total + bytes <= lob_size(id), Op::LobRead, "LOB read past its length")) return;
        for (std::size_t i = 0; i < bytes; ++i)
            if (piece[i] != lob_byte(id, total + i))
                return void(expect(false, Op::LobRead,
                                   "LOB " + std::to_string(id) + " byte " + std::to_string(total + i) + " differs"));
        total += bytes;
    }
    if (expect(total == lob_size(id), Op::LobRead, "LOB " + std::to_string(id) + " read " + std::to_string(total)))
        tally_.done(Op::LobRead);
}

}  // namespace vsk::soak
