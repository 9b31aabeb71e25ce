// The mouse cursor chosen during the current mouse move: the main form resets
// it to the arrow before routing a move, a hovered widget asks for the pointing
// hand (a tool in the player's hand hides the pointer), and the form shows
// whatever was chosen once the move is handled.
#pragma once

#include <cstdint>

enum class TFrameCursor : uint8_t { Arrow, HandPoint, Hidden };

extern TFrameCursor FrameCursor;
