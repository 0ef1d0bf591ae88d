#pragma once

// The one wrapper every file choice of both programs goes through: an open or a
// save dialog with a title, a filter list, an initial name and folder; single
// selection. Tests script the next answers instead of showing a dialog.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tessaly::ui {

struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;          // empty: the dialog's own title
    QString filter;         // "desc|pattern|..." or the same with NUL separators
    QString initialName;    // may be a pattern such as "*.hs5"
    QString initialFolder;  // empty: the current folder

    bool operator==(const FileDialogRequest&) const = default;
};

class FileDialog {
public:
    // The chosen path, or nothing when the dialog was cancelled. An open dialog
    // only returns existing files; a save dialog asks nothing before replacing.
    static std::optional<QString> choose(QWidget* owner, const FileDialogRequest& request);

    // "desc|pattern|" pairs (or NUL-separated) as Qt name filters: "desc (p1 p2)".
    static QStringList toNameFilters(const QString& filter);

    // Test hooks. While scripted no dialog is ever shown: each call takes the
    // next scripted answer (nothing = cancel), or cancels when none is left.
    static void setScripted(bool scripted);
    static void setNextAnswer(std::optional<QString> answer);
    static std::optional<FileDialogRequest> lastRequest();
};

}  // namespace tessaly::ui
