#pragma once

#include <QString>

// The data/ folder of the source tree.
QString sourceDataDirectory();
