#pragma once

#include <optional>
#include <string_view>

// The main window's rules for what may be typed and which dates may be looked up.
namespace lunetra::entry {

inline constexpr std::string_view OnlyLettersMessage = "Please Enter only Letters";
inline constexpr std::string_view NoNameMessage = "Please Enter Your Name";
inline constexpr std::string_view FebruaryMessage = "Please Enter Correct Date Or Month!";
inline constexpr std::string_view Day31Message = "Please Enter Correct Date Or Month !";

inline constexpr int Backspace = 8;
inline constexpr int CarriageReturn = 13;
inline constexpr int Space = 32;

// The character the name box takes for a typed character code: letters come out in
// capitals; backspace, Enter and space pass unchanged; anything else is refused.
std::optional<int> FilterNameKey(int code);

enum class EntryCheck { Accepted, NoName, NoSuchFebruaryDay, NoDay31 };

// Checks the entry by the lists' positions: day index 0 is day 1, month index 0 January.
// Every year divisible by four counts as a leap year, 1900 included.
EntryCheck CheckEntry(bool nameEmpty, int dayIndex, int monthIndex, int year);

// The message for a refused entry; empty for an accepted one.
std::string_view MessageFor(EntryCheck check);

} // namespace lunetra::entry
