// Number-to-text message table.
#pragma once

#include <oci.h>

#include <cstddef>

namespace vsk {

struct MessageRow {
    ub4 number;
    const char *text;
};

// The untranslated table text of number, or null when the table has no such number.
const char *message_table_text(ub4 number) noexcept;
const MessageRow *message_rows(std::size_t *count) noexcept;

// Table text through the message catalog; "UNKNOWN ERROR CODE" for numbers not in the table.
const char *o2pGetErrorText(ub4 number) noexcept;

}  // namespace vsk
