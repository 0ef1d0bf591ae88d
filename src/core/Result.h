#pragma once

// One shape for what a core operation gives back: its value, or a Failure that
// says what happened (its kind), to which file and why. Core chooses no words
// for a dialog: the window and the command line turn a failure into their own
// caption, icon and lines.
//
// Result has no conversion to bool on purpose: `if (result.ok())` and
// `if (result.failed())` say which way the test goes.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tessaly {

enum class FailureKind {
    File,       // a file could not be found, read, written, made or removed
    Refused,    // a check stopped the work before anything was written; `reason` says why
    Cancelled,  // stopped on request
};

struct Failure {
    std::filesystem::path path;  // the file concerned; may be empty
    std::string action;          // "open", "read", "write", "create folder", "copy" ...
    std::string reason;          // the system's words ("No space left on device"), or the check's
    FailureKind kind = FailureKind::File;
    // Further failures of the same work, each with its file (a publish that
    // could not put several files back), and what it left alone on the way.
    std::vector<Failure> more = {};

    // "Cannot write /home/ana/tour/js/st.css: No space left on device"; a
    // refusal's reason as it stands, unless it refused a file's action.
    std::string message() const {
        if (kind != FailureKind::File && action.empty()) return reason;
        std::string text = "Cannot " + action + " " + path.string();
        if (!reason.empty()) text += ": " + reason;
        return text;
    }

    // A file could not be written, or its action was refused (the file's
    // line reads as a file failure's); otherwise a check's or a stop's reason.
    bool concernsFile() const { return kind == FailureKind::File || !action.empty(); }

    bool operator==(const Failure&) const = default;
};

// What to tell a person of a failure: for a file, `heading` ("Publishing
// failed:") and its message; else its reason; then a line for each of `more`.
inline std::string failureText(const Failure& failure, std::string_view heading) {
    std::string text =
        failure.concernsFile() ? std::string(heading) + "\n" + failure.message() : failure.reason;
    for (const Failure& further : failure.more) text += "\n" + further.message();
    return text;
}

// A check that stopped the work, in the check's words.
inline Failure refusal(std::string why) { return Failure{{}, {}, std::move(why), FailureKind::Refused, {}}; }
// Work stopped on request; `words` what to tell of it, if anything.
inline Failure cancellation(std::string words = {}) {
    return Failure{{}, {}, std::move(words), FailureKind::Cancelled, {}};
}

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    bool failed() const { return state_.index() == 1; }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Failure& failure() const { return std::get<1>(state_); }
    FailureKind kind() const { return failure().kind; }

private:
    std::variant<T, Failure> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return !failure_; }
    bool failed() const { return failure_.has_value(); }
    const Failure& failure() const { return *failure_; }
    FailureKind kind() const { return failure_->kind; }

private:
    std::optional<Failure> failure_;
};

// Success of work that gives nothing back.
inline Result<void> success() { return {}; }

}  // namespace tessaly
