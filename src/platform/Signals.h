#pragma once

// SIGTERM and SIGINT end the application's event loop instead of the
// process, so that everything after the loop (markers, teardown) still runs.
namespace Signals {
// Call once after the application object exists. False when the handlers
// could not be set up.
bool installQuitOnTerminate();
// Whether SIGTERM or SIGINT has arrived: a dialog whose modal run ends
// because the event loop is quitting must not take that for an answer.
bool terminationRequested();
}
