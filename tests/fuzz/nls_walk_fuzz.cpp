// The multibyte walks over arbitrary bytes in every character set: they must stay within
// the lengths and sizes they are given (the buffers here are exactly that long).
#include <oci.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "nls/mb_string.h"
#include "nls/wchar_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2) return 0;
    const vsk_wchar_tbl *row = vsk::wchar_row(data[0] % 41);
    const std::size_t dstsz = data[1] % 16;
    data += 2;
    size -= 2;
    auto text = std::make_unique<unsigned char[]>(size ? size : 1);
    if (size) std::memcpy(text.get(), data, size);

    std::size_t chars = vsk::mb_char_count(*row, text.get(), size);
    if (chars > size) std::abort();
    vsk::mb_display_width(*row, text.get(), size);
    std::size_t limit = size / 2;
    if (vsk::whole_chars_prefix(*row, text.get(), size, limit) > limit) std::abort();

    auto wide = std::make_unique<OCIWchar[]>(dstsz ? dstsz : 1);
    std::size_t count = 0;
    vsk::mb_to_wide(*row, text.get(), size, dstsz ? wide.get() : nullptr, dstsz, &count);
    if (dstsz && count > dstsz) std::abort();
    if (count > size) std::abort();
    vsk::wide_compare(wide.get(), dstsz ? count : 0, wide.get(), dstsz ? count : 0);
    return 0;
}
