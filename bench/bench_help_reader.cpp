// Reading help files into the help dialog's viewer: the shipped help and the worst shapes a
// large file can take (many format runs in one paragraph, many paragraphs, many runs).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextBrowser>
#include <cstdlib>
#include <string>

#include "app/rtf_reader.h"

namespace ribaku {
namespace {

constexpr size_t kMegabyte = 1 << 20;

const std::string kHeader =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fswiss Verdana;}}"
    "{\\colortbl;\\red32\\green32\\blue32;\\red128\\green0\\blue0;}\n";

// `piece` repeated until the file reaches `size`.
std::string Repeated(const std::string& piece, size_t size) {
    std::string rtf = kHeader;
    while (rtf.size() + piece.size() < size)
        rtf += piece;
    return rtf + "}";
}

// A help text of `runs` format runs, a paragraph every `runsPerParagraph` runs.
std::string FormatRuns(int runs, int runsPerParagraph) {
    static const char* const kToggles[] = {"\\b ", "\\b0 ", "\\i\\cf2 ", "\\i0\\cf1 "};
    std::string rtf = kHeader + "\\pard\\f1\\fs18\\cf1 ";
    for (int run = 0; run < runs; ++run) {
        rtf += kToggles[run % 4];
        rtf += "some words of help ";
        if ((run + 1) % runsPerParagraph == 0) rtf += "\\par\n";
    }
    return rtf + "}";
}

// Reads `rtf` into a help viewer, as the help dialog does when it is first opened; with
// `paint`, also lays out and paints its first screen, as the first F1 then does.
void ReadIntoViewer(benchmark::State& state, const std::string& rtf, bool paint = false) {
    QTextBrowser viewer;
    viewer.resize(600, 380);
    for (auto _ : state) {
        ReadRtf(rtf, *viewer.document());
        if (paint) benchmark::DoNotOptimize(viewer.grab());
        benchmark::DoNotOptimize(viewer.document()->characterCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}

// The worst inputs, read alone and read then shown: the second is what F1 makes a player
// wait for.
void BM_AlternatingFormats(benchmark::State& state) {
    ReadIntoViewer(state, Repeated("{\\b x}{\\i y}", state.range(0)), state.range(1) != 0);
}
BENCHMARK(BM_AlternatingFormats)
    ->ArgNames({"bytes", "painted"})
    ->ArgsProduct({{kMegabyte / 16, kMegabyte}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_EmptyParagraphs(benchmark::State& state) {
    ReadIntoViewer(state, Repeated("\\par", state.range(0)), state.range(1) != 0);
}
BENCHMARK(BM_EmptyParagraphs)
    ->ArgNames({"bytes", "painted"})
    ->ArgsProduct({{kMegabyte / 16, kMegabyte}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_FormatRuns(benchmark::State& state) {
    ReadIntoViewer(state,
                   FormatRuns(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))),
                   state.range(2) != 0);
}
BENCHMARK(BM_FormatRuns)
    ->ArgNames({"runs", "perParagraph", "painted"})
    ->ArgsProduct({{20000}, {20, 20000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_ShippedHelp(benchmark::State& state) {
    QTextBrowser viewer;
    viewer.resize(600, 380);
    for (auto _ : state) {
        LoadRtfFile(RIBAKU_DATA_DIR "/ribaku.rtf", *viewer.document());
        benchmark::DoNotOptimize(viewer.document()->characterCount());
    }
}
BENCHMARK(BM_ShippedHelp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ribaku

// The viewer needs a QApplication; offscreen unless told otherwise.
int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
