// "Ribaku.ini": any bytes read as settings (a bad value gives its default), and the settings
// read write out as a file that reads back as the same settings.
#include <cstdint>
#include <cstdlib>

#include "app/settings_file.h"
#include "core/file_io.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ribaku;
    const std::filesystem::path input = fuzz::WriteInputFile(data, size, "Ribaku.ini");
    const Settings read = ReadSettingsFile(input, 1024);
    const std::filesystem::path first = input.parent_path() / "first.ini";
    const std::filesystem::path second = input.parent_path() / "second.ini";
    WriteSettingsFile(first, read);
    WriteSettingsFile(second, ReadSettingsFile(first, 1024));
    if (ReadWholeFile(first) != ReadWholeFile(second)) std::abort();
    return 0;
}
