// LOB locator descriptor record.
#pragma once

#include <oci.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "env/handle.h"

namespace vsk {

// Where a locator's value lives. The storage decides every operation: nothing the
// application passes can make a read of one kind reach into another.
enum class LobStorage : ub1 {
    None = 0,     // allocated, never filled
    LargeObject,  // a server large object named by its identifier (an oid column)
    Column,       // a bytea or text column's value, copied at fetch: read-only
    Temporary,    // created by the application, in client memory
};

// A piecewise read or write (OCI_FIRST_PIECE .. OCI_LAST_PIECE) in progress.
struct LobStream {
    enum Kind : ub1 { NONE = 0, READ, WRITE } kind = NONE;
    // Byte position of the next piece and, for reads, the bytes still to deliver.
    ub8 position = 0;
    ub8 left = 0;
};

}  // namespace vsk

struct OCILobLocator {
    vsk::Header hdr;
    vsk::LobStorage storage;
    // 0 for binary LOBs, else SQLCS_IMPLICIT or SQLCS_NCHAR.
    ub1 csfrm;
    // OCILobOpen on a LOB held in client memory (only remembered).
    ub1 opened;
    // Server large object: its identifier, and while open its descriptor with the
    // connection and transaction it belongs to.
    ub4 loid;
    int fd;
    const void *fdConn;
    unsigned long long fdEpoch;
    // Column and temporary LOBs: the bytes, character LOBs in the character set the
    // connection's texts come in (the environment's, UTF-8 for UTF-16 environments).
    std::string value;
    // A large column value read where the server's result holds it, kept alive by
    // shared; value is then empty.
    std::shared_ptr<const void> shared;
    const char *sharedData;
    std::size_t sharedSize;
    vsk::LobStream stream;
};

namespace vsk {

OCILobLocator *Alloc_OCILobLocator() noexcept;
void Free_OCILobLocator(void *h) noexcept;

inline bool is_clob(const OCILobLocator *l) noexcept { return l->csfrm != 0; }
inline bool in_client_memory(const OCILobLocator *l) noexcept {
    return l->storage == LobStorage::Column || l->storage == LobStorage::Temporary;
}

// The bytes of a LOB held in client memory.
inline std::string_view lob_bytes(const OCILobLocator *l) noexcept {
    return l->shared ? std::string_view(l->sharedData, l->sharedSize) : std::string_view(l->value);
}

// Forgets the value and any open descriptor (which its transaction ends on the server).
void reset_locator(OCILobLocator *l) noexcept;

// Makes dst describe what src does: the same large object (not opened), or a copy of
// the value. false when memory is exhausted (dst is then reset).
bool copy_locator(OCILobLocator *dst, const OCILobLocator *src) noexcept;

}  // namespace vsk
