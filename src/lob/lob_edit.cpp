#include "lob/lob_edit.h"

#include <algorithm>
#include <vector>

#include "lob/lob_call.h"
#include "pqx/large_object.h"

namespace vsk {

namespace {

constexpr std::size_t kServerChunk = 1 << 20;

}  // namespace

LobAccess::LobAccess(OCISvcCtx *svchp, OCIError *errhp, const OCIEnv *env, OCILobLocator *loc) noexcept
    : errhp_(errhp),
      loc_(loc),
      cs_(is_clob(loc) ? lob::charset_of(stored_charset(env)) : lob::Charset{}),
      server_(loc->storage == LobStorage::LargeObject ? lob_connection(svchp) : nullptr, errhp, loc) {}

bool LobAccess::open_server() noexcept {
    if (server_.open()) return true;
    lob_error(errhp_, "the large object cannot be opened");
    return false;
}

bool LobAccess::readable() noexcept {
    switch (loc_->storage) {
    case LobStorage::LargeObject: return open_server();
    case LobStorage::Column:
    case LobStorage::Temporary: return true;
    default: return lob_error(errhp_, "the LOB locator is not initialized"), false;
    }
}

bool LobAccess::writable() noexcept {
    switch (loc_->storage) {
    case LobStorage::LargeObject: return open_server();
    case LobStorage::Temporary: return true;
    case LobStorage::Column:
        return lob_error(errhp_, "the LOB holds a fetched column value, which cannot be written through it"), false;
    default: return lob_error(errhp_, "the LOB locator is not initialized"), false;
    }
}

long long LobAccess::length() noexcept {
    if (loc_->storage == LobStorage::LargeObject) {
        const long long n = server_.length();
        if (n < 0) lob_error(errhp_, "the length of the large object cannot be read");
        return n;
    }
    const std::string_view v = lob_bytes(loc_);
    return static_cast<long long>(lob::count_chars(cs_, v.data(), v.size()));
}

long long LobAccess::position_of(std::uint64_t offset, bool pad) noexcept {
    if (offset == 0) return lob_error(errhp_, "LOB offsets start at 1"), -1;
    const std::uint64_t skip = offset - 1;
    if (loc_->storage == LobStorage::LargeObject) {
        // Writing past the end of a large object leaves zero bytes in the gap.
        const long long n = length();
        if (n < 0) return -1;
        if (!pad && skip > static_cast<std::uint64_t>(n)) return -1;
        return static_cast<long long>(skip);
    }
    const std::string_view held = lob_bytes(loc_);
    std::uint64_t walked = 0;
    const std::size_t pos = lob::skip_chars(cs_, held.data(), held.size(), 0, skip, &walked);
    if (walked == skip) return static_cast<long long>(pos);
    if (!pad) return -1;
    // Padding writes: only temporary LOBs get here, which hold their bytes in value.
    std::string &v = loc_->value;
    const std::uint64_t gap = skip - walked;
    if (gap > v.max_size() - v.size() ||
        !lob::write_at(&v, v.size() + static_cast<std::size_t>(gap), nullptr, 0, is_clob(loc_) ? ' ' : '\0'))
        return AddErrorRecord(errhp_, OCI_ERROR, 16506), -1;
    return static_cast<long long>(v.size());
}

long long LobAccess::put(std::uint64_t pos, const char *data, std::size_t n) noexcept {
    if (loc_->storage == LobStorage::LargeObject) {
        if (pqx::lo_seek_object(server_.conn(), errhp_, server_.fd(), static_cast<long long>(pos), 0) < 0)
            return lob_error(errhp_, "the large object cannot be positioned"), -1;
        std::size_t done = 0;
        while (done < n) {
            const std::size_t part = std::min(kServerChunk, n - done);
            if (pqx::lo_write_object(server_.conn(), errhp_, server_.fd(), data + done, part) !=
                static_cast<long long>(part))
                return lob_error(errhp_, "the large object cannot be written"), -1;
            done += part;
        }
        return static_cast<long long>(pos + n);
    }
    std::string &v = loc_->value;
    try {
        if (is_clob(loc_) && pos < v.size()) {
            // Characters replace as many characters, whatever their byte lengths.
            std::uint64_t walked = 0;
            const std::uint64_t chars = lob::count_chars(cs_, data, n);
            const std::size_t end = lob::skip_chars(cs_, v.data(), v.size(), pos, chars, &walked);
            v.replace(pos, end - pos, data, n);
        } else if (!lob::write_at(&v, pos, data, n, '\0')) {
            throw std::bad_alloc();
        }
    } catch (...) {
        return AddErrorRecord(errhp_, OCI_ERROR, 16506), -1;
    }
    return static_cast<long long>(pos + n);
}

bool LobAccess::take(std::uint64_t offset, std::uint64_t n, std::string *out) noexcept {
    out->clear();
    if (offset == 0) return lob_error(errhp_, "LOB offsets start at 1"), false;
    try {
        if (loc_->storage == LobStorage::LargeObject) {
            const long long length = server_.length();
            if (length < 0) return lob_error(errhp_, "the length of the large object cannot be read"), false;
            const std::uint64_t start = offset - 1;
            if (start >= static_cast<std::uint64_t>(length)) return true;
            const std::uint64_t count = std::min<std::uint64_t>(n, static_cast<std::uint64_t>(length) - start);
            if (pqx::lo_seek_object(server_.conn(), errhp_, server_.fd(), static_cast<long long>(start), 0) < 0)
                return lob_error(errhp_, "the large object cannot be positioned"), false;
            out->resize(static_cast<std::size_t>(count));
            std::size_t done = 0;
            while (done < count) {
                const long long got = pqx::lo_read_object(server_.conn(), errhp_, server_.fd(), out->data() + done,
                                                          std::min<std::size_t>(kServerChunk, count - done));
                if (got < 0) return lob_error(errhp_, "the large object cannot be read"), false;
                if (got == 0) break;
                done += static_cast<std::size_t>(got);
            }
            out->resize(done);
            return true;
        }
        const std::string_view v = lob_bytes(loc_);
        std::uint64_t walked = 0;
        const std::size_t from = lob::skip_chars(cs_, v.data(), v.size(), 0, offset - 1, &walked);
        const std::size_t to = lob::skip_chars(cs_, v.data(), v.size(), from, n, &walked);
        out->assign(v.substr(from, to - from));
        return true;
    } catch (...) {
        AddErrorRecord(errhp_, OCI_ERROR, 16506);
        return false;
    }
}

bool LobAccess::trim(std::uint64_t newLength) noexcept {
    if (loc_->storage == LobStorage::LargeObject) {
        const long long n = server_.length();
        if (n < 0 || static_cast<std::uint64_t>(n) < newLength ||
            pqx::lo_truncate_object(server_.conn(), errhp_, server_.fd(), static_cast<long long>(newLength)) != 0)
            return lob_error(errhp_, "the large object cannot be trimmed to that length"), false;
        return true;
    }
    std::string &v = loc_->value;
    std::uint64_t walked = 0;
    const std::size_t pos = lob::skip_chars(cs_, v.data(), v.size(), 0, newLength, &walked);
    if (walked < newLength)
        return lob_error(errhp_, "a LOB cannot be trimmed to more than its length"), false;
    v.resize(pos);
    return true;
}

long long LobAccess::erase(std::uint64_t offset, std::uint64_t n) noexcept {
    if (offset == 0) return lob_error(errhp_, "LOB offsets start at 1"), -1;
    if (loc_->storage == LobStorage::LargeObject) {
        const long long length = server_.length();
        if (length < 0) return lob_error(errhp_, "the length of the large object cannot be read"), -1;
        const std::uint64_t start = offset - 1;
        if (start >= static_cast<std::uint64_t>(length)) return 0;
        const std::uint64_t count = std::min<std::uint64_t>(n, static_cast<std::uint64_t>(length) - start);
        try {
            const std::vector<char> zeros(static_cast<std::size_t>(std::min<std::uint64_t>(count, kServerChunk)));
            std::uint64_t done = 0;
            while (done < count) {
                const std::size_t part = static_cast<std::size_t>(std::min<std::uint64_t>(zeros.size(), count - done));
                if (put(start + done, zeros.data(), part) < 0) return -1;
                done += part;
            }
        } catch (...) {
            return AddErrorRecord(errhp_, OCI_ERROR, 16506), -1;
        }
        return static_cast<long long>(count);
    }
    std::string &v = loc_->value;
    std::uint64_t walked = 0;
    const std::size_t from = lob::skip_chars(cs_, v.data(), v.size(), 0, offset - 1, &walked);
    if (walked < offset - 1) return 0;
    const std::size_t to = lob::skip_chars(cs_, v.data(), v.size(), from, n, &walked);
    if (!is_clob(loc_)) return static_cast<long long>(lob::erase_at(&v, from, to - from, '\0'));
    try {
        v.replace(from, to - from, static_cast<std::size_t>(walked), ' ');
    } catch (...) {
        return AddErrorRecord(errhp_, OCI_ERROR, 16506), -1;
    }
    return static_cast<long long>(walked);
}

}  // namespace vsk
