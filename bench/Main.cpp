#include "ChartBench.h"
#include "HistoryBench.h"
#include "RecordingBench.h"

#include <cstdio>

int main() {
    std::printf("Tallyvane benchmarks; each figure beside its floor measured in this run\n\n");
    RunRecordingBench();
    std::printf("\n");
    RunChartBench();
    std::printf("\n");
    RunHistoryBench();
    return 0;
}
