#pragma once

// The selector's controls carry the same numeric ids as the publisher's.

#include "ui/ControlId.h"

namespace tessaly::selector {

using ui::controlId;
using ui::findControl;
using ui::setControlId;

}  // namespace tessaly::selector
