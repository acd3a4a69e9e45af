#include "ReportErrors.h"

#include "utils.h"

#include <exception>

namespace vorpa {

void ReportErrors(const std::function<void()> &work)
{
    try {
        work();
    } catch (const std::exception &error) {
        ShowApplicationError(QString::fromUtf8(error.what()));
    }
}

} // namespace vorpa
