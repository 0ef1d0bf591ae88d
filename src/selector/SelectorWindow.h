#pragma once

// The selector's one window: two addresses in, one redirect page out.

#include <QWidget>

#include "selector/RedirectCommand.h"
#include "ui/QtPrompts.h"

namespace tessaly::selector {

// Controls carry these ids (property "tessalyId"), so tests find them.
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

    QWidget* control(int id) const;
    const RedirectCommand& command() const { return command_; }

    // A second start of the program asked for this window.
    void bringForward();

private:
    void build();

    ui::QtPrompts prompts_{this};
    RedirectCommand command_;
};

}  // namespace tessaly::selector
