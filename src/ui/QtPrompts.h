#pragma once

// Prompts for a window: message boxes owned by it and the file-dialog wrapper.
// Tests script the answers and read back what would have been shown.

#include <QPointer>
#include <functional>
#include <vector>

#include "core/Prompts.h"

class QWidget;

namespace tessaly::ui {

class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* owner) : owner_(owner) {}

    void show(const Message& message) override;
    std::optional<std::size_t> showWithActions(const Message& message,
                                               const std::vector<std::string>& actions) override;
    bool confirm(const Message& message) override;
    bool ask(const Message& message, std::string_view okText) override;
    bool askEither(const Message& message, std::string_view yes, std::string_view no) override;
    std::optional<std::string> askText(const Message& message, std::string_view initial) override;
    SaveChoice askToSave(const Message& message) override;
    std::optional<std::filesystem::path> chooseFile(const FileChoice& choice) override;

    // Test hooks. While scripted no box is shown: every message is logged and
    // confirm() and ask() answer from the script (OK when nothing is scripted).
    static void setScripted(bool scripted);
    static void setNextAnswer(bool ok);
    // askEither() answers from the same script (the first answer when nothing is scripted).
    // askToSave() answers from its own script (Discard when nothing is scripted).
    static void setNextSaveChoice(SaveChoice choice);
    // showWithActions() answers from its own script (OK when nothing is scripted).
    static void setNextAction(std::optional<std::size_t> action);
    // askText() answers from its own script (the offered text when nothing is scripted).
    static void setNextText(std::optional<std::string> text);
    static std::vector<Message> takeLog();
    // Called at each scripted message, question and file choice, where the
    // person would be looking at it.
    static void setOnAnswer(std::function<void()> onAnswer);

private:
    QPointer<QWidget> owner_;
};

}  // namespace tessaly::ui
