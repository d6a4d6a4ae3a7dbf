// Card dealing: the five wrong lower phrases laid on the five cards in one of
// five fixed layouts, chosen by a random draw.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/runtime/object.h"

namespace game {

// D1 to D5. None is the lower phrase of a poem in PoemTable.
inline constexpr std::array<std::string_view, 5> DecoyPhrases = {
    "ひとつきのにごれるさけをのむべくあるらし",  // D1
    "いにしへのおおきひじりのことのよろしき",    // D2
    "ものおもえばふりにしさとしおもほゆるかも",  // D3
    "さけのみてこころをやるにあにしかめやも",    // D4
    "こむせにはむしにもとりにもわれはなりなむ",  // D5
};

struct DecoyArrangement {
  std::int32_t pick;                  // the draw that selects this layout
  std::array<std::int32_t, 5> cards;  // the cards that get D1, D2, D3, D4, D5
};

// In the order in which the draw is compared with them.
inline constexpr std::array<DecoyArrangement, 5> DecoyArrangements = {{
    {1, {1, 2, 3, 4, 0}},
    {2, {0, 2, 1, 4, 3}},
    {3, {1, 4, 3, 2, 0}},
    {4, {4, 0, 3, 2, 1}},
    {0, {3, 2, 4, 1, 0}},
}};

// Deals the wrong phrases: Rnd scaled by 5 and truncated to an Int32 picks a
// layout; a pick that matches none leaves every card as it was.
void FUDA(rt::Object& self);

}  // namespace game
