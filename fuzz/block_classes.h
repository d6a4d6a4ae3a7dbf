// Which framework class a fuzz input's block is read against: its first byte
// picks one of the classes that own a block. The seed writer uses the same
// numbering.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "window/property_blocks.h"

namespace fuzzblocks {

inline constexpr std::array<blocks::ObjectKind, 7> kKinds = {
    blocks::ObjectKind::Window, blocks::ObjectKind::TextArea, blocks::ObjectKind::Label,
    blocks::ObjectKind::Oval,   blocks::ObjectKind::Line,     blocks::ObjectKind::Timer,
    blocks::ObjectKind::BevelButton,
};

inline std::uint8_t selectorOf(blocks::ObjectKind kind) {
  for (std::size_t i = 0; i < kKinds.size(); ++i) {
    if (kKinds[i] == kind) return static_cast<std::uint8_t>(i);
  }
  return 0;
}

}  // namespace fuzzblocks
