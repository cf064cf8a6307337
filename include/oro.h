/* Object types: references, type codes, indicators, durations, pin and lock options, and the
 * object cache calls. */
#ifndef ORO_ORACLE
#include <oci.h>
#endif

#ifndef ORO_ORACLE
#define ORO_ORACLE

#ifdef __cplusplus
extern "C" {
#endif

typedef struct OCIRef OCIRef;
typedef struct OCIType OCIType;
typedef struct OCITypeElem OCITypeElem;
typedef struct OCITypeMethod OCITypeMethod;
typedef struct OCIString OCIString;
typedef struct OCIRaw OCIRaw;
typedef struct OCIColl OCIColl;
typedef OCIColl OCIArray;
typedef OCIColl OCITable;
typedef struct OCIIter OCIIter;

/* Null indicators */
typedef sb2 OCIInd;
#define OCI_IND_NOTNULL (OCIInd)0
#define OCI_IND_NULL (OCIInd)(-1)
#define OCI_IND_BADNULL (OCIInd)(-2)
#define OCI_IND_NOTNULLABLE (OCIInd)(-3)

/* Type codes */
typedef ub2 OCITypeCode;
#define OCI_TYPECODE_REF SQLT_REF
#define OCI_TYPECODE_DATE SQLT_DAT
#define OCI_TYPECODE_SIGNED8 27
#define OCI_TYPECODE_SIGNED16 28
#define OCI_TYPECODE_SIGNED32 29
#define OCI_TYPECODE_REAL 21
#define OCI_TYPECODE_DOUBLE 22
#define OCI_TYPECODE_BFLOAT SQLT_IBFLOAT
#define OCI_TYPECODE_BDOUBLE SQLT_IBDOUBLE
#define OCI_TYPECODE_FLOAT SQLT_FLT
#define OCI_TYPECODE_NUMBER SQLT_NUM
#define OCI_TYPECODE_DECIMAL SQLT_PDN
#define OCI_TYPECODE_UNSIGNED8 SQLT_BIN
#define OCI_TYPECODE_UNSIGNED16 25
#define OCI_TYPECODE_UNSIGNED32 26
#define OCI_TYPECODE_OCTET 245
#define OCI_TYPECODE_SMALLINT 246
#define OCI_TYPECODE_INTEGER SQLT_INT
#define OCI_TYPECODE_RAW SQLT_LVB
#define OCI_TYPECODE_PTR 32
#define OCI_TYPECODE_VARCHAR2 SQLT_VCS
#define OCI_TYPECODE_CHAR SQLT_AFC
#define OCI_TYPECODE_VARCHAR SQLT_CHR
#define OCI_TYPECODE_MLSLABEL SQLT_LAB
#define OCI_TYPECODE_VARRAY 247
#define OCI_TYPECODE_TABLE 248
#define OCI_TYPECODE_OBJECT SQLT_NTY
#define OCI_TYPECODE_OPAQUE 58
#define OCI_TYPECODE_NAMEDCOLLECTION SQLT_NCO
#define OCI_TYPECODE_BLOB SQLT_BLOB
#define OCI_TYPECODE_BFILE SQLT_BFILE
#define OCI_TYPECODE_CLOB SQLT_CLOB
#define OCI_TYPECODE_CFILE SQLT_CFILE
#define OCI_TYPECODE_TIME SQLT_TIME
#define OCI_TYPECODE_TIME_TZ SQLT_TIME_TZ
#define OCI_TYPECODE_TIMESTAMP SQLT_TIMESTAMP
#define OCI_TYPECODE_TIMESTAMP_TZ SQLT_TIMESTAMP_TZ
#define OCI_TYPECODE_TIMESTAMP_LTZ SQLT_TIMESTAMP_LTZ
#define OCI_TYPECODE_INTERVAL_YM SQLT_INTERVAL_YM
#define OCI_TYPECODE_INTERVAL_DS SQLT_INTERVAL_DS
#define OCI_TYPECODE_UROWID SQLT_RDD
#define OCI_TYPECODE_OTMFIRST 228
#define OCI_TYPECODE_OTMLAST 320
#define OCI_TYPECODE_SYSFIRST 228
#define OCI_TYPECODE_SYSLAST 235
#define OCI_TYPECODE_PLS_INTEGER 266
#define OCI_TYPECODE_ITABLE SQLT_TAB
#define OCI_TYPECODE_RECORD SQLT_REC
#define OCI_TYPECODE_BOOLEAN SQLT_BOL
#define OCI_TYPECODE_NCHAR 286
#define OCI_TYPECODE_NVARCHAR2 287
#define OCI_TYPECODE_NCLOB 288
#define OCI_TYPECODE_NONE 0
#define OCI_TYPECODE_ERRTYPE 100

/* Object lifetimes, marks, pin, lock and refresh options */
typedef enum OCIObjectLifetime {
    OCI_OBJECT_PERSISTENT = 1,
    OCI_OBJECT_TRANSIENT,
    OCI_OBJECT_VALUE
} OCIObjectLifetime;

typedef uword OCIObjectMarkStatus;
#define OCI_OBJECT_NEW 0x0001
#define OCI_OBJECT_DELETED 0x0002
#define OCI_OBJECT_UPDATED 0x0004

typedef enum OCIPinOpt {
    OCI_PIN_DEFAULT = 1,
    OCI_PIN_ANY = 3,
    OCI_PIN_RECENT = 4,
    OCI_PIN_LATEST = 5
} OCIPinOpt;

typedef enum OCILockOpt {
    OCI_LOCK_NONE = 1,
    OCI_LOCK_X = 2,
    OCI_LOCK_X_NOWAIT = 3
} OCILockOpt;

typedef enum OCIMarkOpt {
    OCI_MARK_DEFAULT = 1,
    OCI_MARK_NONE = OCI_MARK_DEFAULT,
    OCI_MARK_UPDATE
} OCIMarkOpt;

typedef enum OCIRefreshOpt {
    OCI_REFRESH_LOADED = 1
} OCIRefreshOpt;

typedef enum OCIObjectPropId_ {
    OCI_OBJECTPROP_LIFETIME = 1,
    OCI_OBJECTPROP_SCHEMA,
    OCI_OBJECTPROP_TABLE,
    OCI_OBJECTPROP_PIN_DURATION,
    OCI_OBJECTPROP_ALLOC_DURATION,
    OCI_OBJECTPROP_LOCK,
    OCI_OBJECTPROP_MARKSTATUS,
    OCI_OBJECTPROP_VIEW
} OCIObjectPropId_;
typedef ub1 OCIObjectPropId;

typedef enum OCIObjectEvent {
    OCI_OBJECTEVENT_BEFORE_FLUSH = 1,
    OCI_OBJECTEVENT_AFTER_FLUSH,
    OCI_OBJECTEVENT_BEFORE_REFRESH,
    OCI_OBJECTEVENT_AFTER_REFRESH,
    OCI_OBJECTEVENT_WHEN_MARK_UPDATED,
    OCI_OBJECTEVENT_WHEN_MARK_DELETED,
    OCI_OBJECTEVENT_WHEN_UNMARK,
    OCI_OBJECTEVENT_WHEN_LOCK
} OCIObjectEvent;

typedef ub4 OCIObjectProperty;
#define OCI_OBJECTPROPERTY_ALL 0
#define OCI_OBJECTPROPERTY_OBJECT 1
#define OCI_OBJECTPROPERTY_TABLE 2

#define OCI_OBJECTCOPY_NOREF (ub1)0x01
#define OCI_OBJECTFREE_FORCE (ub2)0x0001
#define OCI_OBJECTFREE_NONULL (ub2)0x0002
#define OCI_OBJECTFREE_HEADER (ub2)0x0004

/* Type descriptors */
typedef enum OCITypeGetOpt {
    OCI_TYPEGET_HEADER,
    OCI_TYPEGET_ALL
} OCITypeGetOpt;

typedef enum OCITypeEncap {
    OCI_TYPEENCAP_PRIVATE,
    OCI_TYPEENCAP_PUBLIC
} OCITypeEncap;

typedef enum OCITypeMethodFlag {
    OCI_TYPEMETHOD_INLINE = 0x0001,
    OCI_TYPEMETHOD_CONSTANT = 0x0002,
    OCI_TYPEMETHOD_VIRTUAL = 0x0004,
    OCI_TYPEMETHOD_CONSTRUCTOR = 0x0008,
    OCI_TYPEMETHOD_DESTRUCTOR = 0x0010,
    OCI_TYPEMETHOD_OPERATOR = 0x0020,
    OCI_TYPEMETHOD_SELFISH = 0x0040,
    OCI_TYPEMETHOD_MAP = 0x0080,
    OCI_TYPEMETHOD_ORDER = 0x0100,
    OCI_TYPEMETHOD_RNDS = 0x0200,
    OCI_TYPEMETHOD_WNDS = 0x0400,
    OCI_TYPEMETHOD_RNPS = 0x0800,
    OCI_TYPEMETHOD_WNPS = 0x1000,
    OCI_TYPEMETHOD_ABSTRACT = 0x2000,
    OCI_TYPEMETHOD_OVERRIDING = 0x4000,
    OCI_TYPEMETHOD_PIPELINED = 0x8000
} OCITypeMethodFlag;

typedef enum OCITypeParamMode {
    OCI_TYPEPARAM_IN = 0,
    OCI_TYPEPARAM_OUT,
    OCI_TYPEPARAM_INOUT,
    OCI_TYPEPARAM_BYREF,
    OCI_TYPEPARAM_OUTNCPY,
    OCI_TYPEPARAM_INOUTNCPY
} OCITypeParamMode;

#define OCI_NUMBER_UNSIGNED 0
#define OCI_NUMBER_SIGNED 2

/* Object cache */
sword OCIObjectNew(OCIEnv *env, OCIError *err, const OCISvcCtx *svc, OCITypeCode typecode, OCIType *tdo,
                   void *table, OCIDuration duration, boolean value, void **instance);
sword OCIObjectPin(OCIEnv *env, OCIError *err, OCIRef *object_ref, OCIComplexObject *corhdl, OCIPinOpt pin_option,
                   OCIDuration pin_duration, OCILockOpt lock_option, void **object);
sword OCIObjectUnpin(OCIEnv *env, OCIError *err, void *object);
sword OCIObjectPinCountReset(OCIEnv *env, OCIError *err, void *object);
sword OCIObjectLock(OCIEnv *env, OCIError *err, void *object);
sword OCIObjectLockNoWait(OCIEnv *env, OCIError *err, void *object);
sword OCIObjectMarkUpdate(OCIEnv *env, OCIError *err, void *object);
sword OCIObjectUnmark(OCIEnv *env, OCIError *err, void *object);
sword OCIObjectUnmarkByRef(OCIEnv *env, OCIError *err, OCIRef *ref);
sword OCIObjectFree(OCIEnv *env, OCIError *err, void *instance, ub2 flags);
sword OCIObjectMarkDeleteByRef(OCIEnv *env, OCIError *err, OCIRef *object_ref);
sword OCIObjectMarkDelete(OCIEnv *env, OCIError *err, void *instance);
sword OCIObjectFlush(OCIEnv *env, OCIError *err, void *object);
sword OCIObjectFlushRefresh(OCIEnv *env, OCIError *err, void *object);
sword OCIObjectRefresh(OCIEnv *env, OCIError *err, void *object);
sword OCIObjectCopy(OCIEnv *env, OCIError *err, const OCISvcCtx *svc, void *source, void *null_source,
                    void *target, void *null_target, OCIType *tdo, OCIDuration duration, ub1 option);
sword OCIObjectGetTypeRef(OCIEnv *env, OCIError *err, void *instance, OCIRef *type_ref);
sword OCIObjectGetObjectRef(OCIEnv *env, OCIError *err, void *object, OCIRef *object_ref);
sword OCIObjectGetInd(OCIEnv *env, OCIError *err, void *instance, void **null_struct);
sword OCIObjectExists(OCIEnv *env, OCIError *err, void *ins, boolean *exist);
sword OCIObjectGetProperty(OCIEnv *envh, OCIError *errh, const void *obj, OCIObjectPropId propertyId,
                           void *property, ub4 *size);
sword OCIObjectIsLocked(OCIEnv *env, OCIError *err, void *ins, boolean *lock);
sword OCIObjectIsDirty(OCIEnv *env, OCIError *err, void *ins, boolean *dirty);
sword OCIObjectPinTable(OCIEnv *env, OCIError *err, const OCISvcCtx *svc, const oratext *schema_name,
                        ub4 s_n_length, const oratext *object_name, ub4 o_n_length, const OCIRef *scope_obj_ref,
                        OCIDuration pin_duration, void **object);
sword OCIObjectArrayPin(OCIEnv *env, OCIError *err, OCIRef **ref_array, ub4 array_size,
                        OCIComplexObject **cor_array, ub4 cor_array_size, OCIPinOpt pin_option,
                        OCIDuration pin_duration, OCILockOpt lock, void **obj_array, ub4 *pos);
sword OCIObjectGetAttr(OCIEnv *env, OCIError *err, void *instance, void *null_struct, OCIType *tdo,
                       const oratext **names, const ub4 *lengths, const ub4 name_count, const ub4 *indexes,
                       const ub4 index_count, OCIInd *attr_null_status, void **attr_null_struct,
                       void **attr_value, OCIType **attr_tdo);
sword OCIObjectSetAttr(OCIEnv *env, OCIError *err, void *instance, void *null_struct, OCIType *tdo,
                       const oratext **names, const ub4 *lengths, const ub4 name_count, const ub4 *indexes,
                       const ub4 index_count, const OCIInd null_status, const void *attr_null_struct,
                       const void *attr_value);
sword OCICacheFlush(OCIEnv *env, OCIError *err, const OCISvcCtx *svc, void *context,
                    OCIRef *(*get)(void *context, ub1 *last), OCIRef **ref);
sword OCICacheRefresh(OCIEnv *env, OCIError *err, const OCISvcCtx *svc, OCIRefreshOpt option, void *context,
                      OCIRef *(*get)(void *context), OCIRef **ref);
sword OCICacheUnpin(OCIEnv *env, OCIError *err, const OCISvcCtx *svc);
sword OCICacheFree(OCIEnv *env, OCIError *err, const OCISvcCtx *svc);
sword OCICacheUnmark(OCIEnv *env, OCIError *err, const OCISvcCtx *svc);

#ifdef __cplusplus
}
#endif

#endif /* ORO_ORACLE */
