// Internal access to the trace log's stream, for tests.
#ifndef TESSEL_DIAGNOSTICS_TRACELOG_H
#define TESSEL_DIAGNOSTICS_TRACELOG_H

namespace tessel_detail {

// restartTraceLog(): closes the trace file and forgets that the log has
// started, as if the library had just been loaded: the next line written
// empties "trace.log" and writes the header again.
void restartTraceLog();

}  // namespace tessel_detail

#endif  // TESSEL_DIAGNOSTICS_TRACELOG_H
