#include "main_window/run_state.h"

RunState &runState()
{
    static RunState state;
    return state;
}

const QByteArray PrimaryNewsBase = QByteArrayLiteral(LUMORA_PRIMARY_NEWS_BASE);
const QByteArray MirrorNewsBase = QByteArrayLiteral(LUMORA_MIRROR_NEWS_BASE);
const QByteArray SentinelTitle = QByteArrayLiteral("vorn");
