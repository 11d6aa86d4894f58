#include "InstrumentTestSupport.h"
#include "support/PixelAssertions.h"
namespace sk::instruments::test {
class Scratch : public InstrumentTest {};
TEST_F(Scratch, Render) {
    load(kFormDial + kFormPanel);
    showForm();
    field<TILAngularGauge>("ILAngularGauge4")->SetValue(40);
    field<TILSegmentGauge>("ILSegmentGauge5")->SetValue(-5);
    paint();
    sk::test::saveImage(screen(), "scratch-all");
}
}
