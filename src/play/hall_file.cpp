#include "play/hall_file.h"

#include <algorithm>
#include <string>

#include "core/board_state.h"
#include "core/file_io.h"

#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

namespace ribaku {
namespace {

std::string RankKey(int rank) {
    return "Rank" + std::to_string(rank);
}

// The file as it stands, or an empty one when there is none. The INI reader stops at a NUL
// byte, and everything after it would be lost at the next write: a NUL becomes a blank, which
// damages at most its own line.
void LoadExisting(const std::filesystem::path& path, CSimpleIniA& ini) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return;
    std::string bytes = ReadWholeFile(path);
    std::replace(bytes.begin(), bytes.end(), '\0', ' ');
    ini.LoadData(bytes.data(), bytes.size());
}

}  // namespace

void ReadHallFile(const std::filesystem::path& path, THallTable& table,
                  const std::vector<THallSection>& halls, bool lengthen) {
    CSimpleIniA ini;
    LoadExisting(path, ini);
    for (const THallSection& hall : halls) {
        for (int rank = 1; rank <= kHallRanks; ++rank) {
            const std::string fallback = DefaultHallEntry(rank);
            std::string entry =
                ini.GetValue(hall.section.c_str(), RankKey(rank).c_str(), fallback.c_str());
            if (lengthen) entry = LengthenHallEntry(entry);
            table.SetEntry(hall.hallIndex, rank, entry);
        }
    }
}

void WriteHallFile(const std::filesystem::path& path, const THallTable& table,
                   const std::vector<THallSection>& halls, bool keepDefaultSections) {
    CSimpleIniA ini;
    ini.SetSpaces(false);
    LoadExisting(path, ini);
    for (const THallSection& hall : halls) {
        const bool variant = hall.hallIndex >= kRiversEasyNumber;
        if (!variant && table.HoldsOnlyDefaults(hall.hallIndex)) {
            if (!keepDefaultSections) ini.Delete(hall.section.c_str(), nullptr);
            continue;
        }
        for (int rank = 1; rank <= kHallRanks; ++rank)
            ini.SetValue(hall.section.c_str(), RankKey(rank).c_str(),
                         table.Entry(hall.hallIndex, rank).c_str());
    }
    std::string text;
    ini.Save(text);
    WriteFileAtomically(path, text);
}

}  // namespace ribaku
