/* Takes the address of every entry point as a pointer of its published type: with
   -Werror an incompatible result or parameter type fails the build. */
#include <oci.h>
#include <oci8dp.h>
#include <ociextp.h>
#include <ocixmldb.h>

int vsk_published_prototypes(void);

#define PUBLISHED(result, name, params) \
    {                                   \
        result(*p) params = name;       \
        (void)p;                        \
        ++taken;                        \
    }

int vsk_published_prototypes(void)
{
    int taken = 0;
#include "published_prototypes.h"
    return taken;
}
