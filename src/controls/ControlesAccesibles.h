// What a screen reader gets from the game's own controls: roles, actions and reading order.
#pragma once

namespace gemelario::ventanas {

// Installs, once, the accessible interfaces of the game's controls: a picture that takes the
// focus is a button with a press action, other pictures are graphics, labels are static text, the
// decorative lines are hidden, and a window's surface lists its controls in reading order (row by
// row from the top, left to right).
void InstalarAccesibilidad();

} // namespace gemelario::ventanas
