#include "ui/GradientButton.h"

#include <QPainter>
#include <cmath>

namespace tessaly::ui {
namespace {

const QString& processText() {
    static const QString text = QStringLiteral("Process");
    return text;
}

// One bevel around `r`: `dark` along the top and left, `light` along the bottom and right.
void drawBevel(QPainter& p, const QRect& r, const QColor& dark, const QColor& light) {
    p.setPen(dark);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(light);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// The thin edge a static-edge control has around its client area.
void drawStaticEdge(QPainter& p, const QRect& r) {
    drawBevel(p, r, QColor(160, 160, 160), QColor(255, 255, 255));
}

// The pressed face: the static edge with a darker bevel inside it.
void drawSunkenEdge(QPainter& p, const QRect& r) {
    drawStaticEdge(p, r);
    drawBevel(p, r.adjusted(1, 1, -1, -1), QColor(105, 105, 105), QColor(227, 227, 227));
}

}  // namespace

GradientButton::GradientButton(const QString& caption, Face face, QWidget* parent)
    : QAbstractButton(parent), face_(face) {
    setText(caption);
    setFocusPolicy(Qt::TabFocus);
}

QColor GradientButton::bandColor(Face face, int band) {
    const int v = 255 - band;
    switch (face) {
        case Face::Green:
            return QColor(0, v, 0);
        case Face::Grey:
            return QColor(v, v, v);
        case Face::Red:
            return QColor(v, 0, 0);
        case Face::Teal:
            return QColor(0, v, v);
        case Face::Blue:
            return QColor(0, 199 - band, v);
    }
    return QColor(v, v, v);
}

QRect GradientButton::bandRect(int band, int width, int height) {
    // Single precision and ties to even, as the bands were first computed.
    const float step = 0.005f * static_cast<float>(height);
    const int top = static_cast<int>(std::nearbyint(step * static_cast<float>(band)));
    const int bottom = static_cast<int>(std::nearbyint(step * static_cast<float>(band + 1)));
    return QRect(0, top, width + 1, bottom - top);
}

void GradientButton::setCaptionColor(const QColor& colour) {
    captionColor_ = colour;
    update();
}

QSize GradientButton::sizeHint() const { return {99, 22}; }

void GradientButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect client = rect().adjusted(1, 1, -1, -1);
    drawStaticEdge(p, rect());
    p.translate(client.topLeft());
    const QRect area(0, 0, client.width(), client.height());
    p.setClipRect(area);
    // A widget keeps no pixels between paints, so the pressed state paints the
    // unchanged face (gradient and caption) again under its edge and word.
    for (int i = 0; i < kBands; ++i) {
        p.fillRect(bandRect(i, area.width(), area.height()), bandColor(face_, i));
    }
    p.setPen(captionColor_);
    p.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text());
    if (isDown()) {
        drawSunkenEdge(p, area.adjusted(0, 0, -1, -1));
        p.setPen(QColor(0, 0, 255));
        p.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, processText());
    }
    if (hasFocus()) {
        // The keyboard's place, dotted inside the edge.
        p.setPen(QPen(captionColor_, 1, Qt::DotLine));
        p.drawRect(area.adjusted(2, 2, -3, -3));
    }
}

}  // namespace tessaly::ui
