#include "HistoryParts.h"

#include "MainFormClasses.h"
#include "toolkit/FindOwned.h"
#include "toolkit/FormLoader.h"
#include "toolkit/StdControls.h"

HistoryViews::Parts HistoryPartsOf(const TComponent& form) {
    return {FindOwned<TTreeView>(form, "TreeView"),
            FindOwned<TChart>(form, "myChart"),
            FindOwned<TChart>(form, "ChartMonth"),
            FindOwned<TStaticText>(form, "stlblBottomText"),
            FindOwned<TStaticText>(form, "stlblBottomTextMont"),
            FindOwned<TSpeedButton>(form, "sbtnZoomIn"),
            FindOwned<TSpeedButton>(form, "sbtnZoomOut"),
            FindOwned<TChartSeries>(form, "mySeriesKeys2"),
            FindOwned<TChartSeries>(form, "mySeriesMouse2"),
            FindOwned<TChartSeries>(form, "myReadSeriesKeys"),
            FindOwned<TChartSeries>(form, "myReadSeriesMouse"),
            FindOwned<TChartSeries>(form, "myReadSeriesCPU"),
            FindOwned<TChartSeries>(form, "chMonthKeys"),
            FindOwned<TChartSeries>(form, "chMonthMouse")};
}

HistoryViews::Parts LoadHistorySide(TForm& form) {
    FormHandlers unbound;
    unbound.LeaveMissingUnbound();
    LoadFormObjects(form, MainFormClasses(), unbound, ReadFormResource(L"FRMMAIN"), "FRMMAIN",
                    {"TreeView", "Splitter", "myChart", "ChartMonth", "ImageList"});
    return HistoryPartsOf(form);
}
