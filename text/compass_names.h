#pragma once
// The 16 points of the compass as every picture and text of the program writes them, from north
// clockwise (point k at 22.5k degrees): English N, NNE, ... NNW; Brazilian Portuguese with L
// (leste) and O (oeste), N, NNE, NE, ENE, L, ESE, ..., SSO, SO, OSO, O, ONO, NO, NNO.
#include <array>
#include <string_view>

#include "text/language.h"

namespace qav {

inline constexpr int kCompassPoints = 16;

inline constexpr std::array<std::array<std::string_view, kCompassPoints>, 2> kCompassNames{{
    {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE", "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"},
    {"N", "NNE", "NE", "ENE", "L", "ESE", "SE", "SSE", "S", "SSO", "SO", "OSO", "O", "ONO", "NO", "NNO"},
}};

/// The name of compass point 0..15 (taken modulo 16) in the language.
constexpr std::string_view CompassName(Language language, int point)
{
    const auto row = static_cast<std::size_t>(language == Language::PortugueseBrazil ? 1 : 0);
    return kCompassNames[row][static_cast<std::size_t>(((point % kCompassPoints) + kCompassPoints) % kCompassPoints)];
}

}  // namespace qav
