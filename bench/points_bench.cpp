// Loading, saving and moving records of a 200-record document, against the floor of
// reading the same file's bytes into memory. Each benchmark also reports how many heap
// allocations one operation made.
#include "file_access.h"
#include "point_document.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>
#include <vector>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

const std::string& sampleFile() {
    static const std::string path = [] {
        std::string p = "/tmp/tenmark-bench-200.qpf";
        PointDocument doc;
        for (int i = 0; i < kMaxPoints; ++i) {
            doc.insertBlank(i);
            doc.setMarkNumber(i, "05");
            doc.setName(i, "東京駅前交差点");
            doc.setLongitude(i, "139/46/00.0");
            doc.setLatitude(i, "035/40/50.5");
            doc.setVoiceWord(i, "トウキョウエキ");
            doc.setPhone(i, "03-0000-0000");
        }
        doc.saveFile(p.c_str());
        return p;
    }();
    return path;
}

void reportAllocations(benchmark::State& state, long before) {
    state.counters["allocs_per_op"] =
        benchmark::Counter(static_cast<double>(allocations - before) / static_cast<double>(state.iterations()));
}

void ReadBytesFloor(benchmark::State& state) {
    const std::string& path = sampleFile();
    for (auto _ : state) {
        FileContent content;
        platformFileSystem().readAll(path.c_str(), content);
        benchmark::DoNotOptimize(content.bytes.get());
    }
}
BENCHMARK(ReadBytesFloor);

void LoadFile200(benchmark::State& state) {
    const std::string& path = sampleFile();
    PointDocument doc;
    long before = allocations;
    for (auto _ : state) {
        doc.loadFile(path.c_str());
        benchmark::DoNotOptimize(doc.count());
    }
    reportAllocations(state, before);
}
BENCHMARK(LoadFile200);

void SaveFile200(benchmark::State& state) {
    PointDocument doc;
    doc.loadFile(sampleFile().c_str());
    for (auto _ : state) doc.saveFile("/tmp/tenmark-bench-out.qpf");
}
BENCHMARK(SaveFile200);

void MoveRecord200(benchmark::State& state) {
    PointDocument doc;
    doc.loadFile(sampleFile().c_str());
    long before = allocations;
    for (auto _ : state) {
        doc.moveRecord(200, 0);
        doc.moveRecord(0, 199);
    }
    reportAllocations(state, before);
}
BENCHMARK(MoveRecord200);

// Every document operation but file access, on a full list.
void EditOperations200(benchmark::State& state) {
    PointDocument doc;
    doc.loadFile(sampleFile().c_str());
    long before = allocations;
    for (auto _ : state) {
        doc.removeAt(100);
        doc.insertBlank(0);
        doc.setName(0, "新しいポイント");
        doc.setLongitude(0, "135/30/00.0");
        doc.setDirectionEnabled(0, 1);
        benchmark::DoNotOptimize(PointDocument::soundIndexOfCode("00c4"));
        benchmark::DoNotOptimize(doc.getName(0));
    }
    reportAllocations(state, before);
}
BENCHMARK(EditOperations200);

} // namespace

BENCHMARK_MAIN();
