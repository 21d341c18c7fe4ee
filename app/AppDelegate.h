#pragma once

class QWindow;

// The platform hook that receives the first root window (or null).
void QtAppDelegateInitialize(QWindow *window);
