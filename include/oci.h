/* OCI public definitions: handle and descriptor types, value structures, constants. */
#ifndef OCI_ORACLE
#define OCI_ORACLE

#include <oratypes.h>
#include <ocidfn.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Return codes */
#define OCI_SUCCESS 0
#define OCI_SUCCESS_WITH_INFO 1
#define OCI_RESERVED_FOR_INT_USE 200
#define OCI_NO_DATA 100
#define OCI_ERROR -1
#define OCI_INVALID_HANDLE -2
#define OCI_NEED_DATA 99
#define OCI_STILL_EXECUTING -3123
#define OCI_CONTINUE -24200
#define OCI_ROWCBK_DONE -24201

/* Handle types */
#define OCI_HTYPE_FIRST 1
#define OCI_HTYPE_ENV 1
#define OCI_HTYPE_ERROR 2
#define OCI_HTYPE_SVCCTX 3
#define OCI_HTYPE_STMT 4
#define OCI_HTYPE_BIND 5
#define OCI_HTYPE_DEFINE 6
#define OCI_HTYPE_DESCRIBE 7
#define OCI_HTYPE_SERVER 8
#define OCI_HTYPE_SESSION 9
#define OCI_HTYPE_AUTHINFO OCI_HTYPE_SESSION
#define OCI_HTYPE_TRANS 10
#define OCI_HTYPE_COMPLEXOBJECT 11
#define OCI_HTYPE_SECURITY 12
#define OCI_HTYPE_SUBSCRIPTION 13
#define OCI_HTYPE_DIRPATH_CTX 14
#define OCI_HTYPE_DIRPATH_COLUMN_ARRAY 15
#define OCI_HTYPE_DIRPATH_STREAM 16
#define OCI_HTYPE_PROC 17
#define OCI_HTYPE_DIRPATH_FN_CTX 18
#define OCI_HTYPE_DIRPATH_FN_COL_ARRAY 19
#define OCI_HTYPE_XADSESSION 20
#define OCI_HTYPE_XADTABLE 21
#define OCI_HTYPE_XADFIELD 22
#define OCI_HTYPE_XADGRANULE 23
#define OCI_HTYPE_XADRECORD 24
#define OCI_HTYPE_XADIO 25
#define OCI_HTYPE_CPOOL 26
#define OCI_HTYPE_SPOOL 27
#define OCI_HTYPE_ADMIN 28
#define OCI_HTYPE_EVENT 29
#define OCI_HTYPE_LAST 29

/* Descriptor types */
#define OCI_DTYPE_FIRST 50
#define OCI_DTYPE_LOB 50
#define OCI_DTYPE_SNAP 51
#define OCI_DTYPE_RSET 52
#define OCI_DTYPE_PARAM 53
#define OCI_DTYPE_ROWID 54
#define OCI_DTYPE_COMPLEXOBJECTCOMP 55
#define OCI_DTYPE_FILE 56
#define OCI_DTYPE_AQENQ_OPTIONS 57
#define OCI_DTYPE_AQDEQ_OPTIONS 58
#define OCI_DTYPE_AQMSG_PROPERTIES 59
#define OCI_DTYPE_AQAGENT 60
#define OCI_DTYPE_LOCATOR 61
#define OCI_DTYPE_INTERVAL_YM 62
#define OCI_DTYPE_INTERVAL_DS 63
#define OCI_DTYPE_AQNFY_DESCRIPTOR 64
#define OCI_DTYPE_DATE 65
#define OCI_DTYPE_TIME 66
#define OCI_DTYPE_TIME_TZ 67
#define OCI_DTYPE_TIMESTAMP 68
#define OCI_DTYPE_TIMESTAMP_TZ 69
#define OCI_DTYPE_TIMESTAMP_LTZ 70
#define OCI_DTYPE_UCB 71
#define OCI_DTYPE_SRVDN 72
#define OCI_DTYPE_SIGNATURE 73
#define OCI_DTYPE_AQLIS_OPTIONS 75
#define OCI_DTYPE_AQLIS_MSG_PROPERTIES 76
#define OCI_DTYPE_CHDES 77
#define OCI_DTYPE_TABLE_CHDES 78
#define OCI_DTYPE_ROW_CHDES 79
#define OCI_DTYPE_CQDES 80
#define OCI_DTYPE_LOB_REGION 81
#define OCI_DTYPE_LAST 81
#define OCI_TEMP_BLOB 1
#define OCI_TEMP_CLOB 2

