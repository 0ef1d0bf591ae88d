#pragma once

// Building blocks of the main window: every control is made at its pixel
// geometry, with its numeric id stored on it (tests find it by that) and its
// colours. A control with no command of its own tells `used` when the person
// clicks or chooses with it; buttons are wired by the part that owns them.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ControlId.h"
#include "ui/GradientButton.h"

namespace tessaly::app {

// The person clicked a box or a notifying label, or chose from a list; empty: nobody listens.
using Used = std::function<void()>;

using ui::controlId;
using ui::setControlId;

enum class Edge { None, Border, Static, Sunken, Client };

struct Colours {
    QColor text;
    std::optional<QColor> background;  // nothing: transparent
};

// A static label; a notifying one reports clicks and double clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setNotifies(bool notifies) { notifies_ = notifies; }
signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool notifies_ = false;
};

// A tick box whose caption stands left of the box.
// A check box whose keyboard focus shows plainly on any background: a dark
// and a light frame around the whole box (the style's own mark is a thin dark
// outline, lost on the window's grey).
class MarkedCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintFocusMark();
};

class LeftTextCheckBox : public MarkedCheckBox {
    Q_OBJECT
public:
    using MarkedCheckBox::MarkedCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A movie path: the whole path is the label's value, shown shortened with an
// ellipsis in the middle when it is too long.
class PathLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QString path() const { return path_; }
    void setPath(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateShown();
    QString path_;
};

// A frame around a group of controls, its caption white on black. It only
// draws; the controls it surrounds are the window's own.
class FrameBox : public QWidget {
    Q_OBJECT
public:
    FrameBox(const QString& caption, QWidget* parent);
    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

QString qstr(std::string_view utf8);
void applyColours(QWidget* widget, const Colours& colours);
void applyEdge(QFrame* frame, Edge edge);

ClickLabel* addLabel(QWidget* parent, int id, std::string_view text, const QRect& rect,
                     const Colours& colours, Qt::Alignment align, Edge edge, bool notifies,
                     const Used& used = {});
QCheckBox* addCheck(QWidget* parent, int id, std::string_view text, const QRect& rect, const Colours& colours,
                    bool textLeft, Edge edge, const Used& used = {});
QRadioButton* addRadio(QWidget* parent, int id, std::string_view text, const QRect& rect,
                       const Colours& colours, const Used& used);
// `rect`'s height is that of the opened list; the closed box is one line high.
QComboBox* addList(QWidget* parent, int id, const QRect& rect, const std::vector<std::string>& items,
                   const Used& used);
QLineEdit* addEdit(QWidget* parent, int id, const QRect& rect, const Colours& colours, bool digitsOnly,
                   bool centred);
// The box takes no more typing once its text fills it (it never scrolls).
void stopTypingWhenFull(QLineEdit* edit);
QPushButton* addPush(QWidget* parent, int id, std::string_view text, const QRect& rect);
ui::GradientButton* addGradient(QWidget* parent, int id, std::string_view text, const QRect& rect,
                                ui::GradientButton::Face face);
FrameBox* addFrame(QWidget* parent, int id, std::string_view caption, const QRect& rect);

}  // namespace tessaly::app
