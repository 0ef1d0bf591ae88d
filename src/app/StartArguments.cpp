#include "app/StartArguments.h"

#include <QUrl>

#include "app/DesktopTexts.h"
#include "core/movies/MovieTypes.h"
#include "ui/Strings.h"

namespace tessaly::app {

namespace fs = std::filesystem;

std::string startUsage() { return ui::utf8(ui::qs(texts::kUsage).arg(ui::qs(movies::movieExtensions(" ")))); }

StartArguments parseStartArguments(const QStringList& arguments, const fs::path& currentFolder) {
    StartArguments result;
    bool options = true;
    for (const QString& argument : arguments) {
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            result.action = StartArguments::Action::Help;
        } else if (options && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            // A file whose name starts with a dash follows "--".
            if (result.action == StartArguments::Action::Run) {
                result.action = StartArguments::Action::Wrong;
                result.wrong = ui::utf8(argument);
            }
        } else {
            // File managers may hand over file: addresses.
            const bool address = argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
            const fs::path path = ui::toPath(address ? QUrl(argument).toLocalFile() : argument);
            result.files.push_back(path.is_absolute() ? path : (currentFolder / path).lexically_normal());
        }
    }
    return result;
}

}  // namespace tessaly::app
