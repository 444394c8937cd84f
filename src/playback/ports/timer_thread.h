#pragma once
// Makes the calling thread fit to be the player's 1 ms timer: wake-ups
// without timer slack and, where the system allows it, real-time scheduling
// below the audio threads, so a busy machine does not delay the events.
namespace playback::ports {

// True when real-time scheduling was granted; false leaves the thread at
// its normal priority (timer slack is still cut).
bool raiseTimerThread();

}  // namespace playback::ports
