#pragma once

#include <QString>

// The folder under which removable media appear, the one place every rule about "the volumes
// folder" looks: /media/$USER or /run/media/$USER, whichever exists, else /media. It is looked up
// again every few seconds; the environment variable KELBRIN_VOLUMES_FOLDER replaces the
// search (so scripted runs can point it at a folder of their own).
// Returned without a final "/".
QString VolumesFolderPath();

// Replaces the folder for the rest of the process (tests); an empty path goes back to the
// detected one. Call it on the main thread, while nothing else is using the model.
void SetVolumesFolderPath(const QString& path);
