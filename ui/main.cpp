// Kelvara: the design calculator for the resonant circuit and the transformer
// of an LLC half-bridge converter.
#include "ui/kelvara_app.h"

int main(int argc, char** argv) {
    if (const auto status = kelvara::ui::AnswerWithoutWindow(argc, argv)) return *status;
    kelvara::ui::CKelvaraApp app(argc, argv);
    return app.Run();
}