/* Environment and process modes */
#define OCI_DEFAULT 0x00000000
#define OCI_THREADED 0x00000001
#define OCI_OBJECT 0x00000002
#define OCI_EVENTS 0x00000004
#define OCI_RESERVED1 0x00000008
#define OCI_SHARED 0x00000010
#define OCI_RESERVED2 0x00000020
#define OCI_NO_UCB 0x00000040
#define OCI_NO_MUTEX 0x00000080
#define OCI_SHARED_EXT 0x00000100
#define OCI_ALWAYS_BLOCKING 0x00000400
#define OCI_USE_LDAP 0x00001000
#define OCI_REG_LDAPONLY 0x00002000
#define OCI_UTF16 0x00004000
#define OCI_AFC_PAD_ON 0x00008000
#define OCI_NEW_LENGTH_SEMANTICS 0x00020000
#define OCI_NO_MUTEX_STMT 0x00040000
#define OCI_MUTEX_ENV_ONLY 0x00080000
#define OCI_SUPPRESS_NLS_VALIDATION 0x00100000
#define OCI_MUTEX_TRY 0x00200000
#define OCI_NCHAR_LITERAL_REPLACE_ON 0x00400000
#define OCI_NCHAR_LITERAL_REPLACE_OFF 0x00800000
#define OCI_ENABLE_NLS_VALIDATION 0x01000000
#define OCI_UTF16ID 1000

/* Error message buffer sizes */
#define OCI_ERROR_MAXMSG_SIZE 1024
#define OCI_ERROR_MAXMSG_SIZE2 3072

/* Credentials and session modes */
#define OCI_CRED_RDBMS 1
#define OCI_CRED_EXT 2
#define OCI_CRED_PROXY 3
#define OCI_MIGRATE 0x00000001
#define OCI_SYSDBA 0x00000002
#define OCI_SYSOPER 0x00000004
#define OCI_PRELIM_AUTH 0x00000008
#define OCI_STMT_CACHE 0x00000040

/* Statement syntax, types, execution and fetch */
#define OCI_NTV_SYNTAX 1
#define OCI_V7_SYNTAX 2
#define OCI_V8_SYNTAX 3
#define OCI_STMT_UNKNOWN 0
#define OCI_STMT_SELECT 1
#define OCI_STMT_UPDATE 2
#define OCI_STMT_DELETE 3
#define OCI_STMT_INSERT 4
#define OCI_STMT_CREATE 5
#define OCI_STMT_DROP 6
#define OCI_STMT_ALTER 7
#define OCI_STMT_BEGIN 8
#define OCI_STMT_DECLARE 9
#define OCI_STMT_CALL 10
#define OCI_BATCH_MODE 0x00000001
#define OCI_EXACT_FETCH 0x00000002
#define OCI_STMT_SCROLLABLE_READONLY 0x00000008
#define OCI_DESCRIBE_ONLY 0x00000010
#define OCI_COMMIT_ON_SUCCESS 0x00000020
#define OCI_NON_BLOCKING 0x00000040
#define OCI_BATCH_ERRORS 0x00000080
#define OCI_PARSE_ONLY 0x00000100
#define OCI_SHOW_DML_WARNINGS 0x00000400
#define OCI_FETCH_CURRENT 0x00000001
#define OCI_FETCH_NEXT 0x00000002
#define OCI_FETCH_FIRST 0x00000004
#define OCI_FETCH_LAST 0x00000008
#define OCI_FETCH_PRIOR 0x00000010
#define OCI_FETCH_ABSOLUTE 0x00000020
#define OCI_FETCH_RELATIVE 0x00000040
#define OCI_SB2_IND_PTR 0x00000001
#define OCI_DATA_AT_EXEC 0x00000002
#define OCI_DYNAMIC_FETCH 0x00000002
#define OCI_PIECEWISE 0x00000004
#define OCI_ONE_PIECE 0
#define OCI_FIRST_PIECE 1
#define OCI_NEXT_PIECE 2
#define OCI_LAST_PIECE 3

/* Attributes */
#define OCI_ATTR_FNCODE 1
#define OCI_ATTR_OBJECT 2
#define OCI_ATTR_NONBLOCKING_MODE 3
#define OCI_ATTR_SQLCODE 4
#define OCI_ATTR_ENV 5
#define OCI_ATTR_SERVER 6
#define OCI_ATTR_SESSION 7
#define OCI_ATTR_TRANS 8
#define OCI_ATTR_ROW_COUNT 9
#define OCI_ATTR_SQLFNCODE 10
#define OCI_ATTR_PREFETCH_ROWS 11
#define OCI_ATTR_NESTED_PREFETCH_ROWS 12
#define OCI_ATTR_PREFETCH_MEMORY 13
#define OCI_ATTR_NESTED_PREFETCH_MEMORY 14
#define OCI_ATTR_CHAR_COUNT 15
#define OCI_ATTR_PDSCL 16
#define OCI_ATTR_FSPRECISION OCI_ATTR_PDSCL
#define OCI_ATTR_PDPRC 17
#define OCI_ATTR_LFPRECISION OCI_ATTR_PDPRC
#define OCI_ATTR_PARAM_COUNT 18
#define OCI_ATTR_ROWID 19
#define OCI_ATTR_CHARSET 20
#define OCI_ATTR_NCHAR 21
#define OCI_ATTR_USERNAME 22
#define OCI_ATTR_PASSWORD 23
#define OCI_ATTR_STMT_TYPE 24
#define OCI_ATTR_INTERNAL_NAME 25
#define OCI_ATTR_EXTERNAL_NAME 26
#define OCI_ATTR_XID 27
#define OCI_ATTR_TRANS_LOCK 28
#define OCI_ATTR_TRANS_NAME 29
#define OCI_ATTR_HEAPALLOC 30
#define OCI_ATTR_CHARSET_ID 31
#define OCI_ATTR_CHARSET_FORM 32
#define OCI_ATTR_MAXDATA_SIZE 33
#define OCI_ATTR_ROWS_RETURNED 42
#define OCI_ATTR_DATA_SIZE 1
#define OCI_ATTR_DATA_TYPE 2
#define OCI_ATTR_DISP_SIZE 3
#define OCI_ATTR_NAME 4
#define OCI_ATTR_PRECISION 5
#define OCI_ATTR_SCALE 6
#define OCI_ATTR_IS_NULL 7
#define OCI_ATTR_TYPE_NAME 8
#define OCI_ATTR_SCHEMA_NAME 9
#define OCI_ATTR_SUB_NAME 10
#define OCI_ATTR_POSITION 11

