#include "app/Controls.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "ui/Strings.h"

namespace tessaly::app {
namespace {

constexpr int kListLineHeight = 21;

// Text boxes with the digits-only style refuse typed non-digits but keep any
// text the program or a paste puts in ("5.0").
class DigitsOnly : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            if (!text.isEmpty() && text.at(0).isPrint() && !key->matches(QKeySequence::Paste)) {
                for (const QChar c : text) {
                    if (!c.isDigit()) return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// A text box that does not scroll: typing stops once the text fills it.
class StopWhenFull : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* edit = static_cast<QLineEdit*>(watched);
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString typed = key->text();
            if (!typed.isEmpty() && typed.at(0).isPrint() && !edit->hasSelectedText()) {
                QString after = edit->text();
                after.insert(edit->cursorPosition(), typed);
                const int room = edit->contentsRect().width() - 6;
                if (edit->fontMetrics().horizontalAdvance(after) > room) return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void stopTypingWhenFull(QLineEdit* edit) { edit->installEventFilter(new StopWhenFull(edit)); }

QString qstr(std::string_view utf8) { return ui::qs(utf8); }

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (notifies_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (notifies_ && event->button() == Qt::LeftButton) emit doubleClicked();
}

void MarkedCheckBox::paintEvent(QPaintEvent* event) {
    QCheckBox::paintEvent(event);
    paintFocusMark();
}

void MarkedCheckBox::paintFocusMark() {
    if (!hasFocus()) return;
    // Dark outside, light inside: plain on the grey, the dark labels and the blue rows alike.
    QPainter p(this);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

void LeftTextCheckBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int box = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const QRect inner = contentsRect();
    option.rect = QRect(inner.right() - box - 1, inner.top() + (inner.height() - box) / 2, box, box);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &p, this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(inner.adjusted(0, 0, -box - 3, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               text());
    p.end();
    paintFocusMark();
}

void PathLabel::setPath(const QString& path) {
    path_ = path;
    setToolTip({});
    updateShown();
}

void PathLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateShown();
}

void PathLabel::updateShown() {
    setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, contentsRect().width() - 4));
}

FrameBox::FrameBox(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int top = fm.height() / 2;
    const QRect box = rect().adjusted(0, top, -1, -1);
    // An etched line: dark, then light one pixel inside.
    p.setPen(QColor(160, 160, 160));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(box.adjusted(1, 1, 0, 0));
    const QRect captionRect(8, 0, fm.horizontalAdvance(caption_) + 2, fm.height());
    p.fillRect(captionRect, Qt::black);
    p.setPen(Qt::white);
    p.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

void applyColours(QWidget* widget, const Colours& colours) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colours.text);
    pal.setColor(QPalette::Text, colours.text);
    pal.setColor(QPalette::ButtonText, colours.text);
    if (colours.background) {
        pal.setColor(QPalette::Window, *colours.background);
        pal.setColor(QPalette::Base, *colours.background);
        pal.setColor(QPalette::Button, *colours.background);
        widget->setAutoFillBackground(true);
    } else {
        widget->setAutoFillBackground(false);
    }
    widget->setPalette(pal);
}

void applyEdge(QFrame* frame, Edge edge) {
    switch (edge) {
        case Edge::None:
            frame->setFrameStyle(QFrame::NoFrame);
            break;
        case Edge::Border:
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
            frame->setLineWidth(1);
            break;
        case Edge::Static:
        case Edge::Sunken:
            frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            frame->setLineWidth(1);
            break;
        case Edge::Client:
            frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            break;
    }
}

ClickLabel* addLabel(QWidget* parent, int id, std::string_view text, const QRect& rect,
                     const Colours& colours, Qt::Alignment align, Edge edge, bool notifies,
                     const Used& used) {
    auto* label = new ClickLabel(qstr(text), parent);
    setControlId(label, id);
    label->setGeometry(rect);
    label->setAlignment(align);
    label->setTextFormat(Qt::PlainText);
    label->setMargin(0);
    applyColours(label, colours);
    applyEdge(label, edge);
    label->setNotifies(notifies);
    if (notifies && used) {
        QObject::connect(label, &ClickLabel::clicked, label, used);
        QObject::connect(label, &ClickLabel::doubleClicked, label, used);
    }
    return label;
}

QCheckBox* addCheck(QWidget* parent, int id, std::string_view text, const QRect& rect, const Colours& colours,
                    bool textLeft, Edge edge, const Used& used) {
    QCheckBox* box =
        textLeft ? new LeftTextCheckBox(qstr(text), parent) : new MarkedCheckBox(qstr(text), parent);
    setControlId(box, id);
    box->setGeometry(rect);
    applyColours(box, colours);
    if (edge != Edge::None) box->setContentsMargins(1, 0, 1, 0);
    if (used) QObject::connect(box, &QCheckBox::clicked, box, [used] { used(); });
    return box;
}

QRadioButton* addRadio(QWidget* parent, int id, std::string_view text, const QRect& rect,
                       const Colours& colours, const Used& used) {
    auto* button = new QRadioButton(qstr(text), parent);
    setControlId(button, id);
    button->setGeometry(rect);
    applyColours(button, colours);
    QObject::connect(button, &QRadioButton::clicked, button, [used] { used(); });
    return button;
}

QComboBox* addList(QWidget* parent, int id, const QRect& rect, const std::vector<std::string>& items,
                   const Used& used) {
    auto* list = new QComboBox(parent);
    setControlId(list, id);
    list->setGeometry(rect.x(), rect.y(), rect.width(), kListLineHeight);
    for (const std::string& item : items) list->addItem(qstr(item));
    list->setMaxVisibleItems(std::max(1, (rect.height() - kListLineHeight) / 13));
    applyColours(list, {Qt::black, QColor(192, 192, 192)});
    // Only a choice made by the person notifies, never one the program makes.
    QObject::connect(list, &QComboBox::activated, list, [used] { used(); });
    return list;
}

QLineEdit* addEdit(QWidget* parent, int id, const QRect& rect, const Colours& colours, bool digitsOnly,
                   bool centred) {
    auto* edit = new QLineEdit(parent);
    setControlId(edit, id);
    edit->setGeometry(rect);
    edit->setTextMargins(0, 0, 0, 0);
    applyColours(edit, colours);
    if (centred) edit->setAlignment(Qt::AlignCenter);
    if (digitsOnly) edit->installEventFilter(new DigitsOnly(edit));
    return edit;
}

QPushButton* addPush(QWidget* parent, int id, std::string_view text, const QRect& rect) {
    auto* button = new QPushButton(qstr(text), parent);
    setControlId(button, id);
    button->setGeometry(rect);
    button->setFlat(true);
    button->setAutoFillBackground(true);
    return button;
}

ui::GradientButton* addGradient(QWidget* parent, int id, std::string_view text, const QRect& rect,
                                ui::GradientButton::Face face) {
    auto* button = new ui::GradientButton(qstr(text), face, parent);
    setControlId(button, id);
    button->setGeometry(rect);
    return button;
}

FrameBox* addFrame(QWidget* parent, int id, std::string_view caption, const QRect& rect) {
    auto* frame = new FrameBox(qstr(caption), parent);
    setControlId(frame, id);
    frame->setGeometry(rect);
    return frame;
}

}  // namespace tessaly::app
