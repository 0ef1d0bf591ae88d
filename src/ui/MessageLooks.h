#pragma once

// The caption and icon of each kind of message, for every box both programs
// show: core and the programs say what a message is about, this table alone
// says how its box looks.

#include <QMessageBox>
#include <QString>
#include <string_view>

#include "core/Prompts.h"

namespace tessaly::ui {

struct MessageLook {
    std::string_view caption;  // the program's own words, kept as they are
    QMessageBox::Icon icon;
};

MessageLook lookOf(Topic topic);
QString captionOf(Topic topic);

}  // namespace tessaly::ui
