#pragma once

// Registers the toolkit's classes and their loadable properties with a
// FormClasses registry (FormClasses.h), so form descriptions can name them.
//
//   TControl (abstract): Left, Top, Width, Height, Align, Visible, Enabled,
//     Color, Cursor, Hint, ShowHint, ParentFont, Font.Name, Font.Height,
//     Font.Size, Font.Style ([fsBold, ...]), Font.Color, OnMouseDown,
//     OnMouseMove, OnMouseUp, OnMouseWheel; controls written inside a
//     control get it as their parent.
#include "FormClasses.h"

void RegisterControlClasses(FormClasses& classes);
