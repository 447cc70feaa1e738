#pragma once

#include <utility>

namespace lunetra {

// Runs one step of an event handler. A step that fails is skipped without a word and the
// handler goes on with its next step, as every handler of the windows does.
template <typename Step> void RunStep(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

} // namespace lunetra
