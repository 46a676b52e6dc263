#pragma once

#include "abr/CBrushSink.h"

#include <QLabel>

// One line above the brush grid saying why a file shows fewer brushes than it might: a version
// Kelbrin does not read, or damage that stopped the read. Hidden otherwise.
class ReadMessageBar : public QLabel
{
    Q_OBJECT
public:
    explicit ReadMessageBar(QWidget* parent = nullptr);

    // Shows what the end of a read calls for, given the brushes and patterns it yielded; hides
    // for a read that reached the end of a file it could read.
    void showOutcome(const ReadOutcome& outcome, size_t brushCount, size_t patternCount = 0);

    // The text for an outcome; empty when there is nothing to say.
    static QString messageFor(const ReadOutcome& outcome, size_t brushCount,
                              size_t patternCount = 0);
};
