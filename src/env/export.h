// Marks a definition as part of the library's public ABI. Everything else is
// hidden (-fvisibility=hidden) and the linker version script keeps it so.
#pragma once

#define VSK_EXPORT __attribute__((visibility("default")))
