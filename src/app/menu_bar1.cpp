#include "app/menu_bar1.h"

#include <array>

#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"
#include "platform/ui/slots.h"
#include "window/invokers.h"

namespace app {

namespace {

constexpr std::size_t kConstructorSlot = 20;
constexpr std::size_t kUntitled0Slot = 25;
constexpr std::size_t kUntitled1Slot = 26;
constexpr const char* kNoArgumentsSig = "%%";

// One item of the menu tree. A null parent means the menu bar itself; a null
// shortcut means no shortcut call at all (the separators), which is not the
// same as the empty text.
struct MenuRow {
  const char* name;
  bool quitItem;
  const char* parent;
  const char* text;
  const char* shortcut;
};

// clang-format off
constexpr std::array<MenuRow, 2> kFileRows = {{
  {"FileMenu",      false, nullptr,    "ファイル",     ""},
  {"FileQuit",      true,  "FileMenu", "終了",         "Cmd+Q"},
}};

// The separator after undo is UntitledMenu1, the one before select-all
// UntitledMenu0.
constexpr std::array<MenuRow, 9> kEditRows = {{
  {"EditMenu",      false, nullptr,    "編集",         ""},
  {"EditUndo",      false, "EditMenu", "元に戻す",     "Cmd+Z"},
  {"UntitledMenu1", false, "EditMenu", "-",            nullptr},
  {"EditCut",       false, "EditMenu", "カット",       "Cmd+X"},
  {"EditCopy",      false, "EditMenu", "コピー",       "Cmd+C"},
  {"EditPaste",     false, "EditMenu", "貼り付け",     "Cmd+V"},
  {"EditClear",     false, "EditMenu", "削除",         ""},
  {"UntitledMenu0", false, "EditMenu", "-",            nullptr},
  {"EditSelectAll", false, "EditMenu", "すべてを選択", "Cmd+A"},
}};
// clang-format on

// Makes the items of the rows in order and puts each in its menu. A child's
// menu is looked up afresh by name through the bar's own Child slot, so a
// menu must be on the bar, named, before its first child comes.
template <std::size_t N>
void buildItems(rt::Object& bar, const std::array<MenuRow, N>& rows) {
  rt::Ref<rt::Object> inHand;
  for (const MenuRow& row : rows) {
    rt::Ref<rt::Object> item = rt::RuntimeNewObject(row.quitItem ? ui::QuitMenuItemClass() : ui::MenuItemClass());
    rt::callSlot<void()>(*item, ui::slot::kMenuItemConstructor, ui::slot::kMenuItemConstructorSig);
    inHand = std::move(item);

    ui::MenuItem_Name_Set(inHand.get(), 0, row.name);
    ui::MenuItem_AutoEnable_Set(inHand.get(), 0, true);
    ui::MenuItem_Text_Set(inHand.get(), 0, row.text);
    if (row.shortcut) ui::MenuItem_KeyboardShortcut_Set(inHand.get(), 0, row.shortcut);

    if (!row.parent) {
      rt::callSlot<void(rt::Object*)>(bar, ui::slot::kMenuItemAppend, ui::slot::kMenuItemAppendSig, inHand.get());
    } else {
      const rt::Ref<rt::Object> parent = rt::callSlot<rt::Ref<rt::Object>(const rt::String&)>(
          bar, ui::slot::kMenuItemChild, ui::slot::kMenuItemChildSig, rt::String(row.parent));
      if (!parent) rt::RaiseNilObjectException();
      rt::callSlot<void(rt::Object*)>(*parent, ui::slot::kMenuItemAppend, ui::slot::kMenuItemAppendSig, inHand.get());
    }
  }
}

// The File menu and its quit item.
void Untitled0(rt::Object& self) { buildItems(self, kFileRows); }

// The Edit menu and its eight entries.
void Untitled1(rt::Object& self) { buildItems(self, kEditRows); }

// Builds the tree. It takes the place of the menu item's default
// construction and does not call it.
void Constructor(rt::Object& self) {
  rt::callSlot<void()>(self, kUntitled0Slot, kNoArgumentsSig);
  rt::callSlot<void()>(self, kUntitled1Slot, kNoArgumentsSig);
}

const rt::ClassRecord* gRecord = nullptr;

// Never destroyed: module finalisation releases the instance; a process that
// ends without it must not release objects while the runtime is torn down.
rt::Ref<rt::Object>& implicitInstance() {
  static auto* instance = new rt::Ref<rt::Object>();
  return *instance;
}

const rt::ClassRecord* menuBarSuper() { return &ui::MenuBarClass(); }

rt::MethodSlot method(const char* name, void (*fn)(rt::Object&)) {
  return rt::makeSlot(std::string("MenuBar1.") + name, kNoArgumentsSig, fn);
}

rt::MethodInfoDecl info(const char* name, void (*fn)(rt::Object&)) {
  return rt::MethodInfoDecl{.name = name,
                            .signature = kNoArgumentsSig,
                            .function = method(name, fn),
                            .invoker = introspection::invokerFor(kNoArgumentsSig)};
}

}  // namespace

void buildMenuBar1Class() {
  if (gRecord) return;
  rt::ClassSpec desc;
  desc.name = "MenuBar1.MenuBar1";
  desc.superLookup = menuBarSuper;
  desc.counts = {.methodInfo = 54, .interfaces = 0, .events = 2, .fifth = 0, .properties = 16, .classAttributes = 1};
  desc.slotCount = 27;
  desc.slots = {
      {kConstructorSlot, method("Constructor", &Constructor)},
      {kUntitled0Slot, method("Untitled0", &Untitled0)},
      {kUntitled1Slot, method("Untitled1", &Untitled1)},
  };
  desc.methodInfo = {info("Untitled0", &Untitled0), info("Untitled1", &Untitled1), info("Constructor", &Constructor)};
  desc.classAttributes = {{"__Scope", "Public"}};
  rt::buildClass(gRecord, desc);
}

const rt::ClassRecord& MenuBar1Class() {
  if (!gRecord) buildMenuBar1Class();
  return *gRecord;
}

rt::Ref<rt::Object> MenuBar1Instance() {
  rt::Ref<rt::Object>& instance = implicitInstance();
  if (!instance) {
    // An exception from the build drops the new bar with the part of the
    // tree made so far and leaves the instance nil; the next call starts over.
    const rt::Ref<rt::Object> bar = rt::RuntimeNewObject(MenuBar1Class());
    rt::callSlot<void()>(*bar, kConstructorSlot, kNoArgumentsSig);
    instance = bar;
  }
  return instance;
}

void MenuBar1ImplicitInstanceExit() {
  // Cleared before the release, so a destructor that asks for the instance
  // finds none instead of the one going away.
  rt::Ref<rt::Object> old = std::move(implicitInstance());  // leaves the instance nil
  old.reset();
}

}  // namespace app
