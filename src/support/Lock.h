#pragma once

#include <mutex>

namespace g20seq {

// Every critical section of the system is re-entrant: a thread that holds it may take it
// again (a zone operation calling another zone operation). Sections are only ever held
// through the RAII guard.
using TCriticalSection = std::recursive_mutex;
using TLockGuard = std::lock_guard<std::recursive_mutex>;

// Holds two critical sections together (once when they are the same), taken in an order
// that cannot deadlock against a thread taking the same two the other way round: what
// copies or compares two zones locks both through this.
class TLockPair {
public:
    TLockPair(TCriticalSection& A, TCriticalSection& B)
        : FA(A, std::defer_lock), FB(B, std::defer_lock) {
        if (&A == &B)
            FA.lock();
        else
            std::lock(FA, FB);
    }

private:
    std::unique_lock<TCriticalSection> FA;
    std::unique_lock<TCriticalSection> FB;
};

} // namespace g20seq
