#include "layouts/name_order.h"

#include <algorithm>
#include <locale>
#include <stdexcept>
#include <utility>

namespace ribaku {
namespace {

// The user's locale, or the classic one when the environment names a locale that is not
// installed.
const std::locale& UserLocale() {
    static const std::locale locale = [] {
        try {
            return std::locale("");
        } catch (const std::runtime_error&) {
            return std::locale::classic();
        }
    }();
    return locale;
}

std::string LowerCased(const std::string& name, const std::locale& locale) {
    std::string lower = name;
    for (char& c : lower)
        c = std::tolower(c, locale);
    return lower;
}

// Sorts by a key made from each name, ties broken by the names' bytes.
template <typename MakeKey>
void SortByKey(std::vector<std::string>& names, MakeKey makeKey) {
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names)
        keyed.emplace_back(makeKey(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& [key, name] : keyed)
        names.push_back(std::move(name));
}

}  // namespace

void SortNamesForMenu(std::vector<std::string>& names, size_t ignoredEnd) {
    const std::locale& locale = UserLocale();
    const auto& collate = std::use_facet<std::collate<char>>(locale);
    SortByKey(names, [&](const std::string& name) {
        const std::string lower =
            LowerCased(name.substr(0, name.size() - std::min(ignoredEnd, name.size())), locale);
        return collate.transform(lower.data(), lower.data() + lower.size());
    });
}

void SortNamesAsDirectory(std::vector<std::string>& names) {
    SortByKey(names,
              [](const std::string& name) { return LowerCased(name, std::locale::classic()); });
}

}  // namespace ribaku
