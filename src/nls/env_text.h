// Texts crossing the API in the environment's character set: UTF-16 environments
// convert them to and from the UTF-8 the library works in, others pass them as they are.
#pragma once

#include <oci.h>

#include <cstddef>
#include <string>

struct OCIEnv;

namespace vsk {

// On a failed conversion or copy records its message (16506 for memory) on errhp and
// returns false.
bool text_to_utf8(const OCIEnv *env, void *errhp, const void *src, std::size_t len, std::string *out) noexcept;
bool text_from_utf8(const OCIEnv *env, void *errhp, const char *src, std::size_t len, std::string *out) noexcept;

}  // namespace vsk
