// The food storage table at its fullest, 480 cells: loading it (both files
// read, decoded, totals recomputed), recomputing the totals for a new family
// size, saving it (encoded, temporary files, sync, rename) and laying its
// printout out with the real printer's metrics, each against a plain read
// (or, for the save, a plain write) of the same files in the same run. Each
// must feel instant (well under 50 ms); the ratios show what the table costs
// beyond the disk.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench/large_cookbook.h"
#include "bench/qt_printer.h"
#include "food_storage/printing/storage_print_layout.h"
#include "food_storage/store/storage_amounts.h"
#include "food_storage/store/storage_files.h"
#include "platform/testing/test_folder.h"

namespace {

using Clock = std::chrono::steady_clock;
using bench::Median;
using bench::Seconds;
using food_storage::StorageKind;

constexpr StorageKind kKind = StorageKind::Emergency;

// Every row of the emergency kind filled, the heading rows marked.
food_storage::StorageTable FullTable() {
    food_storage::StorageTable table;
    for (int r = 1; r <= food_storage::StorageRows; ++r) {
        table.Cell(r, food_storage::TitleColumn) = "Storage item " + std::to_string(r);
        table.Cell(r, food_storage::AmountPerPersonColumn) = std::to_string(r % 12 + 1) + " cans";
        table.Cell(r, food_storage::OnHandColumn) = " " + std::to_string(r) + " cans";
        table.Cell(r, food_storage::LastActionDateColumn) = "12/08/04";
        table.Cell(r, food_storage::AmountAddedColumn) = " 6 cans";
    }
    food_storage::RecomputeTotalsNeeded(kKind, table, "4");
    food_storage::RebuildAllRows(kKind, table);
    return table;
}

// A folder holding the full table and the number in family.
struct StorageFolder {
    StorageFolder() { saved = food_storage::SaveStorage(folder(), kKind, FullTable(), "4"); }
    basic::ProgramFolder folder() const { return basic::ProgramFolder(dir.path()); }
    std::filesystem::path table() const { return dir.path() / food_storage::FileNamesOf(kKind).table; }
    std::filesystem::path family() const { return dir.path() / food_storage::NumberInFamilyFileName; }
    // The baseline: both files read start to end.
    long long PlainRead() const { return bench::ReadSequentially(table()) + bench::ReadSequentially(family()); }

    basic::testing::TestFolder dir;
    bool saved = false;
};

// The save's baseline: the same bytes written plainly over a file of their
// own, no temporary file, no sync, no rename.
bool PlainWrite(const std::filesystem::path& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return ::close(fd) == 0 && written;
}

void Report(benchmark::State& state, const char* baseline, const std::vector<double>& base,
            const std::vector<double>& work) {
    const double b = Median(base);
    const double done = Median(work);
    state.counters[baseline] = b * 1000;
    state.counters["table_ms"] = done * 1000;
    state.counters["ratio"] = b > 0 ? done / b : 0;
}

// Times run() against a plain read of the storage files just before it.
template <typename Run>
void AgainstPlainRead(benchmark::State& state, const StorageFolder& files, Run run) {
    std::vector<double> reads;
    std::vector<double> runs;
    for (auto _ : state) {
        const auto readStart = Clock::now();
        benchmark::DoNotOptimize(files.PlainRead());
        const auto runStart = Clock::now();
        if (!run()) state.SkipWithError("the table did not come out whole");
        const auto runEnd = Clock::now();
        reads.push_back(Seconds(runStart - readStart));
        runs.push_back(Seconds(runEnd - runStart));
        state.SetIterationTime(Seconds(runEnd - runStart));
    }
    Report(state, "read_ms", reads, runs);
}

void BM_LoadStorageTable(benchmark::State& state) {
    const StorageFolder files;
    if (!files.saved) return state.SkipWithError("cannot write the table");
    const food_storage::StorageTable expected = food_storage::LoadStorage(files.folder(), kKind).table;
    AgainstPlainRead(state, files, [&] {
        const food_storage::LoadedStorage loaded = food_storage::LoadStorage(files.folder(), kKind);
        return loaded.tableResult == food_storage::StorageRead::Read && loaded.table == expected;
    });
}
BENCHMARK(BM_LoadStorageTable)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

void BM_RecomputeTotalsForNewFamilySize(benchmark::State& state) {
    const StorageFolder files;
    if (!files.saved) return state.SkipWithError("cannot write the table");
    food_storage::StorageTable table = FullTable();
    int family = 4;
    AgainstPlainRead(state, files, [&] {
        family = family % 12 + 1;
        const std::string size = std::to_string(family);
        food_storage::RecomputeTotalsNeeded(kKind, table, size);
        return table.Cell(2, food_storage::NumberInFamilyColumn) == " " + size;
    });
}
BENCHMARK(BM_RecomputeTotalsForNewFamilySize)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

void BM_SaveStorageTable(benchmark::State& state) {
    const StorageFolder files;
    if (!files.saved) return state.SkipWithError("cannot write the table");
    const food_storage::StorageTable table = FullTable();
    const std::string tableBytes = food_storage::EncodeStorageTable(kKind, table);
    const std::string familyBytes = food_storage::EncodeNumberInFamily("4");
    const auto plainTable = files.dir.path() / "plain1.fil";
    const auto plainFamily = files.dir.path() / "plain2.fil";
    std::vector<double> writes;
    std::vector<double> saves;
    for (auto _ : state) {
        const auto writeStart = Clock::now();
        const bool written = PlainWrite(plainTable, tableBytes) && PlainWrite(plainFamily, familyBytes);
        const auto saveStart = Clock::now();
        const bool saved = food_storage::SaveStorage(files.folder(), kKind, table, "4");
        const auto saveEnd = Clock::now();
        if (!written || !saved) state.SkipWithError("a write failed");
        writes.push_back(Seconds(saveStart - writeStart));
        saves.push_back(Seconds(saveEnd - saveStart));
        state.SetIterationTime(Seconds(saveEnd - saveStart));
    }
    Report(state, "write_ms", writes, saves);
}
BENCHMARK(BM_SaveStorageTable)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

void BM_LayoutStoragePrintout(benchmark::State& state) {
    const StorageFolder files;
    if (!files.saved) return state.SkipWithError("cannot write the table");
    ui::PrintDocument doc(bench::Printer());
    printing::PrintFontSettings font;
    font.PrintFontName = "Times New Roman";
    font.PrintFontSize = 14;
    const food_storage::StorageTable table = FullTable();
    AgainstPlainRead(state, files, [&] {
        food_storage::LayoutStorageTable(doc, font, kKind, table, "Pantrivo - Emergency Storage", {2004, 12, 8}, {});
        return doc.PageCount() >= 1;
    });
    state.counters["pages"] = doc.PageCount();
}
BENCHMARK(BM_LayoutStoragePrintout)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(41);

}  // namespace
