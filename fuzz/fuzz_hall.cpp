// "Hallfame.ini": any bytes read as a hall of fame whose entries are all of the entry form;
// the table read writes out and reads back the same.
#include <cstdint>
#include <cstdlib>

#include "core/board_state.h"
#include "fuzz_input.h"
#include "play/hall_file.h"

namespace {

const std::vector<ribaku::THallSection> kHalls = {
    {1, "Traditional"},
    {2, "BigTower"},
    {3, "Crab"},
    {ribaku::kRiversEasyNumber, "Rivers"},
    {ribaku::kRiversHardNumber, "Rivers2"},
    {ribaku::kMemoryEasyNumber, "Memory"},
    {ribaku::kMemoryHardNumber, "Memory2"},
    {ribaku::kClicksNumber, "Clicks"},
};

bool SameHalls(const ribaku::THallTable& a, const ribaku::THallTable& b) {
    for (const ribaku::THallSection& hall : kHalls)
        for (int rank = 1; rank <= ribaku::kHallRanks; ++rank)
            if (a.Entry(hall.hallIndex, rank) != b.Entry(hall.hallIndex, rank)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ribaku;
    const std::filesystem::path input = fuzz::WriteInputFile(data, size, "Hallfame.ini");
    // Made once: a table of 120 halls costs more than reading the file, and every listed
    // rank is read again for each input.
    static THallTable read;
    static THallTable again;
    for (bool lengthen : {false, true}) {
        ReadHallFile(input, read, kHalls, lengthen);
        for (const THallSection& hall : kHalls)
            for (int rank = 1; rank <= kHallRanks; ++rank)
                if (!ParseHallEntry(read.Entry(hall.hallIndex, rank))) std::abort();
        const std::filesystem::path written = input.parent_path() / "written.ini";
        std::filesystem::copy_file(input, written,
                                   std::filesystem::copy_options::overwrite_existing);
        WriteHallFile(written, read, kHalls, true);
        ReadHallFile(written, again, kHalls, lengthen);
        if (!SameHalls(read, again)) std::abort();
    }
    return 0;
}
