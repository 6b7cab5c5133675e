#include "ChartBench.h"
#include "RecordingBench.h"

#include <cstdio>

int main() {
    std::printf("Tallyvane benchmarks; each figure beside its floor measured in this run\n\n");
    RunRecordingBench();
    std::printf("\n");
    RunChartBench();
    return 0;
}
