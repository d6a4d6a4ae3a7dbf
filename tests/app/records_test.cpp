// The class records of the application and of the game window: counts, the
// own slots and method-info entries with their signatures, the events they
// bind and the window's three game counters.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/pokorindo.h"
#include "platform/runtime/events.h"
#include "platform/runtime/fields.h"
#include "platform/ui/application.h"
#include "platform/ui/classes.h"
#include "support.h"
#include "window/invokers.h"
#include "window/window1_class.h"

namespace {

using apptest::AppTest;

void expectScope(const std::vector<rt::Attribute>& attrs, bool hidden, const std::string& what) {
  ASSERT_EQ(attrs.size(), hidden ? 2u : 1u) << what;
  EXPECT_EQ(attrs[0].name.str(), "__Scope") << what;
  EXPECT_EQ(attrs[0].value.str(), "Public") << what;
  if (hidden) {
    EXPECT_EQ(attrs[1].name.str(), "Hidden") << what;
    EXPECT_FALSE(attrs[1].hasValue) << what;
  }
}

using Records = AppTest;

TEST_F(Records, PoKoRindoAddsAnEmptyConstructorInSlot17AndNoClassAttribute) {
  const rt::ClassRecord& cls = app::PoKoRindoClass();
  const rt::ClassRecord& super = ui::ApplicationClass();
  EXPECT_EQ(cls.name.str(), "PoKoRindo");
  EXPECT_EQ(cls.superclass, &super);
  EXPECT_EQ(cls.instanceSize, super.instanceSize);
  EXPECT_EQ(cls.methodInfo.size(), 48u);
  EXPECT_TRUE(cls.interfaces.empty());
  EXPECT_EQ(cls.events.size(), 10u);
  EXPECT_EQ(cls.properties.size(), 19u);
  EXPECT_TRUE(cls.classAttributes.empty());
  for (const rt::EventEntry& e : cls.events) EXPECT_FALSE(e.handler) << e.name.str();
  ASSERT_EQ(cls.vtable.size(), 18u);
  for (std::size_t i = 0; i < 17; ++i) EXPECT_EQ(cls.vtable[i].fn, super.vtable[i].fn) << "slot " << i;
  const rt::MethodInfo& m = cls.methodInfo[47];
  EXPECT_EQ(m.name.str(), "Constructor");
  EXPECT_EQ(m.signature.str(), "%%");
  EXPECT_EQ(m.function.fn, cls.vtable[17].fn);
  EXPECT_EQ(m.invoker, introspection::invokerFor("%%"));
  expectScope(m.attributes, false, "Constructor");

  // The constructor changes nothing of the application.
  const rt::Ref<rt::Object> application = rt::RuntimeNewObject(cls);
  auto& model = dynamic_cast<ui::Application&>(*application);
  auto snapshot = [&] {
    std::vector<rt::Value> values;
    for (const rt::PropertyEntry& p : cls.properties) values.push_back(model.property(p.name.str()));
    return values;
  };
  const std::vector<rt::Value> before = snapshot();
  rt::callSlot<void()>(*application, 17, "%%");
  EXPECT_EQ(snapshot(), before);
}

TEST_F(Records, Window1AddsTwentyNineMethodsInSlotOrderWithTheirSignaturesAndInvokers) {
  const rt::ClassRecord& cls = window1::Window1Class();
  const rt::ClassRecord& super = ui::WindowClass();
  EXPECT_EQ(cls.name.str(), "Window1.Window1");
  EXPECT_EQ(cls.superclass, &super);
  EXPECT_EQ(cls.instanceSize, super.instanceSize + 12);
  EXPECT_EQ(cls.methodInfo.size(), 159u);
  EXPECT_TRUE(cls.interfaces.empty());
  ASSERT_EQ(cls.classAttributes.size(), 1u);
  EXPECT_EQ(cls.classAttributes[0].value.str(), "Public");
  ASSERT_EQ(cls.vtable.size(), 80u);
  for (std::size_t i = 0; i < 51; ++i) EXPECT_EQ(cls.vtable[i].fn, super.vtable[i].fn) << "slot " << i;

  struct Row {
    const char* name;
    const char* signature;
    bool hidden = false;
  };
  const char* item = "%o<MenuItem>%";
  const char* handler = "%%o<BevelButton>";
  const std::vector<Row> rows = {
      {"Layout", "%%"},
      {"CreateControls", "%%"},
      {"_CreateControls0", "%%", true},
      {"OdaiAREA", "%o<TextArea>%"},
      {"Label1", "%o<Label>%"},
      {"MiniLabel", "%o<Label>%i4"},
      {"Oval1", "%o<Oval>%"},
      {"Xline", "%o<Line>%i4"},
      {"Timer1", "%o<Timer>%"},
      {"StartButton", "%o<BevelButton>%"},
      {"FudaButton", "%o<BevelButton>%i4"},
      {"Label2", "%o<Label>%"},
      {"TokutenButton", "%o<BevelButton>%"},
      {"StartButton_Action", handler},
      {"FudaButton_Action", handler},
      {"TokutenButton_Open", handler},
      {"EditMenu", item},
      {"EditSelectAll", item},
      {"UntitledMenu0", item},
      {"EditClear", item},
      {"EditPaste", item},
      {"EditCopy", item},
      {"EditCut", item},
      {"UntitledMenu1", item},
      {"EditUndo", item},
      {"FileMenu", item},
      {"FileQuit", "%o<QuitMenuItem>%"},
      {"Event_Open", "%%"},
      {"FUDA", "%%"},
  };
  ASSERT_EQ(rows.size(), 29u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    const rt::MethodSlot& slot = cls.vtable[51 + i];
    const rt::MethodInfo& m = cls.methodInfo[130 + i];
    EXPECT_EQ(slot.signature, row.signature) << row.name;
    EXPECT_EQ(m.name.str(), row.name) << "entry " << 130 + i;
    EXPECT_EQ(m.signature.str(), row.signature) << row.name;
    EXPECT_EQ(m.flags, 1u) << row.name;
    EXPECT_EQ(m.function.fn, slot.fn) << row.name;
    EXPECT_EQ(m.invoker, introspection::invokerFor(row.signature)) << row.name;
    expectScope(m.attributes, row.hidden, row.name);
  }
}

TEST_F(Records, IntrospectionListsWindow1sMethodsWithoutTheHiddenControlMaker) {
  const rt::ClassRecord& cls = window1::Window1Class();
  std::vector<std::string> own;
  for (const rt::IntrospectedMethod& m : rt::introspectMethods(cls)) {
    if (m.info >= &cls.methodInfo[130]) own.push_back(m.info->name.str());
  }
  ASSERT_EQ(own.size(), 28u);  // 29 own methods, one of them hidden
  EXPECT_EQ(own.front(), "Layout");
  EXPECT_EQ(own[1], "CreateControls");
  EXPECT_EQ(own[2], "OdaiAREA");  // _CreateControls0 is not listed...
  // ...yet its slot still runs it.
  EXPECT_EQ(cls.vtable[53].signature, "%%");
  EXPECT_EQ(cls.methodInfo[132].name.str(), "_CreateControls0");
}

TEST_F(Records, Window1BindsOnlyLayoutCreateControlsAndOpen) {
  const rt::ClassRecord& cls = window1::Window1Class();
  ASSERT_EQ(cls.events.size(), 33u);
  const rt::Ref<rt::Object> window = rt::RuntimeNewObject(cls);
  for (std::size_t e = 0; e < cls.events.size(); ++e) {
    const std::size_t slot = e == 0 ? 51 : e == 1 ? 52 : e == 4 ? 78 : 0;
    if (slot != 0) {
      EXPECT_EQ(cls.events[e].handler.fn, cls.vtable[slot].fn) << "event " << e;
    } else {
      EXPECT_FALSE(rt::raiseEvent(*window, e)) << "event " << e << " " << cls.events[e].name.str();
    }
  }
}

TEST_F(Records, Window1CountersAreZeroInANewWindowAndEachEntryReachesOnlyItsOwnField) {
  const rt::ClassRecord& cls = window1::Window1Class();
  ASSERT_EQ(cls.properties.size(), 52u);
  const std::uint32_t base = ui::WindowClass().instanceSize;
  const rt::Ref<rt::Object> window = rt::RuntimeNewObject(cls);
  const std::vector<std::string> names = {"Kaisu", "Key", "Tokuten"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    const rt::PropertyEntry& p = cls.properties[49 + i];
    EXPECT_EQ(p.name.str(), names[i]);
    EXPECT_EQ(p.type.str(), "i4");
    EXPECT_EQ(p.flags, 5u);
    EXPECT_EQ(p.storage, base + 4 * i) << names[i];
    expectScope(p.attributes, false, names[i]);
    EXPECT_EQ(rt::Int32_Get(*window, p.storage), 0) << names[i];
    EXPECT_EQ(p.valueGetter(p.getter, *window, p.storage), rt::Value(std::int32_t{0})) << names[i];
    p.valueSetter(p.setter, *window, p.storage, rt::Int32ToVariant(static_cast<std::int32_t>(10 + i)));
  }
  EXPECT_EQ(rt::int32Property(*window, "kaisu"), 10);
  EXPECT_EQ(rt::int32Property(*window, "Key"), 11);
  EXPECT_EQ(rt::int32Property(*window, "TOKUTEN"), 12);
}

}  // namespace
