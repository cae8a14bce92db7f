#pragma once

#include <mutex>

namespace g20seq {

// Every critical section of the system is re-entrant: a thread that holds it may take it
// again (a zone operation calling another zone operation). Sections are only ever held
// through the RAII guard.
using TCriticalSection = std::recursive_mutex;
using TLockGuard = std::lock_guard<std::recursive_mutex>;

} // namespace g20seq
