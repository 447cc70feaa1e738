#include "sign/SignReadings.h"

#include <algorithm>

namespace lunetra {

std::optional<std::string_view> FindReading(std::string_view sign) {
    const auto row = std::find_if(SignReadingTable.begin(), SignReadingTable.end(),
                                  [sign](const SignReading& r) { return r.sign == sign; });
    if (row == SignReadingTable.end()) {
        return std::nullopt;
    }
    return row->reading;
}

} // namespace lunetra
