// Load + 115 lookups with CXmlDoc and with pugixml, side by side; prints the time ratios. Also the
// strict well-formedness pass of `lang check` on the generated and hostile files.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/i18n/language_keys.h"
#include "core/i18n/xml_doc.h"
#include "core/i18n/xml_strict_check.h"
#include "platform/linux/iconv_code_page_converter.h"

namespace {

namespace fs = std::filesystem;
using oryn7px::LanguageKeys;

void OursLoadAndLookUp(benchmark::State& state, const fs::path& file) {
    const oryn7px::IconvCodePageConverter converter;
    for (auto _ : state) {
        oryn7px::CXmlDoc doc(converter);
        doc.LoadFile(file);
        std::size_t characters = 0;
        for (const auto& key : LanguageKeys()) characters += doc.GetSectionText("config", key.name).size();
        benchmark::DoNotOptimize(characters);
    }
}

void StrictCheck(benchmark::State& state, const fs::path& file) {
    const oryn7px::IconvCodePageConverter converter;
    const std::string bytes = oryn7px::ReadXmlFile(file).value_or("");
    for (auto _ : state) benchmark::DoNotOptimize(oryn7px::StrictXmlProblems(bytes, converter));
}

void PugixmlLoadAndLookUp(benchmark::State& state, const fs::path& file) {
    for (auto _ : state) {
        pugi::xml_document doc;
        doc.load_file(file.c_str());
        std::size_t characters = 0;
        const pugi::xml_node config = doc.first_child().child("config");
        for (const auto& key : LanguageKeys()) {
            characters += std::string(config.child(std::string(key.name).c_str()).child_value()).size();
        }
        benchmark::DoNotOptimize(characters);
    }
}

// A language file padded with filler elements before the keys, so every lookup walks them.
fs::path GenerateFile(const fs::path& folder, std::size_t bytes) {
    const fs::path file = folder / ("generated-" + std::to_string(bytes >> 20) + "MB.xml");
    std::ofstream out(file, std::ios::binary);
    out << "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<language>\n<config>\n";
    std::size_t written = 0;
    for (std::size_t i = 0; written < bytes; ++i) {
        const std::string line = "  <filler" + std::to_string(i) + ">Ünïcödé filler &amp; text " +
                                 std::to_string(i) + "</filler" + std::to_string(i) + ">\n";
        out << line;
        written += line.size();
    }
    for (const auto& key : LanguageKeys()) out << "  <" << key.name << ">Text of " << key.name << "</" << key.name << ">\n";
    out << "</config>\n</language>\n";
    return file;
}

// Hostile shapes: a deep nest under a stream of end tags that match nothing (quadratic in a
// reader that walks the open elements for each end tag), and nothing but empty elements (the
// most index entries per byte).
fs::path GenerateNestWithStrayEndTags(const fs::path& folder, std::size_t bytes) {
    const fs::path file = folder / ("nest-stray-" + std::to_string(bytes >> 10) + "KB.xml");
    std::ofstream out(file, std::ios::binary);
    const std::size_t depth = bytes / 7;
    out << "<r>";
    for (std::size_t i = 0; i < depth; ++i) out << "<a>";
    for (std::size_t i = 0; i < depth; ++i) out << "</b>";
    out << "</r>";
    return file;
}

// Well-formed all the way down: the strict pass cannot stop early.
fs::path GenerateDeepNest(const fs::path& folder, std::size_t bytes) {
    const fs::path file = folder / ("deep-nest-" + std::to_string(bytes >> 20) + "MB.xml");
    std::ofstream out(file, std::ios::binary);
    const std::size_t depth = bytes / 17;
    for (std::size_t i = 0; i < depth; ++i) out << "<a x='1' y='2'>";
    for (std::size_t i = 0; i < depth; ++i) out << "</a>";
    return file;
}

fs::path GenerateEmptyElements(const fs::path& folder, std::size_t bytes) {
    const fs::path file = folder / ("empty-elements-" + std::to_string(bytes >> 20) + "MB.xml");
    std::ofstream out(file, std::ios::binary);
    out << "<r>";
    for (std::size_t i = 0; i < bytes / 4; ++i) out << "<a/>";
    out << "</r>";
    return file;
}

// Peak resident memory of a process that loads `file` once, in KiB.
long PeakKibToLoad(const fs::path& file) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        const oryn7px::IconvCodePageConverter converter;
        oryn7px::CXmlDoc doc(converter);
        doc.LoadFile(file);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long peak = usage.ru_maxrss;
        (void)!write(pipeFds[1], &peak, sizeof peak);
        _exit(0);
    }
    long peak = -1;
    close(pipeFds[1]);
    (void)!read(pipeFds[0], &peak, sizeof peak);
    close(pipeFds[0]);
    waitpid(child, nullptr, 0);
    return peak;
}

