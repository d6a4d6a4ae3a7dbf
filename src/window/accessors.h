// Window1's control accessors: one method per control name. Each call asks
// the window's control registry afresh and returns the control typed as its
// framework class, or nil when the window holds none under that name (and
// index). Nothing is cached, so the game always sees the window as it is.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/runtime/string.h"

namespace window1 {

// Slot forms: the receiver is the window; one counted reference comes with a
// non-nil result.
rt::Ref<rt::Object> OdaiAREA(rt::Object& self);
rt::Ref<rt::Object> Label1(rt::Object& self);
rt::Ref<rt::Object> MiniLabel(rt::Object& self, std::int32_t index);
rt::Ref<rt::Object> Oval1(rt::Object& self);
rt::Ref<rt::Object> Xline(rt::Object& self, std::int32_t index);
rt::Ref<rt::Object> Timer1(rt::Object& self);
rt::Ref<rt::Object> StartButton(rt::Object& self);
rt::Ref<rt::Object> FudaButton(rt::Object& self, std::int32_t index);
rt::Ref<rt::Object> Label2(rt::Object& self);
rt::Ref<rt::Object> TokutenButton(rt::Object& self);

// The one body behind the accessors. A nil window raises NilObjectException
// before any lookup; otherwise the window's _ControlByName (or
// _ControlByNameIndex, with the index passed on unchanged) finds the object
// and a checked cast to `resultClass` gives the result, which is returned
// untested: the control, or nil.
rt::Ref<rt::Object> controlByName(rt::Object* window, const rt::String& name, const rt::ClassRecord& resultClass);
rt::Ref<rt::Object> controlByNameIndex(rt::Object* window, const rt::String& name, std::int32_t index,
                                       const rt::ClassRecord& resultClass);

// Slots and signature texts of the accessors in Window1's method table.
inline constexpr std::size_t kOdaiAREASlot = 54;
inline constexpr std::size_t kLabel1Slot = 55;
inline constexpr std::size_t kMiniLabelSlot = 56;
inline constexpr std::size_t kOval1Slot = 57;
inline constexpr std::size_t kXlineSlot = 58;
inline constexpr std::size_t kTimer1Slot = 59;
inline constexpr std::size_t kStartButtonSlot = 60;
inline constexpr std::size_t kFudaButtonSlot = 61;
inline constexpr std::size_t kLabel2Slot = 62;
inline constexpr std::size_t kTokutenButtonSlot = 63;
inline constexpr const char* kOdaiAREASig = "%o<TextArea>%";
inline constexpr const char* kLabel1Sig = "%o<Label>%";
inline constexpr const char* kMiniLabelSig = "%o<Label>%i4";
inline constexpr const char* kOval1Sig = "%o<Oval>%";
inline constexpr const char* kXlineSig = "%o<Line>%i4";
inline constexpr const char* kTimer1Sig = "%o<Timer>%";
inline constexpr const char* kStartButtonSig = "%o<BevelButton>%";
inline constexpr const char* kFudaButtonSig = "%o<BevelButton>%i4";
inline constexpr const char* kLabel2Sig = "%o<Label>%";
inline constexpr const char* kTokutenButtonSig = "%o<BevelButton>%";

// The ten accessors as Window1's class record lists them: slot, member name,
// signature text. slotEntry() makes the method-table entry.
struct AccessorEntry {
  std::size_t slot;
  const char* name;
  const char* signature;
  rt::MethodSlot (*slotEntry)();
};
extern const std::array<AccessorEntry, 10> kAccessors;

}  // namespace window1
