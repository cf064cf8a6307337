// Placing bytes into a LOB and taking them out again, whatever its storage: the steps
// writes, copies, appends, trims and erases are made of.
#pragma once

#include <oci.h>

#include <cstdint>
#include <string>

#include "lob/lob_access.h"
#include "lob/locator.h"

namespace vsk {

// One call's access to a LOB: its storage, character walking and, for server large
// objects, the descriptor.
class LobAccess {
public:
    LobAccess(OCISvcCtx *svchp, OCIError *errhp, const OCIEnv *env, OCILobLocator *loc) noexcept;
    // Ready for writing: a LOB the library can address (not a fetched column value), a
    // server object opened. false with the reason recorded.
    bool writable() noexcept;
    // Ready for reading; false with the reason recorded.
    bool readable() noexcept;

    // Length in units (characters for character LOBs), or -1 with 1733 recorded.
    long long length() noexcept;
    // Byte position of 1-based unit offset; a position past the end is padded up to
    // (zero bytes, or spaces for characters) when pad is set, else -1 is returned.
    long long position_of(std::uint64_t offset, bool pad) noexcept;
    // Stores bytes (already in the stored character set) at byte position pos, replacing
    // as many units as they hold: the position after them, or -1 with the reason recorded.
    long long put(std::uint64_t pos, const char *data, std::size_t n) noexcept;
    // Up to n units from 1-based offset into out (stored bytes); false with the reason recorded.
    bool take(std::uint64_t offset, std::uint64_t n, std::string *out) noexcept;
    // Cuts the LOB to newLength units; a longer length fails.
    bool trim(std::uint64_t newLength) noexcept;
    // Overwrites up to n units from 1-based offset with zero bytes or spaces: the units erased, or -1.
    long long erase(std::uint64_t offset, std::uint64_t n) noexcept;

    OCILobLocator *locator() const noexcept { return loc_; }
    const lob::Charset &charset() const noexcept { return cs_; }

private:
    bool open_server() noexcept;
    OCIError *errhp_;
    OCILobLocator *loc_;
    lob::Charset cs_;
    ServerLob server_;
};

}  // namespace vsk
