// Which framework class a fuzz input's block is read against: its first byte
// picks one of the classes that own a block. The seed writer uses the same
// numbering.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/runtime/class_record.h"
#include "platform/ui/classes.h"
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

inline const rt::ClassRecord& classOf(blocks::ObjectKind kind) {
  switch (kind) {
    case blocks::ObjectKind::Window: return ui::WindowClass();
    case blocks::ObjectKind::TextArea: return ui::TextAreaClass();
    case blocks::ObjectKind::Label: return ui::LabelClass();
    case blocks::ObjectKind::Oval: return ui::OvalClass();
    case blocks::ObjectKind::Line: return ui::LineClass();
    case blocks::ObjectKind::Timer: return ui::TimerClass();
    case blocks::ObjectKind::BevelButton: return ui::BevelButtonClass();
  }
  return ui::WindowClass();
}

}  // namespace fuzzblocks
