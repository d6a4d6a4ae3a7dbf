#include "platform/ui/framework.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/runtime/exceptions.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/application.h"
#include "platform/ui/class_tables.h"
#include "platform/ui/classes.h"
#include "platform/ui/controls.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

constexpr std::size_t kPluginEntries = 70;

[[noreturn]] void wrongClass(const char* function, const rt::Object& obj, const std::string& wanted) {
  rt::raiseRuntimeException(
      rt::String(std::string(function) + ": an object of class " + obj.classRecord().name.str() + " is no " + wanted));
}

void checkIndex(const char* function, std::int32_t index) {
  // These properties are no arrays: the index argument is always 0.
  if (index != 0) {
    rt::raiseRuntimeException(
        rt::String(std::string(function) + ": index argument " + std::to_string(index) + " where 0 was expected"));
  }
}

// The object as a model of the framework class: nil raises
// NilObjectException, an object of another class a RuntimeException.
template <class T>
T& expect(rt::Object* obj, const char* function, const rt::ClassRecord& cls) {
  if (!obj) rt::RaiseNilObjectException(rt::String(std::string(function) + " was given nil"));
  auto* t = dynamic_cast<T*>(obj);
  if (!t || !obj->classRecord().isa(cls)) wrongClass(function, *obj, cls.name.str());
  return *t;
}

// The receiver of a property getter or setter: the object as T, with the
// index argument checked (always 0).
template <class T>
T& target(rt::Object* obj, std::int32_t index, const char* function, const rt::ClassRecord& cls) {
  T& t = expect<T>(obj, function, cls);
  checkIndex(function, index);
  return t;
}

// Timers sit among the controls without a Control record: Index and Window
// accept any control model.
Control& expectControl(rt::Object* obj, const char* function) {
  if (!obj) rt::RaiseNilObjectException(rt::String(std::string(function) + " was given nil"));
  auto* c = dynamic_cast<Control*>(obj);
  if (!c) wrongClass(function, *obj, "Control");
  return *c;
}

MenuBar* menuBarOrNil(rt::Object* bar, const char* function) {
  if (!bar) return nullptr;
  auto* m = dynamic_cast<MenuBar*>(bar);
  if (!m || !bar->classRecord().isa(MenuBarClass())) wrongClass(function, *bar, "MenuBar");
  return m;
}

// --- the bevel button's plug-in entries ----------------------------------------

BevelButton& pluginReceiver(rt::Object* obj, std::int32_t index, std::size_t position, const char* verb) {
  const std::string function = "BevelButton." + BevelButtonClass().properties[position].name.str() + "." + verb;
  return target<BevelButton>(obj, index, function.c_str(), BevelButtonClass());
}

template <std::size_t I>
rt::Value pluginGet(rt::Object* obj, std::int32_t index) {
  return tables::readProperty(pluginReceiver(obj, index, I, "Get"), I);
}

template <std::size_t I>
void pluginSet(rt::Object* obj, std::int32_t index, const rt::Value& v) {
  tables::writeProperty(pluginReceiver(obj, index, I, "Set"), I, v);
}

using PluginGetter = rt::Value (*)(rt::Object*, std::int32_t);
using PluginSetter = void (*)(rt::Object*, std::int32_t, const rt::Value&);

template <std::size_t... I>
constexpr auto pluginGetters(std::index_sequence<I...>) {
  return std::array<PluginGetter, sizeof...(I)>{&pluginGet<I>...};
}
template <std::size_t... I>
constexpr auto pluginSetters(std::index_sequence<I...>) {
  return std::array<PluginSetter, sizeof...(I)>{&pluginSet<I>...};
}
constexpr auto kPluginGetters = pluginGetters(std::make_index_sequence<tables::kMaxProperties>());
constexpr auto kPluginSetters = pluginSetters(std::make_index_sequence<tables::kMaxProperties>());

std::string pluginSetterSignature(const rt::PropertyEntry& p) { return "%%o<BevelButton>i4" + p.type.str(); }

