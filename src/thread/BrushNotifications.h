#pragma once

#include <QString>

// Names and keys of the notifications a brush-file read posts to the main thread.
inline const QString kAddBrushNotification = QStringLiteral("AddBrush");
inline const QString kFinishedReadingFileNotification = QStringLiteral("FinishedReadingFile");
inline const QString kBrushFileKey = QStringLiteral("BrushFile");
