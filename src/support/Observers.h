// Subscriptions with several observers: what fields, zones and EPROMs offer to the views
// and editors that follow them, besides the single change callback that belongs to the host.
//
// An observer runs on the thread that makes the change. It must not wait for another
// thread (a view on the GUI thread queues its update and returns): the one who changes a
// value never waits for its observers' threads.
//
// A subscription is an RAII token. Ending it (destroying, reassigning or Cancel) removes the
// observer for good: once it returns, no call of that observer runs or starts on another
// thread, so a window that ends its subscriptions in its destructor is never called after.
// An observer may end its own subscription while it runs. A token may outlive the object
// it subscribed to.
#pragma once

#include "support/G20SeqExport.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace g20seq {

// One observer's state: whether it still runs, and how many of its calls are under way.
// Concurrent calls of one observer do not wait for each other.
class G20SEQ_EXPORT TObserverSlot {
public:
    TObserverSlot() = default;
    virtual ~TObserverSlot();
    TObserverSlot(const TObserverSlot&) = delete;
    TObserverSlot& operator=(const TObserverSlot&) = delete;

    // No call starts after this; waits for the calls under way on other threads.
    void Cancel();
    bool Active() const;

protected:
    // Runs Call unless the observer was cancelled.
    template <class TCall> void Run(TCall&& Call) {
        if (!Enter())
            return;
        const TLeave leave{*this};
        std::forward<TCall>(Call)();
    }

private:
    struct TLeave {
        TObserverSlot& Slot;
        ~TLeave() { Slot.Leave(); }
    };
    bool Enter();
    void Leave();

    mutable std::mutex FLock;
    std::condition_variable FIdle;
    int FCalls = 0;
    bool FActive = true;
};

// The token of one subscription; empty when default-constructed or moved from.
class G20SEQ_EXPORT TSubscription {
public:
    TSubscription() = default;
    explicit TSubscription(std::shared_ptr<TObserverSlot> Slot) : FSlot(std::move(Slot)) {}
    ~TSubscription();
    TSubscription(TSubscription&& Other) noexcept = default;
    // Ends the subscription held so far, then takes Other's.
    TSubscription& operator=(TSubscription&& Other) noexcept;
    TSubscription(const TSubscription&) = delete;
    TSubscription& operator=(const TSubscription&) = delete;

    // Ends the subscription now; nothing happens when it is empty.
    void Cancel();
    explicit operator bool() const { return FSlot != nullptr; }

private:
    std::shared_ptr<TObserverSlot> FSlot;
};

// The observers of one subject, called with Args in the order they subscribed. The list is
// made on the first subscription, so a subject nobody follows costs one pointer.
template <class... Args> class TObservers {
public:
    using TObserver = std::function<void(Args...)>;

    TObservers() = default;
    ~TObservers() { delete FList.load(std::memory_order_acquire); }
    TObservers(const TObservers&) = delete;
    TObservers& operator=(const TObservers&) = delete;

    [[nodiscard]] TSubscription Subscribe(TObserver Observer) {
        auto slot = std::make_shared<TSlot>(std::move(Observer));
        TList& list = List();
        const std::lock_guard lock(list.Lock);
        Purge(list);
        list.Slots.push_back(slot);
        return TSubscription(std::move(slot));
    }

    // Calls every active observer; the list's lock is not held during the calls, so
    // observers may subscribe and unsubscribe. An observer that raises does not keep the
    // others from being told: the first exception is raised again after the last call.
    void Notify(Args... Values) const {
        TList* list = FList.load(std::memory_order_acquire);
        if (list == nullptr)
            return;
        std::vector<std::shared_ptr<TSlot>> appels;
        {
            const std::lock_guard lock(list->Lock);
            Purge(*list);
            appels = list->Slots;
        }
        std::exception_ptr erreur;
        for (const auto& slot : appels) {
            try {
                slot->Call(Values...);
            } catch (...) {
                if (!erreur)
                    erreur = std::current_exception();
            }
        }
        if (erreur)
            std::rethrow_exception(erreur);
    }

    // Whether nobody ever subscribed (a quick test before collecting a notification).
    bool Empty() const { return FList.load(std::memory_order_acquire) == nullptr; }

private:
    class TSlot : public TObserverSlot {
    public:
        explicit TSlot(TObserver Observer) : FObserver(std::move(Observer)) {}
        void Call(Args... Values) {
            Run([&] { FObserver(Values...); });
        }

    private:
        TObserver FObserver;
    };
    struct TList {
        std::mutex Lock;
        std::vector<std::shared_ptr<TSlot>> Slots;
    };

    TList& List() {
        TList* list = FList.load(std::memory_order_acquire);
        if (list != nullptr)
            return *list;
        auto made = std::make_unique<TList>();
        if (FList.compare_exchange_strong(list, made.get(), std::memory_order_acq_rel))
            return *made.release();
        return *list;
    }
    // Drops the observers whose subscription ended.
    static void Purge(TList& List) {
        std::erase_if(List.Slots, [](const auto& Slot) { return !Slot->Active(); });
    }

    mutable std::atomic<TList*> FList{nullptr};
};

} // namespace g20seq
