#pragma once
// A real print queue for the printing tests: a private CUPS scheduler with a
// queue that writes every job as a PDF file (scripts/cups-fixture.sh).

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace kwpnd::test {

// Points this process's printing at the CUPS scheduler listening on
// `socket`; a socket nobody listens on means "no printer at all".
void useCupsServer(const QString& socket);

class CupsQueue {
public:
    // Starts the scheduler; when it cannot run here, skipReason() says why.
    CupsQueue();
    ~CupsQueue();  // stops the scheduler this object started, and only it

    bool running() const { return !server_.isEmpty(); }
    const QString& skipReason() const { return skipReason_; }
    const QString& server() const { return server_; }
    const QString& printer() const { return printer_; }

    // The PDF files of finished jobs, oldest first.
    QStringList jobs() const;
    // Waits until `count` jobs have landed (or the time is up); returns them.
    QStringList waitForJobs(int count, int timeoutMs = 20000) const;
    // Runs a CUPS command-line tool against this scheduler.
    int run(const QString& tool, const QStringList& args) const;

private:
    QString output(const QString& tool, const QStringList& args, int* status = nullptr) const;

    QTemporaryDir dir_;
    QString server_, out_, printer_, skipReason_;
};

// A PDF file's page size in points, the names of its fonts, and its first
// page drawn at `dpi` (poppler's tools).
QSizeF pdfPageSize(const QString& pdf);
QStringList pdfFonts(const QString& pdf);
QImage pdfPage(const QString& pdf, int dpi);

}  // namespace kwpnd::test
