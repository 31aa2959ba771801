#pragma once
// What the print system (CUPS) says of a queue, and of the job last handed to it.

#include <QString>

namespace qt {

// Whether the queue of `printer` (a QPrinter's printer name; an instance after a '/' is the same
// queue) accepts jobs now. A stopped queue that accepts holds its jobs for later: it accepts.
bool QueueAcceptsJobs(const QString& printer);

// Whether the print system granted this thread's last request. Qt's CUPS engine hands its job to
// the queue in QPainter::end() and keeps no answer: asked right after it, this is the queue's answer
// to the job, refused when the queue does not accept jobs or holds as many as it may.
bool LastRequestGranted();

}  // namespace qt
