#include "test_records.h"

namespace blocktest {

const rt::ClassRecord& allBlockKeysClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  std::vector<Prop> props;
  for (const char* name :
       {"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame", "MacProcId", "Index",
        "Left", "Top", "TabPanelIndex", "TabIndex", "LimitText", "Alignment", "TextAlign", "X1", "X2", "Y1", "Y2",
        "BorderWidth", "Mode", "Period", "ButtonType", "Bevel", "CaptionAlign", "CaptionPlacement", "CaptionDelta",
        "IconAlign", "IconDX", "IconDY", "MenuValue", "HasMenu"}) {
    props.push_back({name, "i4"});
  }
  for (const char* name :
       {"Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible", "CloseButton", "Resizeable",
        "LiveResize", "MaximizeButton", "MinimizeButton", "LockLeft", "LockTop", "LockRight", "LockBottom", "TabStop",
        "Border", "MultiLine", "ScrollBarHorizontal", "ScrollBarVertical", "Styled", "UseFocusRing", "Enabled",
        "AutoDeactivate", "HideSelection", "Bold", "Italic", "Underline", "ReadOnly", "AcceptTabs",
        "AutomaticallyCheckSpelling", "AcceptFocus", "Selectable", "Transparent", "Value"}) {
    props.push_back({name, "b"});
  }
  for (const char* name : {"BackColor", "TextColor", "LineColor", "BorderColor", "FillColor"}) {
    props.push_back({name, "c"});
  }
  for (const char* name : {"Name", "Title", "TextFont", "Text", "Mask", "Format", "HelpTag", "DataSource", "DataField",
                           "InitialParent", "Caption"}) {
    props.push_back({name, "s"});
  }
  return buildGadgetClass(cache, "AllBlockKeys", props);
}

}  // namespace blocktest
