#pragma once

// The history views against their floors: the month chart and the month's
// tree hint against reading its 31 day files raw, a past day's chart against
// reading its file raw, the chart readout against one paint of the day
// chart, and the history tree of ten years against listing the folder.
void RunHistoryBench();
