// Every text of the short help window and the About box shows whole at the
// fonts this machine has: no label cut short, none past the window's edge.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include "WindowHarness.h"
#include "app/AboutBox.h"
#include "app/HelpWindow.h"

namespace tessaly::gui_test {
namespace {

// Each text line of `label` within the label's inner rectangle (wrapped labels
// by the height their wrapped text takes), and the label within `window`.
void expectWhole(const QLabel& label, const QWidget& window) {
    const QString text = label.text();
    SCOPED_TRACE(text.toStdString());
    const QFontMetrics fm(label.font());
    const QRect inside = label.contentsRect();
    if (label.wordWrap()) {
        const QRect needed = fm.boundingRect(inside, int(label.alignment()) | Qt::TextWordWrap, text);
        EXPECT_LE(needed.height(), inside.height());
    } else {
        const QStringList lines = text.split(QLatin1Char('\n'));
        EXPECT_LE(fm.height() * lines.size(), inside.height());
        for (const QString& line : lines)
            EXPECT_LE(fm.horizontalAdvance(line), inside.width()) << line.toStdString();
    }
    EXPECT_TRUE(window.rect().contains(label.geometry())) << "label past the window's edge";
}

void expectWhole(const QAbstractButton& button, const QWidget& window) {
    SCOPED_TRACE(button.text().toStdString());
    const QFontMetrics fm(button.font());
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    EXPECT_LE(fm.horizontalAdvance(button.text()) + margin, button.width());
    EXPECT_LE(fm.height(), button.height());
    EXPECT_TRUE(window.rect().contains(button.geometry())) << "button past the window's edge";
}

void expectAllWhole(const QWidget& window) {
    int texts = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;  // pictures
        expectWhole(*label, window);
        ++texts;
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        expectWhole(*button, window);
        ++texts;
    }
    EXPECT_GT(texts, 3);
}

TEST_F(WindowTest, ShortHelpShowsEveryTextWhole) {
    app::HelpWindow help(&window(), [] {});
    help.show();
    expectAllWhole(help);
}

TEST_F(WindowTest, AboutBoxShowsEveryTextWhole) {
    app::AboutBox about(&window(), launcher_);
    about.show();
    expectAllWhole(about);
}

}  // namespace
}  // namespace tessaly::gui_test
