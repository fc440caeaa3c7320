// Throughput of the Tiled map reader next to the DOM parse of the same bytes by RapidJSON and simdjson,
// on a tile-heavy and an object-heavy map, with the peak heap each parse needs per megabyte of input.
#include <benchmark/benchmark.h>
#include <rapidjson/document.h>
#include <simdjson.h>

#include <cstdio>
#include <map>
#include <string>

#include "tiled/AllocationCounter.h"
#include "tiled/TiledMapGenerator.h"
#include "world/tiled/TiledMap.h"

namespace {

const std::string& TileHeavyMap() {
    static const std::string text = GenerateTileHeavyMap(400, 2000);
    return text;
}

const std::string& ObjectHeavyMap() {
    static const std::string text = GenerateObjectHeavyMap(30000);
    return text;
}

using CountedDocument =
    rapidjson::GenericDocument<rapidjson::UTF8<>, rapidjson::MemoryPoolAllocator<CountingAllocator>,
                               CountingAllocator>;

void Report(benchmark::State& state, size_t bytes, size_t peakBytes) {
    const double megabytes = static_cast<double>(bytes) / 1e6;
    state.counters["MB/s"] =
        benchmark::Counter(megabytes * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["input_MB"] = megabytes;
    state.counters["peak_MB_per_MB"] = static_cast<double>(peakBytes) / 1e6 / megabytes;
}

void Velmoria(benchmark::State& state, const std::string& (*source)()) {
    const std::string& text = source();
    const size_t base = StartPeakMeasure();
    if (LoadTiledMapFromMemory(text.data(), text.size()) == nullptr) state.SkipWithError("map refused");
    const size_t peak = PeakHeapBytes() - base;
    for (auto _ : state) {
        std::unique_ptr<TiledMap> map = LoadTiledMapFromMemory(text.data(), text.size());
        benchmark::DoNotOptimize(map.get());
    }
    Report(state, text.size(), peak);
}

void RapidJson(benchmark::State& state, const std::string& (*source)()) {
    const std::string& text = source();
    const size_t base = StartPeakMeasure();
    {
        CountedDocument document;
        if (document.Parse(text.data(), text.size()).HasParseError()) state.SkipWithError("parse error");
    }
    const size_t peak = PeakHeapBytes() - base;
    for (auto _ : state) {
        CountedDocument document;
        document.Parse(text.data(), text.size());
        benchmark::DoNotOptimize(document.IsObject());
    }
    Report(state, text.size(), peak);
}

void Simdjson(benchmark::State& state, const std::string& (*source)()) {
    const std::string& text = source();
    const simdjson::padded_string padded(text);
    const size_t base = StartPeakMeasure();
    simdjson::dom::parser parser;  // reused across runs, as simdjson is meant to be used
    if (parser.parse(padded).error() != simdjson::SUCCESS) state.SkipWithError("parse error");
    const size_t peak = PeakHeapBytes() - base;
    for (auto _ : state) {
        simdjson::dom::element root;
        benchmark::DoNotOptimize(parser.parse(padded).get(root));
    }
    Report(state, text.size(), peak);
}

// Prints the medians side by side with the ratios to the references after the usual table.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
            std::string name = run.run_name.str();
            name = name.substr(0, name.find("/repeats:"));
            medians_[name] = {run.counters.at("MB/s").value, run.counters.at("peak_MB_per_MB").value};
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nsimdjson implementation: %s\n", simdjson::get_active_implementation()->name().c_str());
        for (const char* map : {"tile_heavy", "object_heavy"}) {
            const Figures ours = medians_[std::string("Velmoria/") + map];
            const Figures rapid = medians_[std::string("RapidJson/") + map];
            const Figures simd = medians_[std::string("Simdjson/") + map];
            std::printf(
                "%-12s  reader %8.1f MB/s (peak %.2f MB/MB)  RapidJSON %8.1f MB/s (%.2f)  simdjson %8.1f "
                "MB/s "
                "(%.2f)  reader/RapidJSON %.2f  reader/simdjson %.2f\n",
                map, ours.rate, ours.peak, rapid.rate, rapid.peak, simd.rate, simd.peak,
                rapid.rate > 0 ? ours.rate / rapid.rate : 0.0, simd.rate > 0 ? ours.rate / simd.rate : 0.0);
        }
    }

private:
    struct Figures {
        double rate = 0.0;
        double peak = 0.0;
    };
    std::map<std::string, Figures> medians_;
};

}  // namespace

#define TILED_BENCH(function, name, source)   \
    BENCHMARK_CAPTURE(function, name, source) \
        ->Repetitions(9)                      \
        ->ReportAggregatesOnly(true)          \
        ->Unit(benchmark::kMillisecond)

TILED_BENCH(Velmoria, tile_heavy, &TileHeavyMap);
TILED_BENCH(RapidJson, tile_heavy, &TileHeavyMap);
TILED_BENCH(Simdjson, tile_heavy, &TileHeavyMap);
TILED_BENCH(Velmoria, object_heavy, &ObjectHeavyMap);
TILED_BENCH(RapidJson, object_heavy, &ObjectHeavyMap);
TILED_BENCH(Simdjson, object_heavy, &ObjectHeavyMap);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("tile-heavy map: %.2f MB, object-heavy map: %.2f MB\n", TileHeavyMap().size() / 1e6,
                ObjectHeavyMap().size() / 1e6);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
