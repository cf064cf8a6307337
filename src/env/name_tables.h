// Exported name tables: handle attributes, callback kinds, piece codes.
#pragma once

#include "env/export.h"

extern "C" {
VSK_EXPORT extern const char *const OCIAttrs[137];
VSK_EXPORT extern const char *const OCICallbackTypes[4];
VSK_EXPORT extern const char *const OCIPieceCodes[4];
}
