#pragma once

// Registers the chart's classes with a form-description registry, so the
// main window's description can make its charts and series and set every
// designed property by its (dotted) name:
//
//   TChart: MarginLeft … MarginBottom, BevelInner/Outer/Width, Gradient.*,
//     Title.* and Foot.*, BackWall.Brush.* and BackWall.Pen.*, Legend.*,
//     BottomAxis.* / LeftAxis.* / TopAxis.* / RightAxis.* / DepthAxis.*,
//     View3D, View3DWalls, AxisVisible, ClipPoints, AllowZoom, AllowPanning,
//     AnimatedZoom, AnimatedZoomSteps, OnGetAxisLabel, OnAllowScroll, OnZoom,
//     OnUndoZoom, OnScroll, plus everything of TControl. Series written
//     inside a chart are attached to it; controls written inside become its
//     children (the zoom buttons).
//   TLineSeries, TAreaSeries (MultiArea), TBarSeries: Active, Title,
//     ShowInLegend, SeriesColor, ColorEachPoint, HorizAxis, VertAxis, Cursor,
//     ParentChart, Marks.*, XValues.*, YValues.*, LinePen.*, Pointer.*,
//     DrawArea, AreaLinesPen.*, AreaColor, AreaBrush, Stairs, InvertedStairs;
//     bars: BarWidthPercent, MultiBar, BarPen.*, BarBrush.*, BarStyle,
//     UseYOrigin, YOrigin, SideMargins, AutoMarkPosition, OffsetPercent,
//     Dark3D.
// Pens take .Color .Width .Style .Visible; fonts .Name .Height .Size .Style
// .Color; brushes .Color .Style.
#include "toolkit/FormClasses.h"

// Needs the toolkit's classes (RegisterControlClasses) registered first.
void RegisterChartClasses(FormClasses& classes);
