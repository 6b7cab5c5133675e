#pragma once

// Registers the toolkit's classes and their loadable properties with a
// FormClasses registry (FormClasses.h), so form descriptions can name them.
//
//   TControl (abstract): Left, Top, Width, Height, Align, Visible, Enabled,
//     Color, Cursor, Hint, ShowHint, ParentFont, Font.Name, Font.Height,
//     Font.Size, Font.Style ([fsBold, ...]), Font.Color, OnMouseDown,
//     OnMouseMove, OnMouseUp, OnMouseWheel, Anchors ([akLeft, ...]);
//     controls written inside a control get it as their parent.
//   TForm (abstract; the form's own class names it as its base or the
//     loader falls back to it): Caption, ClientWidth, ClientHeight,
//     KeyPreview, PixelsPerInch, WindowState, Position, BorderStyle,
//     BorderIcons, OnCreate, OnCloseQuery, OnKeyDown, OnEndSession.
//   TButton (Caption, Default, OnClick), TSpeedButton (Caption, Glyph =
//     'BITMAP resource', Flat, OnClick), TLabel (Caption, Transparent,
//     AutoSize, OnClick), TStaticText (Caption, Alignment, BorderStyle,
//     OnClick), TImage (AutoSize), TSplitter (Beveled, MinSize, OnMoved),
//     TTreeView (ReadOnly, HideSelection, RightClickSelect, Indent, Images,
//     OnChange), TImageList (Bitmaps = ('RES1' 'RES2')), TPopupMenu
//     (AutoPopup, Images, OnPopup; holds TMenuItems), TMenuItem (Caption,
//     Visible, Checked, Default, Enabled, ShortCut, OnClick; holds
//     TMenuItems), TTimer (Interval, Enabled, OnTimer).
#include "FormClasses.h"

void RegisterControlClasses(FormClasses& classes);
