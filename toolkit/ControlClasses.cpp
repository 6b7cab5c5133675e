#include "ControlClasses.h"

#include "Control.h"
#include "Form.h"
#include "ImageList.h"
#include "PopupMenu.h"
#include "Splitter.h"
#include "StdControls.h"
#include "Timer.h"
#include "TreeView.h"

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
        .Property("Anchors",
                  [](TControl& c, const FormValue& v) {
                      c.SetAnchors(v.AsFlags<TAnchors>({{"akLeft", akLeft},
                                                        {"akTop", akTop},
                                                        {"akRight", akRight},
                                                        {"akBottom", akBottom}}));
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
void RegisterForm(FormClasses& classes) {
    classes.Abstract<TForm>("TForm", "TControl")
        .Property("Caption", [](TForm& f, const FormValue& v) { f.SetCaption(v.AsString()); })
        .Property(
            "ClientWidth",
            [](TForm& f, const FormValue& v) { f.SetClientSize(v.AsInt(), f.ClientHeight()); })
        .Property("ClientHeight",
                  [](TForm& f, const FormValue& v) { f.SetClientSize(f.ClientWidth(), v.AsInt()); })
        .Property("KeyPreview", [](TForm& f, const FormValue& v) { f.SetKeyPreview(v.AsBool()); })
        .Property("PixelsPerInch",
                  [](TForm&, const FormValue& v) {
                      if (v.AsInt() != kDesignedPixelsPerInch)
                          throw FormError(v.position, "Descriptions are drawn at " +
                                                          std::to_string(kDesignedPixelsPerInch) +
                                                          " pixels per inch");
                  })
        .Property("WindowState",
                  [](TForm& f, const FormValue& v) {
                      f.SetWindowState(v.AsEnum<TWindowState>({{"wsNormal", wsNormal},
                                                               {"wsMinimized", wsMinimized},
                                                               {"wsMaximized", wsMaximized}}));
                  })
        .Property("Position",
                  [](TForm& f, const FormValue& v) {
                      f.SetPosition(v.AsEnum<TPosition>({{"poDesigned", poDesigned},
                                                         {"poScreenCenter", poScreenCenter},
                                                         {"poMainFormCenter", poMainFormCenter}}));
                  })
        .Property(
            "BorderStyle",
            [](TForm& f, const FormValue& v) {
                f.SetBorderStyle(v.AsEnum<TFormBorderStyle>(
                    {{"bsSizeable", bsSizeable}, {"bsSingle", bsSingle}, {"bsDialog", bsDialog}}));
            })
        .Property("BorderIcons",
                  [](TForm& f, const FormValue& v) {
                      f.SetBorderIcons(v.AsFlags<TBorderIcons>({{"biSystemMenu", biSystemMenu},
                                                                {"biMinimize", biMinimize},
                                                                {"biMaximize", biMaximize}}));
                  })
        .Event("OnCreate", &TForm::SetOnCreate)
        .Event("OnCloseQuery", &TForm::SetOnCloseQuery)
        .Event("OnKeyDown", &TForm::SetOnKeyDown)
        .Event("OnEndSession", &TForm::SetOnEndSession);
}

void RegisterStdControls(FormClasses& classes) {
    classes.Abstract<TClickControl>("TClickControl", "TControl")
        .Property("Caption", [](TControl& c, const FormValue& v) { c.SetCaption(v.AsString()); })
        .Event("OnClick", &TClickControl::SetOnClick);
    classes.Class<TButton>("TButton", "TClickControl")
        .Property("Default", [](TButton& b, const FormValue& v) { b.SetDefault(v.AsBool()); });
    classes.Class<TSpeedButton>("TSpeedButton", "TClickControl")
        .Property("Flat", [](TSpeedButton&, const FormValue& v) { (void)v.AsBool(); })
        .Property("Glyph", [](TSpeedButton& b, const FormValue& v) { b.LoadGlyph(v.AsString()); });
    classes.Class<TLabel>("TLabel", "TClickControl")
        .Property("Transparent",
                  [](TLabel& l, const FormValue& v) { l.SetTransparent(v.AsBool()); })
        .Property("AutoSize", [](TLabel& l, const FormValue& v) { l.SetAutoSize(v.AsBool()); });
    classes.Class<TStaticText>("TStaticText", "TClickControl")
        .Property("Alignment",
                  [](TStaticText& t, const FormValue& v) {
                      t.SetAlignment(v.AsEnum<TAlignment>({{"taLeftJustify", taLeftJustify},
                                                           {"taRightJustify", taRightJustify},
                                                           {"taCenter", taCenter}}));
                  })
        .Property("BorderStyle", [](TStaticText& t, const FormValue& v) {
            t.SetBorderStyle(v.AsEnum<TStaticBorderStyle>(
                {{"sbsNone", sbsNone}, {"sbsSingle", sbsSingle}, {"sbsSunken", sbsSunken}}));
        });
    classes.Class<TImage>("TImage", "TControl")
        .Property("AutoSize", [](TImage& i, const FormValue& v) { i.SetAutoSize(v.AsBool()); });
    classes.Class<TSplitter>("TSplitter", "TControl")
        .Property("Beveled", [](TSplitter& s, const FormValue& v) { s.SetBeveled(v.AsBool()); })
        .Property("MinSize", [](TSplitter& s, const FormValue& v) { s.SetMinSize(v.AsInt()); })
        .Event("OnMoved", &TSplitter::SetOnMoved);
}

void RegisterTreeView(FormClasses& classes) {
    classes.Class<TTreeView>("TTreeView", "TControl")
        .Property("ReadOnly", [](TTreeView& t, const FormValue& v) { t.SetReadOnly(v.AsBool()); })
        .Property("HideSelection",
                  [](TTreeView& t, const FormValue& v) { t.SetHideSelection(v.AsBool()); })
        .Property("RightClickSelect",
                  [](TTreeView& t, const FormValue& v) { t.SetRightClickSelect(v.AsBool()); })
        .Property("Indent", [](TTreeView& t, const FormValue& v) { t.SetIndent(v.AsInt()); })
        .Reference<TImageList>("Images", [](TTreeView& t, TImageList* l) { t.SetImages(l); })
        .Event("OnChange", &TTreeView::SetOnChange);
}

void RegisterNonVisual(FormClasses& classes) {
    classes.Class<TImageList>("TImageList")
        .Property("Bitmaps", [](TImageList& l, const FormValue& v) {
            if (v.kind != FormValue::Kind::List)
                throw FormError(v.position,
                                "Expected a list of bitmap names, found " + v.KindName());
            for (const FormValue& name : v.list)
                l.AddResource(name.AsString());
        });
    auto nestItem = [](auto& container, TComponent& child) {
        auto* item = dynamic_cast<TMenuItem*>(&child);
        if (item)
            container.Add(*item);
        return item != nullptr;
    };
    classes.Class<TMenuItem>("TMenuItem")
        .Property("Caption", [](TMenuItem& i, const FormValue& v) { i.SetCaption(v.AsString()); })
        .Property("Visible", [](TMenuItem& i, const FormValue& v) { i.SetVisible(v.AsBool()); })
        .Property("Checked", [](TMenuItem& i, const FormValue& v) { i.SetChecked(v.AsBool()); })
        .Property("Default", [](TMenuItem& i, const FormValue& v) { i.SetDefault(v.AsBool()); })
        .Property("Enabled", [](TMenuItem& i, const FormValue& v) { i.SetEnabled(v.AsBool()); })
        .Property("ShortCut",
                  [](TMenuItem& i, const FormValue& v) {
                      i.SetShortCut(v.kind == FormValue::Kind::Integer ? ShortCutToText(v.AsInt())
                                                                       : v.AsString());
                  })
        .Event("OnClick", &TMenuItem::SetOnClick)
        .Nest(nestItem);
    classes.Class<TPopupMenu>("TPopupMenu")
        .Property("AutoPopup",
                  [](TPopupMenu& m, const FormValue& v) { m.SetAutoPopup(v.AsBool()); })
        .Reference<TImageList>("Images", [](TPopupMenu& m, TImageList* l) { m.SetImages(l); })
        .Event("OnPopup", &TPopupMenu::SetOnPopup)
        .Nest(nestItem);
    classes.Class<TTimer>("TTimer")
        .Property("Interval",
                  [](TTimer& t, const FormValue& v) {
                      int ms = v.AsInt();
                      if (ms < 0)
                          throw FormError(v.position, "Interval must not be negative");
                      t.SetInterval(unsigned(ms));
                  })
        .Property("Enabled", [](TTimer& t, const FormValue& v) { t.SetEnabled(v.AsBool()); })
        .Event("OnTimer", &TTimer::SetOnTimer);
}
} // namespace

void RegisterControlClasses(FormClasses& classes) {
    RegisterControl(classes);
    RegisterForm(classes);
    RegisterStdControls(classes);
    RegisterTreeView(classes);
    RegisterNonVisual(classes);
}
