#pragma once

#include <utility>

namespace lunetra {

// Runs one step of an event handler and swallows any exception it throws: a step that fails is
// skipped without a word and the handler goes on with its next step, as every handler of the
// windows does.
template <typename Step> void RunIgnoringErrors(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

} // namespace lunetra
