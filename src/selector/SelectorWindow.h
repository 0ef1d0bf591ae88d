#pragma once

// The selector's one window: two addresses in, one redirect page out.

#include <QWidget>

#include "selector/RedirectCommand.h"
#include "ui/QtPrompts.h"

class QLabel;
class QLineEdit;

namespace tessaly::ui {
class GradientButton;
}

namespace tessaly::selector {

// Controls carry these ids (property "tessalyId"), so tests find them; the
// window itself holds them as members.
namespace ids {
inline constexpr int kTitle = 100;
inline constexpr int kTitleShadow = 101;
inline constexpr int kBuild = 102;
inline constexpr int kHtml5Label = 103;
inline constexpr int kFlashLabel = 104;
inline constexpr int kHtml5Path = 105;
inline constexpr int kFlashPath = 106;
inline constexpr int kHtml5Hint = 107;
inline constexpr int kFlashHint = 108;
inline constexpr int kCreate = 109;
inline constexpr int kExit = 110;
inline constexpr int kAbout = 111;
}  // namespace ids

class SelectorWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 992;
    static constexpr int kHeight = 310;

    explicit SelectorWindow(QWidget* parent = nullptr);

    const RedirectCommand& command() const { return command_; }

    // A second start of the program asked for this window.
    void bringForward();

private:
    void build();
    void createPage();
    void showAbout();

    QLabel* titleShadow_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* buildLabel_ = nullptr;
    QLabel* html5Label_ = nullptr;
    QLabel* html5Hint_ = nullptr;
    QLineEdit* html5Path_ = nullptr;
    QLabel* flashLabel_ = nullptr;
    QLabel* flashHint_ = nullptr;
    QLineEdit* flashPath_ = nullptr;
    ui::GradientButton* create_ = nullptr;
    ui::GradientButton* about_ = nullptr;
    ui::GradientButton* exit_ = nullptr;

    ui::QtPrompts prompts_{this};
    RedirectCommand command_;
};

}  // namespace tessaly::selector
