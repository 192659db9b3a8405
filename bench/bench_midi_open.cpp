// Opening each shipped piece of music: the time of Open, and the heap the synthesizer holds
// (counters, in KiB): made, once the piece is open, and once its first ten seconds have played
// (a SoundFont may read its samples only when a program change asks for them).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <memory>
#include <string>

#include "media/midi_player.h"

namespace ribaku {
namespace {

const std::filesystem::path kMusics = std::filesystem::path(RIBAKU_DATA_DIR) / "Musics";

double HeapKiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1024.0;
}

void BM_OpenPiece(benchmark::State& bench, const std::string& piece) {
    if (MidiPlayer::FindSoundFont().empty()) {
        bench.SkipWithError("no General MIDI SoundFont");
        return;
    }
    const std::string path = (kMusics / piece).string();
    const double before = HeapKiB();
    auto player = std::make_unique<MidiPlayer>(MidiOutput::Offline);
    const double synth = HeapKiB() - before;
    if (!player->Open(path)) {
        bench.SkipWithError("the piece cannot be opened");
        return;
    }
    bench.counters["heap_synth_KiB"] = synth;
    bench.counters["heap_open_KiB"] = HeapKiB() - before;
    player->Play();
    player->Render(10 * MidiPlayer::kSampleRate);
    bench.counters["heap_played_KiB"] = HeapKiB() - before;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(player->Open(path));
    }
}

// Registered at start-up, one benchmark per piece found.
const bool kRegistered = [] {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kMusics, error)) {
        if (entry.path().extension() != ".mid") continue;
        const std::string piece = entry.path().filename().string();
        benchmark::RegisterBenchmark(("BM_OpenPiece/" + piece).c_str(), BM_OpenPiece, piece)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
}  // namespace ribaku
