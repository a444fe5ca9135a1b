#include "main_window/run_state.h"

RunState &runState()
{
    static RunState state;
    return state;
}
const QByteArray SentinelTitle = QByteArrayLiteral("vorn");
