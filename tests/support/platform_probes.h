// The error a call throws, number and words, for one comparison.
#pragma once

#include "platform/vb/error.h"

namespace testsupport {

// What `run` threw: number and description; number 0 when it threw nothing.
template <class F> vb::Error errorOf(F&& run)
{
    try {
        run();
    } catch (const vb::Error& e) {
        return e;
    }
    return vb::Error(0, QStringLiteral("no error"));
}

} // namespace testsupport
