// The session's date format (ALTER SESSION SET NLS_DATE_FORMAT, or the NLS_DATE_FORMAT
// variable, kept by the library on servers without the vendor's extras): date and
// timestamp values fetched into character targets are written in it, and character
// values bound for date and timestamp parameters are read with it.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include <cstddef>
#include <string>

namespace vsk {

// The format the library applies on conn, or null when the server applies its own (or
// none is set).
const char *session_date_format(const PGconn *conn) noexcept;

// Whether a value of the server type fetched into the external type is written in the
// session format.
bool renders_session_date(Oid oid, ub2 sqlt) noexcept;
// Whether a character value bound for a parameter of the server type is read with it.
bool reads_session_date(Oid oid, ub2 sqlt) noexcept;

// The server's date or timestamp text written in format: false with the error recorded.
// Values the format cannot show (the infinities) keep their text.
bool render_session_date(OCIError *errhp, const char *format, const char *value, int length, int valueFormat,
                         std::string *out) noexcept;

// Text read with format and written as the server's ISO timestamp text (with the zone
// when the text gave one): false with the error recorded.
bool read_session_date(OCIError *errhp, const char *format, const char *text, std::string *out) noexcept;

}  // namespace vsk
