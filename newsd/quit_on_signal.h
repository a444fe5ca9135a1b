#pragma once

// Makes SIGTERM and SIGINT quit the application's event loop instead of killing the process.
// Returns false when the signal pipe could not be set up.
bool quitOnTerminationSignals();
