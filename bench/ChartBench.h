#pragma once

// The day chart painted whole at two sizes, and an animated zoom, each beside
// the floor of the same bitmap filled and the same points drawn as polygons.
void RunChartBench();
