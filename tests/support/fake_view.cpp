#include "support/fake_view.h"

#include <algorithm>

namespace ribaku::testing {

bool FakeView::Ask(const std::string& title, const std::string& text) {
    Record("Ask " + title + ": " + text);
    return answerOk;
}

void FakeView::Tell(const std::string& title, const std::string& text) {
    Record("Tell " + title + ": " + text);
}

int FakeView::Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

}  // namespace ribaku::testing
