// One game frame on the software device against the same frame in pixman.
// Prints both times (the fastest repetition of each) and their ratio;
// --png=FILE also saves the device's frame.
#include "device_frame.h"
#include "pixman_frame.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

template <typename Frame> void drawFrames(benchmark::State& state) {
    Frame frame(bench::gameFrame());
    for (auto _ : state) {
        frame.draw();
        benchmark::DoNotOptimize(frame.pixels());
    }
}
const char* const kDeviceRun = "software device";
const char* const kPixmanRun = "pixman";
double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}
BENCHMARK(drawFrames<bench::DeviceFrame>)
    ->Name(kDeviceRun)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", fastest);
BENCHMARK(drawFrames<bench::PixmanFrame>)
    ->Name(kPixmanRun)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", fastest);

// Keeps each benchmark's fastest repetition, in microseconds per frame: other
// load on the machine only ever slows a run down.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
                microseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }
    std::map<std::string, double> microseconds;
};

// The largest difference in any channel between the two frames.
int largestDifference(const uint32_t* a, const uint32_t* b) {
    int largest = 0;
    for (int i = 0; i < bench::kFrameWidth * bench::kFrameHeight; ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            const int difference =
                std::abs(int((a[i] >> shift) & 0xFF) - int((b[i] >> shift) & 0xFF));
            largest = std::max(largest, difference);
        }
    }
    return largest;
}

} // namespace

int main(int argc, char** argv) {
    const char* pngPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--png=", 6) == 0) {
            pngPath = argv[i] + 6;
        }
    }
    // Repetitions in random order, so that both frames meet the same load on a
    // busy machine; flags given on the command line come later and win.
    static char repetitions[] = "--benchmark_repetitions=15";
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    static char minimumTime[] = "--benchmark_min_time=0.2";
    std::vector<char*> arguments(argv, argv + argc);
    arguments.insert(arguments.begin() + 1,
                     {repetitions, interleaving, aggregatesOnly, minimumTime});
    int argumentCount = int(arguments.size());
    benchmark::Initialize(&argumentCount, arguments.data());

    {
        bench::DeviceFrame device(bench::gameFrame());
        bench::PixmanFrame pixman(bench::gameFrame());
        device.draw();
        pixman.draw();
        std::printf("Largest channel difference between the two frames: %d\n",
                    largestDifference(device.pixels(), pixman.pixels()));
        if (pngPath != nullptr && !device.save(pngPath)) {
            std::fprintf(stderr, "Cannot write %s\n", pngPath);
            return 1;
        }
    }

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.microseconds[kDeviceRun];
    const double theirs = reporter.microseconds[kPixmanRun];
    if (ours > 0 && theirs > 0) {
        std::printf("Software device: %.1f us per frame\nPixman:          %.1f us per frame\n"
                    "Ratio (device / pixman): %.2f\n",
                    ours, theirs, ours / theirs);
    }
    benchmark::Shutdown();
    return 0;
}
