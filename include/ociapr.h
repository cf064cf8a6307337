/* Older OCI calls. Everything a program needs is declared through ociap.h. */
#ifndef OCIAPR
#include <oci.h>
#endif

#ifndef OCIAPR
#define OCIAPR

#include <ociap.h>

#endif /* OCIAPR */
