#include "drawpictures.h"

#include "dib.h"
#include "metrics.h"

namespace render {

Rect PictureRect(const document::Tegning& picture, int margin, int squareWidth, int squareHeight) {
    Rect rect;
    rect.left = TruncPx(margin + static_cast<double>(squareWidth) * picture.column +
                        squareWidth * static_cast<double>(picture.relAcross));
    rect.top = TruncPx(margin + static_cast<double>(squareHeight) * picture.row +
                       squareHeight * static_cast<double>(picture.relDown));
    rect.right = TruncPx(rect.left + squareWidth * static_cast<double>(picture.relWidth));
    rect.bottom = TruncPx(rect.top + squareHeight * static_cast<double>(picture.relHeight));
    return rect;
}

void DrawPictures(const document::PictureList& list, DrawSurface& surface, int margin,
                  int squareWidth, int squareHeight) {
    for (const document::Tegning& picture : list) {
        if (!picture.hasBitmap()) continue;
        const Rect rect = PictureRect(picture, margin, squareWidth, squareHeight);
        if (!surface.RectVisible(rect)) continue;
        DibPixels image;
        if (!DecodeDib(picture.bitmap, image)) continue;
        surface.StretchDib(rect, image);
    }
}

}  // namespace render
