// Kelvara on Windows: the design calculator for the resonant circuit and the
// transformer of an LLC half-bridge converter, in a native window.
#include "ui_win32/app.h"
#include "ui_win32/win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    return kelvara::win32::RunProgram();
}
