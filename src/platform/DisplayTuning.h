#pragma once

#include <QtGlobal>

namespace DisplayTuning {
// Call before the QApplication is made. On X11, Qt hands repaints to the server
// through shared memory and then waits for the server to finish with each one
// before painting again. The game repaints a thin strip hundreds of times a
// second during a wipe, and those waits made it a fifth slower than its pacing;
// sending the small strips over the socket needs no wait.
inline void forSmallFrequentRepaints()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}
} // namespace DisplayTuning
