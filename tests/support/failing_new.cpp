// Global operator new and delete for the allocation-fault test only: every C++ allocation
// the library makes (its strings, vectors and nodes as much as its records) counts against
// the library's own fault countdown, so one counter covers them all. The throwing forms
// throw std::bad_alloc for the armed allocation; the nothrow forms return null.
#include <cstdlib>
#include <new>

#include "env/handle.h"

namespace {

void *plain(std::size_t size) noexcept {
    if (vsk::alloc_fault::should_fail()) return nullptr;
    return std::malloc(size ? size : 1);
}

void *aligned(std::size_t size, std::align_val_t align) noexcept {
    if (vsk::alloc_fault::should_fail()) return nullptr;
    void *p = nullptr;
    const std::size_t a = static_cast<std::size_t>(align) < sizeof(void *) ? sizeof(void *)
                                                                           : static_cast<std::size_t>(align);
    return posix_memalign(&p, a, size ? size : 1) == 0 ? p : nullptr;
}

void *or_throw(void *p) {
    if (!p) throw std::bad_alloc();
    return p;
}

}  // namespace

void *operator new(std::size_t size) { return or_throw(plain(size)); }
void *operator new[](std::size_t size) { return or_throw(plain(size)); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept { return plain(size); }
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept { return plain(size); }
void *operator new(std::size_t size, std::align_val_t align) { return or_throw(aligned(size, align)); }
void *operator new[](std::size_t size, std::align_val_t align) { return or_throw(aligned(size, align)); }
void *operator new(std::size_t size, std::align_val_t align, const std::nothrow_t &) noexcept {
    return aligned(size, align);
}
void *operator new[](std::size_t size, std::align_val_t align, const std::nothrow_t &) noexcept {
    return aligned(size, align);
}

void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }
void operator delete(void *p, const std::nothrow_t &) noexcept { std::free(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { std::free(p); }
void operator delete(void *p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void *p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void *p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void *p, std::align_val_t, const std::nothrow_t &) noexcept { std::free(p); }
void operator delete[](void *p, std::align_val_t, const std::nothrow_t &) noexcept { std::free(p); }
