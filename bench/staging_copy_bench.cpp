// links: slidekiln_builder
// The staging copy (inside the kernel, else in 8192-byte chunks) of a 256 MiB
// presentation that lies in the page cache, against the system's own cp of the
// same file in the same run.
// "ratio" is the copy's throughput over cp's: the target is at least 0.8.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "builder/FileStaging.h"
#include "platform/ProcessLauncher.h"

namespace {

constexpr std::size_t kFileSize = 256u << 20;

class CopyFixture {
public:
    CopyFixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "slidekiln-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_folder = pattern + "/";
        std::vector<char> block(1 << 20);
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>((i * 2654435761u) >> 13);
        std::ofstream out(source(), std::ios::binary);
        for (std::size_t written = 0; written < kFileSize; written += block.size()) {
            block[0] = static_cast<char>(written >> 20);
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
        out.close();
        // Read it once so the runs below find it in the page cache.
        std::ifstream in(source(), std::ios::binary);
        while (in.read(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }
    ~CopyFixture() {
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }
    CopyFixture(const CopyFixture&) = delete;
    CopyFixture& operator=(const CopyFixture&) = delete;

    std::string source() const { return m_folder + "talk.ppt"; }
    std::string destination() const { return m_folder + "view.ppt"; }

private:
    std::string m_folder;
};

double secondsOf(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_StagingCopyAgainstCp(benchmark::State& state) {
    CopyFixture files;
    const std::string cp = sk::platform::ProcessLauncher::findProgram("cp");
    double copySeconds = 0;
    double cpSeconds = 0;
    for (auto _ : state) {
        std::filesystem::remove(files.destination());
        double ours =
            secondsOf([&] { sk::builder::FileStaging::copyFile(files.source(), files.destination()); });
        std::filesystem::remove(files.destination());
        double theirs = secondsOf([&] {
            sk::platform::ProcessLauncher::runAndWait({cp, files.source(), files.destination()});
        });
        state.SetIterationTime(ours);
        copySeconds += ours;
        cpSeconds += theirs;
    }
    const double mebibytes =
        static_cast<double>(kFileSize) / (1 << 20) * static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(kFileSize) * state.iterations());
    state.counters["copy_MiB_per_s"] = mebibytes / copySeconds;
    state.counters["cp_MiB_per_s"] = mebibytes / cpSeconds;
    state.counters["ratio"] = cpSeconds / copySeconds;
}
BENCHMARK(BM_StagingCopyAgainstCp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(16);

}  // namespace
