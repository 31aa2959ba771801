#include "qt/print_queue.hpp"

#include <cups/cups.h>

#include <cstring>

namespace qt {

bool QueueAcceptsJobs(const QString& printer) {
  const QByteArray queue = printer.section(u'/', 0, 0).toLocal8Bit();
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
  if (dest == nullptr) return false;
  // A destination the print system does not describe (one found on the network, say) is left to
  // its answer to the job.
  const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
  const bool accepts = accepting == nullptr || std::strcmp(accepting, "false") != 0;
  cupsFreeDests(1, dest);
  return accepts;
}

bool LastRequestGranted() { return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE; }

}  // namespace qt
