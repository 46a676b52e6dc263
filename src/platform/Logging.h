#pragma once

#include <QLoggingCategory>

// One category per subsystem; messages go to standard error, which the session hands to the
// journal.
Q_DECLARE_LOGGING_CATEGORY(lcAbr)
Q_DECLARE_LOGGING_CATEGORY(lcThread)
Q_DECLARE_LOGGING_CATEGORY(lcDiscovery)
Q_DECLARE_LOGGING_CATEGORY(lcHierarchy)
Q_DECLARE_LOGGING_CATEGORY(lcActions)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
Q_DECLARE_LOGGING_CATEGORY(lcLibrary)
