#pragma once

#include <QtGlobal>

// A loopback port on which nothing listens, so that a connection to it is refused.
quint16 ClosedPort();
