#pragma once
// What the print system says about a queue, before and after a job is sent
// to it. Qt's printer reports success whatever the spooler answered, so
// these checks are what makes a failed print a failure.

#include <QString>

namespace kwpnd {

// Error 482 unless the queue takes jobs now: it exists, is not stopped and
// does not reject jobs. Also starts a fresh request on this thread, so that
// requireJobQueued below sees the answer to the job that follows.
void requireQueueTakesJobs(const QString& queue);

// Error 482 unless the print system accepted the job that the last print on
// this thread submitted to `queue` (the spooler's answer to that request).
void requireJobQueued(const QString& queue);

}  // namespace kwpnd
