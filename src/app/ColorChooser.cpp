#include "app/ColorChooser.h"

#include <QColorDialog>
#include <deque>

namespace tessaly::app {
namespace {

struct Script {
    bool scripted = false;
    std::deque<std::optional<QColor>> answers;
};

Script& script() {
    static Script s;
    return s;
}

}  // namespace

std::optional<QColor> ColorChooser::choose(QWidget* owner) {
    Script& s = script();
    if (s.scripted) {
        if (s.answers.empty()) return std::nullopt;
        std::optional<QColor> answer = s.answers.front();
        s.answers.pop_front();
        return answer;
    }
    QColorDialog dialog(QColor(255, 255, 255), owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedColor();
}

void ColorChooser::resetCustomColours() {
    for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, QColor(0, 0, 0));
}

void ColorChooser::setScripted(bool scripted) {
    script().scripted = scripted;
    script().answers.clear();
}

void ColorChooser::setNextAnswer(std::optional<QColor> answer) { script().answers.push_back(answer); }

}  // namespace tessaly::app
