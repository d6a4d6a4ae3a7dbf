// The framework operations the program calls, as free functions named after
// them. Setters take the object, an index argument (always 0) and the value;
// getters the object and the index argument. A nil object raises
// NilObjectException; an object of another class raises RuntimeException.
#pragma once

#include <cstdint>

#include "platform/runtime/object.h"
#include "platform/runtime/string.h"

namespace ui {

// --- start-up --------------------------------------------------------------
// Prepares the framework's external classes (builds the framework records).
void RuntimeInitExternalClasses();
// Fills the plug-in entry table with the bevel button's entries.
void RuntimeInitPluginEntrypoints();
// The open window whose class record is named `className`, or nil.
rt::Ref<rt::Object> RuntimeGetImplicitWindow(const rt::String& className);
// Releases the framework's module-level references: open windows, the
// application object.
void releaseFrameworkReferences();

// --- controls --------------------------------------------------------------
void RectControl_Visible_Set(rt::Object* obj, std::int32_t index, bool value);
bool RectControl_Visible_Get(rt::Object* obj, std::int32_t index);
std::int32_t Control_Index_Get(rt::Object* obj, std::int32_t index);
void Control_Index_Set(rt::Object* obj, std::int32_t index, std::int32_t value);
rt::Ref<rt::Object> Control_Window_Get(rt::Object* obj, std::int32_t index);
void TextArea_Text_Set(rt::Object* obj, std::int32_t index, const rt::String& value);
void TextArea_LineSpacing_Set(rt::Object* obj, std::int32_t index, double value);
void TextArea_TextUnit_Set(rt::Object* obj, std::int32_t index, std::uint8_t value);
void Label_TextUnit_Set(rt::Object* obj, std::int32_t index, std::uint8_t value);
// The bevel button is a plug-in control: these go through the plug-in table.
void BevelButton_Caption_Set(rt::Object* obj, std::int32_t index, const rt::String& value);
void BevelButton_TextSize_Set(rt::Object* obj, std::int32_t index, float value);
void BevelButton_TextUnit_Set(rt::Object* obj, std::int32_t index, std::uint8_t value);
void RectControl_Constructor(rt::Object* obj);

// --- windows ---------------------------------------------------------------
rt::Ref<rt::Object> Window_MenuBar_Get(rt::Object* window, std::int32_t index);
void Window_MenuBar_Set(rt::Object* window, std::int32_t index, rt::Object* menuBar);
void Application_MenuBar_Set(rt::Object* app, std::int32_t index, rt::Object* menuBar);

// --- menus -----------------------------------------------------------------
void MenuItem_Constructor(rt::Object* item);
void MenuItem_Name_Set(rt::Object* item, std::int32_t index, const rt::String& value);
void MenuItem_Text_Set(rt::Object* item, std::int32_t index, const rt::String& value);
void MenuItem_KeyboardShortcut_Set(rt::Object* item, std::int32_t index, const rt::String& value);
void MenuItem_AutoEnable_Set(rt::Object* item, std::int32_t index, bool value);

}  // namespace ui
