#pragma once

// The explanations of the option controls: "Information:" with an information
// icon, yellow on dark blue, at most 300 pixels wide, shown after 500 ms and
// hidden after 5 s, all switched on and off at once.

#include <QHash>
#include <QObject>
#include <QString>

class QApplication;
class QWidget;

namespace tessaly::app {

class ToolTips : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxWidth = 300;
    static constexpr int kShowDelayMs = 500;
    static constexpr int kHideDelayMs = 5000;

    // Attaches the text of every option control under `root`; throws
    // std::logic_error when a control of the table is not there.
    explicit ToolTips(QWidget* root);

    void setActive(bool active) { active_ = active; }
    bool active() const { return active_; }
    // The text attached to a control, lines separated by "\n"; empty when none.
    QString textOf(const QWidget* control) const { return texts_.value(control); }
    // What the tip shows for a text.
    static QString richText(const QString& text);

    // Tip timing and colours for the whole program.
    static void installStyle(QApplication& app);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<const QWidget*, QString> texts_;
    bool active_ = true;
};

}  // namespace tessaly::app
