#include "ui/QtPrompts.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

#include "ui/FileDialog.h"
#include "ui/Strings.h"

namespace tessaly::ui {
namespace {

struct Script {
    bool scripted = false;
    std::deque<bool> answers;
    std::deque<SaveChoice> saveChoices;
    std::vector<Message> log;
    std::function<void()> onAnswer;

    void answering() const {
        if (onAnswer) onAnswer();
    }
};

Script& script() {
    static Script s;
    return s;
}

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// A command may have set the busy pointer; a question to the person shows the
// ordinary one while it waits for an answer.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() : busy_(QGuiApplication::overrideCursor() != nullptr) {
        if (busy_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileAsking() {
        if (busy_) QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

private:
    bool busy_;
};

int run(QWidget* owner, const Message& message, QMessageBox::StandardButtons buttons,
        std::string_view okText = {}, QMessageBox::StandardButton preferred = QMessageBox::NoButton) {
    const ArrowWhileAsking arrow;
    QMessageBox box(toQt(message.icon), qs(message.caption), qs(message.text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    if (preferred != QMessageBox::NoButton) box.setDefaultButton(preferred);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok); ok != nullptr && !okText.empty())
        ok->setText(qs(okText));
    return box.exec();
}

}  // namespace

void QtPrompts::show(const Message& message) {
    if (script().scripted) {
        script().log.push_back(message);
        script().answering();
        return;
    }
    run(owner_, message, QMessageBox::Ok);
}

bool QtPrompts::confirm(const Message& message) { return ask(message, {}); }

namespace {

bool scriptedAnswer(const Message& message) {
    Script& s = script();
    s.log.push_back(message);
    s.answering();
    if (s.answers.empty()) return true;
    const bool ok = s.answers.front();
    s.answers.pop_front();
    return ok;
}

}  // namespace

bool QtPrompts::ask(const Message& message, std::string_view okText) {
    if (script().scripted) return scriptedAnswer(message);
    return run(owner_, message, QMessageBox::Ok | QMessageBox::Cancel, okText) == QMessageBox::Ok;
}

bool QtPrompts::askEither(const Message& message, std::string_view yes, std::string_view no) {
    if (script().scripted) return scriptedAnswer(message);
    const ArrowWhileAsking arrow;
    QMessageBox box(toQt(message.icon), qs(message.caption), qs(message.text), QMessageBox::NoButton, owner_);
    box.setTextFormat(Qt::PlainText);
    QPushButton* first = box.addButton(qs(yes), QMessageBox::AcceptRole);
    box.addButton(qs(no), QMessageBox::DestructiveRole);
    box.setDefaultButton(first);
    // Closing the box is never the answer that loses something.
    box.setEscapeButton(first);
    box.exec();
    return box.clickedButton() == first;
}

SaveChoice QtPrompts::askToSave(const Message& message) {
    Script& s = script();
    if (s.scripted) {
        s.log.push_back(message);
        s.answering();
        if (s.saveChoices.empty()) return SaveChoice::Discard;
        const SaveChoice choice = s.saveChoices.front();
        s.saveChoices.pop_front();
        return choice;
    }
    const int button = run(owner_, message, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                           {}, QMessageBox::Save);
    if (button == QMessageBox::Save) return SaveChoice::Save;
    return button == QMessageBox::Discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

std::optional<std::filesystem::path> QtPrompts::chooseFile(const FileChoice& choice) {
    FileDialogRequest request;
    request.mode =
        choice.mode == FileChoice::Mode::Open ? FileDialogRequest::Mode::Open : FileDialogRequest::Mode::Save;
    request.title = qs(choice.title);
    request.filter = qs(choice.filter);
    request.initialName = qs(choice.initialName);
    request.initialFolder = qpath(choice.initialFolder);
    const ArrowWhileAsking arrow;
    if (script().scripted) script().answering();
    const std::optional<QString> chosen = FileDialog::choose(owner_, request);
    if (!chosen) return std::nullopt;
    return toPath(*chosen);
}

void QtPrompts::setScripted(bool scripted) {
    script().scripted = scripted;
    script().answers.clear();
    script().saveChoices.clear();
    script().log.clear();
    script().onAnswer = nullptr;
}

void QtPrompts::setNextAnswer(bool ok) { script().answers.push_back(ok); }

void QtPrompts::setNextSaveChoice(SaveChoice choice) { script().saveChoices.push_back(choice); }

void QtPrompts::setOnAnswer(std::function<void()> onAnswer) { script().onAnswer = std::move(onAnswer); }

std::vector<Message> QtPrompts::takeLog() {
    std::vector<Message> log;
    log.swap(script().log);
    return log;
}

}  // namespace tessaly::ui
