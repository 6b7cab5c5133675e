#include "Clock.h"

#include <windows.h>

LocalTime SystemClock::Now() const {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {{st.wYear, st.wMonth, st.wDay}, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}
