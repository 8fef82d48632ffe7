// Kelvara: the design calculator for the resonant circuit and the transformer
// of an LLC half-bridge converter.
#include "ui/kelvara_app.h"

int main(int argc, char** argv) {
    kelvara::ui::CKelvaraApp app(argc, argv);
    return app.Run();
}
