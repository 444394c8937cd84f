#include "base/termination.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace base {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// One registered path. `state` tells the handler whether the path is
// complete: only async-signal-safe reads happen there.
struct Slot {
    enum : int { Free, Filling, Ready };
    std::atomic<int> state{Free};
    std::atomic<unsigned long> order{0};
    bool folder = false;
    char path[PATH_MAX] = {};
};

std::array<Slot, 48> slots;
std::atomic<unsigned long> counter{0};

void removeRegistered() {
    // Newest first: the files of a folder go before the folder.
    for (;;) {
        Slot* newest = nullptr;
        for (auto& slot : slots)
            if (slot.state.load(std::memory_order_acquire) == Slot::Ready &&
                (!newest || slot.order.load() > newest->order.load()))
                newest = &slot;
        if (!newest) return;
        if (newest->folder) ::rmdir(newest->path);
        else ::unlink(newest->path);
        newest->state.store(Slot::Free, std::memory_order_release);
    }
}

// Scopes of TerminationDeferred alive in any thread, and the first signal
// that came while one was: lock-free atomics, safe in a handler.
std::atomic<int> deferring{0};
std::atomic<int> deferredSignal{0};

// Removes what is registered and ends the process the signal's default way,
// sent to the process so that a thread that does not block it takes it.
void terminate(int signal) {
    removeRegistered();
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    ::sigaction(signal, &byDefault, nullptr);
    ::kill(::getpid(), signal);
}

// The signal is noted first and taken back by whoever sees no scope alive:
// this handler, or the last scope to end. Whichever order the two run in,
// exactly one of them finds it.
void endIfNotDeferred() {
    if (deferring.load() != 0) return;
    if (const int signal = deferredSignal.exchange(0); signal != 0) terminate(signal);
}

extern "C" void onTermination(int signal) {
    const int saved = errno;
    int none = 0;
    deferredSignal.compare_exchange_strong(none, signal);
    endIfNotDeferred();
    errno = saved;
}

}  // namespace

int removeIfTerminated(const std::filesystem::path& path, bool folder) {
    const std::string& text = path.native();
    if (text.empty() || text.size() >= PATH_MAX) return kNoTicket;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        Slot& slot = slots[i];
        int expected = Slot::Free;
        if (!slot.state.compare_exchange_strong(expected, Slot::Filling)) continue;
        std::memcpy(slot.path, text.c_str(), text.size() + 1);
        slot.folder = folder;
        slot.order.store(++counter);
        slot.state.store(Slot::Ready, std::memory_order_release);
        return static_cast<int>(i);
    }
    return kNoTicket;
}

void keepIfTerminated(int ticket) {
    if (ticket < 0 || ticket >= static_cast<int>(slots.size())) return;
    slots[static_cast<std::size_t>(ticket)].state.store(Slot::Free, std::memory_order_release);
}

void handleTermination() {
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = onTermination;
        sigemptyset(&action.sa_mask);
        // A second signal waits until the first one's removals are done.
        for (int s : kSignals) sigaddset(&action.sa_mask, s);
        for (int s : kSignals) {
            struct sigaction previous {};
            ::sigaction(s, nullptr, &previous);
            // A signal ignored by whoever started us (nohup) stays ignored.
            if (previous.sa_handler == SIG_IGN) continue;
            ::sigaction(s, &action, nullptr);
        }
        ::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)installed;
}

TerminationDeferred::TerminationDeferred() { deferring.fetch_add(1); }

TerminationDeferred::~TerminationDeferred() {
    deferring.fetch_sub(1);
    endIfNotDeferred();
}

}  // namespace base
