// Pointer list used for every ownership link: order kept, membership by pointer identity.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <new>
#include <type_traits>
#include <vector>

namespace vsk {

template <class T>
class PtrList {
public:
    // Appending may fail for lack of memory; callers turn false into an error record.
    bool append(T *datum) noexcept {
        try {
            items_.push_back(datum);
            return true;
        } catch (...) {
            return false;
        }
    }
    bool prepend(T *datum) noexcept {
        try {
            items_.insert(items_.begin(), datum);
            return true;
        } catch (...) {
            return false;
        }
    }
    // Inserts after the position `pos` (0-based); past the end appends.
    bool insert_after(std::size_t pos, T *datum) noexcept {
        try {
            if (pos >= items_.size()) items_.push_back(datum);
            else items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(pos) + 1, datum);
            return true;
        } catch (...) {
            return false;
        }
    }
    // Removes the first cell holding datum; false when it is not there.
    bool remove(const T *datum) noexcept {
        auto it = std::find(items_.begin(), items_.end(), datum);
        if (it == items_.end()) return false;
        items_.erase(it);
        return true;
    }
    bool contains(const T *datum) const noexcept {
        return std::find(items_.begin(), items_.end(), datum) != items_.end();
    }
    T *nth(std::size_t n) const noexcept { return n < items_.size() ? items_[n] : nullptr; }
    T *head() const noexcept { return items_.empty() ? nullptr : items_.front(); }
    T *tail() const noexcept { return items_.empty() ? nullptr : items_.back(); }
    std::size_t size() const noexcept { return items_.size(); }
    bool empty() const noexcept { return items_.empty(); }
    void clear() noexcept { items_.clear(); items_.shrink_to_fit(); }

    auto begin() const noexcept { return items_.begin(); }
    auto end() const noexcept { return items_.end(); }

    // Debug listings written to standard output, numbered from 0.
    void print_strings() const {
        static_assert(std::is_same_v<std::remove_cv_t<T>, char>, "a list of texts");
        for (std::size_t i = 0; i < items_.size(); ++i)
            std::printf("\n[Param # %d][%s]\n", static_cast<int>(i), items_[i] ? items_[i] : "(null)");
    }
    void print_ptrs() const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            std::printf("\n[Param # %d][%p]\n", static_cast<int>(i), static_cast<const void *>(items_[i]));
    }

private:
    std::vector<T *> items_;
};

}  // namespace vsk
