#include "ui/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <deque>

namespace tessaly::ui {
namespace {

struct Script {
    bool scripted = false;
    std::deque<std::optional<QString>> answers;
    std::optional<FileDialogRequest> last;
};

Script& script() {
    static Script s;
    return s;
}

}  // namespace

QStringList FileDialog::toNameFilters(const QString& filter) {
    QString text = filter;
    text.replace(QLatin1Char('|'), QChar(0));
    QStringList parts = text.split(QChar(0));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')');
    }
    return filters;
}

std::optional<QString> FileDialog::choose(QWidget* owner, const FileDialogRequest& request) {
    Script& s = script();
    s.last = request;
    if (s.scripted) {
        if (s.answers.empty()) return std::nullopt;
        std::optional<QString> answer = s.answers.front();
        s.answers.pop_front();
        return answer;
    }

    QFileDialog dialog(owner);
    if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
    // The descriptions already say which files they list.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(toNameFilters(request.filter));
    dialog.setDirectory(request.initialFolder.isEmpty() ? QDir::currentPath() : request.initialFolder);
    if (request.mode == FileDialogRequest::Mode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.front();
}

void FileDialog::setScripted(bool scripted) {
    script().scripted = scripted;
    script().answers.clear();
    script().last.reset();
}

void FileDialog::setNextAnswer(std::optional<QString> answer) {
    script().answers.push_back(std::move(answer));
}

std::optional<FileDialogRequest> FileDialog::lastRequest() { return script().last; }

}  // namespace tessaly::ui
