#pragma once

#include "toolkit/FormClasses.h"

// Registers the desktop components for form descriptions:
//   TSysKeyboardHook: Version, OnKeyDown
//   TTrayIcon: DesignPreview, IconList (a TImageList), CycleIcons,
//     CycleInterval, Enabled, Hint, ShowHint, Icon ('ICON resource', 16 x 16),
//     IconVisible, IconIndex, PopupMenu (a TPopupMenu), LeftPopup,
//     WantEnterExitEvents, MinimizeToTray, OnClick, OnDblClick, OnMouseDown,
//     OnMouseUp, OnMouseMove, OnMouseEnter, OnMouseExit, OnCycle,
//     OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout,
//     OnBalloonHintClick, OnMinimizeToTray, OnStartup
void RegisterDesktopClasses(FormClasses& classes);
