#include "MetErrors.h"

void ReportAll(const ErrorReporter& report, const MetErrors& met) {
    for (const std::exception_ptr& error : met) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            report(e);
        }
    }
}
