#include "drawing/output/qtsurface.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>

#include "drawing/output/fontsubstitutes.h"
#include "drawing/render/drawsettings.h"
#include "drawing/render/paintgrid.h"
#include "platform/cp1252.h"

namespace output {
namespace {

using render::Rect;

class QtSurfaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QGuiApplication::instance()) {
            static int argc = 1;
            static char name[] = "qtsurface_test";
            static char* argv[] = {name, nullptr};
            new QGuiApplication(argc, argv);  // lives until exit
            InstallFontSubstitutes();
        }
    }
    QtSurfaceTest() : image_(200, 150, QImage::Format_RGB32) { image_.fill(Qt::white); }

    QRgb At(int x, int y) const { return image_.pixel(x, y) & 0xFFFFFF; }
    // The bounding box of every non-white pixel, or an empty rectangle.
    QRect Inked() const {
        QRect box;
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x)
                if (At(x, y) != 0xFFFFFF) box = box.united(QRect(x, y, 1, 1));
        return box;
    }

    QImage image_;
};

TEST_F(QtSurfaceTest, GridLinesFrameSeparatorAndCursor) {
    render::DrawSettings saved = render::drawSettings();
    render::CrosswordView view;
    view.doc = document::Crossword(3, 2);
    view.zoom = 1.0;
    view.frameColour = render::Rgb{255, 0, 0};
    view.doc.grid.At(1, 2).lineRight = 0;
    {
        QPainter painter(&image_);
        QtSurface surface(painter, Rect{0, 0, 200, 150});
        render::PaintGrid(view, surface, Rect{0, 0, 200, 150}, 200, render::PaintFlags{});
    }
    render::drawSettings() = saved;
    ASSERT_EQ(view.squareHeight, 50);
    EXPECT_EQ(At(60, 35), 0x000000u);   // inner vertical line, row 1
    EXPECT_EQ(At(60, 85), 0xFFFFFFu);   // the separator gap in row 2
    EXPECT_EQ(At(110, 85), 0x000000u);  // the next line is whole
    EXPECT_EQ(At(85, 60), 0x000000u);   // inner horizontal line
    EXPECT_EQ(At(10, 85), 0xFF0000u);   // frame, three pixels wide
    EXPECT_EQ(At(9, 85), 0xFF0000u);
    EXPECT_EQ(At(11, 85), 0xFF0000u);
    EXPECT_EQ(At(85, 110), 0xFF0000u);
    EXPECT_EQ(At(160, 35), 0xFF0000u);
    EXPECT_EQ(At(35, 35), 0xFFFF00u);  // cursor square (1, 1)
    EXPECT_EQ(At(85, 35), 0xFFFFFFu);
    EXPECT_EQ(At(170, 130), 0xFFFFFFu);  // nothing outside the grid
}

TEST_F(QtSurfaceTest, NoCursorWhileExporting) {
    render::CrosswordView view;
    view.doc = document::Crossword(3, 2);
    view.zoom = 1.0;
    QPainter painter(&image_);
    QtSurface surface(painter, Rect{0, 0, 200, 150});
    render::PaintGrid(view, surface, Rect{0, 0, 200, 150}, 200, render::PaintFlags{0, true});
    painter.end();
    EXPECT_EQ(At(35, 35), 0xFFFFFFu);
}

TEST_F(QtSurfaceTest, LinesLeaveTheEndPointAndThinPensDrawOnePixel) {
    QPainter painter(&image_);
    QtSurface surface(painter, Rect{0, 0, 200, 150});
    const auto pen = surface.CreatePen(render::Rgb{0, 0, 255}, 0);
    const auto previous = surface.SelectPen(pen);
    surface.MoveTo(5, 5);
    surface.LineTo(15, 5);
    surface.LineTo(15, 20);
    surface.SelectPen(previous);
    surface.DeletePen(pen);
    painter.end();
    EXPECT_EQ(Inked(), QRect(QPoint(5, 5), QPoint(15, 19)));
    EXPECT_EQ(At(14, 5), 0x0000FFu);
    EXPECT_EQ(At(15, 5), 0x0000FFu);  // drawn by the second line's start
    EXPECT_EQ(At(15, 20), 0xFFFFFFu);
    EXPECT_EQ(At(10, 4), 0xFFFFFFu);
    EXPECT_EQ(At(10, 6), 0xFFFFFFu);
}

TEST_F(QtSurfaceTest, FontsHaveTheCellHeightAndAverageWidthAsked) {
    render::FontDescription description;
    description.setFace("Technical");
    for (int height : {12, 20, 47}) {
        description.height = height;
        description.width = 0;
        const QFontMetrics cell(QtSurface::FontFor(description)->font);
        EXPECT_NEAR(cell.ascent() + cell.descent(), height, 1) << height;
        description.width = height / 3;
        const QFontMetrics narrowed(QtSurface::FontFor(description)->font);
        EXPECT_NEAR(narrowed.averageCharWidth(), height / 3, 1) << height;
    }
    description.height = -20;  // character height
    description.width = 0;
    EXPECT_EQ(QtSurface::FontFor(description)->font.pixelSize(), 20);

    const QStringList faces{"Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"};
    EXPECT_TRUE(faces.contains(QFontInfo(QFont("Technical")).family()))
        << QFontInfo(QFont("Technical")).family().toStdString();
    EXPECT_TRUE(QFontInfo(QFont("Arial")).family() == "Liberation Sans" ||
                QFontInfo(QFont("Arial")).family() == "DejaVu Sans");
}

