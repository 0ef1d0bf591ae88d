#pragma once

// The owner-drawn command button: a vertical gradient of 200 bands in one of
// five face colours with a caption (white unless set); while pressed, a sunken edge and the
// word "Process" in blue over the unchanged face.

#include <QAbstractButton>
#include <QColor>
#include <QRect>

namespace tessaly::ui {

class GradientButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Face { Green, Grey, Red, Teal, Blue };
    static constexpr int kBands = 200;

    GradientButton(const QString& caption, Face face, QWidget* parent);

    Face face() const { return face_; }

    // White unless set; the selector's grey buttons have black captions.
    QColor captionColor() const { return captionColor_; }
    void setCaptionColor(const QColor& colour);

    // Colour of band i (0..199) of a face.
    static QColor bandColor(Face face, int band);
    // Rows of band i in a face `height` pixels high and `width` wide; most bands of
    // a short button are one pixel or empty, the last one ends at the bottom.
    static QRect bandRect(int band, int width, int height);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Face face_;
    QColor captionColor_ = Qt::white;
};

}  // namespace tessaly::ui
