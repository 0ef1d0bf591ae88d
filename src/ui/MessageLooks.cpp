#include "ui/MessageLooks.h"

namespace tessaly::ui {

MessageLook lookOf(Topic topic) {
    using Box = QMessageBox;
    switch (topic) {
        case Topic::Note:
            return {"Information:", Box::Information};
        case Topic::Warning:
            return {"Warning", Box::Warning};
        case Topic::Failure:
            return {"Warning", Box::Critical};
        case Topic::Attention:
            return {"Attention", Box::Information};
        case Topic::MoviesForTheWeb:
            return {"Movies for the web", Box::Warning};
        case Topic::SlotOneReplaced:
            return {"Slot 1 replaced", Box::Warning};
        case Topic::RedirectWarning:
            return {"Warning !", Box::Warning};
        case Topic::RedirectFailure:
            return {"Warning !", Box::Critical};
        case Topic::RedirectCreated:
            return {"Success", Box::Information};
        case Topic::EncodeDone:
            return {"Make Web Versions", Box::Information};
        case Topic::EncodeWarning:
            return {"Make Web Versions", Box::Warning};
        case Topic::EncodeFailure:
            return {"Make Web Versions", Box::Critical};
        case Topic::Exit:
            return {"Exit IDE", Box::Warning};
        case Topic::SaveChanges:
            return {"Tessaly", Box::Warning};
        case Topic::ProjectSave:
            return {"Save the Project", Box::Warning};
        case Topic::ProjectError:
            return {"Error", Box::Critical};
        case Topic::CaptionsWarning:
            return {"Load Captions", Box::Warning};
        case Topic::CaptionsQuestion:
            return {"Load Captions", Box::Information};
        case Topic::Preview:
            return {"Preview in Browser", Box::Warning};
        case Topic::Recover:
            return {"Recover Unsaved Changes", Box::Warning};
        case Topic::PublishCopy:
            return {"Publishing", Box::Warning};
    }
    return {"", Box::NoIcon};
}

QString captionOf(Topic topic) {
    const std::string_view caption = lookOf(topic).caption;
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

}  // namespace tessaly::ui
