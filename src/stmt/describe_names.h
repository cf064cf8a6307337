// Object names as programs hand them to describe: "table" or "schema.table". A plain
// part is tried as written, then folded to lower case as the server folds unquoted
// identifiers (programs written for the vendor's server name EMP a table created as
// emp); a part in double quotes is taken as written, "" standing for one quote.
#pragma once

#include <string_view>

#include "pqx/catalog.h"

namespace vsk {

// False when text is not such a name (empty parts, more than two, stray quotes).
bool parse_object_name(std::string_view text, pqx::TableName *out);

}  // namespace vsk
