// OCIThreadProcessInit, OCIThreadInit, OCIThreadTerm, OCIThreadIsMulti and the mutex and
// key calls.
#include <oci.h>

#include <cerrno>

#include "env/export.h"
#include "services/thread_call.h"
#include "services/thread_keys.h"
#include "services/thread_records.h"

using namespace vsk;

extern "C" {

VSK_EXPORT void OCIThreadProcessInit(void) {}

VSK_EXPORT sword OCIThreadInit(void *hndl, OCIError *err) {
    OCIEnv *env = thread_owner(hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    env->threadPackageInit = 1;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadTerm(void *hndl, OCIError *err) {
    OCIEnv *env = thread_owner(hndl, err);
    if (!env) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    return env->threadPackageInit ? OCI_SUCCESS : thread_error(err, kErrThreadOperation);
}

VSK_EXPORT boolean OCIThreadIsMulti(void) { return TRUE; }

VSK_EXPORT sword OCIThreadMutexInit(void *hndl, OCIError *err, OCIThreadMutex **mutex) {
    OCIEnv *env = thread_owner(hndl, err);
    if (!env || !mutex) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    return make_thread_record(env, err, HANDLE_OCIThreadMutex, mutex, [](OCIThreadMutex *m) -> ub4 {
        return pthread_mutex_init(&m->mutex, nullptr) == 0 ? 0 : kErrMutexInit;
    });
}

// A mutex some thread still holds is not destroyed: 30135, and it stays usable.
VSK_EXPORT sword OCIThreadMutexDestroy(void *hndl, OCIError *err, OCIThreadMutex **mutex) {
    if (!thread_owner(hndl, err) || !mutex || !is_kind(*mutex, HANDLE_OCIThreadMutex)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    OCIThreadMutex *m = *mutex;
    if (pthread_mutex_trylock(&m->mutex) != 0) return thread_error(err, kErrThreadOperation);
    pthread_mutex_unlock(&m->mutex);
    if (pthread_mutex_destroy(&m->mutex) != 0) return thread_error(err, kErrThreadOperation);
    unlink_record(m);
    delete_record(m);
    *mutex = nullptr;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadMutexAcquire(void *hndl, OCIError *err, OCIThreadMutex *mutex) {
    if (!thread_owner(hndl, err) || !is_kind(mutex, HANDLE_OCIThreadMutex)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    return pthread_mutex_lock(&mutex->mutex) == 0 ? OCI_SUCCESS : thread_error(err, kErrThreadOperation);
}

VSK_EXPORT sword OCIThreadMutexRelease(void *hndl, OCIError *err, OCIThreadMutex *mutex) {
    if (!thread_owner(hndl, err) || !is_kind(mutex, HANDLE_OCIThreadMutex)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    return pthread_mutex_unlock(&mutex->mutex) == 0 ? OCI_SUCCESS : thread_error(err, kErrThreadOperation);
}

VSK_EXPORT sword OCIThreadKeyInit(void *hndl, OCIError *err, OCIThreadKey **key, OCIThreadKeyDestFunc destFn) {
    OCIEnv *env = thread_owner(hndl, err);
    if (!env || !key) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    return make_thread_record(env, err, HANDLE_OCIThreadKey, key, [destFn](OCIThreadKey *k) -> ub4 {
        k->destFn = destFn;
        if (pthread_key_create(&k->key, nullptr) != 0) return kErrThreadOperation;
        k->serial = register_key_serial();
        if (k->serial != 0) return 0;
        pthread_key_delete(k->key);
        return kErrNoMemory;
    });
}

VSK_EXPORT sword OCIThreadKeyDestroy(void *hndl, OCIError *err, OCIThreadKey **key) {
    if (!thread_owner(hndl, err) || !key || !is_kind(*key, HANDLE_OCIThreadKey)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    unlink_record(*key);
    Free_ThreadRecord(*key);
    *key = nullptr;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadKeyGet(void *hndl, OCIError *err, OCIThreadKey *key, void **pValue) {
    if (!thread_owner(hndl, err) || !is_kind(key, HANDLE_OCIThreadKey) || !pValue) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    *pValue = pthread_getspecific(key->key);
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadKeySet(void *hndl, OCIError *err, OCIThreadKey *key, void *value) {
    if (!thread_owner(hndl, err) || !is_kind(key, HANDLE_OCIThreadKey)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    return set_key_value(key, value) ? OCI_SUCCESS : thread_error(err, kErrNoMemory);
}

}  // extern "C"
