#pragma once

#include <QString>

class QQmlEngine;

// The start-up steps that the program and the QML test runner share, so that
// both see exactly the same types, context and data directory.
namespace AppSetup {

// Keeps large freed blocks in the heap for reuse instead of handing them back
// to the system at once. Call first thing in main.
void keepLargeBlocksInHeap();

// Silences Qt's ordinary log lines with the empty message pattern (a pattern
// in QT_MESSAGE_PATTERN still shows them all). Critical and fatal messages
// still reach standard error, each after the warnings held back just before
// it, which tell why (a platform plugin that could not be found). Call first
// thing in main.
void setUpLogging();

// The web pages' engine refuses to start its sandbox for the root user and
// ends the program. Running as root, the sandbox is turned off before the
// engine starts (QTWEBENGINE_DISABLE_SANDBOX), once, with a line on standard
// error saying so; a value the user set stays. Call before the web view is
// initialised.
void allowWebPagesAsRoot();

// Logs the default font and installs the chosen family as application font.
void setUpApplicationFont();

// Registers every native QML type, in the order of the registration table.
void registerQmlTypes();

// Points the engine's offline storage at the data directory (when it can be
// found) and publishes PhoneNotify. Returns the offline-storage path set, or
// an empty text.
QString setUpEngine(QQmlEngine *engine);

} // namespace AppSetup
