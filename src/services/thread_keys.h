// Thread-specific values whose keys have destructors. Each thread keeps the values it set
// through such keys in its destructor list, the value of the process's destructor-list
// key; threads started by OCIThreadCreate pass them to the destructors when they end.
#pragma once

#include <oci.h>

struct OCIThreadKey;

namespace vsk {

// A new key serial, live until retire_key_serial.
ub8 register_key_serial() noexcept;
// From now on no thread passes values of this key to its destructor, and the calling
// thread forgets its own.
void retire_key_serial(ub8 serial) noexcept;

// Sets the calling thread's value of key, keeping its destructor list; false when the
// list cannot grow (nothing is changed then).
bool set_key_value(const OCIThreadKey *key, void *value) noexcept;

// Runs at the end of a thread started by OCIThreadCreate: passes every non-null value
// of a live key to its destructor, once, and frees the list.
void run_key_destructors() noexcept;

// The destructor-list key's own destructor: frees the list of a thread that was not
// started by OCIThreadCreate, without running the application's destructors.
extern "C" void release_destructor_list(void *list);

}  // namespace vsk
