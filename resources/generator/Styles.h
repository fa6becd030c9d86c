#pragma once
// The five looks of the built-in artwork: the colours and shapes that make each recognisable.
#include <string_view>

#include "resources/generator/Canvas.h"

namespace zelkova::art {

enum class Look { MacOS, WinXP, DeepBlue, Protein, BlueGlass };
inline constexpr Look kLooks[] = {Look::MacOS, Look::WinXP, Look::DeepBlue, Look::Protein,
                                  Look::BlueGlass};

// The three states of a multi-state strip, left to right.
enum class State { Normal, Hot, Pressed };
inline constexpr State kStates[] = {State::Normal, State::Hot, State::Pressed};

struct StyleArt {
    std::string_view prefix;  // of the resource names
    Rgb form;                 // window background, which opaque corners blend into
    Rgb border;               // outline of controls
    Rgb faceTop, faceBottom;  // neutral control face
    Rgb accent;               // selection, progress, check marks
    Rgb accentLight;
    Rgb glyph;  // marks drawn on neutral faces
    Rgb titleTop, titleBottom;
    Rgb titleGlyph;  // marks drawn on title buttons
    double radius;   // corner rounding of small controls
    bool glossy;     // a specular highlight over the upper half
};

const StyleArt& ArtOf(Look look);

// Lightens (hot) or darkens (pressed) a colour the way every look does for its states.
Rgb ForState(Rgb colour, State state);

}  // namespace zelkova::art
