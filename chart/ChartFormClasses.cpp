#include "ChartFormClasses.h"

#include "AreaSeries.h"
#include "BarSeries.h"
#include "Chart.h"

#include <string>

namespace {

ChartPenStyle PenStyleOf(const FormValue& v) {
    return v.AsEnum<ChartPenStyle>({{"psSolid", ChartPenStyle::Solid},
                                    {"psDash", ChartPenStyle::Dash},
                                    {"psDot", ChartPenStyle::Dot},
                                    {"psDashDot", ChartPenStyle::DashDot},
                                    {"psDashDotDot", ChartPenStyle::DashDotDot},
                                    {"psClear", ChartPenStyle::Clear}});
}

ChartBrushStyle BrushStyleOf(const FormValue& v) {
    return v.AsEnum<ChartBrushStyle>(
        {{"bsSolid", ChartBrushStyle::Solid}, {"bsClear", ChartBrushStyle::Clear}});
}

TFontStyles FontStyleOf(const FormValue& v) {
    return v.AsFlags<TFontStyles>({{"fsBold", fsBold},
                                   {"fsItalic", fsItalic},
                                   {"fsUnderline", fsUnderline},
                                   {"fsStrikeOut", fsStrikeOut}});
}

// `get` leads from the object the class makes to the sub-object.
template <typename T, typename Get>
void PenProperties(FormClasses::Builder<T>& b, const std::string& name, Get get) {
    b.Property(name + ".Color", [get](T& t, const FormValue& v) { get(t).SetColor(v.AsColor()); })
        .Property(name + ".Width", [get](T& t, const FormValue& v) { get(t).SetWidth(v.AsInt()); })
        .Property(name + ".Style",
                  [get](T& t, const FormValue& v) { get(t).SetStyle(PenStyleOf(v)); })
        .Property(name + ".Visible",
                  [get](T& t, const FormValue& v) { get(t).SetVisible(v.AsBool()); });
}

template <typename T, typename Get>
void BrushProperties(FormClasses::Builder<T>& b, const std::string& name, Get get) {
    b.Property(name + ".Color", [get](T& t, const FormValue& v) {
         get(t).SetColor(v.AsColor());
     }).Property(name + ".Style", [get](T& t, const FormValue& v) {
        get(t).SetStyle(BrushStyleOf(v));
    });
}

template <typename T, typename Get>
void FontProperties(FormClasses::Builder<T>& b, const std::string& name, Get get) {
    b.Property(name + ".Name", [get](T& t, const FormValue& v) { get(t).SetName(v.AsString()); })
        .Property(name + ".Height",
                  [get](T& t, const FormValue& v) { get(t).SetHeight(v.AsInt()); })
        .Property(name + ".Size", [get](T& t, const FormValue& v) { get(t).SetSize(v.AsInt()); })
        .Property(name + ".Style",
                  [get](T& t, const FormValue& v) { get(t).SetStyle(FontStyleOf(v)); })
        .Property(name + ".Color",
                  [get](T& t, const FormValue& v) { get(t).SetColor(v.AsColor()); });
}

// Text as one string or as the list of lines a multi-line property keeps.
std::string TextOf(const FormValue& v) {
    if (v.kind != FormValue::Kind::List)
        return v.AsString();
    std::string text;
    for (const FormValue& line : v.list) {
        if (!text.empty())
            text += "\r\n";
        text += line.AsString();
    }
    return text;
}

template <typename Get>
void TitleProperties(FormClasses::Builder<TChart>& b, const std::string& name, Get get) {
    b.Property(name + ".Visible",
               [get](TChart& c, const FormValue& v) { get(c).SetVisible(v.AsBool()); })
        .Property(name + ".Text",
                  [get](TChart& c, const FormValue& v) { get(c).SetText(TextOf(v)); })
        .Property(name + ".Text.Strings",
                  [get](TChart& c, const FormValue& v) { get(c).SetText(TextOf(v)); })
        .Property(name + ".AdjustFrame",
                  [get](TChart& c, const FormValue& v) { get(c).SetAdjustFrame(v.AsBool()); })
        .Property(name + ".Color",
                  [get](TChart& c, const FormValue& v) { get(c).SetColor(v.AsColor()); })
        .Property(name + ".Alignment", [get](TChart& c, const FormValue& v) {
            get(c).SetAlignment(v.AsEnum<TAlignment>({{"taLeftJustify", taLeftJustify},
                                                      {"taRightJustify", taRightJustify},
                                                      {"taCenter", taCenter}}));
        });
    FontProperties(b, name + ".Font", [get](TChart& c) -> TFont& { return get(c).Font(); });
    BrushProperties(b, name + ".Brush",
                    [get](TChart& c) -> TChartBrush& { return get(c).Brush(); });
    PenProperties(b, name + ".Frame", [get](TChart& c) -> TChartPen& { return get(c).Frame(); });
}

template <typename Get>
void AxisProperties(FormClasses::Builder<TChart>& b, const std::string& name, Get get) {
    auto prop = [&](const char* property, auto set) {
        b.Property(name + "." + property,
                   [get, set](TChart& c, const FormValue& v) { set(get(c), v); });
    };
    prop("Automatic", [](TChartAxis& a, const FormValue& v) { a.SetAutomatic(v.AsBool()); });
    prop("AutomaticMinimum",
         [](TChartAxis& a, const FormValue& v) { a.SetAutomaticMinimum(v.AsBool()); });
    prop("AutomaticMaximum",
         [](TChartAxis& a, const FormValue& v) { a.SetAutomaticMaximum(v.AsBool()); });
    prop("Minimum", [](TChartAxis& a, const FormValue& v) { a.SetMinimum(v.AsDouble()); });
    prop("Maximum", [](TChartAxis& a, const FormValue& v) { a.SetMaximum(v.AsDouble()); });
    prop("Increment", [](TChartAxis& a, const FormValue& v) { a.SetIncrement(v.AsDouble()); });
    prop("AxisValuesFormat",
         [](TChartAxis& a, const FormValue& v) { a.SetAxisValuesFormat(v.AsString()); });
    prop("LabelStyle", [](TChartAxis& a, const FormValue& v) {
        a.SetLabelStyle(v.AsEnum<TAxisLabelStyle>({{"talAuto", talAuto},
                                                   {"talNone", talNone},
                                                   {"talValue", talValue},
                                                   {"talMark", talMark},
                                                   {"talText", talText}}));
    });
    prop("Labels", [](TChartAxis& a, const FormValue& v) { a.SetLabels(v.AsBool()); });
    prop("LabelsAngle", [](TChartAxis& a, const FormValue& v) { a.SetLabelsAngle(v.AsInt()); });
    prop("LabelsSeparation",
         [](TChartAxis& a, const FormValue& v) { a.SetLabelsSeparation(v.AsInt()); });
    prop("LabelsSize", [](TChartAxis& a, const FormValue& v) { a.SetLabelsSize(v.AsInt()); });
    prop("LabelsOnAxis", [](TChartAxis& a, const FormValue& v) { a.SetLabelsOnAxis(v.AsBool()); });
    prop("LabelsMultiLine",
         [](TChartAxis& a, const FormValue& v) { a.SetLabelsMultiLine(v.AsBool()); });
    prop("RoundFirstLabel",
         [](TChartAxis& a, const FormValue& v) { a.SetRoundFirstLabel(v.AsBool()); });
    prop("Title.Caption",
         [](TChartAxis& a, const FormValue& v) { a.Title().SetCaption(v.AsString()); });
    prop("Title.Angle", [](TChartAxis& a, const FormValue& v) { a.Title().SetAngle(v.AsInt()); });
    prop("TitleSize", [](TChartAxis& a, const FormValue& v) { a.SetTitleSize(v.AsInt()); });
    prop("GridCentered", [](TChartAxis& a, const FormValue& v) { a.SetGridCentered(v.AsBool()); });
    prop("TickLength", [](TChartAxis& a, const FormValue& v) { a.SetTickLength(v.AsInt()); });
    prop("TickInnerLength",
         [](TChartAxis& a, const FormValue& v) { a.SetTickInnerLength(v.AsInt()); });
    prop("MinorTickCount",
         [](TChartAxis& a, const FormValue& v) { a.SetMinorTickCount(v.AsInt()); });
    prop("MinorTickLength",
         [](TChartAxis& a, const FormValue& v) { a.SetMinorTickLength(v.AsInt()); });
    prop("TickOnLabelsOnly",
         [](TChartAxis& a, const FormValue& v) { a.SetTickOnLabelsOnly(v.AsBool()); });
    prop("Inverted", [](TChartAxis& a, const FormValue& v) { a.SetInverted(v.AsBool()); });
    prop("Logarithmic", [](TChartAxis& a, const FormValue& v) { a.SetLogarithmic(v.AsBool()); });
    prop("LogarithmicBase",
         [](TChartAxis& a, const FormValue& v) { a.SetLogarithmicBase(v.AsInt()); });
    prop("DateTimeFormat",
         [](TChartAxis& a, const FormValue& v) { a.SetDateTimeFormat(v.AsString()); });
    prop("ExactDateTime",
         [](TChartAxis& a, const FormValue& v) { a.SetExactDateTime(v.AsBool()); });
    prop("StartPosition",
         [](TChartAxis& a, const FormValue& v) { a.SetStartPosition(v.AsDouble()); });
    prop("EndPosition", [](TChartAxis& a, const FormValue& v) { a.SetEndPosition(v.AsDouble()); });
    prop("PositionPercent",
         [](TChartAxis& a, const FormValue& v) { a.SetPositionPercent(v.AsDouble()); });
    prop("Visible", [](TChartAxis& a, const FormValue& v) { a.SetVisible(v.AsBool()); });
    FontProperties(b, name + ".LabelsFont",
                   [get](TChart& c) -> TFont& { return get(c).LabelsFont(); });
    FontProperties(b, name + ".Title.Font",
                   [get](TChart& c) -> TFont& { return get(c).Title().Font(); });
    for (auto [pen, pick] :
         {std::pair<const char*, TChartPen& (*)(TChartAxis&)>{
              "Axis", [](TChartAxis& a) -> TChartPen& { return a.Axis(); }},
          {"Grid", [](TChartAxis& a) -> TChartPen& { return a.Grid(); }},
          {"Ticks", [](TChartAxis& a) -> TChartPen& { return a.Ticks(); }},
          {"TicksInner", [](TChartAxis& a) -> TChartPen& { return a.TicksInner(); }},
          {"MinorTicks", [](TChartAxis& a) -> TChartPen& { return a.MinorTicks(); }},
          {"MinorGrid", [](TChartAxis& a) -> TChartPen& { return a.MinorGrid(); }}})
        PenProperties(b, name + "." + pen,
                      [get, pick](TChart& c) -> TChartPen& { return pick(get(c)); });
}

void LegendProperties(FormClasses::Builder<TChart>& b) {
    auto prop = [&](const char* property, auto set) {
        b.Property(std::string("Legend.") + property,
                   [set](TChart& c, const FormValue& v) { set(c.Legend(), v); });
    };
    prop("Visible", [](TChartLegend& l, const FormValue& v) { l.SetVisible(v.AsBool()); });
    prop("Alignment", [](TChartLegend& l, const FormValue& v) {
        l.SetAlignment(v.AsEnum<TLegendAlignment>(
            {{"laLeft", laLeft}, {"laRight", laRight}, {"laTop", laTop}, {"laBottom", laBottom}}));
    });
    prop("LegendStyle", [](TChartLegend& l, const FormValue& v) {
        l.SetLegendStyle(v.AsEnum<TLegendStyle>({{"lsAuto", lsAuto},
                                                 {"lsSeries", lsSeries},
                                                 {"lsValues", lsValues},
                                                 {"lsLastValues", lsLastValues}}));
    });
    prop("ColorWidth", [](TChartLegend& l, const FormValue& v) { l.SetColorWidth(v.AsInt()); });
    prop("Color", [](TChartLegend& l, const FormValue& v) { l.SetColor(v.AsColor()); });
    prop("ShadowSize", [](TChartLegend& l, const FormValue& v) { l.SetShadowSize(v.AsInt()); });
    prop("ShadowColor", [](TChartLegend& l, const FormValue& v) { l.SetShadowColor(v.AsColor()); });
    prop("HorizMargin", [](TChartLegend& l, const FormValue& v) { l.SetHorizMargin(v.AsInt()); });
    prop("VertMargin", [](TChartLegend& l, const FormValue& v) { l.SetVertMargin(v.AsInt()); });
    prop("TopPos", [](TChartLegend& l, const FormValue& v) { l.SetTopPos(v.AsInt()); });
    prop("MaxNumRows", [](TChartLegend& l, const FormValue& v) { l.SetMaxNumRows(v.AsInt()); });
    prop("ResizeChart", [](TChartLegend& l, const FormValue& v) { l.SetResizeChart(v.AsBool()); });
    prop("Inverted", [](TChartLegend& l, const FormValue& v) { l.SetInverted(v.AsBool()); });
    prop("FirstValue", [](TChartLegend& l, const FormValue& v) { l.SetFirstValue(v.AsInt()); });
    FontProperties(b, "Legend.Font", [](TChart& c) -> TFont& { return c.Legend().Font(); });
    PenProperties(b, "Legend.Frame", [](TChart& c) -> TChartPen& { return c.Legend().Frame(); });
    PenProperties(b, "Legend.DividingLines",
                  [](TChart& c) -> TChartPen& { return c.Legend().DividingLines(); });
}

TBevelCut BevelOf(const FormValue& v) {
    return v.AsEnum<TBevelCut>({{"bvNone", bvNone},
                                {"bvLowered", bvLowered},
                                {"bvRaised", bvRaised},
                                {"bvSpace", bvSpace}});
}

void RegisterChart(FormClasses& classes) {
    auto b = classes.Class<TChart>("TChart", "TControl");
    b.Property("MarginLeft", [](TChart& c, const FormValue& v) { c.SetMarginLeft(v.AsInt()); })
        .Property("MarginTop", [](TChart& c, const FormValue& v) { c.SetMarginTop(v.AsInt()); })
        .Property("MarginRight", [](TChart& c, const FormValue& v) { c.SetMarginRight(v.AsInt()); })
        .Property("MarginBottom",
                  [](TChart& c, const FormValue& v) { c.SetMarginBottom(v.AsInt()); })
        .Property("BevelInner", [](TChart& c, const FormValue& v) { c.SetBevelInner(BevelOf(v)); })
        .Property("BevelOuter", [](TChart& c, const FormValue& v) { c.SetBevelOuter(BevelOf(v)); })
        .Property("BevelWidth", [](TChart& c, const FormValue& v) { c.SetBevelWidth(v.AsInt()); })
        .Property("Gradient.Visible",
                  [](TChart& c, const FormValue& v) { c.Gradient().SetVisible(v.AsBool()); })
        .Property("Gradient.Direction",
                  [](TChart& c, const FormValue& v) {
                      c.Gradient().SetDirection(
                          v.AsEnum<TGradientDirection>({{"gdTopBottom", gdTopBottom},
                                                        {"gdBottomTop", gdBottomTop},
                                                        {"gdLeftRight", gdLeftRight},
                                                        {"gdRightLeft", gdRightLeft},
                                                        {"gdFromCenter", gdFromCenter},
                                                        {"gdFromTopLeft", gdFromTopLeft},
                                                        {"gdFromBottomLeft", gdFromBottomLeft}}));
                  })
        .Property("Gradient.StartColor",
                  [](TChart& c, const FormValue& v) { c.Gradient().SetStartColor(v.AsColor()); })
        .Property("Gradient.EndColor",
                  [](TChart& c, const FormValue& v) { c.Gradient().SetEndColor(v.AsColor()); })
        .Property("View3D", [](TChart& c, const FormValue& v) { c.SetView3D(v.AsBool()); })
        .Property("View3DWalls",
                  [](TChart& c, const FormValue& v) { c.SetView3DWalls(v.AsBool()); })
        .Property("AxisVisible",
                  [](TChart& c, const FormValue& v) { c.SetAxisVisible(v.AsBool()); })
        .Property("ClipPoints", [](TChart& c, const FormValue& v) { c.SetClipPoints(v.AsBool()); })
        .Property("AllowZoom", [](TChart& c, const FormValue& v) { c.SetAllowZoom(v.AsBool()); })
        .Property("AllowPanning",
                  [](TChart& c, const FormValue& v) {
                      c.SetAllowPanning(v.AsEnum<TPanningMode>({{"pmNone", pmNone},
                                                                {"pmHorizontal", pmHorizontal},
                                                                {"pmVertical", pmVertical},
                                                                {"pmBoth", pmBoth}}));
                  })
        .Property("AnimatedZoom",
                  [](TChart& c, const FormValue& v) { c.SetAnimatedZoom(v.AsBool()); })
        .Property("AnimatedZoomSteps",
                  [](TChart& c, const FormValue& v) { c.SetAnimatedZoomSteps(v.AsInt()); })
        .Event("OnGetAxisLabel", &TChart::SetOnGetAxisLabel)
        .Event("OnAllowScroll", &TChart::SetOnAllowScroll)
        .Event("OnZoom", &TChart::SetOnZoom)
        .Event("OnUndoZoom", &TChart::SetOnUndoZoom)
        .Event("OnScroll", &TChart::SetOnScroll)
        .Nest([](TChart& chart, TComponent& child) {
            if (auto* series = dynamic_cast<TChartSeries*>(&child)) {
                series->SetParentChart(&chart);
                return true;
            }
            if (auto* control = dynamic_cast<TControl*>(&child)) {
                control->SetParent(&chart);
                return true;
            }
            return false;
        });
    TitleProperties(b, "Title", [](TChart& c) -> TChartTitle& { return c.Title(); });
    TitleProperties(b, "Foot", [](TChart& c) -> TChartTitle& { return c.Foot(); });
    BrushProperties(b, "BackWall.Brush",
                    [](TChart& c) -> TChartBrush& { return c.BackWall().brush; });
    PenProperties(b, "BackWall.Pen", [](TChart& c) -> TChartPen& { return c.BackWall().pen; });
    LegendProperties(b);
    AxisProperties(b, "BottomAxis", [](TChart& c) -> TChartAxis& { return c.BottomAxis(); });
    AxisProperties(b, "TopAxis", [](TChart& c) -> TChartAxis& { return c.TopAxis(); });
    AxisProperties(b, "LeftAxis", [](TChart& c) -> TChartAxis& { return c.LeftAxis(); });
    AxisProperties(b, "RightAxis", [](TChart& c) -> TChartAxis& { return c.RightAxis(); });
    AxisProperties(b, "DepthAxis", [](TChart& c) -> TChartAxis& { return c.DepthAxis(); });
}

template <typename T, typename Get>
void ValueListProperties(FormClasses::Builder<T>& b, const std::string& name, Get get) {
    b.Property(name + ".Name", [get](T& t, const FormValue& v) { get(t).SetName(v.AsString()); })
        .Property(name + ".Order",
                  [get](T& t, const FormValue& v) {
                      get(t).SetOrder(v.AsEnum<TChartListOrder>({{"loNone", loNone},
                                                                 {"loAscending", loAscending},
                                                                 {"loDescending", loDescending}}));
                  })
        .Property(name + ".Multiplier",
                  [get](T& t, const FormValue& v) { get(t).SetMultiplier(v.AsDouble()); })
        .Property(name + ".DateTime",
                  [get](T& t, const FormValue& v) { get(t).SetDateTime(v.AsBool()); });
}

void RegisterSeries(FormClasses& classes) {
    auto s = classes.Abstract<TChartSeries>("TChartSeries");
    s.Property("Active", [](TChartSeries& t, const FormValue& v) { t.SetActive(v.AsBool()); })
        .Property("Title", [](TChartSeries& t, const FormValue& v) { t.SetTitle(v.AsString()); })
        .Property("ShowInLegend",
                  [](TChartSeries& t, const FormValue& v) { t.SetShowInLegend(v.AsBool()); })
        .Property("SeriesColor",
                  [](TChartSeries& t, const FormValue& v) { t.SetSeriesColor(v.AsColor()); })
        .Property("ColorEachPoint",
                  [](TChartSeries& t, const FormValue& v) { t.SetColorEachPoint(v.AsBool()); })
        .Property("HorizAxis",
                  [](TChartSeries& t, const FormValue& v) {
                      t.SetHorizAxis(
                          v.AsEnum<THorizAxis>({{"aTopAxis", aTopAxis},
                                                {"aBottomAxis", aBottomAxis},
                                                {"aBothHorizAxis", aBothHorizAxis},
                                                {"aCustomHorizAxis", aCustomHorizAxis}}));
                  })
        .Property("VertAxis",
                  [](TChartSeries& t, const FormValue& v) {
                      t.SetVertAxis(v.AsEnum<TVertAxis>({{"aLeftAxis", aLeftAxis},
                                                         {"aRightAxis", aRightAxis},
                                                         {"aBothVertAxis", aBothVertAxis},
                                                         {"aCustomVertAxis", aCustomVertAxis}}));
                  })
        .Property("Cursor",
                  [](TChartSeries& t, const FormValue& v) {
                      TCursor cursor = crDefault;
                      if (!IdentToCursor(v.AsIdent(), cursor))
                          throw FormError(v.position, "Invalid property value '" + v.text + "'");
                      t.SetCursor(cursor);
                  })
        .Property("ParentChart",
                  [](TChartSeries& t, const FormValue& v) {
                      TComponent* owner = t.Owner();
                      auto* chart =
                          owner ? dynamic_cast<TCustomAxisPanel*>(owner->FindComponent(v.AsIdent()))
                                : nullptr;
                      if (!chart)
                          throw FormError(v.position, "Unknown chart '" + v.text + "'");
                      t.SetParentChart(chart);
                  })
        .Property("Marks.Visible",
                  [](TChartSeries& t, const FormValue& v) { t.Marks().visible = v.AsBool(); })
        .Property("Marks.Style",
                  [](TChartSeries& t, const FormValue& v) {
                      t.Marks().style = v.kind == FormValue::Kind::Integer ? v.AsInt() : 0;
                  })
        .Property("Marks.ArrowLength",
                  [](TChartSeries& t, const FormValue& v) { t.Marks().arrowLength = v.AsInt(); })
        .Property("Marks.Clip",
                  [](TChartSeries& t, const FormValue& v) { t.Marks().clip = v.AsBool(); });
    ValueListProperties(s, "XValues",
                        [](TChartSeries& t) -> TChartValueList& { return t.XValues(); });
    ValueListProperties(s, "YValues",
                        [](TChartSeries& t) -> TChartValueList& { return t.YValues(); });

    auto c = classes.Abstract<TCustomSeries>("TCustomSeries", "TChartSeries");
    c.Property("DrawArea", [](TCustomSeries& t, const FormValue& v) { t.SetDrawArea(v.AsBool()); })
        .Property("AreaColor",
                  [](TCustomSeries& t, const FormValue& v) { t.SetAreaColor(v.AsColor()); })
        .Property("AreaBrush",
                  [](TCustomSeries& t, const FormValue& v) { t.SetAreaBrush(BrushStyleOf(v)); })
        .Property("Stairs", [](TCustomSeries& t, const FormValue& v) { t.SetStairs(v.AsBool()); })
        .Property("InvertedStairs",
                  [](TCustomSeries& t, const FormValue& v) { t.SetInvertedStairs(v.AsBool()); })
        .Property("Pointer.Visible",
                  [](TCustomSeries& t, const FormValue& v) { t.Pointer().SetVisible(v.AsBool()); })
        .Property("Pointer.HorizSize",
                  [](TCustomSeries& t, const FormValue& v) { t.Pointer().SetHorizSize(v.AsInt()); })
        .Property("Pointer.VertSize",
                  [](TCustomSeries& t, const FormValue& v) { t.Pointer().SetVertSize(v.AsInt()); })
        .Property(
            "Pointer.InflateMargins",
            [](TCustomSeries& t, const FormValue& v) { t.Pointer().SetInflateMargins(v.AsBool()); })
        .Property("Pointer.Style", [](TCustomSeries& t, const FormValue& v) {
            t.Pointer().SetStyle(v.AsEnum<TSeriesPointerStyle>({{"psRectangle", psRectangle},
                                                                {"psCircle", psCircle},
                                                                {"psTriangle", psTriangle},
                                                                {"psDownTriangle", psDownTriangle},
                                                                {"psCross", psCross},
                                                                {"psDiagCross", psDiagCross},
                                                                {"psStar", psStar},
                                                                {"psDiamond", psDiamond},
                                                                {"psSmallDot", psSmallDot}}));
        });
    PenProperties(c, "LinePen", [](TCustomSeries& t) -> TChartPen& { return t.LinePen(); });
    PenProperties(c, "AreaLinesPen",
                  [](TCustomSeries& t) -> TChartPen& { return t.AreaLinesPen(); });
    PenProperties(c, "Pointer.Pen",
                  [](TCustomSeries& t) -> TChartPen& { return t.Pointer().Pen(); });
    BrushProperties(c, "Pointer.Brush",
                    [](TCustomSeries& t) -> TChartBrush& { return t.Pointer().Brush(); });

    classes.Class<TLineSeries>("TLineSeries", "TCustomSeries");
    classes.Class<TAreaSeries>("TAreaSeries", "TCustomSeries")
        .Property("MultiArea", [](TAreaSeries& t, const FormValue& v) {
            t.SetMultiArea(v.AsEnum<TMultiArea>(
                {{"maNone", maNone}, {"maStacked", maStacked}, {"maStacked100", maStacked100}}));
        });

    auto bar = classes.Abstract<TCustomBarSeries>("TCustomBarSeries", "TChartSeries");
    bar.Property("BarWidthPercent",
                 [](TCustomBarSeries& t, const FormValue& v) { t.SetBarWidthPercent(v.AsInt()); })
        .Property("MultiBar",
                  [](TCustomBarSeries& t, const FormValue& v) {
                      t.SetMultiBar(v.AsEnum<TMultiBar>({{"mbNone", mbNone},
                                                         {"mbSide", mbSide},
                                                         {"mbStacked", mbStacked},
                                                         {"mbStacked100", mbStacked100}}));
                  })
        .Property("BarStyle",
                  [](TCustomBarSeries& t, const FormValue& v) {
                      t.SetBarStyle(v.AsEnum<TBarStyle>({{"bsRectangle", bsRectangle},
                                                         {"bsPyramid", bsPyramid},
                                                         {"bsInvPyramid", bsInvPyramid},
                                                         {"bsCilinder", bsCilinder},
                                                         {"bsEllipse", bsEllipse},
                                                         {"bsArrow", bsArrow}}));
                  })
        .Property("UseYOrigin",
                  [](TCustomBarSeries& t, const FormValue& v) { t.SetUseYOrigin(v.AsBool()); })
        .Property("YOrigin",
                  [](TCustomBarSeries& t, const FormValue& v) { t.SetYOrigin(v.AsDouble()); })
        .Property("SideMargins",
                  [](TCustomBarSeries& t, const FormValue& v) { t.SetSideMargins(v.AsBool()); })
        .Property("AutoMarkPosition", [](TCustomBarSeries& t,
                                         const FormValue& v) { t.SetAutoMarkPosition(v.AsBool()); })
        .Property("OffsetPercent",
                  [](TCustomBarSeries& t, const FormValue& v) { t.SetOffsetPercent(v.AsInt()); })
        .Property("Dark3D",
                  [](TCustomBarSeries& t, const FormValue& v) { t.SetDark3D(v.AsBool()); });
    PenProperties(bar, "BarPen", [](TCustomBarSeries& t) -> TChartPen& { return t.BarPen(); });
    BrushProperties(bar, "BarBrush",
                    [](TCustomBarSeries& t) -> TChartBrush& { return t.BarBrush(); });
    classes.Class<TBarSeries>("TBarSeries", "TCustomBarSeries");
}

} // namespace

void RegisterChartClasses(FormClasses& classes) {
    RegisterChart(classes);
    RegisterSeries(classes);
}
