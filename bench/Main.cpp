#include "ChartBench.h"
#include "HistoryBench.h"
#include "ProgramBench.h"
#include "RecordingBench.h"

#include <cstdio>
#include <cstring>
#include <exception>

// bench.exe runs every group; bench.exe chart program runs those alone.
int main(int argc, char** argv) {
    // Each row is on screen as soon as it is measured: the whole run takes
    // minutes.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    struct Group {
        const char* name;
        void (*run)();
    };
    const Group groups[] = {{"recording", RunRecordingBench},
                            {"chart", RunChartBench},
                            {"history", RunHistoryBench},
                            {"program", RunProgramBench}};
    auto chosen = [&](const char* name) {
        if (argc < 2)
            return true;
        for (int i = 1; i < argc; ++i)
            if (std::strcmp(argv[i], name) == 0)
                return true;
        return false;
    };
    std::printf("Tallyvane benchmarks; each figure beside its floor measured in this run\n");
    int failed = 0;
    for (const Group& group : groups)
        if (chosen(group.name)) {
            std::printf("\n");
            try {
                group.run();
            } catch (const std::exception& error) {
                std::printf("%s: stopped: %s\n", group.name, error.what());
                failed = 1;
            }
        }
    return failed;
}