// A property setter of the bevel button, reached through the plug-in table.
void callPluginSetter(const char* property, rt::Object* obj, std::int32_t index, const rt::Value& v) {
  const std::string text = std::string("BevelButton.") + property + ".Set";
  if (rt::pluginEntrypointCount() == 0) {
    rt::raiseRuntimeException(
        rt::String(text + ": the plug-in entry table is not filled yet (RuntimeInitPluginEntrypoints has not run)"));
  }
  const rt::MethodSlot& entry = rt::RuntimeLookupPluginEntrypoint(text);
  const rt::PropertyEntry* p = BevelButtonClass().findProperty(property);
  rt::callPlain<void(rt::Object*, std::int32_t, const rt::Value&)>(entry, pluginSetterSignature(*p), obj, index, v);
}

// FontUnits: 0 default, 1 pixel, 2 point, 3 inch, 4 millimetre.
void checkFontUnit(const char* function, std::uint8_t value) {
  if (value > 4) {
    rt::raiseRuntimeException(
        rt::String(std::string(function) + ": " + std::to_string(value) + " is no FontUnits value (0 to 4)"));
  }
}

}  // namespace

// --- start-up --------------------------------------------------------------------------

void RuntimeInitExternalClasses() { buildFrameworkClasses(); }

// The bevel button's own members: a getter and a setter for each of its own
// properties, each of its own methods, its constructor and its click.
void RuntimeInitPluginEntrypoints() {
  const rt::ClassRecord& cls = BevelButtonClass();
  rt::RuntimeAllocatePluginEntrypointsTable(kPluginEntries);
  for (std::size_t i = RectControlClass().properties.size(); i < cls.properties.size(); ++i) {
    const rt::PropertyEntry& p = cls.properties[i];
    const std::string member = "BevelButton." + p.name.str();
    rt::registerPluginEntrypoint(
        rt::makeFunction(member + ".Get", "%" + p.type.str() + "%o<BevelButton>i4", kPluginGetters[i]));
    if (p.setter)
      rt::registerPluginEntrypoint(rt::makeFunction(member + ".Set", pluginSetterSignature(p), kPluginSetters[i]));
  }
  for (std::size_t slot = RectControlClass().vtable.size(); slot < cls.vtable.size(); ++slot) {
    rt::registerPluginEntrypoint(cls.vtable[slot]);
  }
  rt::MethodSlot constructor = cls.vtable[13];
  constructor.member = "BevelButton.Constructor";
  rt::registerPluginEntrypoint(constructor);
  rt::registerPluginEntrypoint(rt::memberSlot<&BevelButton::push>("BevelButton.Push", "%%"));
  if (rt::pluginEntrypointCount() != kPluginEntries) {
    throw std::logic_error("the bevel button fills " + std::to_string(rt::pluginEntrypointCount()) + " of " +
                           std::to_string(kPluginEntries) + " plug-in entries");
  }
}

rt::Ref<rt::Object> RuntimeGetImplicitWindow(const rt::String& className) {
  for (const auto& w : openWindows()) {
    if (w->classRecord().name == className) return w;
  }
  return nullptr;
}

void releaseFrameworkReferences() {
  closeAllWindows();
  rt::RuntimeRegisterAppObject(nullptr);
}

// --- controls --------------------------------------------------------------------------

void RectControl_Visible_Set(rt::Object* obj, std::int32_t index, bool value) {
  auto& c = target<RectControl>(obj, index, "RectControl.Visible.Set", RectControlClass());
  c.setVisible(value);
}

bool RectControl_Visible_Get(rt::Object* obj, std::int32_t index) {
  auto& c = target<RectControl>(obj, index, "RectControl.Visible.Get", RectControlClass());
  return c.visible();
}

std::int32_t Control_Index_Get(rt::Object* obj, std::int32_t index) {
  Control& c = expectControl(obj, "Control.Index.Get");
  checkIndex("Control.Index.Get", index);
  return c.index();
}

void Control_Index_Set(rt::Object* obj, std::int32_t index, std::int32_t value) {
  Control& c = expectControl(obj, "Control.Index.Set");
  checkIndex("Control.Index.Set", index);
  c.setIndex(value);
}

rt::Ref<rt::Object> Control_Window_Get(rt::Object* obj, std::int32_t index) {
  Control& c = expectControl(obj, "Control.Window.Get");
  checkIndex("Control.Window.Get", index);
  return c.window();
}

