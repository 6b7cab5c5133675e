#include "MetErrors.h"

#include "toolkit/Exception.h"

#include <string>

void ReportOnce(const ErrorReporter& report, const MetErrors& met) {
    if (met.empty())
        return;
    std::string text;
    for (const std::exception_ptr& error : met) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            if (met.size() == 1) {
                report(e);
                return;
            }
            text += (text.empty() ? "" : "\n\n") + std::string(e.what());
        }
    }
    report(Exception(text));
}
