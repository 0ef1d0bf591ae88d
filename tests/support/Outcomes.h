#pragma once

// How a core operation went, success included, for tests that compare it.

#include "core/Result.h"

namespace tessaly::test_support {

enum class Outcome { Succeeded, Refused, Failed, Cancelled };

template <class T>
Outcome outcomeOf(const Result<T>& result) {
    if (result.ok()) return Outcome::Succeeded;
    switch (result.kind()) {
        case FailureKind::Refused:
            return Outcome::Refused;
        case FailureKind::Cancelled:
            return Outcome::Cancelled;
        case FailureKind::File:
            break;
    }
    return Outcome::Failed;
}

}  // namespace tessaly::test_support
