#pragma once
// A polite request to end (SIGTERM, SIGINT, SIGHUP) closes the main form the ordinary way,
// so its close handler still saves the settings.
class QWidget;

void closeOnTerminateRequest(QWidget *mainForm);