std::vector<fs::path> LanguageFiles() {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(ORYN7PX_LANGUAGE_DIR, error)) {
        if (entry.path().extension() == ".xml") files.push_back(entry.path());
    }
    if (files.empty()) {
        std::cerr << "No shipped language files yet; measuring the test fixtures instead.\n";
        files = {fs::path(ORYN7PX_FIXTURE_DIR) / "complete.xml", fs::path(ORYN7PX_FIXTURE_DIR) / "complete_utf16le.xml"};
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Keeps each run's time to print ours / pugixml per file at the end.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios(const std::vector<std::string>& names) const {
        std::cout << "\nours / pugixml, CPU time of load + 115 lookups:\n";
        for (const std::string& name : names) {
            const auto ours = times_.find("ours/" + name);
            const auto pugixml = times_.find("pugixml/" + name);
            if (ours == times_.end() || pugixml == times_.end()) continue;
            std::cout << "  " << name << ": " << ours->second / pugixml->second << "\n";
        }
        const auto small = times_.find("ours/nest-stray-560KB.xml");
        const auto large = times_.find("ours/nest-stray-1400KB.xml");
        if (small != times_.end() && large != times_.end()) {
            std::cout << "growth of ours on the stray-end-tag nest from 560 KB to 1400 KB: "
                      << large->second / small->second << " (linear is 2.5)\n";
        }
        for (const std::string reader : {"ours", "pugixml", "strict"}) {
            const auto oneMb = times_.find(reader + "/generated-1MB.xml");
            const auto fiveMb = times_.find(reader + "/generated-5MB.xml");
            if (oneMb == times_.end() || fiveMb == times_.end()) continue;
            std::cout << "growth of " << reader << " from 1 MB to 5 MB: " << fiveMb->second / oneMb->second
                      << " (linear is 5)\n";
        }
        const auto shallow = times_.find("strict/deep-nest-1MB.xml");
        const auto deep = times_.find("strict/deep-nest-4MB.xml");
        if (shallow != times_.end() && deep != times_.end()) {
            std::cout << "growth of strict on the deep nest from 1 MB to 4 MB: " << deep->second / shallow->second
                      << " (linear is 4)\n";
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    const fs::path folder = fs::temp_directory_path() / "oryn7px-xml-bench";
    fs::create_directories(folder);
    std::vector<fs::path> files = LanguageFiles();
    const std::vector<fs::path> generated = {GenerateFile(folder, std::size_t{1} << 20),
                                             GenerateFile(folder, std::size_t{5} << 20)};
    const std::vector<fs::path> hostile = {GenerateNestWithStrayEndTags(folder, 560u << 10),
                                           GenerateNestWithStrayEndTags(folder, 1400u << 10),
                                           GenerateEmptyElements(folder, std::size_t{8} << 20)};
    files.insert(files.end(), generated.begin(), generated.end());
    files.insert(files.end(), hostile.begin(), hostile.end());
    std::vector<fs::path> strictFiles = {GenerateDeepNest(folder, std::size_t{1} << 20),
                                         GenerateDeepNest(folder, std::size_t{4} << 20)};
    strictFiles.insert(strictFiles.end(), generated.begin(), generated.end());
    strictFiles.insert(strictFiles.end(), hostile.begin(), hostile.end());

    std::vector<std::string> names;
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        names.push_back(name);
        benchmark::RegisterBenchmark(("ours/" + name).c_str(), OursLoadAndLookUp, file)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("pugixml/" + name).c_str(), PugixmlLoadAndLookUp, file)->Unit(benchmark::kMicrosecond);
    }
    for (const fs::path& file : strictFiles) {
        const std::string name = "strict/" + file.filename().string();
        benchmark::RegisterBenchmark(name.c_str(), StrictCheck, file)->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(names);
    std::cout << "\npeak memory of a process that loads the file once (ours):\n";
    for (const fs::path& file : hostile) std::cout << "  " << file.filename().string() << ": " << PeakKibToLoad(file) / 1024 << " MiB\n";
    fs::remove_all(folder);
    return 0;
}