/* Durations */
#define OCI_DURATION_INVALID 0xFFFF
#define OCI_DURATION_BEGIN 10
#define OCI_DURATION_NULL (OCI_DURATION_BEGIN - 1)
#define OCI_DURATION_DEFAULT (OCI_DURATION_BEGIN - 2)
#define OCI_DURATION_USER_CALLBACK (OCI_DURATION_BEGIN - 3)
#define OCI_DURATION_NEXT (OCI_DURATION_BEGIN - 4)
#define OCI_DURATION_SESSION OCI_DURATION_BEGIN
#define OCI_DURATION_TRANS (OCI_DURATION_BEGIN + 1)
#define OCI_DURATION_CALL (OCI_DURATION_BEGIN + 2)
#define OCI_DURATION_STATEMENT (OCI_DURATION_BEGIN + 3)
#define OCI_DURATION_CALLOUT (OCI_DURATION_BEGIN + 4)
#define OCI_DURATION_PROCESS (OCI_DURATION_BEGIN - 5)
typedef ub2 OCIDuration;

/* Opaque handles */
typedef struct OCIEnv OCIEnv;
typedef struct OCIError OCIError;
typedef struct OCISvcCtx OCISvcCtx;
typedef struct OCIStmt OCIStmt;
typedef struct OCIBind OCIBind;
typedef struct OCIDefine OCIDefine;
typedef struct OCIDescribe OCIDescribe;
typedef struct OCIServer OCIServer;
typedef struct OCISession OCISession;
typedef struct OCISession OCIAuthInfo;
typedef struct OCIComplexObject OCIComplexObject;
typedef struct OCITrans OCITrans;
typedef struct OCISecurity OCISecurity;
typedef struct OCISubscription OCISubscription;
typedef struct OCICPool OCICPool;
typedef struct OCISPool OCISPool;
typedef struct OCIAdmin OCIAdmin;
typedef struct OCIEvent OCIEvent;

/* Opaque descriptors */
typedef struct OCISnapshot OCISnapshot;
typedef struct OCIResult OCIResult;
typedef struct OCILobLocator OCILobLocator;
typedef struct OCILobRegion OCILobRegion;
typedef struct OCIParam OCIParam;
typedef struct OCIComplexObjectComp OCIComplexObjectComp;
typedef struct OCIRowid OCIRowid;
typedef struct OCIDateTime OCIDateTime;
typedef struct OCIInterval OCIInterval;
typedef struct OCIUcb OCIUcb;
typedef struct OCIServerDNs OCIServerDNs;
typedef struct OCILobLocator OCIClobLocator;
typedef struct OCILobLocator OCIBlobLocator;
typedef struct OCILobLocator OCIBFileLocator;

/* Threads */
typedef struct OCIThreadMutex OCIThreadMutex;
typedef struct OCIThreadKey OCIThreadKey;
typedef struct OCIThreadId OCIThreadId;
typedef struct OCIThreadHandle OCIThreadHandle;

/* Value structures */
#define OCI_NUMBER_SIZE 22
struct OCINumber {
    ub1 OCINumberPart[OCI_NUMBER_SIZE];
};
typedef struct OCINumber OCINumber;

struct OCITime {
    ub1 OCITimeHH;
    ub1 OCITimeMI;
    ub1 OCITimeSS;
};
typedef struct OCITime OCITime;

struct OCIDate {
    sb2 OCIDateYYYY;
    ub1 OCIDateMM;
    ub1 OCIDateDD;
    OCITime OCIDateTime;
};
typedef struct OCIDate OCIDate;

#define XIDDATASIZE 128
#define MAXGTRIDSIZE 64
#define MAXBQUALSIZE 64
struct xid_t {
    long formatID;
    long gtrid_length;
    long bqual_length;
    char data[XIDDATASIZE];
};
typedef struct xid_t XID;

typedef ub4 OCIWchar;

#ifdef __cplusplus
}
#endif

#include <ociap.h>
#include <vskoci.h>

#endif /* OCI_ORACLE */
