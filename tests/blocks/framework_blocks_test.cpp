// The twenty blocks read against the framework's own classes and applied to
// fresh framework models.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_blocks.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/blocks/property_block.h"
#include "platform/ui/classes.h"
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "window/property_blocks.h"
#include "window/set_properties.h"

namespace {

using blocktest::ExpectedBlock;

const rt::ClassRecord& classOf(blocks::ObjectKind kind) {
  switch (kind) {
    case blocks::ObjectKind::Window: return ui::WindowClass();
    case blocks::ObjectKind::TextArea: return ui::TextAreaClass();
    case blocks::ObjectKind::Label: return ui::LabelClass();
    case blocks::ObjectKind::Oval: return ui::OvalClass();
    case blocks::ObjectKind::Line: return ui::LineClass();
    case blocks::ObjectKind::Timer: return ui::TimerClass();
    case blocks::ObjectKind::BevelButton: return ui::BevelButtonClass();
  }
  throw std::logic_error("unknown kind");
}

const blocks::Block& blockOf(const blocks::StringLiteral& lit) {
  for (const blocks::Block& b : blocks::all()) {
    if (b.literal == &lit) return b;
  }
  throw std::logic_error("not one of the twenty blocks");
}

const char* typeText(rt::ValueType t) {
  switch (t) {
    case rt::ValueType::Int32: return "i4";
    case rt::ValueType::Boolean: return "b";
    case rt::ValueType::Color: return "c";
    case rt::ValueType::String: return "s";
    default: return "?";
  }
}

template <class M>
rt::Ref<M> fresh(const rt::ClassRecord& cls) {
  rt::Ref<rt::Object> obj = rt::RuntimeNewObject(cls);
  auto* m = dynamic_cast<M*>(obj.get());
  if (!m) throw std::logic_error("the class does not make a " + std::string(typeid(M).name()));
  return rt::Ref<M>::retain(m);
}

std::vector<rt::Value> allValues(ui::Model& m) {
  std::vector<rt::Value> out;
  for (const rt::PropertyEntry& p : m.classRecord().properties) {
    out.push_back(p.getter ? p.getter(m, p.storage) : rt::Value());
  }
  return out;
}

TEST(FrameworkBlocks, EveryBlockKeyNamesAFrameworkPropertyOfItsValuesType) {
  for (const blocks::Block& b : blocks::all()) {
    const rt::ClassRecord& cls = classOf(b.kind);
    for (const blocks::Entry& e : b.entries) {
      const rt::PropertyEntry* p = cls.findProperty(e.key);
      if (!p) {
        ADD_FAILURE() << cls.name.str() << " has no property for the key \"" << e.key << "\" of block " << b.name;
        continue;
      }
      EXPECT_EQ(p->type.str(), typeText(e.type)) << cls.name.str() << "." << p->name.str();
      EXPECT_NE(p->setter, nullptr) << cls.name.str() << "." << p->name.str() << " cannot be set";
    }
  }
}

TEST(FrameworkBlocks, EachBlockDecodesAgainstItsClassIntoItsTableEntries) {
  for (const blocks::Block& b : blocks::all()) {
    SCOPED_TRACE(blocktest::blockLabel(std::string(b.name), b.index));
    const auto entries = ui::decodePropertyBlock(classOf(b.kind), b.literal->content());
    ASSERT_EQ(entries.size(), b.entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(entries[i].key, b.entries[i].key);
      EXPECT_EQ(entries[i].value, blocks::toValue(b.entries[i])) << b.entries[i].key;
    }
  }
}

TEST(FrameworkBlocks, KeysInAnotherLetterCaseResolveToTheFrameworksNames) {
  struct Case {
    const blocks::StringLiteral* lit;
    const char* key;
    const char* property;
  };
  for (const Case& c : {Case{&blocks::Window1, "MacProcID", "MacProcId"},
                        Case{&blocks::Label1, "Multiline", "MultiLine"},
                        Case{&blocks::OdaiAREA, "Multiline", "MultiLine"},
                        Case{&blocks::OdaiAREA, "ScrollbarHorizontal", "ScrollBarHorizontal"},
                        Case{&blocks::OdaiAREA, "ScrollbarVertical", "ScrollBarVertical"}}) {
    bool seen = false;
    for (const auto& e : ui::decodePropertyBlock(classOf(blockOf(*c.lit).kind), c.lit->content())) {
      if (e.key != c.key) continue;
      seen = true;
      EXPECT_EQ(e.property->name.str(), c.property);
    }
    EXPECT_TRUE(seen) << c.key;
  }
}

TEST(FrameworkBlocks, EachBlockAppliedToAFreshObjectLeavesItsValuesInTheModel) {
  for (const ExpectedBlock& x : blocktest::expectedBlocks()) {
    SCOPED_TRACE(blocktest::blockLabel(x.name, x.index));
    const blocks::Block& b = blockOf(*x.literal);
    rt::Ref<ui::Model> m = fresh<ui::Model>(classOf(b.kind));
    window::_SetProperties(m.get(), blocks::toString(*x.literal));
    for (const auto& [property, value] : x.values) EXPECT_EQ(m->property(property), value) << property;
    EXPECT_EQ(m->refCount(), 1);
  }
}

TEST(FrameworkBlocks, TheModelsTypedAccessorsSeeTheBlocksSettings) {
  auto label = fresh<ui::Label>(ui::LabelClass());
  window::_SetProperties(label.get(), blocks::toString(blocks::MiniLabel(3)));
  EXPECT_EQ(label->text().bytes(), "四\r");
  EXPECT_EQ(label->index(), 3);
  EXPECT_EQ(label->left(), 28);
  EXPECT_EQ(label->top(), 327);
  EXPECT_EQ(label->width(), 80);
  EXPECT_EQ(label->height(), 45);
  EXPECT_TRUE(label->visible());
  EXPECT_TRUE(label->enabled());

  auto area = fresh<ui::TextArea>(ui::TextAreaClass());
  window::_SetProperties(area.get(), blocks::toString(blocks::OdaiAREA));
  EXPECT_EQ(area->index(), ui::kNoIndex);
  EXPECT_TRUE(area->text().empty());
  EXPECT_EQ(area->width(), 519);

  auto line = fresh<ui::Line>(ui::LineClass());
  window::_SetProperties(line.get(), blocks::toString(blocks::Xline(1)));
  EXPECT_EQ(line->index(), 1);
  EXPECT_EQ(line->top(), 284);
  EXPECT_EQ(line->left(), 534);
  EXPECT_EQ(line->x1(), 534);
  EXPECT_EQ(line->y1(), 284);
  EXPECT_EQ(line->x2(), 604);
  EXPECT_EQ(line->y2(), 205);
  EXPECT_EQ(line->borderWidth(), 2);

  auto timer = fresh<ui::Timer>(ui::TimerClass());
  window::_SetProperties(timer.get(), blocks::toString(blocks::Timer1));
  EXPECT_EQ(timer->mode(), 2);
  EXPECT_EQ(timer->period(), 1000);

  auto card = fresh<ui::BevelButton>(ui::BevelButtonClass());
  window::_SetProperties(card.get(), blocks::toString(blocks::FudaButton(3)));
  EXPECT_EQ(card->index(), 3);
  EXPECT_TRUE(card->caption().empty());
  EXPECT_EQ(card->top(), 327);
  EXPECT_EQ(card->width(), 388);

  auto start = fresh<ui::BevelButton>(ui::BevelButtonClass());
  window::_SetProperties(start.get(), blocks::toString(blocks::StartButton));
  EXPECT_EQ(start->caption().bytes(), "スタート");
  EXPECT_EQ(start->index(), ui::kNoIndex);

  auto window = fresh<ui::Window>(ui::WindowClass());
  window::_SetProperties(window.get(), blocks::toString(blocks::Window1));
  EXPECT_EQ(window->title().bytes(), "ポコリンド");
  EXPECT_EQ(window->width(), 675);
  EXPECT_EQ(window->height(), 506);
  EXPECT_EQ(window->backColor(), (rt::Color{0xFF, 0x2E, 0x3C}));
}

TEST(FrameworkBlocks, SettingsMadeBeforeTheBlockStandAfterIt) {
  auto score = fresh<ui::BevelButton>(ui::BevelButtonClass());
  score->setTextSize(24.0f);
  score->setTextUnit(0);
  window::_SetProperties(score.get(), blocks::toString(blocks::TokutenButton));
  EXPECT_EQ(score->textSize(), 24.0);
  EXPECT_EQ(score->textUnit(), 0);
  EXPECT_EQ(score->caption().bytes(), "0");

  auto area = fresh<ui::TextArea>(ui::TextAreaClass());
  area->setLineSpacing(1.0);
  window::_SetProperties(area.get(), blocks::toString(blocks::OdaiAREA));
  EXPECT_EQ(area->lineSpacing(), 1.0);
}

TEST(FrameworkBlocks, AMalformedBlockLeavesTheControlExactlyAsItWas) {
  const std::string_view good = blocks::StartButton.content();
  const std::vector<std::string> bad = {
      std::string(good) + "Bogus " + std::string(4, '\0'),            // unknown key at the end
      std::string(good.substr(0, good.size() - 1)),                    // cut inside the last value
      std::string(good) + "Visible " + std::string(1, '\x02'),        // boolean byte 2
      std::string(good) + "TextSize " + std::string(4, '\0'),         // a property no block can carry
  };
  for (const std::string& block : bad) {
    auto button = fresh<ui::BevelButton>(ui::BevelButtonClass());
    button->setCaption("before");
    const std::vector<rt::Value> before = allValues(*button);
    EXPECT_THROW(window::_SetProperties(button.get(), rt::String::fromBytes(block, rt::kEncodingUTF8)), rt::Raised);
    EXPECT_EQ(allValues(*button), before);
    EXPECT_EQ(button->caption().bytes(), "before");
  }
}

TEST(FrameworkBlocks, SetPropertiesOnNilRaisesNilObjectException) {
  try {
    window::_SetProperties(nullptr, blocks::toString(blocks::Timer1));
    FAIL() << "no exception";
  } catch (const rt::Raised& r) {
    EXPECT_TRUE(rt::RuntimeObjectIsa(r.exception().get(), rt::NilObjectExceptionClass()));
  }
}

}  // namespace
