/* Value types and their functions: NUMBER, DATE, date-time, interval, string, raw, reference,
 * collection, iterator and table. */
#ifndef ORL_ORACLE
#include <oci.h>
#endif

#ifndef ORL_ORACLE
#define ORL_ORACLE

#ifdef __cplusplus
extern "C" {
#endif

/* NUMBER */
#define OCI_NUMBER_DEFAULTPREC ((ub1)0)
#define OCI_NUMBER_DEFAULTSCALE ((sb1)MAXSB1MINVAL)
sword OCINumberInc(OCIError *err, OCINumber *number);
sword OCINumberDec(OCIError *err, OCINumber *number);
void OCINumberSetZero(OCIError *err, OCINumber *num);
void OCINumberSetPi(OCIError *err, OCINumber *num);
sword OCINumberAdd(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result);
sword OCINumberSub(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result);
sword OCINumberMul(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result);
sword OCINumberDiv(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result);
sword OCINumberMod(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result);
sword OCINumberIntPower(OCIError *err, const OCINumber *base, const sword exp, OCINumber *result);
sword OCINumberShift(OCIError *err, const OCINumber *number, const sword nDig, OCINumber *result);
sword OCINumberNeg(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberToText(OCIError *err, const OCINumber *number, const oratext *fmt, ub4 fmt_length,
                      const oratext *nls_params, ub4 nls_p_length, ub4 *buf_size, oratext *buf);
sword OCINumberFromText(OCIError *err, const oratext *str, ub4 str_length, const oratext *fmt, ub4 fmt_length,
                        const oratext *nls_params, ub4 nls_p_length, OCINumber *number);
sword OCINumberToInt(OCIError *err, const OCINumber *number, uword rsl_length, uword rsl_flag, void *rsl);
sword OCINumberFromInt(OCIError *err, const void *inum, uword inum_length, uword inum_s_flag, OCINumber *number);
sword OCINumberToReal(OCIError *err, const OCINumber *number, uword rsl_length, void *rsl);
sword OCINumberToRealArray(OCIError *err, const OCINumber **number, uword elems, uword rsl_length, void *rsl);
sword OCINumberFromReal(OCIError *err, const void *rnum, uword rnum_length, OCINumber *number);
sword OCINumberCmp(OCIError *err, const OCINumber *number1, const OCINumber *number2, sword *result);
sword OCINumberSign(OCIError *err, const OCINumber *number, sword *result);
sword OCINumberIsZero(OCIError *err, const OCINumber *number, boolean *result);
sword OCINumberIsInt(OCIError *err, const OCINumber *number, boolean *result);
sword OCINumberAssign(OCIError *err, const OCINumber *from, OCINumber *to);
sword OCINumberAbs(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberCeil(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberFloor(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberSqrt(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberTrunc(OCIError *err, const OCINumber *number, sword decplace, OCINumber *result);
sword OCINumberPower(OCIError *err, const OCINumber *base, const OCINumber *number, OCINumber *result);
sword OCINumberRound(OCIError *err, const OCINumber *number, sword decplace, OCINumber *result);
sword OCINumberPrec(OCIError *err, const OCINumber *number, eword nDigs, OCINumber *result);
sword OCINumberSin(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberArcSin(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberHypSin(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberCos(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberArcCos(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberHypCos(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberTan(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberArcTan(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberArcTan2(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result);
sword OCINumberHypTan(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberExp(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberLn(OCIError *err, const OCINumber *number, OCINumber *result);
sword OCINumberLog(OCIError *err, const OCINumber *base, const OCINumber *number, OCINumber *result);

/* DATE */
#define OCI_DATE_MAX_TEXT_SIZE 255
#define OCIDateGetTime(date, hour, min, sec) \
    do { \
        *(hour) = (date)->OCIDateTime.OCITimeHH; \
        *(min) = (date)->OCIDateTime.OCITimeMI; \
        *(sec) = (date)->OCIDateTime.OCITimeSS; \
    } while (0)
#define OCIDateGetDate(date, year, month, day) \
    do { \
        *(year) = (date)->OCIDateYYYY; \
        *(month) = (date)->OCIDateMM; \
        *(day) = (date)->OCIDateDD; \
    } while (0)
#define OCIDateSetTime(date, hour, min, sec) \
    do { \
        (date)->OCIDateTime.OCITimeHH = (ub1)(hour); \
        (date)->OCIDateTime.OCITimeMI = (ub1)(min); \
        (date)->OCIDateTime.OCITimeSS = (ub1)(sec); \
    } while (0)
#define OCIDateSetDate(date, year, month, day) \
    do { \
        (date)->OCIDateYYYY = (sb2)(year); \
        (date)->OCIDateMM = (ub1)(month); \
        (date)->OCIDateDD = (ub1)(day); \
    } while (0)
sword OCIDateAssign(OCIError *err, const OCIDate *from, OCIDate *to);
sword OCIDateToText(OCIError *err, const OCIDate *date, const oratext *fmt, ub1 fmt_length,
                    const oratext *lang_name, ub4 lang_length, ub4 *buf_size, oratext *buf);
sword OCIDateFromText(OCIError *err, const oratext *date_str, ub4 d_str_length, const oratext *fmt,
                      ub1 fmt_length, const oratext *lang_name, ub4 lang_length, OCIDate *date);
sword OCIDateCompare(OCIError *err, const OCIDate *date1, const OCIDate *date2, sword *result);
sword OCIDateAddMonths(OCIError *err, const OCIDate *date, sb4 num_months, OCIDate *result);
sword OCIDateAddDays(OCIError *err, const OCIDate *date, sb4 num_days, OCIDate *result);
sword OCIDateLastDay(OCIError *err, const OCIDate *date, OCIDate *last_day);
sword OCIDateDaysBetween(OCIError *err, const OCIDate *date1, const OCIDate *date2, sb4 *num_days);
sword OCIDateZoneToZone(OCIError *err, const OCIDate *date1, const oratext *zon1, ub4 zon1_length,
                        const oratext *zon2, ub4 zon2_length, OCIDate *date2);
sword OCIDateNextDay(OCIError *err, const OCIDate *date, const oratext *day_p, ub4 day_length, OCIDate *next_day);
sword OCIDateCheck(OCIError *err, const OCIDate *date, uword *valid);
sword OCIDateSysDate(OCIError *err, OCIDate *sys_date);

/* Date-time and interval descriptors */
sword OCIDateTimeGetTime(void *hndl, OCIError *err, OCIDateTime *datetime, ub1 *hr, ub1 *mm, ub1 *ss, ub4 *fsec);
sword OCIDateTimeGetDate(void *hndl, OCIError *err, const OCIDateTime *date, sb2 *yr, ub1 *mnth, ub1 *dy);
sword OCIDateTimeGetTimeZoneOffset(void *hndl, OCIError *err, const OCIDateTime *datetime, sb1 *hr, sb1 *mm);
sword OCIDateTimeGetTimeZoneName(void *hndl, OCIError *err, const OCIDateTime *datetime, ub1 *buf, ub4 *buflen);
sword OCIDateTimeConstruct(void *hndl, OCIError *err, OCIDateTime *datetime, sb2 yr, ub1 mnth, ub1 dy, ub1 hr,
                           ub1 mm, ub1 ss, ub4 fsec, OraText *timezone, size_t timezone_length);
sword OCIDateTimeSysTimeStamp(void *hndl, OCIError *err, OCIDateTime *sys_date);
sword OCIDateTimeAssign(void *hndl, OCIError *err, const OCIDateTime *from, OCIDateTime *to);
sword OCIDateTimeToText(void *hndl, OCIError *err, const OCIDateTime *date, const OraText *fmt, ub1 fmt_length,
                        ub1 fsprec, const OraText *lang_name, size_t lang_length, ub4 *buf_size, OraText *buf);
sword OCIDateTimeFromText(void *hndl, OCIError *err, const OraText *date_str, size_t dstr_length,
                          const OraText *fmt, ub1 fmt_length, const OraText *lang_name, size_t lang_length,
                          OCIDateTime *datetime);
sword OCIDateTimeCompare(void *hndl, OCIError *err, const OCIDateTime *date1, const OCIDateTime *date2,
                         sword *result);
sword OCIDateTimeCheck(void *hndl, OCIError *err, const OCIDateTime *date, ub4 *valid);
sword OCIDateTimeConvert(void *hndl, OCIError *err, OCIDateTime *indate, OCIDateTime *outdate);
sword OCIDateTimeSubtract(void *hndl, OCIError *err, OCIDateTime *indate1, OCIDateTime *indate2,
                          OCIInterval *inter);
sword OCIDateTimeIntervalAdd(void *hndl, OCIError *err, OCIDateTime *datetime, OCIInterval *inter,
                             OCIDateTime *outdatetime);
sword OCIDateTimeIntervalSub(void *hndl, OCIError *err, OCIDateTime *datetime, OCIInterval *inter,
                             OCIDateTime *outdatetime);
sword OCIDateTimeFromArray(void *hndl, OCIError *err, const ub1 *inarray, ub4 len, ub1 type,
                           OCIDateTime *datetime, const OCIInterval *reftz, ub1 fsprec);
sword OCIDateTimeToArray(void *hndl, OCIError *err, const OCIDateTime *datetime, const OCIInterval *reftz,
                         ub1 *outarray, ub4 *len, ub1 fsprec);
sword OCIIntervalSubtract(void *hndl, OCIError *err, OCIInterval *minuend, OCIInterval *subtrahend,
                          OCIInterval *result);
sword OCIIntervalAdd(void *hndl, OCIError *err, OCIInterval *addend1, OCIInterval *addend2, OCIInterval *result);
sword OCIIntervalMultiply(void *hndl, OCIError *err, const OCIInterval *inter, OCINumber *nfactor,
                          OCIInterval *result);
sword OCIIntervalDivide(void *hndl, OCIError *err, OCIInterval *dividend, OCINumber *divisor, OCIInterval *result);
sword OCIIntervalCompare(void *hndl, OCIError *err, OCIInterval *inter1, OCIInterval *inter2, sword *result);
sword OCIIntervalFromNumber(void *hndl, OCIError *err, OCIInterval *inter, OCINumber *number);
sword OCIIntervalFromText(void *hndl, OCIError *err, const OraText *inpstr, size_t str_len, OCIInterval *result);
sword OCIIntervalToText(void *hndl, OCIError *err, const OCIInterval *inter, ub1 lfprec, ub1 fsprec,
                        OraText *buffer, size_t buflen, size_t *resultlen);
sword OCIIntervalToNumber(void *hndl, OCIError *err, const OCIInterval *inter, OCINumber *number);
sword OCIIntervalCheck(void *hndl, OCIError *err, const OCIInterval *interval, ub4 *valid);
sword OCIIntervalAssign(void *hndl, OCIError *err, const OCIInterval *ininter, OCIInterval *outinter);
sword OCIIntervalSetYearMonth(void *hndl, OCIError *err, sb4 yr, sb4 mnth, OCIInterval *result);
sword OCIIntervalGetYearMonth(void *hndl, OCIError *err, sb4 *yr, sb4 *mnth, const OCIInterval *result);
sword OCIIntervalSetDaySecond(void *hndl, OCIError *err, sb4 dy, sb4 hr, sb4 mm, sb4 ss, sb4 fsec,
                              OCIInterval *result);
sword OCIIntervalGetDaySecond(void *hndl, OCIError *err, sb4 *dy, sb4 *hr, sb4 *mm, sb4 *ss, sb4 *fsec,
                              const OCIInterval *result);
sword OCIIntervalFromTZ(void *hndl, OCIError *err, const oratext *inpstring, size_t str_len, OCIInterval *result);

/* Variable-length strings and raw values */
sword OCIStringAssign(OCIEnv *env, OCIError *err, const OCIString *rhs, OCIString **lhs);
sword OCIStringAssignText(OCIEnv *env, OCIError *err, const oratext *rhs, ub4 rhs_len, OCIString **lhs);
sword OCIStringResize(OCIEnv *env, OCIError *err, ub4 new_size, OCIString **str);
ub4 OCIStringSize(OCIEnv *env, const OCIString *vs);
oratext *OCIStringPtr(OCIEnv *env, const OCIString *vs);
sword OCIStringAllocSize(OCIEnv *env, OCIError *err, const OCIString *vs, ub4 *allocsize);
sword OCIRawAssignRaw(OCIEnv *env, OCIError *err, const OCIRaw *rhs, OCIRaw **lhs);
sword OCIRawAssignBytes(OCIEnv *env, OCIError *err, const ub1 *rhs, ub4 rhs_len, OCIRaw **lhs);
sword OCIRawResize(OCIEnv *env, OCIError *err, ub4 new_size, OCIRaw **raw);
ub4 OCIRawSize(OCIEnv *env, const OCIRaw *raw);
ub1 *OCIRawPtr(OCIEnv *env, const OCIRaw *raw);
sword OCIRawAllocSize(OCIEnv *env, OCIError *err, const OCIRaw *raw, ub4 *allocsize);

/* References */
void OCIRefClear(OCIEnv *env, OCIRef *ref);
sword OCIRefAssign(OCIEnv *env, OCIError *err, const OCIRef *source, OCIRef **target);
boolean OCIRefIsEqual(OCIEnv *env, const OCIRef *x, const OCIRef *y);
boolean OCIRefIsNull(OCIEnv *env, const OCIRef *ref);
ub4 OCIRefHexSize(OCIEnv *env, const OCIRef *ref);
sword OCIRefFromHex(OCIEnv *env, OCIError *err, const OCISvcCtx *svc, const oratext *hex, ub4 length,
                    OCIRef **ref);
sword OCIRefToHex(OCIEnv *env, OCIError *err, const OCIRef *ref, oratext *hex, ub4 *hex_length);

/* Collections, iterators and tables */
sword OCICollSize(OCIEnv *env, OCIError *err, const OCIColl *coll, sb4 *size);
sb4 OCICollMax(OCIEnv *env, const OCIColl *coll);
sword OCICollGetElem(OCIEnv *env, OCIError *err, const OCIColl *coll, sb4 index, boolean *exists, void **elem,
                     void **elemind);
sword OCICollGetElemArray(OCIEnv *env, OCIError *err, const OCIColl *coll, sb4 index, boolean *exists,
                          void **elem, void **elemind, uword *nelems);
sword OCICollAssignElem(OCIEnv *env, OCIError *err, sb4 index, const void *elem, const void *elemind,
                        OCIColl *coll);
sword OCICollAssign(OCIEnv *env, OCIError *err, const OCIColl *rhs, OCIColl *lhs);
sword OCICollAppend(OCIEnv *env, OCIError *err, const void *elem, const void *elemind, OCIColl *coll);
sword OCICollTrim(OCIEnv *env, OCIError *err, sb4 trim_num, OCIColl *coll);
sword OCICollIsLocator(OCIEnv *env, OCIError *err, const OCIColl *coll, boolean *result);
sword OCIIterCreate(OCIEnv *env, OCIError *err, const OCIColl *coll, OCIIter **itr);
sword OCIIterDelete(OCIEnv *env, OCIError *err, OCIIter **itr);
sword OCIIterInit(OCIEnv *env, OCIError *err, const OCIColl *coll, OCIIter *itr);
sword OCIIterGetCurrent(OCIEnv *env, OCIError *err, const OCIIter *itr, void **elem, void **elemind);
sword OCIIterNext(OCIEnv *env, OCIError *err, OCIIter *itr, void **elem, void **elemind, boolean *eoc);
sword OCIIterPrev(OCIEnv *env, OCIError *err, OCIIter *itr, void **elem, void **elemind, boolean *boc);
sword OCITableSize(OCIEnv *env, OCIError *err, const OCITable *tbl, sb4 *size);
sword OCITableExists(OCIEnv *env, OCIError *err, const OCITable *tbl, sb4 index, boolean *exists);
sword OCITableDelete(OCIEnv *env, OCIError *err, sb4 index, OCITable *tbl);
sword OCITableFirst(OCIEnv *env, OCIError *err, const OCITable *tbl, sb4 *index);
sword OCITableLast(OCIEnv *env, OCIError *err, const OCITable *tbl, sb4 *index);
sword OCITableNext(OCIEnv *env, OCIError *err, sb4 index, const OCITable *tbl, sb4 *next_index, boolean *exists);
sword OCITablePrev(OCIEnv *env, OCIError *err, sb4 index, const OCITable *tbl, sb4 *prev_index, boolean *exists);

#ifdef __cplusplus
}
#endif

#endif /* ORL_ORACLE */
