#include "pqx/result_rows.h"

#include <string>
#include <vector>

namespace vsk::pqx {

PGresult *copy_rows(const PGresult *a, int from, int count, const PGresult *b) noexcept {
    if (!a || from < 0 || count < 0 || from + count > PQntuples(a)) return nullptr;
    PGresult *out = PQcopyResult(a, PG_COPYRES_ATTRS);
    if (!out) return nullptr;
    int row = 0;
    auto add = [&](const PGresult *src, int first, int n) {
        if (PQnfields(src) != PQnfields(out)) return false;
        for (int i = first; i < first + n; ++i, ++row)
            for (int c = 0; c < PQnfields(src); ++c) {
                const bool null = PQgetisnull(src, i, c) != 0;
                if (!PQsetvalue(out, row, c, null ? nullptr : PQgetvalue(src, i, c), null ? -1 : PQgetlength(src, i, c)))
                    return false;
            }
        return true;
    };
    if (!add(a, from, count) || (b && !add(b, 0, PQntuples(b)))) {
        PQclear(out);
        return nullptr;
    }
    return out;
}

PGresult *describe_rows(PGconn *conn, const PGresult *a) noexcept {
    if (!a) return nullptr;
    try {
        const int n = PQnfields(a);
        std::vector<std::string> names(static_cast<std::size_t>(n));
        std::vector<PGresAttDesc> attrs(static_cast<std::size_t>(n));
        for (int c = 0; c < n; ++c) {
            names[c] = PQfname(a, c);
            PGresAttDesc &d = attrs[c];
            d.name = names[c].data();
            d.tableid = PQftable(a, c);
            d.columnid = PQftablecol(a, c);
            d.format = PQfformat(a, c);
            d.typid = PQftype(a, c);
            d.typlen = PQfsize(a, c);
            d.atttypmod = PQfmod(a, c);
        }
        PGresult *out = PQmakeEmptyPGresult(conn, PGRES_COMMAND_OK);
        if (out && n && !PQsetResultAttrs(out, n, attrs.data())) {
            PQclear(out);
            return nullptr;
        }
        return out;
    } catch (...) {
        return nullptr;
    }
}

}  // namespace vsk::pqx
