#include "ui/QtPrompts.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <deque>

#include "ui/FileDialog.h"
#include "ui/MessageLooks.h"
#include "ui/Strings.h"

namespace tessaly::ui {
namespace {

struct Script {
    bool scripted = false;
    std::deque<bool> answers;
    std::deque<SaveChoice> saveChoices;
    std::deque<std::optional<std::size_t>> actions;
    std::deque<std::optional<std::string>> texts;
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

// The usual buttons, each with its letter to press.
constexpr std::pair<QMessageBox::StandardButton, const char*> kUsualButtons[] = {
    {QMessageBox::Ok, "&OK"},           {QMessageBox::Cancel, "&Cancel"}, {QMessageBox::Save, "&Save"},
    {QMessageBox::Discard, "&Discard"}, {QMessageBox::Yes, "&Yes"},       {QMessageBox::No, "&No"},
};

// Buttons with words of their own get a letter too: the first letter of a
// word, else any letter, that no other button of the box has taken.
void giveMnemonics(QMessageBox& box) {
    QString taken;
    for (const QAbstractButton* button : box.buttons()) {
        const QString text = button->text();
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size()) taken += text.at(at + 1).toLower();
    }
    for (QAbstractButton* button : box.buttons()) {
        QString text = button->text();
        if (text.contains(QLatin1Char('&'))) continue;
        const auto free = [&](qsizetype i) {
            return text.at(i).isLetter() && !taken.contains(text.at(i).toLower());
        };
        qsizetype at = -1;
        for (qsizetype i = 0; i < text.size() && at < 0; ++i) {
            if ((i == 0 || text.at(i - 1).isSpace()) && free(i)) at = i;
        }
        for (qsizetype i = 0; i < text.size() && at < 0; ++i) {
            if (free(i)) at = i;
        }
        if (at < 0) continue;
        taken += text.at(at).toLower();
        button->setText(text.insert(at, QLatin1Char('&')));
    }
}

int run(QWidget* owner, const Message& message, QMessageBox::StandardButtons buttons,
        std::string_view okText = {}, QMessageBox::StandardButton preferred = QMessageBox::NoButton,
        const std::vector<std::string>& actions = {}, std::optional<std::size_t>* chosenAction = nullptr) {
    const ArrowWhileAsking arrow;
    QMessageBox box(lookOf(message.topic).icon, captionOf(message.topic), qs(message.text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    for (const auto& [standard, text] : kUsualButtons) {
        if (QAbstractButton* button = box.button(standard)) button->setText(QMessageBox::tr(text));
    }
    if (preferred != QMessageBox::NoButton) box.setDefaultButton(preferred);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok); ok != nullptr && !okText.empty())
        ok->setText(qs(okText));
    std::vector<QAbstractButton*> added;
    for (const std::string& action : actions)
        added.push_back(box.addButton(qs(action), QMessageBox::ActionRole));
    // Esc answers as OK does, whatever else the box offers.
    if (!added.empty() && box.button(QMessageBox::Ok) != nullptr) box.setEscapeButton(QMessageBox::Ok);
    giveMnemonics(box);
    const int result = box.exec();
    const auto clicked = std::find(added.begin(), added.end(), box.clickedButton());
    if (chosenAction != nullptr && clicked != added.end())
        *chosenAction = static_cast<std::size_t>(clicked - added.begin());
    return result;
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

std::optional<std::size_t> QtPrompts::showWithActions(const Message& message,
                                                      const std::vector<std::string>& actions) {
    Script& s = script();
    if (s.scripted) {
        s.log.push_back(message);
        s.answering();
        if (s.actions.empty()) return std::nullopt;
        const std::optional<std::size_t> chosen = s.actions.front();
        s.actions.pop_front();
        return chosen;
    }
    std::optional<std::size_t> chosen;
    run(owner_, message, QMessageBox::Ok, {}, QMessageBox::Ok, actions, &chosen);
    return chosen;
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
    QMessageBox box(lookOf(message.topic).icon, captionOf(message.topic), qs(message.text),
                    QMessageBox::NoButton, owner_);
    box.setTextFormat(Qt::PlainText);
    QPushButton* first = box.addButton(qs(yes), QMessageBox::AcceptRole);
    box.addButton(qs(no), QMessageBox::DestructiveRole);
    box.setDefaultButton(first);
    // Closing the box is never the answer that loses something.
    box.setEscapeButton(first);
    giveMnemonics(box);
    box.exec();
    return box.clickedButton() == first;
}

std::optional<std::string> QtPrompts::askText(const Message& message, std::string_view initial) {
    Script& s = script();
    if (s.scripted) {
        s.log.push_back(message);
        s.answering();
        if (s.texts.empty()) return std::string(initial);
        std::optional<std::string> text = std::move(s.texts.front());
        s.texts.pop_front();
        return text;
    }
    const ArrowWhileAsking arrow;
    bool ok = false;
    const QString text = QInputDialog::getText(owner_, captionOf(message.topic), qs(message.text),
                                               QLineEdit::Normal, qs(initial), &ok);
    if (!ok) return std::nullopt;
    return utf8(text);
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
    script().actions.clear();
    script().texts.clear();
    script().log.clear();
    script().onAnswer = nullptr;
}

void QtPrompts::setNextAnswer(bool ok) { script().answers.push_back(ok); }

void QtPrompts::setNextSaveChoice(SaveChoice choice) { script().saveChoices.push_back(choice); }

void QtPrompts::setNextAction(std::optional<std::size_t> action) { script().actions.push_back(action); }

void QtPrompts::setNextText(std::optional<std::string> text) { script().texts.push_back(std::move(text)); }

void QtPrompts::setOnAnswer(std::function<void()> onAnswer) { script().onAnswer = std::move(onAnswer); }

std::vector<Message> QtPrompts::takeLog() {
    std::vector<Message> log;
    log.swap(script().log);
    return log;
}

}  // namespace tessaly::ui
