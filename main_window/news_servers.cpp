// The two news servers this build reads from, fixed when it is configured.
#include <QByteArray>

extern const QByteArray PrimaryNewsBase = QByteArrayLiteral(LUMORA_PRIMARY_NEWS_BASE);
extern const QByteArray MirrorNewsBase = QByteArrayLiteral(LUMORA_MIRROR_NEWS_BASE);
