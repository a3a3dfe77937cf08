#include "recordingsurface.h"

namespace render {

RecordingSurface::Op& RecordingSurface::Add(Kind kind) {
    Op op;
    op.kind = kind;
    ops_.push_back(op);
    return ops_.back();
}

bool RecordingSurface::RectVisible(const Rect& rect) {
    Op& op = Add(Kind::RectVisible);
    op.rect = rect;
    return rect.left < visibleArea.right && visibleArea.left < rect.right &&
           rect.top < visibleArea.bottom && visibleArea.top < rect.bottom;
}

PenHandle RecordingSurface::CreatePen(Rgb colour, int width) {
    const int handle = nextHandle_++;
    pens_[handle] = Pen{colour, width};
    Op& op = Add(Kind::CreatePen);
    op.handle = handle;
    op.colour = colour;
    op.width = width;
    return handle;
}

PenHandle RecordingSurface::SelectPen(PenHandle pen) {
    Op& op = Add(Kind::SelectPen);
    op.handle = pen;
    if (!pens_.count(pen)) misuse_.push_back("selected unknown pen " + std::to_string(pen));
    const PenHandle previous = pen_;
    pen_ = pen;
    return previous;
}

void RecordingSurface::DeletePen(PenHandle pen) {
    Op& op = Add(Kind::DeletePen);
    op.handle = pen;
    if (pen == pen_) misuse_.push_back("deleted the selected pen " + std::to_string(pen));
    if (pen == 0 || !pens_.erase(pen))
        misuse_.push_back("deleted unknown pen " + std::to_string(pen));
}

FontHandle RecordingSurface::CreateFont(const FontDescription& font) {
    const int handle = nextHandle_++;
    fonts_[handle] = font;
    Op& op = Add(Kind::CreateFont);
    op.handle = handle;
    op.font = font;
    return handle;
}

FontHandle RecordingSurface::SelectFont(FontHandle font) {
    Op& op = Add(Kind::SelectFont);
    op.handle = font;
    if (!fonts_.count(font)) misuse_.push_back("selected unknown font " + std::to_string(font));
    const FontHandle previous = font_;
    font_ = font;
    return previous;
}

void RecordingSurface::DeleteFont(FontHandle font) {
    Op& op = Add(Kind::DeleteFont);
    op.handle = font;
    if (font == font_) misuse_.push_back("deleted the selected font " + std::to_string(font));
    if (font == 0 || !fonts_.erase(font))
        misuse_.push_back("deleted unknown font " + std::to_string(font));
}

void RecordingSurface::SelectWhiteBrush() { Add(Kind::SelectWhiteBrush); }

void RecordingSurface::SetTextColor(Rgb colour) {
    textColour_ = colour;
    Op& op = Add(Kind::SetTextColor);
    op.colour = colour;
}

void RecordingSurface::SetTransparentText() { Add(Kind::SetTransparentText); }

void RecordingSurface::MoveTo(int x, int y) {
    Op& op = Add(Kind::MoveTo);
    op.x = x;
    op.y = y;
    posX_ = x;
    posY_ = y;
}

void RecordingSurface::LineTo(int x, int y) {
    Op& op = Add(Kind::LineTo);
    op.x = x;
    op.y = y;
    const auto pen = pens_.find(pen_);
    const Pen drawn = pen == pens_.end() ? Pen{} : pen->second;
    lines_.push_back({posX_, posY_, x, y, drawn.colour, drawn.width});
    posX_ = x;
    posY_ = y;
}

void RecordingSurface::TextOut(int x, int y, std::string_view text) {
    Op& op = Add(Kind::TextOut);
    op.x = x;
    op.y = y;
    op.text = std::string(text);
    texts_.push_back({x, y, std::string(text), fonts_[font_], textColour_, false, Rect{}});
}

void RecordingSurface::DrawCentredText(const Rect& rect, std::string_view text) {
    Op& op = Add(Kind::DrawCentredText);
    op.rect = rect;
    op.text = std::string(text);
    texts_.push_back(
        {rect.left, rect.top, std::string(text), fonts_[font_], textColour_, true, rect});
}

void RecordingSurface::FillRect(const Rect& rect, Rgb colour) {
    Op& op = Add(Kind::FillRect);
    op.colour = colour;
    op.rect = rect;
}

void RecordingSurface::Rectangle(const Rect& rect) {
    Op& op = Add(Kind::Rectangle);
    op.rect = rect;
}

void RecordingSurface::GetCharABCWidths(unsigned char first, unsigned char last, AbcWidth* out) {
    Op& op = Add(Kind::GetCharABCWidths);
    op.x = first;
    op.y = last;
    for (int c = first; c <= last; ++c) {
        const auto listed = charWidths.find(static_cast<unsigned char>(c));
        out[c - first] = listed == charWidths.end() ? defaultWidth : listed->second;
    }
}

void RecordingSurface::StretchDib(const Rect& dest, const DibPixels& image) {
    Op& op = Add(Kind::StretchDib);
    op.x = image.width;
    op.y = image.height;
    op.rect = dest;
}

std::vector<RecordingSurface::Op> RecordingSurface::opsOf(Kind kind) const {
    std::vector<Op> result;
    for (const Op& op : ops_)
        if (op.kind == kind) result.push_back(op);
    return result;
}

std::vector<std::string> RecordingSurface::problems() const {
    std::vector<std::string> result = misuse_;
    for (const auto& [handle, pen] : pens_)
        if (handle != 0) result.push_back("pen " + std::to_string(handle) + " never deleted");
    for (const auto& [handle, font] : fonts_)
        if (handle != 0) result.push_back("font " + std::to_string(handle) + " never deleted");
    if (pen_ != 0) result.push_back("a made pen is still selected");
    if (font_ != 0) result.push_back("a made font is still selected");
    return result;
}

void RecordingSurface::clear() {
    ops_.clear();
    lines_.clear();
    texts_.clear();
}

}  // namespace render
