#include "selector/SelectorWindow.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "selector/AboutBox.h"
#include "selector/SelectorTexts.h"
#include "ui/ControlId.h"
#include "ui/Fonts.h"
#include "ui/GradientButton.h"
#include "ui/SingleInstance.h"
#include "ui/Strings.h"

// The resources live in a static library: nothing else would pull them in.
static void initResources() { Q_INIT_RESOURCE(selector); }

namespace tessaly::selector {
namespace {

const QColor kCornflowerBlue(100, 149, 237);
const QColor kRoyalBlue(65, 105, 225);
const QColor kDarkBlue(0, 0, 139);
const QColor kHintGrey(85, 85, 85);

QFont titleFont() { return ui::serifFont(25, true, true); }

QLabel* addLabel(QWidget* parent, int id, std::string_view text, const QRect& geometry,
                 const QColor& textColour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(ui::qs(text), parent);
    ui::setControlId(label, id);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColour);
    label->setPalette(palette);
    return label;
}

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLineEdit* addPathBox(QWidget* parent, int id, const QRect& geometry) {
    auto* box = new QLineEdit(parent);
    ui::setControlId(box, id);
    box->setGeometry(geometry);
    return box;
}

ui::GradientButton* addButton(QWidget* parent, int id, std::string_view caption,
                              ui::GradientButton::Face face, const QColor& captionColour,
                              const QRect& geometry) {
    auto* button = new ui::GradientButton(ui::qs(caption), face, parent);
    ui::setControlId(button, id);
    button->setCaptionColor(captionColour);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

SelectorWindow::SelectorWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      command_(prompts_, ui::toPath(QDir::currentPath())) {
    initResources();
    setWindowTitle(ui::qs(texts::kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/selector/VIDEO.png")));
    setFixedSize(kWidth, kHeight);
    fillBackground(this, kCornflowerBlue);
    setFont(ui::controlFont());
    build();
    if (const QScreen* screen = this->screen()) {
        const QRect work = screen->availableGeometry();
        move(work.center() - QPoint(kWidth / 2, kHeight / 2));
    }
}

void SelectorWindow::build() {
    auto* line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(5, 90, 982, 4);

    // The white title sits one pixel up and left of its black twin: a shadow.
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    titleShadow_ = addLabel(this, ids::kTitleShadow, texts::kTitle, {106, 11, 800, 65}, Qt::black, centred);
    titleShadow_->setFont(titleFont());
    title_ = addLabel(this, ids::kTitle, texts::kTitle, {105, 10, 800, 65}, Qt::white, centred);
    title_->setFont(titleFont());
    buildLabel_ = addLabel(this, ids::kBuild, texts::kBuild, {910, 60, 70, 20}, kDarkBlue);

    html5Label_ =
        addLabel(this, ids::kHtml5Label, texts::kHtml5Label, {20, 140, 200, 18}, Qt::white, centred);
    fillBackground(html5Label_, kRoyalBlue);
    html5Hint_ = addLabel(this, ids::kHtml5Hint, texts::kHtml5Hint, {250, 140, 500, 18}, kHintGrey);
    html5Path_ = addPathBox(this, ids::kHtml5Path, {20, 160, 952, 20});
    flashLabel_ =
        addLabel(this, ids::kFlashLabel, texts::kFlashLabel, {20, 200, 200, 18}, Qt::white, centred);
    fillBackground(flashLabel_, kRoyalBlue);
    flashHint_ = addLabel(this, ids::kFlashHint, texts::kFlashHint, {250, 200, 500, 18}, kHintGrey);
    flashPath_ = addPathBox(this, ids::kFlashPath, {20, 220, 952, 20});

    using Face = ui::GradientButton::Face;
    create_ = addButton(this, ids::kCreate, texts::kCreate, Face::Blue, Qt::white, {498, 260, 210, 25});
    about_ = addButton(this, ids::kAbout, texts::kAbout, Face::Grey, Qt::black, {710, 260, 130, 25});
    exit_ = addButton(this, ids::kExit, texts::kExit, Face::Grey, Qt::black, {842, 260, 130, 25});

    connect(create_, &QAbstractButton::clicked, this, &SelectorWindow::createPage);
    connect(about_, &QAbstractButton::clicked, this, &SelectorWindow::showAbout);
    connect(exit_, &QAbstractButton::clicked, this, &QWidget::close);
}

void SelectorWindow::createPage() {
    command_.create(ui::utf8(html5Path_->text()), ui::utf8(flashPath_->text()));
}

void SelectorWindow::showAbout() {
    AboutBox box(this);
    box.exec();
}

void SelectorWindow::bringForward() { ui::bringForward(this); }

}  // namespace tessaly::selector
