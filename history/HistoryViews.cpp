#include "HistoryViews.h"

HistoryViews::HistoryViews(const Parts& parts, DayLog& dayLog, const Clock& clock)
    : tree_(parts.tree),
      month_({parts.dayChart, parts.monthChart, parts.monthKeys, parts.monthMouse},
             dayLog.HistoryDir()),
      day_({parts.dayChart, parts.monthChart, parts.dayCaption, parts.zoomIn, parts.zoomOut,
            parts.storeKeys, parts.storeMouse, parts.readKeys, parts.readMouse, parts.readCpu},
           dayLog),
      hint_(parts.tree, dayLog.HistoryDir()),
      readouts_(
          {parts.dayChart, parts.dayCaption, parts.monthChart, parts.monthCaption, parts.tree},
          day_, clock) {}

void HistoryViews::SelectionChanged() {
    const TTreeNode* selected = tree_.Selected();
    if (!selected)
        return;
    if (selected->Level() == 1)
        day_.Show(*selected);
    else
        month_.Show(selected->Text());
}
