#include "window/accessors.h"

#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/slots.h"

namespace window1 {

rt::Ref<rt::Object> controlByName(rt::Object* window, const rt::String& name, const rt::ClassRecord& resultClass) {
  // Held to the end of the call, so a lookup that drops the window's last
  // other reference cannot pull it away under us.
  const rt::Ref<rt::Object> self = rt::Ref<rt::Object>::retain(window);
  if (!self) rt::RaiseNilObjectException();
  const rt::Ref<rt::Object> found = rt::callSlot<rt::Ref<rt::Object>(const rt::String&)>(
      *self, ui::slot::kWindowControlByName, ui::slot::kWindowControlByNameSig, name);
  return rt::RuntimeCheckCast(found.get(), resultClass);
}

rt::Ref<rt::Object> controlByNameIndex(rt::Object* window, const rt::String& name, std::int32_t index,
                                       const rt::ClassRecord& resultClass) {
  const rt::Ref<rt::Object> self = rt::Ref<rt::Object>::retain(window);
  if (!self) rt::RaiseNilObjectException();
  const rt::Ref<rt::Object> found = rt::callSlot<rt::Ref<rt::Object>(const rt::String&, std::int32_t)>(
      *self, ui::slot::kWindowControlByNameIndex, ui::slot::kWindowControlByNameIndexSig, name, index);
  return rt::RuntimeCheckCast(found.get(), resultClass);
}

// Each accessor's lookup key, made once, equals the accessor's own name.

rt::Ref<rt::Object> OdaiAREA(rt::Object& self) {
  static const rt::String name("OdaiAREA");
  return controlByName(&self, name, ui::TextAreaClass());
}

rt::Ref<rt::Object> Label1(rt::Object& self) {
  static const rt::String name("Label1");
  return controlByName(&self, name, ui::LabelClass());
}

rt::Ref<rt::Object> MiniLabel(rt::Object& self, std::int32_t index) {
  static const rt::String name("MiniLabel");
  return controlByNameIndex(&self, name, index, ui::LabelClass());
}

rt::Ref<rt::Object> Oval1(rt::Object& self) {
  static const rt::String name("Oval1");
  return controlByName(&self, name, ui::OvalClass());
}

rt::Ref<rt::Object> Xline(rt::Object& self, std::int32_t index) {
  static const rt::String name("Xline");
  return controlByNameIndex(&self, name, index, ui::LineClass());
}

rt::Ref<rt::Object> Timer1(rt::Object& self) {
  static const rt::String name("Timer1");
  return controlByName(&self, name, ui::TimerClass());
}

rt::Ref<rt::Object> StartButton(rt::Object& self) {
  static const rt::String name("StartButton");
  return controlByName(&self, name, ui::BevelButtonClass());
}

rt::Ref<rt::Object> FudaButton(rt::Object& self, std::int32_t index) {
  static const rt::String name("FudaButton");
  return controlByNameIndex(&self, name, index, ui::BevelButtonClass());
}

rt::Ref<rt::Object> Label2(rt::Object& self) {
  static const rt::String name("Label2");
  return controlByName(&self, name, ui::LabelClass());
}

rt::Ref<rt::Object> TokutenButton(rt::Object& self) {
  static const rt::String name("TokutenButton");
  return controlByName(&self, name, ui::BevelButtonClass());
}

const std::array<AccessorEntry, 10> kAccessors = {{
    {kOdaiAREASlot, "OdaiAREA", kOdaiAREASig, [] { return rt::makeSlot("Window1.OdaiAREA", kOdaiAREASig, &OdaiAREA); }},
    {kLabel1Slot, "Label1", kLabel1Sig, [] { return rt::makeSlot("Window1.Label1", kLabel1Sig, &Label1); }},
    {kMiniLabelSlot, "MiniLabel", kMiniLabelSig, [] { return rt::makeSlot("Window1.MiniLabel", kMiniLabelSig, &MiniLabel); }},
    {kOval1Slot, "Oval1", kOval1Sig, [] { return rt::makeSlot("Window1.Oval1", kOval1Sig, &Oval1); }},
    {kXlineSlot, "Xline", kXlineSig, [] { return rt::makeSlot("Window1.Xline", kXlineSig, &Xline); }},
    {kTimer1Slot, "Timer1", kTimer1Sig, [] { return rt::makeSlot("Window1.Timer1", kTimer1Sig, &Timer1); }},
    {kStartButtonSlot, "StartButton", kStartButtonSig,
     [] { return rt::makeSlot("Window1.StartButton", kStartButtonSig, &StartButton); }},
    {kFudaButtonSlot, "FudaButton", kFudaButtonSig, [] { return rt::makeSlot("Window1.FudaButton", kFudaButtonSig, &FudaButton); }},
    {kLabel2Slot, "Label2", kLabel2Sig, [] { return rt::makeSlot("Window1.Label2", kLabel2Sig, &Label2); }},
    {kTokutenButtonSlot, "TokutenButton", kTokutenButtonSig,
     [] { return rt::makeSlot("Window1.TokutenButton", kTokutenButtonSig, &TokutenButton); }},
}};

}  // namespace window1
