// Common record header and record kinds shared by every handle and descriptor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <type_traits>

namespace vsk {

// The library's own numbering of record kinds; it differs from the OCI handle-type codes.
enum HandleKind : std::uint32_t {
    HANDLE_OCIEnv = 1,
    HANDLE_OCIError = 2,
    HANDLE_OCISvcCtx = 3,
    HANDLE_OCISession = 4,
    HANDLE_OCIServer = 5,
    HANDLE_OCIBind = 6,
    HANDLE_OCIDefine = 7,
    HANDLE_OCIStmt = 8,
    HANDLE_OCIParam = 9,
    HANDLE_OCIDescribe = 10,
    HANDLE_OCIDateTime = 11,
    HANDLE_OCITrans = 12,
    HANDLE_OCIThreadId = 13,
    HANDLE_OCIThreadHandle = 14,
    HANDLE_OCIThreadMutex = 15,
    HANDLE_OCIThreadKey = 16,
    HANDLE_OCIInterval = 17,
    HANDLE_OCISPool = 18,
    HANDLE_OCILobLocator = 19,
};

// First member of every record, so a record pointer is also a header pointer.
struct Header {
    std::uint32_t handleType;
    void *parenth;
    std::uint64_t xtramemSize;
    void *usrmem;
};

inline std::uint32_t kind_of(const void *h) noexcept {
    return h ? static_cast<const Header *>(h)->handleType : 0;
}
inline bool is_kind(const void *h, HandleKind k) noexcept { return kind_of(h) == k; }
inline Header *header_of(void *h) noexcept { return static_cast<Header *>(h); }

// Allocation seam: tests make the n-th following allocation fail.
namespace alloc_fault {
// 0 disables; n > 0 makes the n-th next allocation fail (counted per thread).
void fail_nth(int n) noexcept;
bool should_fail() noexcept;
}  // namespace alloc_fault

// Zero-filled block from the C allocator (user memory, caches); null on failure.
void *alloc_zeroed(std::size_t size) noexcept;
void *alloc_raw(std::size_t size) noexcept;

// Blocks handed to the application that live as long as their owner's cache list.
template <class List>
void *cache_block(List &cache, std::size_t size) noexcept {
    if (size == 0) return nullptr;
    void *block = alloc_raw(size);
    if (block && !cache.append(block)) {
        std::free(block);
        return nullptr;
    }
    return block;
}

template <class List>
void free_cache(List &cache) noexcept {
    for (void *block : cache) std::free(block);
    cache.clear();
}

// A value-initialised (so zero-filled) record with its kind set; null on failure.
template <class R>
R *new_record(HandleKind kind) noexcept {
    static_assert(std::is_standard_layout_v<R>, "records are read through their header");
    if (alloc_fault::should_fail()) return nullptr;
    R *r = new (std::nothrow) R{};
    if (r) r->hdr.handleType = kind;
    return r;
}

// Frees the record's user memory block, then the record.
template <class R>
void delete_record(R *r) noexcept {
    if (!r) return;
    std::free(r->hdr.usrmem);
    delete r;
}

}  // namespace vsk
