#pragma once

#include <optional>

class QKeyEvent;

namespace lunetra {

// The character code a key press types into a text box, as the per-character key filter
// sees it, or no value for keys that type nothing (arrows, Delete, Tab, Escape, modifiers).
// Control with a letter types the matching control code whatever text the event carries,
// so Ctrl+V is code 22 both from a real keyboard and from a synthetic event.
std::optional<int> TypedCharacter(const QKeyEvent& event);

// Alt with a key: an access key that found no control. It types nothing, though a text
// box would insert its letter if let through.
bool IsAccessKeyChord(const QKeyEvent& event);

} // namespace lunetra
