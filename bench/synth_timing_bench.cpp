// How late port 0 plays a dense pattern, measured in samples where the
// synthesizer applies each event: the timed path (the player thread sends
// each event when its millisecond comes, the synth applies it from the next
// block rendered) against the scheduled path (the player sends a look-ahead
// ahead, FluidSynth's sequencer applies it in the block that reaches its
// millisecond). Both run in the same program, alternately, quiet and with
// every core kept busy.
//
// The pattern: 16 channels of 32nd notes at 200 quarter notes a minute, a
// one-bar loop played for a minute (CTABBER_SYNTH_SECONDS changes that).
// No sound card is needed: a device thread renders 64-sample blocks in
// real time, block n at start + n * 64 / 44100 s, as an audio driver pulls
// them, and counts the blocks it rendered more than a block late (an
// underrun on a real device). The synth has the General MIDI SoundFont
// loaded, so rendering costs what it costs in the program.
//
// Lateness: the first sample of the block that applied an event minus the
// event's ideal sample (its millisecond of play at 44.1 samples a
// millisecond, from the sample at which the run started). Drift: the median
// lateness of the last second minus that of the first.
#include <benchmark/benchmark.h>

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "playback/player_thread.h"
#include "playback/ports/synth_port.h"
#include "playback/ports/timer_thread.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace playback;
using namespace playback::ports;

constexpr int kBlock = 64;
constexpr double kSamplesPerMs = kSampleRate / 1000.0;

int runSeconds() {
    const char* env = std::getenv("CTABBER_SYNTH_SECONDS");
    const int s = env ? std::atoi(env) : 60;
    return s > 1 ? s : 60;
}

// One bar of 32nd notes on 16 channels at division 480: every 60 ticks each
// channel ends its note and starts the next.
std::vector<MidiEvent> densePattern() {
    std::vector<MidiEvent> events;
    std::uint64_t last = 0;
    for (std::uint64_t t = 0; t <= 1920; t += 60)
        for (std::uint8_t c = 0; c < 16; ++c) {
            const auto key = static_cast<std::uint8_t>(48 + (t / 60 + c) % 24);
            const auto gap = static_cast<std::uint32_t>(t - last);
            last = t;
            if (t > 0)
                events.push_back(MidiEvent::shortEvent(gap, t, static_cast<std::uint8_t>(0x80 | c),
                                                       static_cast<std::uint8_t>(key == 48 ? 71 : key - 1), 0));
            if (t < 1920) events.push_back(MidiEvent::shortEvent(0, t, static_cast<std::uint8_t>(0x90 | c), key, 90));
        }
    return events;
}

constexpr Timing kTiming{480, 300000, 4};  // 200 quarter notes a minute

// Renders the synth block by block in real time, as an audio driver would.
class Device {
public:
    explicit Device(Synth& synth) : synth_(synth) {}
    ~Device() { stop(); }
    void start() {
        start_ = Clock::now();
        thread_ = std::thread([this] {
            sched_param param{};
            param.sched_priority = 60;  // where FluidSynth's own audio thread asks to be
            realtime_ = pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
            prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
            float left[kBlock], right[kBlock];
            const auto block = std::chrono::nanoseconds(1000000000LL * kBlock / kSampleRate);
            for (std::int64_t n = 0; !stopping_; ++n) {
                const auto due = start_ + n * block;
                std::this_thread::sleep_until(due);
                if (Clock::now() - due > block) ++lateBlocks_;
                std::lock_guard lock(mutex_);
                fluid_synth_write_float(synth_.synth(), kBlock, left, 0, 1, right, 0, 1);
                rendered_ += kBlock;
            }
        });
    }
    void stop() {
        stopping_ = true;
        if (thread_.joinable()) thread_.join();
    }
    // The sample the device plays at `t` by its schedule.
    double sampleAt(Clock::time_point t) const {
        return std::chrono::duration<double>(t - start_).count() * kSampleRate;
    }
    // The next block's first sample; the lock keeps the device from rendering meanwhile.
    std::mutex& mutex() { return mutex_; }
    std::int64_t rendered() const { return rendered_; }
    std::int64_t lateBlocks() const { return lateBlocks_; }
    bool realtime() const { return realtime_; }

private:
    Synth& synth_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    Clock::time_point start_;
    std::mutex mutex_;
    std::atomic<std::int64_t> rendered_{0};
    std::atomic<std::int64_t> lateBlocks_{0};
    std::atomic<bool> realtime_{false};
};

// The timed path's port: applies each message at once, noting the first
// sample of the block it will sound from and the player's millisecond.
class TimedMeasuringPort final : public MidiPort {
public:
    TimedMeasuringPort(Synth& synth, Device& device) : synth_(synth), device_(device) {}
    std::string name() const override { return "timed"; }
    bool open() override { return true; }
    void close() override {}
    void reset() override { synth_.silence(); }
    bool send(std::span<const std::uint8_t> message) override {
        std::lock_guard lock(device_.mutex());
        if (player_ && player_->player() && measuring_) {
            const auto ms = player_->player()->runMs();
            applied.push_back({device_.rendered(), ms});
        }
        return synth_.send(message);
    }
    struct Hit {
        std::int64_t sample;
        std::uint64_t ms;
    };
    std::vector<Hit> applied;
    const PlayerThread* player_ = nullptr;
    std::atomic<bool> measuring_{false};

private:
    Synth& synth_;
    Device& device_;
};

