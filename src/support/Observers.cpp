#include "support/Observers.h"

#include <algorithm>

namespace g20seq {

namespace {

// The observers whose calls this thread is running, innermost last: an observer that ends
// its own subscription must not wait for itself.
thread_local std::vector<const TObserverSlot*> CallsOfThisThread;

int CallsOnThisThread(const TObserverSlot* Slot) {
    return static_cast<int>(std::count(CallsOfThisThread.begin(), CallsOfThisThread.end(), Slot));
}

} // namespace

TObserverSlot::~TObserverSlot() = default;

void TObserverSlot::Cancel() {
    std::unique_lock lock(FLock);
    FActive = false;
    const int own = CallsOnThisThread(this);
    FIdle.wait(lock, [&] { return FCalls <= own; });
}

bool TObserverSlot::Active() const {
    const std::lock_guard lock(FLock);
    return FActive;
}

bool TObserverSlot::Enter() {
    const std::lock_guard lock(FLock);
    if (!FActive)
        return false;
    ++FCalls;
    CallsOfThisThread.push_back(this);
    return true;
}

void TObserverSlot::Leave() {
    {
        const std::lock_guard lock(FLock);
        --FCalls;
        const auto last = std::find(CallsOfThisThread.rbegin(), CallsOfThisThread.rend(), this);
        if (last != CallsOfThisThread.rend())
            CallsOfThisThread.erase(std::next(last).base());
    }
    FIdle.notify_all();
}

TSubscription::~TSubscription() {
    Cancel();
}

TSubscription& TSubscription::operator=(TSubscription&& Other) noexcept {
    if (this != &Other) {
        Cancel();
        FSlot = std::move(Other.FSlot);
    }
    return *this;
}

void TSubscription::Cancel() {
    if (FSlot != nullptr)
        FSlot->Cancel();
    FSlot.reset();
}

} // namespace g20seq
