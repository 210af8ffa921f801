// Registers the native window classes that framework windows are created in
// (_GWindowClass and _GDlogClass, both with _GSingleWindowProc). The
// application frames register their own set; this is the one place that
// stands in for them where no frame is built. Runs at most once.
#pragma once

void XGRegisterWindowClasses();
