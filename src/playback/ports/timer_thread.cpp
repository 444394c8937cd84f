#include "playback/ports/timer_thread.h"

#include <pthread.h>
#include <sched.h>
#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace playback::ports {

// Below FluidSynth's audio thread (60) and sound servers (80 and above).
constexpr int kRealtimePriority = 50;

bool raiseTimerThread() {
#if defined(__linux__)
    // The default slack of 50 microseconds lets the kernel wake the thread late on purpose.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
    sched_param param{};
    param.sched_priority = kRealtimePriority;
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
}

}  // namespace playback::ports
