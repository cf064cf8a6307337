#include "types/session_dates.h"

#include "datetime/format_model.h"
#include "datetime/server_text.h"
#include "env/error.h"
#include "pqx/connection.h"
#include "types/datetime_values.h"
#include "types/type_codes.h"

namespace vsk {

namespace {

constexpr ub4 kErrInvalidDate = 1839;

bool character_type(ub2 sqlt) {
    switch (sqlt) {
    case SQLT_CHR: case SQLT_STR: case SQLT_AFC: case SQLT_AVC: case SQLT_VCS: case SQLT_LVC: case SQLT_LNG:
    case SQLT_VST:
        return true;
    default:
        return false;
    }
}

}  // namespace

const char *session_date_format(const PGconn *conn) noexcept {
    const pqx::ConnState *state = pqx::state_of(conn);
    if (!state || state->vendorExtras || !state->nlsDateFormat) return nullptr;
    return state->nlsDateFormat->c_str();
}

bool renders_session_date(Oid oid, ub2 sqlt) noexcept {
    return (oid == PG_DATE || oid == PG_TIMESTAMP) && character_type(sqlt);
}

bool reads_session_date(Oid oid, ub2 sqlt) noexcept {
    return (oid == PG_DATE || oid == PG_TIMESTAMP || oid == PG_TIMESTAMPTZ) && character_type(sqlt);
}

bool render_session_date(OCIError *errhp, const char *format, const char *value, int length, int valueFormat,
                         std::string *out) noexcept {
    dt::DecodedDateTime d;
    if (read_server_datetime(value, length, valueFormat, &d) != 0) {
        AddErrorRecord(errhp, OCI_ERROR, kErrInvalidDate);
        return false;
    }
    try {
        if (d.kind != dt::DateTimeKind::Value) {
            out->assign(value, static_cast<std::size_t>(length));
            return true;
        }
    } catch (...) {
        return false;
    }
    return dt::datetime_to_char_body(errhp, d.tm, d.nanos, format, dt::FMT_TIMESTAMP, out);
}

bool read_session_date(OCIError *errhp, const char *format, const char *text, std::string *out) noexcept {
    dt::ReadDateTime r;
    if (dt::do_to_timestamp(errhp, text, format, &r, dt::FMT_ZONED) != 0) return false;
    char iso[80];
    const int west = -static_cast<int>(r.tm.tm_gmtoff);
    const int n = dt::EncodeDateTime(r.tm, r.nanos, r.hasZone ? &west : nullptr, iso, sizeof iso);
    if (n < 0) return false;
    try {
        out->assign(iso, static_cast<std::size_t>(n));
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace vsk
