// What the LOB tests share: locators of an environment and a read callback that keeps
// what it is handed.
#pragma once

#include <oci.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vsk::test {

inline OCILobLocator *new_locator(OCIEnv *env) {
    void *l = nullptr;
    EXPECT_EQ(OCIDescriptorAlloc(env, &l, OCI_DTYPE_LOB, 0, nullptr), OCI_SUCCESS);
    return static_cast<OCILobLocator *>(l);
}

// The bytes and piece codes a read callback was handed.
struct ReadPieces {
    std::string data;
    std::vector<ub1> codes;
};
inline sb4 collect_pieces(void *ctx, const void *buf, ub4 len, ub1 piece) {
    auto *p = static_cast<ReadPieces *>(ctx);
    p->data.append(static_cast<const char *>(buf), len);
    p->codes.push_back(piece);
    return OCI_CONTINUE;
}
inline sb4 collect_pieces2(void *ctx, const void *buf, oraub8 len, ub1 piece, void **, oraub8 *) {
    return collect_pieces(ctx, buf, static_cast<ub4>(len), piece);
}

}  // namespace vsk::test
