// The twenty blocks applied to fresh framework models through _SetProperties.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "expected_blocks.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "window/property_blocks.h"
#include "window/set_properties.h"

namespace {

using blocktest::ExpectedBlock;

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

TEST(SetProperties, EachBlockAppliedToAFreshObjectLeavesItsValuesInTheModel) {
  for (const ExpectedBlock& x : blocktest::expectedBlocks()) {
    SCOPED_TRACE(blocktest::blockLabel(x.name, x.index));
    const blocks::Block& b = blocktest::blockOf(*x.literal);
    rt::Ref<ui::Model> m = fresh<ui::Model>(blocks::frameworkClass(b.kind));
    window1::_SetProperties(m.get(), blocks::toString(*x.literal));
    for (const auto& [property, value] : x.values) EXPECT_EQ(m->property(property), value) << property;
    EXPECT_EQ(m->refCount(), 1);
  }
}

TEST(SetProperties, TheModelsTypedAccessorsSeeTheBlocksSettings) {
  auto label = fresh<ui::Label>(ui::LabelClass());
  window1::_SetProperties(label.get(), blocks::toString(blocks::MiniLabel(3)));
  EXPECT_EQ(label->text().bytes(), "四\r");
  EXPECT_EQ(label->index(), 3);
  EXPECT_EQ(label->left(), 28);
  EXPECT_EQ(label->top(), 327);
  EXPECT_EQ(label->width(), 80);
  EXPECT_EQ(label->height(), 45);
  EXPECT_TRUE(label->visible());
  EXPECT_TRUE(label->enabled());

  auto area = fresh<ui::TextArea>(ui::TextAreaClass());
  window1::_SetProperties(area.get(), blocks::toString(blocks::OdaiAREA));
  EXPECT_EQ(area->index(), ui::kNoIndex);
  EXPECT_TRUE(area->text().empty());
  EXPECT_EQ(area->width(), 519);

  auto line = fresh<ui::Line>(ui::LineClass());
  window1::_SetProperties(line.get(), blocks::toString(blocks::Xline(1)));
  EXPECT_EQ(line->index(), 1);
  EXPECT_EQ(line->top(), 284);
  EXPECT_EQ(line->left(), 534);
  EXPECT_EQ(line->x1(), 534);
  EXPECT_EQ(line->y1(), 284);
  EXPECT_EQ(line->x2(), 604);
  EXPECT_EQ(line->y2(), 205);
  EXPECT_EQ(line->borderWidth(), 2);

  auto timer = fresh<ui::Timer>(ui::TimerClass());
  window1::_SetProperties(timer.get(), blocks::toString(blocks::Timer1));
  EXPECT_EQ(timer->mode(), 2);
  EXPECT_EQ(timer->period(), 1000);

  auto card = fresh<ui::BevelButton>(ui::BevelButtonClass());
  window1::_SetProperties(card.get(), blocks::toString(blocks::FudaButton(3)));
  EXPECT_EQ(card->index(), 3);
  EXPECT_TRUE(card->caption().empty());
  EXPECT_EQ(card->top(), 327);
  EXPECT_EQ(card->width(), 388);

  auto start = fresh<ui::BevelButton>(ui::BevelButtonClass());
  window1::_SetProperties(start.get(), blocks::toString(blocks::StartButton));
  EXPECT_EQ(start->caption().bytes(), "スタート");
  EXPECT_EQ(start->index(), ui::kNoIndex);

  auto window = fresh<ui::Window>(ui::WindowClass());
  window1::_SetProperties(window.get(), blocks::toString(blocks::Window1));
  EXPECT_EQ(window->title().bytes(), "ポコリンド");
  EXPECT_EQ(window->width(), 675);
  EXPECT_EQ(window->height(), 506);
  EXPECT_EQ(window->backColor(), (rt::Color{0xFF, 0x2E, 0x3C}));
}

TEST(SetProperties, SettingsMadeBeforeTheBlockStandAfterIt) {
  auto score = fresh<ui::BevelButton>(ui::BevelButtonClass());
  score->setTextSize(24.0f);
  score->setTextUnit(0);
  window1::_SetProperties(score.get(), blocks::toString(blocks::TokutenButton));
  EXPECT_EQ(score->textSize(), 24.0);
  EXPECT_EQ(score->textUnit(), 0);
  EXPECT_EQ(score->caption().bytes(), "0");

  auto area = fresh<ui::TextArea>(ui::TextAreaClass());
  area->setLineSpacing(1.0);
  window1::_SetProperties(area.get(), blocks::toString(blocks::OdaiAREA));
  EXPECT_EQ(area->lineSpacing(), 1.0);
}

TEST(SetProperties, AMalformedBlockLeavesTheControlExactlyAsItWas) {
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
    EXPECT_THROW(window1::_SetProperties(button.get(), rt::String::fromBytes(block, rt::kEncodingUTF8)), rt::Raised);
    EXPECT_EQ(allValues(*button), before);
    EXPECT_EQ(button->caption().bytes(), "before");
  }
}

TEST(SetProperties, SetPropertiesOnNilRaisesNilObjectException) {
  try {
    window1::_SetProperties(nullptr, blocks::toString(blocks::Timer1));
    FAIL() << "no exception";
  } catch (const rt::Raised& r) {
    EXPECT_TRUE(rt::RuntimeObjectIsa(r.exception().get(), rt::NilObjectExceptionClass()));
  }
}

}  // namespace
