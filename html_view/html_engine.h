#pragma once
// Process-wide set-up of the HTML engine.

// Must run before the Qt application object exists.
void prepareHtmlEngine();
