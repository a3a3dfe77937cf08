// Load and save of the largest crossword the loader takes: 50 x 50 clue squares, each with
// a 1999-byte text and its own per-line layout.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "drawing/document/kztfile.h"

namespace {

document::Crossword largest() {
    document::Crossword doc(50, 50);
    std::string text;
    for (int i = 0; text.size() < 1999; ++i) text += i % 9 == 8 ? '|' : char('a' + i % 26);
    text.resize(1999);
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y) {
            document::KPoint& k = doc.grid.At(x, y);
            k.MakeClue(text);
            k.ResetLines(30 + (x + y) % 20, (x * y) % 3 == 0 ? 12 : 0, 100, (x + y) % 11);
            k.lineRaise[3] = -0.05 * (y % 4);
        }
    return doc;
}

std::string tempPath() {
    return (std::filesystem::temp_directory_path() /
            ("document_file_bench_" + std::to_string(::getpid()) + ".kzt"))
        .string();
}

void BM_SaveToBytes(benchmark::State& state) {
    const document::Crossword doc = largest();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = document::SaveToString(doc);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SaveToBytes)->Unit(benchmark::kMillisecond);

// The whole save: bytes, temporary file, flush to disk, rename.
void BM_SaveToFile(benchmark::State& state) {
    document::Crossword doc = largest();
    const std::string path = tempPath();
    for (auto _ : state) benchmark::DoNotOptimize(document::Save(doc, path));
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);

void BM_LoadFromBytes(benchmark::State& state) {
    const std::string file = document::SaveToString(largest());
    document::LoadOptions options;
    for (auto _ : state) {
        document::Crossword doc;
        benchmark::DoNotOptimize(document::LoadBytes(doc, file, options));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_LoadFromBytes)->Unit(benchmark::kMillisecond);

// The whole load: reading the file, then parsing.
void BM_LoadFromFile(benchmark::State& state) {
    document::Crossword source = largest();
    const std::string path = tempPath();
    document::Save(source, path);
    for (auto _ : state) {
        document::Crossword doc;
        benchmark::DoNotOptimize(document::Load(doc, path));
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

}  // namespace
