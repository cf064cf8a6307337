/* vskoci's own additions to the OCI API. */
#ifndef VSKOCI_H
#define VSKOCI_H

#include <oratypes.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Library attributes: server-side behaviour switches. */
#define OCI_ATTR_STMT_LEVEL_TX 5000
#define OCI_ATTR_CURSOR_MODE 5001
#define OCI_ATTR_EMPTY_STRING_MODE 5002
#define OCI_ATTR_CURSOR_TX_MODE 5003
#define OCI_ATTR_SSLMODE 5004

/* The server's SQLSTATE and message of error record recordno. */
sword OCIPGErrorGet(void *hndlp, ub4 recordno, OraText *sqlstatep, ub4 sqlstatesiz, OraText *bufp, ub4 bufsiz,
                    ub4 type);

#ifdef __cplusplus
}
#endif

#endif /* VSKOCI_H */
