#include "SourceData.h"

QString sourceDataDirectory()
{
    const QString fromEnv = qEnvironmentVariable("TOLKARIN_DATA_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(TOLKARIN_SOURCE_DATA_DIR) : fromEnv;
}
