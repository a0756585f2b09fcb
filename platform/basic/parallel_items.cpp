#include "platform/basic/parallel_items.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace basic {

namespace {

// What the threads of one ForEachItem share. A helper that takes it up only
// after every item is taken does nothing but look at it, and keeps it alive,
// so the caller need not wait for such a helper.
struct SharedItems {
    SharedItems(long count, const std::function<bool(unsigned, long)>& work)
        : count(count), wantedUpTo(count - 1), work(work) {}

    const long count;
    std::atomic<long> next{0};
    std::atomic<long> wantedUpTo;
    // Threads between taking an item and being done with it.
    std::atomic<int> busy{0};
    const std::function<bool(unsigned, long)>& work;
};

void Done(SharedItems& items) {
    if (items.busy.fetch_sub(1) == 1) items.busy.notify_all();
}

void TakeItems(SharedItems& items, unsigned worker) {
    for (;;) {
        items.busy.fetch_add(1);
        const long item = items.next.fetch_add(1);
        if (item >= items.count || item > items.wantedUpTo.load()) return Done(items);
        if (!items.work(worker, item)) LowerTo(items.wantedUpTo, item);
        Done(items);
    }
}

// The helper threads, started as calls first need them; they wait for work
// until the program ends, which ends them where they wait (so they are never
// joined, and the helpers are never destroyed). Each call leaves one request
// for each helper it wants; an idle helper takes the oldest.
class Helpers {
public:
    static Helpers& Instance() {
        static Helpers& helpers = *new Helpers;
        return helpers;
    }

    void Request(const std::shared_ptr<SharedItems>& items, unsigned helpers) {
        {
            const std::lock_guard lock(mutex_);
            try {
                for (; started_ < helpers; ++started_) std::thread([this] { Serve(); }).detach();
            } catch (const std::system_error&) {
                // Fewer helpers: the threads there are share the items.
            }
            for (unsigned i = 0; i < helpers && i < started_; ++i) requests_.push_back({items, i + 1});
        }
        wake_.notify_all();
    }

    // Withdraws what no helper has taken up yet.
    void Withdraw(const std::shared_ptr<SharedItems>& items) {
        const std::lock_guard lock(mutex_);
        std::erase_if(requests_, [&](const PendingHelp& request) { return request.items == items; });
    }

private:
    struct PendingHelp {
        std::shared_ptr<SharedItems> items;
        unsigned worker;
    };

    Helpers() = default;

    void Serve() {
        for (;;) {
            PendingHelp request;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return !requests_.empty(); });
                request = std::move(requests_.front());
                requests_.pop_front();
            }
            TakeItems(*request.items, request.worker);
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<PendingHelp> requests_;
    unsigned started_ = 0;
};

}  // namespace

unsigned MachineThreads() { return std::max(1u, std::thread::hardware_concurrency()); }

unsigned ThreadsFor(unsigned requested, long count, long minItems) {
    if (requested != 0) return requested;
    const long room = std::max(1L, count / std::max(1L, minItems));
    return static_cast<unsigned>(std::min(static_cast<long>(MachineThreads()), room));
}

void LowerTo(std::atomic<long>& value, long candidate) {
    for (long seen = value.load(); candidate < seen;)
        if (value.compare_exchange_weak(seen, candidate)) return;
}

void ForEachItem(long count, unsigned threads, const std::function<bool(unsigned worker, long item)>& work) {
    if (count < 1) return;
    const auto items = std::make_shared<SharedItems>(count, work);
    // A few more threads than cores at most: beyond that they only wait.
    const long most = 4L * MachineThreads();
    const auto helpers = static_cast<unsigned>(std::clamp(static_cast<long>(threads), 1L, std::min(count, most)) - 1);
    if (helpers > 0) Helpers::Instance().Request(items, helpers);
    TakeItems(*items, 0);
    if (helpers > 0) Helpers::Instance().Withdraw(items);
    // Every item is taken now: wait for those still under way on helpers.
    for (int busy; (busy = items->busy.load()) != 0;) items->busy.wait(busy);
}

}  // namespace basic
