#pragma once

#include <QString>

#include <string_view>

namespace lunetra {

// The program's fixed texts are UTF-8 string views; the windows show QStrings.
inline QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace lunetra