TEST_F(QtSurfaceTest, TextByCellTopLeftAndTurnedDownwards) {
    render::FontDescription description;
    description.setFace("Arial");
    description.height = 30;
    QPainter painter(&image_);
    QtSurface surface(painter, Rect{0, 0, 200, 150});
    const auto font = surface.CreateFont(description);
    const auto previous = surface.SelectFont(font);
    surface.SetTextColor(render::Rgb{0, 0, 0});
    surface.TextOut(20, 40, "HH");
    painter.end();
    QRect box = Inked();
    EXPECT_GE(box.top(), 40);
    EXPECT_LT(box.bottom(), 70);
    EXPECT_GE(box.left(), 20);
    EXPECT_LE(box.left(), 24);

    image_.fill(Qt::white);
    painter.begin(&image_);
    description.escapement = description.orientation = 2700;
    const auto turned = surface.CreateFont(description);
    surface.SelectFont(turned);
    surface.TextOut(100, 20, "HH");
    painter.end();
    box = Inked();
    EXPECT_GE(box.top(), 20);  // runs downwards from the point...
    EXPECT_GT(box.height(), box.width());
    EXPECT_LE(box.right(), 100);  // ...with the letters' tops towards it
    EXPECT_GE(box.left(), 70);
    surface.SelectFont(previous);
    surface.DeleteFont(font);
    surface.DeleteFont(turned);
}

// Texts are shaped once per font and drawn from that store afterwards; what lands on the image
// must be exactly what the painter's own text drawing makes, the first time and the next.
TEST_F(QtSurfaceTest, StoredShapesDrawAsThePainterDrawsText) {
    struct Case {
        const char* face;
        int height, width, escapement, weight;
        std::uint8_t underline, strikeOut;
        const char* text;
    };
    const Case cases[] = {
        {"Technical", 20, 0, 0, 400, 0, 0,
         "KLOKKE-\xC6"
         "BLE \xD8RE"},
        {"Arial", 30, 0, 0, 700, 1, 0, "Wave AV"},
        {"Arial", -17, 5, 0, 400, 0, 1, "fi fl 1999"},
        {"Technical", 26, 0, 2700, 400, 0, 0, "NED \xC5"},
    };
    for (const Case& c : cases) {
        render::FontDescription description;
        description.setFace(c.face);
        description.height = c.height;
        description.width = c.width;
        description.escapement = description.orientation = c.escapement;
        description.weight = c.weight;
        description.underline = c.underline;
        description.strikeOut = c.strikeOut;
        const auto made = QtSurface::FontFor(description);

        QImage expected(image_.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        {
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.setFont(made->font);
            painter.setPen(QColor(0, 0, 160));
            painter.translate(10, 60);
            painter.rotate(-c.escapement / 10.0);
            painter.drawText(QPoint(0, made->ascent),
                             QString::fromStdString(platform::cp1252ToUtf8(c.text)));
        }
        for (int round = 0; round < 2; ++round) {
            image_.fill(Qt::white);
            QPainter painter(&image_);
            QtSurface surface(painter, Rect{0, 0, 200, 150});
            const auto font = surface.CreateFont(description);
            surface.SelectFont(font);
            surface.SetTextColor(render::Rgb{0, 0, 160});
            surface.TextOut(10, 60, c.text);
            painter.end();
            EXPECT_TRUE(image_ == expected) << c.face << " " << c.height << " round " << round;
        }
        EXPECT_NE(Inked(), QRect()) << c.text;
    }
}

// Centring measures each text once per font; a repaint must centre it exactly as the first
// paint did, and a text of another width by its own width.
TEST_F(QtSurfaceTest, CentredTextLandsInTheMiddleEveryTime) {
    render::FontDescription description;
    description.setFace("Arial");
    description.height = 24;
    const Rect rect{20, 30, 180, 60};
    QImage first;
    for (const char* text : {"MIDT", "MIDT", "I"}) {
        image_.fill(Qt::white);
        QPainter painter(&image_);
        QtSurface surface(painter, Rect{0, 0, 200, 150});
        const auto font = surface.CreateFont(description);
        const auto previous = surface.SelectFont(font);
        surface.DrawCentredText(rect, text);
        surface.SelectFont(previous);
        surface.DeleteFont(font);
        painter.end();
        const QRect box = Inked();
        EXPECT_NEAR(box.center().x(), (rect.left + rect.right) / 2, 2) << text;
        EXPECT_GE(box.top(), rect.top) << text;
        if (first.isNull())
            first = image_.copy();
        else if (std::string_view(text) == "MIDT")
            EXPECT_TRUE(image_ == first);
    }
}

TEST_F(QtSurfaceTest, VisibleTestAndPictureStretch) {
    QPainter painter(&image_);
    QtSurface surface(painter, Rect{50, 50, 100, 100});
    EXPECT_FALSE(surface.RectVisible(Rect{0, 0, 50, 50}));
    EXPECT_TRUE(surface.RectVisible(Rect{0, 0, 51, 51}));
    render::DibPixels picture{2, 1, {0xFFFF0000u, 0xFF00FF00u}};
    surface.StretchDib(Rect{10, 10, 30, 20}, picture);
    painter.end();
    EXPECT_EQ(At(10, 10), 0xFF0000u);
    EXPECT_EQ(At(19, 19), 0xFF0000u);
    EXPECT_EQ(At(20, 10), 0x00FF00u);
    EXPECT_EQ(At(29, 19), 0x00FF00u);
    EXPECT_EQ(At(30, 15), 0xFFFFFFu);
}

}  // namespace
}  // namespace output
