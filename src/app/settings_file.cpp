#include "app/settings_file.h"

#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <charconv>
#include <variant>

#include "core/file_io.h"

namespace ribaku {
namespace {

constexpr const char* kSection = "Ribaku";

using Field = std::variant<bool Options::*, int Options::*, std::string Options::*, int Settings::*,
                           THighlightMode Options::*>;

struct Key {
    const char* name;
    Field field;
    bool read = true;
};

// Reading order; writing follows it too (WPos and HPos are written only).
const Key kKeys[] = {
    {"Highlight", &Options::HighlightMode},
    {"Invert", &Options::Invert},
    {"ShowMoves", &Options::Moves},
    {"PlayMusic", &Options::PlayMusic},
    {"PlaySounds", &Options::PlaySounds},
    {"CurrentPlayer1", &Options::PlayerName},
    {"Background", &Options::Background},
    {"BoardNumber", &Settings::BoardNumber},
    {"MidiNumber", &Settings::MidiNumber},
    {"Tileset", &Options::Tileset},
    {"SetRes800", &Options::Res800},
    {"LastLoadedTileset", &Options::LastLoadedTileset},
    {"LastLoadedBackground", &Options::LastLoadedBackground},
    {"StartDirectly", &Options::StartupGame},
    {"StartMusic", &Options::StartMusic},
    {"ShowHallOfFame", &Options::ShowHallFame},
    {"ShowToolbar", &Options::Toolbar1},
    {"ShowStatus", &Options::ShowTitle},
    {"CoolMenu", &Options::CoolMenu1},
    {"CoolMouse", &Options::CoolMouse},
    {"CoolStatus", &Options::CoolStatus},
    {"CoolToolbar", &Options::CoolToolbar},
    {"TileRivers", &Options::AnimateTileRivers},
    {"ShowTime", &Options::ShowTime},
    {"FlatButtons", &Options::FlatButtons},
    {"EnableHall", &Options::EnableHall},
    {"Shadows", &Options::Shadows},
    {"Vertical", &Options::Vertical},
    {"Winnable", &Options::Winnable},
    {"Shuffable", &Options::Shuffable},
    {"Animate", &Options::Animate},
    {"ShowTile", &Options::ShowCurrentTile},
    {"OnlyPossible", &Options::OnlyPossibleMoves},
    {"RandomMusic", &Options::RandomMusic},
    {"RandomSeed", &Settings::RandomSeed},
    {"XPos", &Settings::XPos},
    {"YPos", &Settings::YPos},
    {"WPos", &Settings::WPos, false},
    {"HPos", &Settings::HPos, false},
    {"PreviousRes", &Settings::PreviousRes},
    {"ShowWinnable", &Options::ShowWinnable},
};

// Choices that index a menu: a value no menu entry has gives the default.
void KeepChoicesInRange(Settings& s) {
    const Options defaults;
    if (s.options.Background < 0 || s.options.Background > 5)
        s.options.Background = defaults.Background;
    if (s.options.Tileset < 0 || s.options.Tileset > 4) s.options.Tileset = defaults.Tileset;
}

struct Reader {
    const CSimpleIniA& ini;
    Settings& s;
    const char* name;

    void operator()(bool Options::*f) const {
        if (auto v = Integer()) s.options.*f = *v != 0;
    }
    void operator()(int Options::*f) const {
        if (auto v = Integer()) s.options.*f = *v;
    }
    void operator()(std::string Options::*f) const {
        if (const char* v = ini.GetValue(kSection, name)) s.options.*f = v;
    }
    void operator()(int Settings::*f) const {
        if (auto v = Integer()) s.*f = *v;
    }
    // A number that names no mode gives the default.
    void operator()(THighlightMode Options::*f) const {
        if (auto v = Integer(); v && *v >= 0 && *v <= 4) s.options.*f = THighlightMode(*v);
    }
    std::optional<int> Integer() const {
        const char* v = ini.GetValue(kSection, name);
        return v ? ParseIniInteger(v) : std::nullopt;
    }
};

// A line break inside a value would end the value and start a key of its own.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::string TextOf(const Settings& s, const Field& field) {
    return std::visit(
        [&](auto f) -> std::string {
            using F = decltype(f);
            if constexpr (std::is_same_v<F, bool Options::*>) return (s.options.*f) ? "1" : "0";
            if constexpr (std::is_same_v<F, int Options::*>) return std::to_string(s.options.*f);
            if constexpr (std::is_same_v<F, std::string Options::*>) return OneLine(s.options.*f);
            if constexpr (std::is_same_v<F, int Settings::*>) return std::to_string(s.*f);
            if constexpr (std::is_same_v<F, THighlightMode Options::*>)
                return std::to_string(static_cast<int>(s.options.*f));
        },
        field);
}

}  // namespace

std::optional<int> ParseIniInteger(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    bool negative = false;
    if (first != last && (*first == '-' || *first == '+')) negative = *first++ == '-';
    int base = 10;
    if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
        first += 2;
        base = 16;
    }
    if (first == last || *first == '-' || *first == '+') return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(first, last, value, base);
    if (error != std::errc() || end != last) return std::nullopt;
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int>(value);
}

Settings ReadSettingsFile(const std::filesystem::path& path, int screenWidth) {
    Settings s;
    s.PreviousRes = screenWidth;
    if (std::error_code error; !std::filesystem::exists(path, error)) return s;
    CSimpleIniA ini;
    const std::string bytes = ReadWholeFile(path);
    ini.LoadData(bytes.data(), bytes.size());
    for (const Key& key : kKeys)
        if (key.read) std::visit(Reader{ini, s, key.name}, key.field);
    KeepChoicesInRange(s);
    return s;
}

void WriteSettingsFile(const std::filesystem::path& path, const Settings& settings) {
    CSimpleIniA ini;
    ini.SetSpaces(false);
    for (const Key& key : kKeys)
        ini.SetValue(kSection, key.name, TextOf(settings, key.field).c_str());
    std::string text;
    ini.Save(text);
    WriteFileAtomically(path, text);
}

}  // namespace ribaku
