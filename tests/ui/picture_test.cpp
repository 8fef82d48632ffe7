// The core-shape picture: which drawing belongs to which shape and mode, the
// resources, and the window painting it.
#include <QFile>
#include <QImage>
#include <QSvgRenderer>

#include "ui/shape_picture.h"
#include "ui_support.h"

namespace kelvara::ui {
namespace {

using testing::WindowTest;

struct PictureCase {
    int32_t shape;
    int32_t addBySize;
    const char* file;  // "" for none
};

class PictureChoice : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureChoice, FollowsTheShapeAndTheDimensionMode) {
    const PictureCase& c = GetParam();
    const QString expected = *c.file ? QString(":/resources/") + c.file : QString();
    EXPECT_EQ(ShapePictureFile(c.shape, c.addBySize), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureChoice,
    ::testing::Values(PictureCase{0, 0, "core_e.svg"}, PictureCase{0, 1, "core_e_dims.svg"},
                      PictureCase{1, 0, "core_ei.svg"}, PictureCase{1, 1, "core_ei_dims.svg"},
                      PictureCase{2, 0, "core_round.svg"}, PictureCase{2, 1, "core_round_dims.svg"},
                      PictureCase{3, 0, "core_round.svg"}, PictureCase{3, 1, "core_round_dims.svg"},
                      PictureCase{4, 0, "core_other.svg"}, PictureCase{4, 1, "core_other.svg"},
                      // Only 1 is the dimension mode.
                      PictureCase{0, 2, "core_e.svg"},
                      // A shape outside 0..4 has no picture.
                      PictureCase{5, 0, ""}, PictureCase{-1, 1, ""}));

class PictureResource : public ::testing::TestWithParam<const char*> {};

TEST_P(PictureResource, IsBuiltInAndReadable) {
    const QString path = QString(":/resources/") + GetParam();
    ASSERT_TRUE(QFile::exists(path)) << GetParam();
    QSvgRenderer renderer(path);
    EXPECT_TRUE(renderer.isValid()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(All, PictureResource,
                         ::testing::Values("core_e.svg", "core_e_dims.svg", "core_ei.svg",
                                           "core_ei_dims.svg", "core_round.svg",
                                           "core_round_dims.svg", "core_other.svg", "kelvara.svg",
                                           "circuit.svg"));

// The picture as painted now.
QImage Painted(ShapePicture* picture) {
    return picture->grab().toImage();
}

bool HasDrawing(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) return true;
        }
    }
    return false;
}

TEST_F(WindowTest, PaintsThePictureOfTheShapeAndMode) {
    OpenWindow();
    ShapePicture* picture = window->picture();
    const QImage e = Painted(picture);
    EXPECT_EQ(picture->paintedFile(), ":/resources/core_e.svg");
    EXPECT_TRUE(HasDrawing(e));

    Click(ctl::kAddBySize);
    const QImage eDims = Painted(picture);
    EXPECT_EQ(picture->paintedFile(), ":/resources/core_e_dims.svg");
    EXPECT_NE(eDims, e);

    // Adding by data shows the plain picture again.
    Click(ctl::kAddByData);
    EXPECT_EQ(Painted(picture), e);

    Click(ctl::kAddByData);
    Click(ctl::kShapeER);
    const QImage er = Painted(picture);
    Click(ctl::kShapeETD);
    EXPECT_EQ(Painted(picture), er);
    EXPECT_NE(er, e);
}

TEST_F(WindowTest, PaintsNothingForAShapeOutsideTheTable) {
    OpenWindow();
    window->dialog().inputs().shape = 7;
    const QImage image = Painted(window->picture());
    EXPECT_TRUE(window->picture()->paintedFile().isEmpty());
    EXPECT_FALSE(HasDrawing(image));
}

}  // namespace
}  // namespace kelvara::ui
