#include "pqx/call_probe.h"

#include <charconv>
#include <cstdlib>

#include "env/trace.h"
#include "nls/ascii.h"
#include "pqx/command.h"

namespace vsk::pqx {

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char &c : out) c = ascii_tolower(c);
    return out;
}

// The routine and how its arguments fit a call with n arguments: the first row, in
// search-path order, whose argument count allows n.
constexpr char kProbe[] =
    "SELECT p.prokind, coalesce(array_to_string(p.proargmodes, ''), ''), p.pronargs, p.pronargdefaults "
    "FROM pg_catalog.pg_proc p JOIN pg_catalog.pg_namespace n ON n.oid = p.pronamespace "
    "WHERE p.proname = $1 AND p.prokind IN ('f', 'p') AND CASE WHEN $2 = '' "
    "THEN n.nspname = ANY (pg_catalog.current_schemas(true)) ELSE n.nspname = $2 END "
    "ORDER BY array_position(pg_catalog.current_schemas(true), n.nspname), p.oid";

// Arguments a call passes for a routine: a procedure takes every declared argument, a
// function only its inputs.
int passed_count(char kind, std::string_view modes, int nargs) {
    if (modes.empty()) return nargs;
    int n = 0;
    for (char m : modes)
        if (m == 'i' || m == 'b' || m == 'v' || (kind == 'p' && m == 'o')) ++n;
    return n;
}

}  // namespace

bool parse_call(std::string_view text, CallShape *shape) {
    std::string_view s = trim(text);
    if (s.size() < 5 || ascii_casecmp(std::string(s.substr(0, 4)).c_str(), "call") != 0 || !blank(s[4])) return false;
    s = trim(s.substr(5));
    while (!s.empty() && (s.back() == ';' || blank(s.back()))) s.remove_suffix(1);
    const std::size_t open = s.find('(');
    if (open == std::string_view::npos || s.back() != ')') return false;
    const std::string name = lower(trim(s.substr(0, open)));
    if (name.empty()) return false;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        shape->schema.clear();
        shape->name = name;
    } else {
        const std::size_t prev = name.rfind('.', dot - 1);
        shape->schema = name.substr(prev == std::string::npos || dot == 0 ? 0 : prev + 1,
                                    dot - (prev == std::string::npos || dot == 0 ? 0 : prev + 1));
        shape->name = name.substr(dot + 1);
    }
    shape->args.clear();
    std::string_view inner = s.substr(open + 1, s.size() - open - 2);
    if (trim(inner).empty()) return true;
    int depth = 0;
    char quote = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const char c = inner[i];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') quote = c;
        else if (c == '(') ++depth;
        else if (c == ')') --depth;
        else if (c == ',' && depth == 0) {
            shape->args.emplace_back(trim(inner.substr(start, i - start)));
            start = i + 1;
        }
    }
    shape->args.emplace_back(trim(inner.substr(start)));
    return true;
}

int parameter_number(std::string_view arg) noexcept {
    if (arg.size() < 2 || arg[0] != '$') return 0;
    int n = 0;
    auto [end, ec] = std::from_chars(arg.data() + 1, arg.data() + arg.size(), n);
    return ec == std::errc() && end == arg.data() + arg.size() && n > 0 ? n : 0;
}

CallRoute route_for(const CallShape &shape, char kind, std::string_view modes, std::string_view originalText) {
    CallRoute route;
    std::string qualified = shape.schema.empty() ? shape.name : shape.schema + "." + shape.name;
    if (kind == 'f') {
        route.functionForm = true;
        route.query = "SELECT " + qualified + "(";
        for (std::size_t i = 0; i < shape.args.size(); ++i) route.query += (i ? ", " : "") + shape.args[i];
        route.query += ")";
        return route;
    }
    route.query = std::string(originalText);
    for (std::size_t j = 0; j < shape.args.size(); ++j) {
        const char m = j < modes.size() ? modes[j] : 'i';
        if (m == 'o' || m == 'b') route.outColumns.push_back(parameter_number(shape.args[j]) - 1);
    }
    return route;
}

bool route_call(PGconn *conn, std::string_view text, CallRoute *route) noexcept {
    try {
        CallShape shape;
        if (!parse_call(text, &shape)) return false;
        const char *values[] = {shape.name.c_str(), shape.schema.c_str()};
        PGresult *r = exec_params(conn, nullptr, kProbe, 2, nullptr, values, nullptr, nullptr, 0);
        bool found = false;
        if (PQresultStatus(r) == PGRES_TUPLES_OK) {
            const int n = static_cast<int>(shape.args.size());
            for (int row = 0; row < PQntuples(r) && !found; ++row) {
                const char kind = PQgetvalue(r, row, 0)[0];
                const std::string_view modes = PQgetvalue(r, row, 1);
                const int passed = passed_count(kind, modes, std::atoi(PQgetvalue(r, row, 2)));
                const int defaults = std::atoi(PQgetvalue(r, row, 3));
                if (n > passed || n < passed - defaults) continue;
                *route = route_for(shape, kind, modes, text);
                found = true;
            }
        }
        PQclear(r);
        if (found) ocitrace(TRACE_CONNECT, "pqx", "call routed as: %s\n", route->query.c_str());
        return found;
    } catch (...) {
        return false;
    }
}

}  // namespace vsk::pqx
