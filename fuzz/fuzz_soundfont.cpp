// A SoundFont 2 file cut down to a few presets: refused, or a SoundFont that the same cut
// takes again and gives back unchanged.
#include <cstdint>
#include <cstdlib>

#include "fuzz_input.h"
#include "media/soundfont_subset.h"

namespace {

// Presets found, the bank-0 and program-0 stand-ins, and a drum kit with its stand-in.
const std::set<ribaku::TPresetId> kPresets = {
    {0, 0}, {0, 1}, {0, 24}, {8, 24}, {5, 77}, {ribaku::kDrumBank, 0}, {ribaku::kDrumBank, 25}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ribaku;
    const std::filesystem::path input = fuzz::WriteInputFile(data, size, "font.sf2");
    const std::optional<std::vector<uint8_t>> subset = SubsetSoundFont(input, kPresets);
    if (!subset) return 0;
    const std::filesystem::path cut =
        fuzz::WriteInputFile(subset->data(), subset->size(), "subset.sf2");
    if (SubsetSoundFont(cut, kPresets) != subset) std::abort();
    return 0;
}
