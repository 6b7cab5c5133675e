#include "RecordingBench.h"

#include <cstdio>

int main() {
    std::printf("Tallyvane benchmarks; each figure beside its floor measured in this run\n\n");
    RunRecordingBench();
    return 0;
}
