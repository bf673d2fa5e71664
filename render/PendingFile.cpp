#include "PendingFile.h"

#if defined(__unix__) || defined(__APPLE__)

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

// The temporary files being written, for an interrupt to remove: plain
// buffers and flags, all a signal handler may touch. Each writing thread has a
// slot of its own (a thread past the last slot writes without one: a file it
// leaves is removed by the next write into its folder).
constexpr int kPendingSlots = 64;
struct PendingSlot {
    char name[PATH_MAX];
    std::atomic<int> set; // lock-free: read by a handler on another thread
};
PendingSlot g_pending[kPendingSlots];
std::atomic<int> g_slotsTaken{0};
// An ending signal is being handled: no thread names (and so creates) a
// temporary file any more.
std::atomic<int> g_ending{0};
// How long the handler gives a thread that was already past its check to
// finish creating its file, before removing the pending files once more.
constexpr long kCreationGraceNs = 100'000'000; // 0.1 s

// This thread's slot, or none.
PendingSlot* ThreadSlot() {
    thread_local const int index = g_slotsTaken.fetch_add(1);
    return index < kPendingSlots ? &g_pending[index] : nullptr;
}

// Names the temporary file an interrupt removes, or none (nullptr).
void SetPending(const QByteArray* name) {
    PendingSlot* const slot = ThreadSlot();
    if (slot == nullptr) {
        return;
    }
    slot->set.store(0);
    if (name != nullptr && name->size() < static_cast<qsizetype>(sizeof slot->name)) {
        std::memcpy(slot->name, name->constData(), static_cast<std::size_t>(name->size()) + 1);
        slot->set.store(1);
        // Named first, checked after: either the handler sees the name, or
        // this thread sees the handler and never creates the file.
        while (g_ending.load() != 0) {
            ::pause(); // the process is ending
        }
    }
}

void RemovePending() {
    for (PendingSlot& slot : g_pending) {
        if (slot.set.load() != 0) {
            ::unlink(slot.name);
        }
    }
}

// A signal that ends the process (an interrupt, a closed terminal or pipe, a
// quit): the file being written goes, then the process ends as
// the signal ends it, so whoever sent it sees it in the exit status.
extern "C" void RemovePendingAndEnd(int signal) {
    g_ending.store(1);
    RemovePending();
    // Other threads go on while this one handles the signal: one that named
    // its file before the flag was up may still be creating it. It is given
    // a moment, and its file removed too.
    const timespec grace{0, kCreationGraceNs};
    ::nanosleep(&grace, nullptr);
    RemovePending();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace

CPendingFile::CPendingFile(const QByteArray& name) {
    SetPending(&name);
}

CPendingFile::~CPendingFile() {
    SetPending(nullptr);
}

void RemoveTemporaryFileOnInterrupt() {
    constexpr std::array kEnding{SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGQUIT};
    struct sigaction action {};
    action.sa_handler = RemovePendingAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signal : kEnding) {
        sigaddset(&action.sa_mask, signal);
    }
    for (const int signal : kEnding) {
        // A signal the caller ignores (nohup, a background job) stays ignored.
        struct sigaction before {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN) {
            ::sigaction(signal, &action, nullptr);
        }
    }
}

#else

CPendingFile::CPendingFile(const QByteArray&) {}
CPendingFile::~CPendingFile() = default;
void RemoveTemporaryFileOnInterrupt() {}

#endif
