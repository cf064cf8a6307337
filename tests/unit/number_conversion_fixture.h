// Calls into the number conversions through the bind and fetch drivers, with guard bytes
// after every destination so that a write past the capacity fails the test.
#pragma once

#include <oci.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>

#include "env/error.h"
#include "oci_handles_test.h"
#include "types/conversion_dispatch.h"
#include "types/conversions.h"
#include "types/type_codes.h"

namespace vsk::test {

using Bytes = std::string;

struct FetchResult {
    int rc = -99;
    Bytes buffer;  // the destination afterwards ('~' where untouched)
    ub4 length = 0;
    sb2 ind = 77;
    ub2 rcode = 77;
    ub4 error = 0;  // the first record's number, 0 when none
    template <class T>
    T as() const {
        T v{};
        std::memcpy(&v, buffer.data(), sizeof v < buffer.size() ? sizeof v : buffer.size());
        return v;
    }
};

struct BindResult {
    int rc = -99;
    std::optional<Bytes> value;  // nullopt for SQL NULL
    ub1 format = 9;
    ub4 error = 0;
};

// Big-endian bytes of the low n bytes of v, as the server's binary format carries them.
inline Bytes net(std::uint64_t v, int n) {
    Bytes out(static_cast<std::size_t>(n), '\0');
    for (int i = n - 1; i >= 0; --i, v >>= 8) out[static_cast<std::size_t>(i)] = static_cast<char>(v & 0xFF);
    return out;
}

template <class T>
Bytes raw(T v) {
    return Bytes(reinterpret_cast<const char *>(&v), sizeof v);
}

inline Bytes bytes(std::initializer_list<int> list) {
    Bytes out;
    for (int b : list) out.push_back(static_cast<char>(b));
    return out;
}

// One character-target fetch and everything it leaves behind.
struct CharCase {
    const char *what;
    Oid oid;
    ub2 sqlt;
    Bytes value;
    ub4 cap;
    bool with_ind;
    int rc;
    Bytes buffer;
    ub4 length;
    sb2 ind;
    ub4 error;
};
// Named in test output by their description (and never printed byte by byte).
inline void PrintTo(const CharCase &c, std::ostream *os) { *os << c.what; }
inline std::string case_name(const ::testing::TestParamInfo<CharCase> &info) {
    std::string n = info.param.what;
    for (char &ch : n)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
}

class NumberConversionTest : public OciHandlesTest {
protected:
    ub4 first_error() const { return err_->records.empty() ? 0 : err_->records.nth(0)->errcode; }

    void oracle_empty_strings(bool on) {
        ub4 mode = on ? 3 : 4;
        ASSERT_EQ(OCIAttrSet(env_, OCI_HTYPE_ENV, &mode, 0, OCI_ATTR_EMPTY_STRING_MODE, err_), OCI_SUCCESS);
    }

    FetchResult fetch(Oid oid, const Bytes &value, ub2 sqlt, ub4 cap, bool with_ind = true, int format = 0) {
        _ClearErrorHandle(err_);
        FetchResult out;
        out.buffer.assign(cap + 8, '~');
        out.length = cap;
        // libpq ends every value with a NUL.
        const Bytes v = value + '\0';
        out.rc = PQ2OCIType(err_, oid, v.data(), static_cast<int>(value.size()), format, sqlt, out.buffer.data(),
                            &out.length, with_ind ? &out.ind : nullptr, &out.rcode, false);
        EXPECT_EQ(out.buffer.substr(cap), Bytes(8, '~')) << "write past the capacity";
        out.buffer.resize(cap);
        out.error = first_error();
        return out;
    }
    FetchResult fetch_binary(Oid oid, const Bytes &value, ub2 sqlt, ub4 cap, bool with_ind = true) {
        return fetch(oid, value, sqlt, cap, with_ind, 1);
    }

    void expect_delivery(const CharCase &c) {
        FetchResult r = fetch(c.oid, c.value, c.sqlt, c.cap, c.with_ind);
        EXPECT_EQ(r.rc, c.rc);
        EXPECT_EQ(r.buffer, c.buffer);
        EXPECT_EQ(r.length, c.length);
        EXPECT_EQ(r.ind, c.ind);
        EXPECT_EQ(r.error, c.error);
    }

    BindResult bind_with(BindConversion f, const void *buffer, ub4 size) {
        _ClearErrorHandle(err_);
        BindResult out;
        char *value = reinterpret_cast<char *>(1);
        ub4 length = 12345;
        sb2 ind = 0;
        out.rc = f(err_, buffer, size, &ind, &value, &length, &out.format);
        if (value) out.value = Bytes(value, length);
        std::free(value);
        out.error = first_error();
        return out;
    }
    BindResult bind(ub2 sqlt, const void *buffer, ub4 size, Oid oid) {
        BindConversion f = nullptr;
        EXPECT_EQ(IsOCIToPQConversionPossible(sqlt, oid, &f), 0);
        return f ? bind_with(f, buffer, size) : BindResult{};
    }
    BindResult bind(ub2 sqlt, const Bytes &b, Oid oid) { return bind(sqlt, b.data(), static_cast<ub4>(b.size()), oid); }
};

}  // namespace vsk::test
