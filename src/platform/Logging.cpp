#include "platform/Logging.h"

Q_LOGGING_CATEGORY(lcAbr, "kelbrin.abr")
Q_LOGGING_CATEGORY(lcThread, "kelbrin.thread")
Q_LOGGING_CATEGORY(lcDiscovery, "kelbrin.discovery")
Q_LOGGING_CATEGORY(lcHierarchy, "kelbrin.hierarchy")
Q_LOGGING_CATEGORY(lcActions, "kelbrin.actions")
Q_LOGGING_CATEGORY(lcUi, "kelbrin.ui")
Q_LOGGING_CATEGORY(lcLibrary, "kelbrin.library")
