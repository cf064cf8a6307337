// The same address checks in C++, where any mismatch of a function pointer's type is an
// error; and the scalar types the published headers define on LP64.
#include <oci.h>
#include <oci8dp.h>
#include <ociextp.h>
#include <ocixmldb.h>

#include <type_traits>

static_assert(std::is_same_v<ub8, unsigned long> && std::is_same_v<sb8, long>);
static_assert(std::is_same_v<ubig_ora, unsigned long> && std::is_same_v<sbig_ora, long>);
static_assert(std::is_same_v<oraub8, ub8> && std::is_same_v<boolean, int> && std::is_same_v<OCIWchar, ub4>);
static_assert(std::is_same_v<sword, int> && std::is_same_v<uword, unsigned int> && std::is_same_v<ub4, unsigned int>);

int vsk_published_prototypes_cxx();

#define PUBLISHED(result, name, params) \
    {                                   \
        result(*p) params = name;       \
        (void)p;                        \
        ++taken;                        \
    }

int vsk_published_prototypes_cxx() {
    int taken = 0;
#include "published_prototypes.h"
    return taken;
}
