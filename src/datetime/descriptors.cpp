#include "datetime/descriptors.h"

namespace vsk {

namespace {

template <class R, class V>
R *alloc_with_value(HandleKind kind, ub4 type) noexcept {
    R *r = new_record<R>(kind);
    if (!r) return nullptr;
    if (alloc_fault::should_fail() || !(r->value = new (std::nothrow) V{})) {
        delete r;
        return nullptr;
    }
    r->value->type = static_cast<ub1>(type);
    r->value->initialised = 1;
    return r;
}

template <class R>
void free_with_value(R *r) noexcept {
    delete r->value;
    delete_record(r);
}

}  // namespace

OCIDateTime *Alloc_OCIDateTime(ub4 type) noexcept {
    return alloc_with_value<OCIDateTime, DateTimeValue>(HANDLE_OCIDateTime, type);
}

OCIInterval *Alloc_OCIInterval(ub4 type) noexcept {
    return alloc_with_value<OCIInterval, IntervalValue>(HANDLE_OCIInterval, type);
}

void Free_OCIDateTime(void *h) noexcept {
    if (is_kind(h, HANDLE_OCIDateTime)) free_with_value(static_cast<OCIDateTime *>(h));
}

void Free_OCIInterval(void *h) noexcept {
    if (is_kind(h, HANDLE_OCIInterval)) free_with_value(static_cast<OCIInterval *>(h));
}

}  // namespace vsk
