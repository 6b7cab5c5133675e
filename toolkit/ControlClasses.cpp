#include "ControlClasses.h"

#include "Control.h"

namespace {
void RegisterControl(FormClasses& classes) {
    classes.Abstract<TControl>("TControl")
        .Property("Left", [](TControl& c, const FormValue& v) { c.SetLeft(v.AsInt()); })
        .Property("Top", [](TControl& c, const FormValue& v) { c.SetTop(v.AsInt()); })
        .Property("Width", [](TControl& c, const FormValue& v) { c.SetWidth(v.AsInt()); })
        .Property("Height", [](TControl& c, const FormValue& v) { c.SetHeight(v.AsInt()); })
        .Property("Align",
                  [](TControl& c, const FormValue& v) {
                      TAlign align = alNone;
                      if (!IdentToAlign(v.AsIdent(), align))
                          throw FormError(v.position, "Invalid property value '" + v.text + "'");
                      c.SetAlign(align);
                  })
        .Property("Visible", [](TControl& c, const FormValue& v) { c.SetVisible(v.AsBool()); })
        .Property("Enabled", [](TControl& c, const FormValue& v) { c.SetEnabled(v.AsBool()); })
        .Property("Color", [](TControl& c, const FormValue& v) { c.SetColor(v.AsColor()); })
        .Property("Cursor",
                  [](TControl& c, const FormValue& v) {
                      TCursor cursor = crDefault;
                      if (!IdentToCursor(v.AsIdent(), cursor))
                          throw FormError(v.position, "Invalid property value '" + v.text + "'");
                      c.SetCursor(cursor);
                  })
        .Property("Hint", [](TControl& c, const FormValue& v) { c.SetHint(v.AsString()); })
        .Property("ShowHint", [](TControl& c, const FormValue& v) { c.SetShowHint(v.AsBool()); })
        .Property("ParentFont",
                  [](TControl& c, const FormValue& v) { c.SetParentFont(v.AsBool()); })
        .Property("Font.Name",
                  [](TControl& c, const FormValue& v) { c.Font().SetName(v.AsString()); })
        .Property("Font.Height",
                  [](TControl& c, const FormValue& v) { c.Font().SetHeight(v.AsInt()); })
        .Property("Font.Size", [](TControl& c, const FormValue& v) { c.Font().SetSize(v.AsInt()); })
        .Property("Font.Color",
                  [](TControl& c, const FormValue& v) { c.Font().SetColor(v.AsColor()); })
        .Property("Font.Style",
                  [](TControl& c, const FormValue& v) {
                      c.Font().SetStyle(v.AsFlags<TFontStyles>({{"fsBold", fsBold},
                                                                {"fsItalic", fsItalic},
                                                                {"fsUnderline", fsUnderline},
                                                                {"fsStrikeOut", fsStrikeOut}}));
                  })
        .Event("OnMouseDown", &TControl::SetOnMouseDown)
        .Event("OnMouseMove", &TControl::SetOnMouseMove)
        .Event("OnMouseUp", &TControl::SetOnMouseUp)
        .Event("OnMouseWheel", &TControl::SetOnMouseWheel)
        .Nest([](TControl& container, TComponent& child) {
            auto* control = dynamic_cast<TControl*>(&child);
            if (!control)
                return false;
            control->SetParent(&container);
            return true;
        });
}
} // namespace

void RegisterControlClasses(FormClasses& classes) {
    RegisterControl(classes);
}