// Keeps every core busy at normal priority while it lives.
class Load {
public:
    explicit Load(bool on) {
        if (!on) return;
        const unsigned n = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < n; ++i)
            threads_.emplace_back([this] {
                std::vector<std::uint64_t> churn(1 << 18);
                std::uint64_t x = 1;
                while (!stop_.load(std::memory_order_relaxed))
                    for (auto& v : churn) v = x = x * 6364136223846793005ULL + 1442695040888963407ULL;
                sink_ += x;
            });
    }
    ~Load() {
        stop_ = true;
        for (auto& t : threads_) t.join();
    }

private:
    std::vector<std::thread> threads_;
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> sink_{0};
};

struct Lateness {
    double ms;            // when, in the run
    std::int64_t samples;
};

double percentile(std::vector<std::int64_t> v, double p) {
    if (v.empty()) return 0;
    const auto k = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
    return static_cast<double>(v[k]);
}

void report(benchmark::State& state, const std::vector<Lateness>& hits, const Device& device, double seconds) {
    std::vector<std::int64_t> all, first, last;
    std::int64_t overBlock = 0;
    for (const auto& h : hits) {
        all.push_back(h.samples);
        if (h.ms < 1000) first.push_back(h.samples);
        if (h.ms > seconds * 1000 - 1000) last.push_back(h.samples);
        if (h.samples >= kBlock) ++overBlock;
    }
    state.counters["p50_samples"] = percentile(all, 0.5);
    state.counters["p99_samples"] = percentile(all, 0.99);
    state.counters["max_samples"] = percentile(all, 1.0);
    state.counters["min_samples"] = percentile(all, 0.0);
    state.counters["drift_samples"] = percentile(last, 0.5) - percentile(first, 0.5);
    state.counters["events"] = static_cast<double>(hits.size());
    state.counters["over_one_block"] = static_cast<double>(overBlock);
    state.counters["device_late_blocks"] = static_cast<double>(device.lateBlocks());
    state.counters["device_realtime"] = device.realtime() ? 1 : 0;
    state.counters["load_threads"] = state.range(1) == 1 ? std::max(1u, std::thread::hardware_concurrency()) : 0;
}

// state.range(0): 0 timed, 1 scheduled; state.range(1): 1 with every core busy.
void BM_Port0DensePattern(benchmark::State& state) {
    const int seconds = runSeconds();
    const bool scheduled = state.range(0) == 1;
    for (auto _ : state) {
        Synth synth;
        if (!synth.make() || !synth.hasSoundFont()) {
            state.SkipWithError("no synthesizer or no General MIDI SoundFont");
            return;
        }
        Device device(synth);
        std::shared_ptr<MidiPort> port;
        std::shared_ptr<SynthPort> synthPort;
        std::shared_ptr<TimedMeasuringPort> timedPort;
        std::vector<std::pair<std::int64_t, std::uint64_t>> scheduledHits;  // block start, due ms
        if (scheduled) {
            synthPort = std::make_shared<SynthPort>(synth, PortTiming::Scheduled);
            scheduledHits.reserve(static_cast<std::size_t>(seconds) * 16 * 2 * 54);
            synthPort->onApplied([&](std::span<const std::uint8_t>, std::uint64_t due) {
                scheduledHits.emplace_back(device.rendered(), due);
            });
            port = synthPort;
        } else {
            timedPort = std::make_shared<TimedMeasuringPort>(synth, device);
            timedPort->applied.reserve(static_cast<std::size_t>(seconds) * 16 * 2 * 54);
            port = timedPort;
        }
        CMIDIOUT out([port] { return PortList{port}; });
        PlayerThread player(out, [] { raiseTimerThread(); });
        if (timedPort) timedPort->player_ = &player;
        PlayerControls controls;
        Load load(state.range(1) == 1);
        device.start();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the device settles
        if (timedPort) timedPort->measuring_ = true;
        player.start({}, densePattern(), kTiming, controls, {});
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        player.stop();
        device.stop();

        std::vector<Lateness> hits;
        if (scheduled) {
            // The run's millisecond 0 is the first event's.
            const std::uint64_t origin = scheduledHits.empty() ? 0 : scheduledHits.front().second;
            for (const auto& [sample, due] : scheduledHits) {
                if (due > origin + static_cast<std::uint64_t>(seconds) * 1000) continue;
                const auto ideal = static_cast<std::int64_t>(std::ceil(static_cast<double>(due) * kSamplesPerMs));
                hits.push_back({static_cast<double>(due - origin), sample - ideal});
            }
        } else {
            const double start = device.sampleAt(player.timer().startTime());
            for (const auto& h : timedPort->applied) {
                const auto ideal = static_cast<std::int64_t>(std::ceil(start + static_cast<double>(h.ms) * kSamplesPerMs));
                hits.push_back({static_cast<double>(h.ms), h.sample - ideal});
            }
        }
        report(state, hits, device, seconds);
    }
}

BENCHMARK(BM_Port0DensePattern)
    ->ArgNames({"scheduled", "loaded"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
