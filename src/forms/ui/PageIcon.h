#pragma once

#include <QIcon>

// The icon that every page window carries.
QIcon pageIcon();
