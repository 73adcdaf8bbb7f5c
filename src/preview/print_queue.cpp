#include "print_queue.h"

#include "kwpnd/error.h"

#include <cups/cups.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace kwpnd {

namespace {
[[noreturn]] void printerError(const QString& detail) { throw Error::detailed(ErrorNumber::PrinterError, detail); }

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};

QString lastCupsError() { return QString::fromUtf8(cupsLastErrorString()); }
}  // namespace

void requireQueueTakesJobs(const QString& queue)
{
    const QByteArray name = queue.toLocal8Bit();
    const std::unique_ptr<cups_dest_t, DestFree> dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
    if (!dest)
        printerError(QStringLiteral("there is no printer named %1 (%2)").arg(queue, lastCupsError()));
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state && std::atoi(state) == IPP_PSTATE_STOPPED)
        printerError(QStringLiteral("the printer %1 is stopped").arg(queue));
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting && std::strcmp(accepting, "true") != 0)
        printerError(QStringLiteral("the queue %1 rejects jobs").arg(queue));
}

void requireJobQueued(const QString& queue)
{
    // The printer submits the job on this thread through the same library:
    // its last status is the spooler's answer to that job.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        printerError(QStringLiteral("the job was not queued on %1: %2").arg(queue, lastCupsError()));
}

}  // namespace kwpnd
