// The step machine: the window's Open event, the score button's Open event
// and the start button, with the poem table and the three message texts they
// show.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/runtime/object.h"
#include "platform/runtime/string.h"

namespace game {

struct PoemRow {
  std::string_view upper;  // shown in the question area
  std::string_view lower;  // the correct card's caption
  std::int32_t key;        // the card that carries it
};

// One row for each step from 2 to 8, in that order.
inline constexpr std::array<PoemRow, 7> PoemTable = {{
    {"むかしみしさきのおがわをいまみれば", "いよよさやけけくなりにけるかも", 4},
    {"いけるものついにはしぬるものにあれば", "このよなるまはたのしくをあらな", 3},
    {"うくしきひとのまきてししきたへの", "わがたまくらをまくひとあらめや", 2},
    {"よのなかはむなしきものとしるときし", "いよよますますかなしかりけり", 1},
    {"きみがためかみしまちざけやすののに", "ひとりやのまんともなしにして", 2},
    {"いわんすべせむすべしらずきわまりて", "たふときものはさけにしあるらし", 3},
    {"よのなかのあそびのみちにたのしきは", "えいなきするにあるべくらるらし", 2},
}};

// A message of three lines.
using MessageLines = std::array<std::string_view, 3>;

inline constexpr MessageLines WelcomeText = {
    "ぽ・こ・りんど「もえぎたる」へようこそ",
    "このアプリは霞野鶴麿の歌をゲーム感覚でマスターします",
    "スタートボタンを押しててください",
};
inline constexpr MessageLines InstructionText = {
    "このフィールドに上の句",
    "下のボタンに下の句が表示されます",
    "さらにスタートボタンを押しててください",
};
inline constexpr MessageLines EndText = {
    "終了です",
    "おつかれさまでした",
    "続ける場合はスタートボタンを押しててください",
};

// The message built afresh: line 1, a carriage return, line 2, a carriage
// return, line 3.
rt::String messageText(const MessageLines& lines);

// The window's Open event: hides the marks, sets Kaisu and Tokuten to 0.
void Event_Open(rt::Object& self);
// The score button's Open event: the sender shows the score.
void TokutenButton_Open(rt::Object& self, rt::Object* sender);
// A press of the start button: the next text, a new deal, the end or a reset.
void StartButton_Action(rt::Object& self, rt::Object* sender);

}  // namespace game
