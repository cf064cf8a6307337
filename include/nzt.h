/* Security toolkit types referred to by OCI programs; the library offers no wallet operations. */
#ifndef NZT_ORACLE
#define NZT_ORACLE

#include <oratypes.h>

typedef struct nzctx nzctx;
typedef struct nzttWallet nzttWallet;
typedef struct nzttPersona nzttPersona;
typedef struct nzttIdentity nzttIdentity;
typedef sword nzerror;

#endif /* NZT_ORACLE */
