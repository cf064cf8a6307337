// Random server values, formats, capacities and targets through the fetch drivers, and
// random application buffers through the bind driver. ASan reports any write outside
// the exactly sized destination.
#include <oci.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "env/error.h"
#include "nls/oci_string.h"
#include "types/conversion_dispatch.h"
#include "types/conversions.h"
#include "types/type_codes.h"

namespace {

using namespace vsk;

struct Env {
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
};

// Plain environment with each empty-string mode, and a UTF-16 one.
Env *environments() {
    static Env envs[3];
    static bool ready = false;
    if (!ready) {
        const ub4 modes[] = {OCI_DEFAULT, OCI_DEFAULT, OCI_UTF16 | OCI_OBJECT};
        for (int i = 0; i < 3; ++i) {
            OCIEnvCreate(&envs[i].env, modes[i], nullptr, nullptr, nullptr, nullptr, 0, nullptr);
            OCIHandleAlloc(envs[i].env, reinterpret_cast<void **>(&envs[i].err), OCI_HTYPE_ERROR, 0, nullptr);
        }
        ub4 off = 4;
        OCIAttrSet(envs[1].env, OCI_HTYPE_ENV, &off, 0, OCI_ATTR_EMPTY_STRING_MODE, envs[1].err);
        ready = true;
    }
    return envs;
}

// Targets whose destination is the application's buffer itself, and OCIString.
constexpr ub2 kTargets[] = {SQLT_CHR, SQLT_NUM, SQLT_INT, SQLT_FLT, SQLT_STR, SQLT_VNU, SQLT_LNG, SQLT_VCS,
                            SQLT_DAT, SQLT_VBI, SQLT_BFLOAT, SQLT_BDOUBLE, SQLT_BIN, SQLT_LBI, SQLT_UIN,
                            SQLT_LVC, SQLT_LVB, SQLT_AFC, SQLT_AVC, SQLT_ODT, SQLT_VST};

std::uint32_t take(const std::uint8_t *&data, std::size_t &size, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes && size; ++i, --size) v = v << 8 | *data++;
    return v;
}

void fetch_once(const Env &e, Oid oid, ub2 sqlt, ub4 cap, int format, bool with_ind, const std::vector<char> &value) {
    sb2 ind = 0;
    ub2 rcode = 0;
    ub4 length = cap;
    if (sqlt == SQLT_VST) {
        OCIString *str = nullptr;
        if (cap % 3) string_assign_bytes(&str, std::string(cap % 64, 'x').data(), cap % 64);
        length = sizeof(OCIString *);
        PQ2OCIType(e.err, oid, value.data(), static_cast<int>(value.size()) - 1, format, sqlt, &str, &length,
                   with_ind ? &ind : nullptr, &rcode, false);
        if (str) std::free(str->text);
        std::free(str);
        return;
    }
    // Exactly cap bytes, so that any write beyond them is caught.
    char *dst = static_cast<char *>(std::malloc(cap ? cap : 1));
    PQ2OCIType(e.err, oid, value.data(), static_cast<int>(value.size()) - 1, format, sqlt, cap ? dst : dst, &length,
               with_ind ? &ind : nullptr, &rcode, false);
    if (length > cap && sqlt != SQLT_STR) __builtin_trap();  // a length beyond the buffer
    std::free(dst);
}

void bind_once(const Env &e, ub2 sqlt, Oid oid, sb2 ind, const std::vector<char> &buffer) {
    char *value = nullptr;
    ub4 length = 0;
    ub1 format = 0;
    OCI2PQType(e.err, sqlt, buffer.empty() ? nullptr : buffer.data(), static_cast<ub4>(buffer.size()), &ind, oid,
               &value, &length, &format);
    std::free(value);
}

// Number binds and the server types they are sent as.
struct BindPair {
    ub2 sqlt;
    Oid oid;
};
constexpr BindPair kNumberBinds[] = {
    {SQLT_NUM, PG_NUMERIC}, {SQLT_VNU, PG_NUMERIC}, {SQLT_INT, PG_INT2},   {SQLT_INT, PG_INT4},
    {SQLT_INT, PG_INT8},    {SQLT_INT, PG_CHAR},    {SQLT_INT, PG_NUMERIC}, {SQLT_UIN, PG_INT8},
    {SQLT_FLT, PG_FLOAT4},  {SQLT_FLT, PG_FLOAT8},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const Oid kSources[] = {PG_TEXT,  PG_BPCHAR, PG_VARCHAR, PG_CHAR,   PG_UNKNOWN, PG_BYTEA, PG_INT2,
                                   PG_INT4,  PG_INT8,   PG_FLOAT4,  PG_FLOAT8, PG_NUMERIC, PG_DATE,  99999};
    Env *envs = environments();
    const Env &e = envs[take(data, size, 1) % 3];
    const Oid oid = kSources[take(data, size, 1) % (sizeof kSources / sizeof kSources[0])];
    const ub2 sqlt = kTargets[take(data, size, 1) % (sizeof kTargets / sizeof kTargets[0])];
    const ub4 cap = take(data, size, 2) % 512;
    const std::uint32_t flags = take(data, size, 1);
    const std::uint32_t number_bind = take(data, size, 1);
    // The value as libpq hands it over: its bytes and a terminating NUL.
    std::vector<char> value(data, data + size);
    value.push_back('\0');
    fetch_once(e, oid, sqlt, cap, static_cast<int>(flags & 3), flags & 4, value);
    _ClearErrorHandle(e.err);

    static const ub2 kBindTypes[] = {SQLT_CHR, SQLT_AFC, SQLT_STR, SQLT_AVC, SQLT_VCS, SQLT_LVC, SQLT_LNG};
    std::vector<char> buffer(data, data + size);
    const sb2 ind = static_cast<sb2>((flags >> 6) == 3 ? -1 : 0);
    bind_once(e, kBindTypes[(flags >> 3) % 7], PG_VARCHAR, ind, buffer);
    _ClearErrorHandle(e.err);
    const BindPair &pair = kNumberBinds[number_bind % (sizeof kNumberBinds / sizeof kNumberBinds[0])];
    bind_once(e, pair.sqlt, pair.oid, ind, buffer);
    _ClearErrorHandle(e.err);
    return 0;
}
