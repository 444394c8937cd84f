// How late the player sends its events, and whether its clock drifts, over
// two minutes of play: the player thread with the recording port, at normal
// priority and raised as the program runs it, against a plain thread that
// only sleeps to the same absolute 1 ms deadlines.
//
// Lateness: the time a message is sent (player) or the thread wakes (plain
// thread) minus the deadline of its step. Drift: the median lateness of the
// last second minus that of the first; behind_at_end: the lateness of the
// last step, which is how far the count of steps times 1 ms trails the clock
// after the whole run. CTABBER_TIMER_SECONDS shortens the run (default 120).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <thread>
#include <vector>

#include "playback/player_thread.h"
#include "playback/ports/timer_thread.h"
#include "playback/recording_port.h"

namespace {

using Clock = std::chrono::steady_clock;
using playback::MidiEvent;

int runSeconds() {
    const char* env = std::getenv("CTABBER_TIMER_SECONDS");
    const int s = env ? std::atoi(env) : 120;
    return s > 1 ? s : 120;
}

double percentile(std::vector<std::int64_t> v, double p) {
    if (v.empty()) return 0;
    const auto k = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
    return static_cast<double>(v[k]) / 1000.0;
}

struct Sample {
    std::int64_t atMs;       // the step's deadline, from the start
    std::int64_t latenessNs;
};

void report(benchmark::State& state, const std::vector<Sample>& samples) {
    std::vector<std::int64_t> all, first, last;
    const std::int64_t end = samples.empty() ? 0 : samples.back().atMs;
    for (const auto& s : samples) {
        all.push_back(s.latenessNs);
        if (s.atMs < 1000) first.push_back(s.latenessNs);
        if (s.atMs > end - 1000) last.push_back(s.latenessNs);
    }
    state.counters["p50_us"] = percentile(all, 0.50);
    state.counters["p99_us"] = percentile(all, 0.99);
    state.counters["max_us"] = percentile(all, 1.0);
    state.counters["drift_us"] = percentile(last, 0.5) - percentile(first, 0.5);
    state.counters["behind_at_end_us"] = samples.empty() ? 0 : static_cast<double>(samples.back().latenessNs) / 1000.0;
    state.counters["samples"] = static_cast<double>(samples.size());
}

void BM_PlainSleepUntilThread(benchmark::State& state) {
    const int steps = runSeconds() * 1000;
    std::vector<Sample> samples;
    samples.reserve(static_cast<std::size_t>(steps));
    for (auto _ : state) {
        std::thread t([&] {
            const auto start = Clock::now();
            for (int n = 1; n <= steps; ++n) {
                const auto due = start + std::chrono::milliseconds(n);
                std::this_thread::sleep_until(due);
                samples.push_back({n, (Clock::now() - due).count()});
            }
        });
        t.join();
    }
    report(state, samples);
}

// A note message every millisecond: one tick per millisecond, 1000 events
// to the loop.
std::vector<MidiEvent> denseSection() {
    std::vector<MidiEvent> events;
    for (std::uint32_t tick = 0; tick < 1000; ++tick)
        events.push_back(MidiEvent::shortEvent(tick == 0 ? 0 : 1, tick, tick % 2 ? 0x80 : 0x90, 60, 100));
    return events;
}

// state.range(0): 1 raises the thread as the program does.
void BM_PlayerThread(benchmark::State& state) {
    const int seconds = runSeconds();
    auto port = std::make_shared<playback::RecordingPort>();
    playback::CMIDIOUT out([port] { return playback::PortList{port}; });
    bool realtime = false;
    std::function<void()> prepare;
    if (state.range(0) == 1) prepare = [&realtime] { realtime = playback::ports::raiseTimerThread(); };
    playback::PlayerThread player(out, prepare);
    port->reserve(static_cast<std::size_t>(seconds) * 1000 + 100);
    // Each send is stamped with its lateness against the deadline of its step.
    port->setClock([&player]() -> std::uint64_t {
        const auto* p = player.player();
        if (!p) return 0;
        const auto due = player.timer().startTime() + std::chrono::milliseconds(p->runMs());
        return static_cast<std::uint64_t>(std::max<std::int64_t>((Clock::now() - due).count(), 0));
    });
    playback::PlayerControls controls;
    std::vector<Sample> samples;
    for (auto _ : state) {
        player.start({}, denseSection(), {1000, 1000000, 4}, controls, {});
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        // Stamps of the sends made while playing, before stop() adds its own.
        const auto entries = port->entries();
        player.stop();
        std::int64_t ms = 0;
        for (const auto& e : entries) {
            if (e.kind != playback::RecordingPort::Kind::Send) continue;
            samples.push_back({ms++, static_cast<std::int64_t>(e.at)});
        }
    }
    report(state, samples);
    state.counters["realtime"] = realtime ? 1 : 0;
}

BENCHMARK(BM_PlainSleepUntilThread)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_PlayerThread)->ArgName("raised")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
