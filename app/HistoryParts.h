#pragma once

#include "history/HistoryViews.h"
#include "toolkit/Form.h"

// The history views' parts among the components the main window's
// description made, found by the names the description gives them.
HistoryViews::Parts HistoryPartsOf(const TComponent& form);

// The history side of the main window alone, for tests and benchmarks of the
// views: the tree, the splitter, both charts with what they hold and the
// tree's images, made from the window's own description into `form`, which
// its caller sizes. The window's events stay unbound: whoever loads them
// binds what it needs.
HistoryViews::Parts LoadHistorySide(TForm& form);