void TextArea_Text_Set(rt::Object* obj, std::int32_t index, const rt::String& value) {
  auto& t = target<TextArea>(obj, index, "TextArea.Text.Set", TextAreaClass());
  t.setText(value);
}

void TextArea_LineSpacing_Set(rt::Object* obj, std::int32_t index, double value) {
  auto& t = target<TextArea>(obj, index, "TextArea.LineSpacing.Set", TextAreaClass());
  t.setLineSpacing(value);
}

void TextArea_TextUnit_Set(rt::Object* obj, std::int32_t index, std::uint8_t value) {
  auto& t = target<TextArea>(obj, index, "TextArea.TextUnit.Set", TextAreaClass());
  t.setTextUnit(value);
}

void Label_TextUnit_Set(rt::Object* obj, std::int32_t index, std::uint8_t value) {
  auto& l = target<Label>(obj, index, "Label.TextUnit.Set", LabelClass());
  l.setTextUnit(value);
}

void BevelButton_Caption_Set(rt::Object* obj, std::int32_t index, const rt::String& value) {
  expect<BevelButton>(obj, "BevelButton.Caption.Set", BevelButtonClass());
  callPluginSetter("Caption", obj, index, value);
}

void BevelButton_TextSize_Set(rt::Object* obj, std::int32_t index, float value) {
  expect<BevelButton>(obj, "BevelButton.TextSize.Set", BevelButtonClass());
  callPluginSetter("TextSize", obj, index, static_cast<double>(value));
}

void BevelButton_TextUnit_Set(rt::Object* obj, std::int32_t index, std::uint8_t value) {
  expect<BevelButton>(obj, "BevelButton.TextUnit.Set", BevelButtonClass());
  checkFontUnit("BevelButton.TextUnit.Set", value);
  callPluginSetter("TextUnit", obj, index, static_cast<std::int32_t>(value));
}

void RectControl_Constructor(rt::Object* obj) {
  expect<RectControl>(obj, "RectControl.Constructor", RectControlClass()).construct();
}

// --- windows ---------------------------------------------------------------------------

rt::Ref<rt::Object> Window_MenuBar_Get(rt::Object* window, std::int32_t index) {
  auto& w = target<Window>(window, index, "Window.MenuBar.Get", WindowClass());
  return w.menuBar();
}

void Window_MenuBar_Set(rt::Object* window, std::int32_t index, rt::Object* menuBar) {
  auto& w = target<Window>(window, index, "Window.MenuBar.Set", WindowClass());
  w.setMenuBar(menuBarOrNil(menuBar, "Window.MenuBar.Set"));
}

void Application_MenuBar_Set(rt::Object* app, std::int32_t index, rt::Object* menuBar) {
  auto& a = target<Application>(app, index, "Application.MenuBar.Set", ApplicationClass());
  a.setMenuBar(menuBarOrNil(menuBar, "Application.MenuBar.Set"));
}

// --- menus -----------------------------------------------------------------------------

void MenuItem_Constructor(rt::Object* item) {
  expect<MenuItem>(item, "MenuItem.Constructor", MenuItemClass()).construct();
}

void MenuItem_Name_Set(rt::Object* item, std::int32_t index, const rt::String& value) {
  auto& m = target<MenuItem>(item, index, "MenuItem.Name.Set", MenuItemClass());
  m.setName(value);
}

void MenuItem_Text_Set(rt::Object* item, std::int32_t index, const rt::String& value) {
  auto& m = target<MenuItem>(item, index, "MenuItem.Text.Set", MenuItemClass());
  m.setText(value);
}

void MenuItem_KeyboardShortcut_Set(rt::Object* item, std::int32_t index, const rt::String& value) {
  auto& m = target<MenuItem>(item, index, "MenuItem.KeyboardShortcut.Set", MenuItemClass());
  m.setKeyboardShortcut(value);
}

void MenuItem_AutoEnable_Set(rt::Object* item, std::int32_t index, bool value) {
  auto& m = target<MenuItem>(item, index, "MenuItem.AutoEnable.Set", MenuItemClass());
  m.setAutoEnable(value);
}

}  // namespace ui
