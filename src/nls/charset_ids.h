// The two numberings of character sets that programs hand the library: its own
// identifiers 0..40, and the vendor's character-set numbers and names (AL32UTF8 = 873).
// Numbers 0..40 always mean the library's identifiers; vendor numbers in that range
// cannot be told apart from them and are answered through their library equivalent.
#pragma once

namespace vsk {

constexpr int kLastLibraryId = 40;

// The vendor name of a vendor number above 40; null when the table has none.
const char *vendor_charset_name(int number) noexcept;

// The library identifier of the same character set as a vendor name (AL32UTF8 -> UTF8,
// WE8ISO8859P1 -> LATIN1), or -1 when the library has no such set.
int library_id_for_vendor_name(const char *name) noexcept;

// The library identifier of a name: its aliases first (UTF-8, latin1), then the
// equivalent of a vendor name; a name found nowhere gives UTF8, as every other lookup
// does; -1 only for a null name.
int library_id_for_name(const char *name) noexcept;

// The library identifier an identifier of either numbering stands for: 0..40 as they
// are, vendor numbers through their library equivalent; -1 when there is none.
int library_id_for_id(int id) noexcept;

// The vendor number of a library identifier (UTF8 -> 873 AL32UTF8, UTF-16 in machine
// order -> 1000); -1 when the vendor has no such set.
int vendor_number_for_library_id(int id) noexcept;

// The canonical name to convert an identifier of either numbering with: 0..40 by the
// library's names, vendor numbers through their library equivalent; null when there is
// none.
const char *canonical_name_for_id(int id) noexcept;

}  // namespace vsk
