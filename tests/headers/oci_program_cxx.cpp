// The same program compiled as C++.
#include "oci_program.c"
