#pragma once

// Day file load and save against raw file I/O, and the pointer poll.
void RunRecordingBench();
