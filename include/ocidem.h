/* Definitions used by OCI demonstration programs. */
#ifndef OCIDEM
#define OCIDEM

#include <oci.h>

/* Internal data types */
#define VARCHAR2_TYPE 1
#define NUMBER_TYPE 2
#define INT_TYPE 3
#define FLOAT_TYPE 4
#define STRING_TYPE 5
#define ROWID_TYPE 11
#define DATE_TYPE 12

/* Error codes the demonstrations test for */
#define VAR_NOT_IN_LIST 1007
#define NO_DATA_FOUND 1403
#define NULL_VALUE_RETURNED 1405

#endif /* OCIDEM */
