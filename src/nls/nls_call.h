// What the NLS entry points share: the environment check, argument errors on the
// environment's own error handle, and texts crossing the API in the environment's form.
#pragma once

#include <oci.h>

#include <cstddef>
#include <string>

#include "env/env.h"

namespace vsk {

// The environment behind envhp, with its own error handle cleared; null for a null or
// wrong handle.
OCIEnv *nls_env(void *envhp) noexcept;

// Records 21560 for the argument at position on errhp; OCI_ERROR.
sword nls_argument_error(void *errhp, int position) noexcept;

// A text argument as UTF-8: UTF-16 environments pass texts ended by a zero unit.
bool nls_text_in(const OCIEnv *env, void *errhp, const OraText *text, std::string *out) noexcept;

// Writes utf8 into buf in the environment's form with its terminator. A text that does
// not fit records 21560 for the buffer-length argument (buflen_position) and writes
// nothing; *written (when given) receives the bytes of the text without its terminator.
sword nls_text_out(const OCIEnv *env, void *errhp, const std::string &utf8, OraText *buf, std::size_t buflen,
                   int buflen_position, std::size_t *written = nullptr) noexcept;

}  // namespace vsk
