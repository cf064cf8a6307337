/* Scalar types of the OCI API. */
#ifndef ORATYPES
#define ORATYPES
#define ORATYPES_ORACLE

#include <stddef.h>

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef unsigned char ub1;
typedef signed char sb1;
typedef unsigned short ub2;
typedef signed short sb2;
typedef unsigned int ub4;
typedef signed int sb4;
/* Eight-byte scalars are long where long has eight bytes, as in the published headers. */
#ifdef __LP64__
typedef unsigned long ub8;
typedef signed long sb8;
#else
typedef unsigned long long ub8;
typedef signed long long sb8;
#endif
typedef char eb1;
typedef short eb2;
typedef int eb4;

typedef ub8 oraub8;
typedef sb8 orasb8;
typedef unsigned long ubig_ora;
typedef signed long sbig_ora;
typedef sb8 sysb8;

typedef unsigned char oratext;
typedef oratext OraText;
#ifndef lint
typedef unsigned char text;
#endif

typedef int eword;
typedef unsigned int uword;
typedef signed int sword;
typedef int boolean;

typedef char *string;
typedef void dvoid;
typedef ub4 duword;
typedef sb4 dsword;
typedef ub4 dword;
typedef size_t ubigora_size_t;

#ifndef CONST
#define CONST const
#endif

#define UB1MAXVAL ((ub1)0xFF)
#define UB1MINVAL ((ub1)0)
#define SB1MAXVAL ((sb1)127)
#define SB1MINVAL ((sb1)-128)
#define MINUB1MAXVAL ((ub1)255)
#define MAXUB1MINVAL ((ub1)0)
#define MINSB1MAXVAL ((sb1)127)
#define MAXSB1MINVAL ((sb1)-127)
#define UB2MAXVAL ((ub2)0xFFFF)
#define UB2MINVAL ((ub2)0)
#define SB2MAXVAL ((sb2)32767)
#define SB2MINVAL ((sb2)-32768)
#define MINUB2MAXVAL ((ub2)65535)
#define MAXUB2MINVAL ((ub2)0)
#define MINSB2MAXVAL ((sb2)32767)
#define MAXSB2MINVAL ((sb2)-32767)
#define UB4MAXVAL ((ub4)0xFFFFFFFFU)
#define UB4MINVAL ((ub4)0)
#define SB4MAXVAL ((sb4)2147483647)
#define SB4MINVAL ((sb4)(-2147483647 - 1))
#define MINUB4MAXVAL ((ub4)4294967295U)
#define MAXUB4MINVAL ((ub4)0)
#define MINSB4MAXVAL ((sb4)2147483647)
#define MAXSB4MINVAL ((sb4)-2147483647)
#define UB8MAXVAL ((ub8)0xFFFFFFFFFFFFFFFFULL)
#define UB8MINVAL ((ub8)0)
#define SB8MAXVAL ((sb8)9223372036854775807LL)
#define SB8MINVAL ((sb8)(-9223372036854775807LL - 1))
#define UB1BITS 8
#define UB1MASK 0xFF
#define UBIG_ORAMAXVAL UB8MAXVAL
#define SBIG_ORAMAXVAL SB8MAXVAL
#define UWORDMAXVAL UB4MAXVAL
#define SWORDMAXVAL SB4MAXVAL
#define SWORDMINVAL SB4MINVAL
#define MINUWORDMAXVAL UB4MAXVAL
#define MINSWORDMAXVAL SB4MAXVAL
#define MINSWORDMINVAL SB4MINVAL
#define UB4MAXVALUE UB4MAXVAL

#endif /* ORATYPES */
