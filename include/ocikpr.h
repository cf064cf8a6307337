/* OCI7-era declarations with K&R prototypes. All current declarations come through oci.h. */
#ifndef OCIKPR
#define OCIKPR

#include <oci.h>

#endif /* OCIKPR */
