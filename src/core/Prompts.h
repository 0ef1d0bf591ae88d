#pragma once

// How core reaches the person: message boxes and file choices. The window
// implements it with Qt dialogs, the command line with stderr, tests with fakes.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// What a message is about. Core says only this; the window's table
// (ui/MessageLooks) gives each its caption and icon, the command line prints
// the text alone.
enum class Topic {
    Note,             // information, such as the missing movie or a reset page size
    Warning,          // a check that refused, or a warning beside a success
    Failure,          // a file could not be written or read
    Attention,        // movie types the page cannot offer
    MoviesForTheWeb,  // movies that will not play well, what disagrees with the page
    SlotOneReplaced,  // the page and the movie newly in slot 1 disagree
    RedirectWarning,  // the redirect page's missing paths
    RedirectFailure,  // the redirect page could not be written
    RedirectCreated,
    EncodeDone,     // web versions made, or their encode cancelled
    EncodeWarning,  // made, with a warning
    EncodeFailure,
    // The window's own questions and notes.
    Exit,
    SaveChanges,
    ProjectSave,
    ProjectError,
    CaptionsWarning,
    CaptionsQuestion,
    Preview,
    Recover,
    PublishCopy,
};

// The answers to the question before unsaved work is replaced.
enum class SaveChoice { Save, Discard, Cancel };

struct Message {
    std::string text;  // lines separated by "\n"
    Topic topic = Topic::Note;

    bool operator==(const Message&) const = default;
};

struct FileChoice {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::string title;
    std::string filter;       // "Description (*.x)|*.x|..." pairs
    std::string initialName;  // e.g. "*.html"
    std::filesystem::path initialFolder;
};

// "*.html": the files with `extension`, in a filter or as a save dialog's first name.
inline std::string namePattern(std::string_view extension) { return "*" + std::string(extension); }

class Prompts {
public:
    virtual ~Prompts() = default;
    // A message box with an OK button.
    virtual void show(const Message& message) = 0;
    // OK and Cancel; true for OK.
    virtual bool confirm(const Message& message) = 0;
    // The same question with the confirming button saying `okText` ("Continue").
    virtual bool ask(const Message& message, std::string_view /*okText*/) { return confirm(message); }
    // Two answers, `yes` the default and what Esc gives; true for `yes`.
    virtual bool askEither(const Message& message, std::string_view yes, std::string_view /*no*/) {
        return ask(message, yes);
    }
    // A message box with OK and a button for each of `actions` ("Open Page"):
    // the index of the action chosen, or nothing for OK.
    virtual std::optional<std::size_t> showWithActions(const Message& message,
                                                       const std::vector<std::string>& /*actions*/) {
        show(message);
        return std::nullopt;
    }
    // One line of text, offered as `initial`: what the person typed, or nothing
    // when they cancelled (or nobody can be asked).
    virtual std::optional<std::string> askText(const Message& /*message*/, std::string_view /*initial*/) {
        return std::nullopt;
    }
    // Save, Discard and Cancel, asked before unsaved work is replaced.
    virtual SaveChoice askToSave(const Message& message) = 0;
    // The chosen file, or nothing when the person cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(const FileChoice& choice) = 0;
};

}  // namespace tessaly
