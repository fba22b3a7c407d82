#pragma once

#include "report/PrintSystem.h"

class QPrinter;

// A document sent to a printer that Qt has opened, as one named job. The real print system prints
// this way, and so do the tests' stand-in printers, so that the tests judge the same checks.
namespace PrintJob {

// Names the job, sends the whole document when the printer can take it and tells how it went.
PrintOutcome print(QPrinter &printer, const QTextDocument &document, const QString &jobName);

} // namespace PrintJob
