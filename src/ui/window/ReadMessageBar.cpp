#include "ui/window/ReadMessageBar.h"

#include "abr/ReadErrorText.h"

ReadMessageBar::ReadMessageBar(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("readMessage"));
    setWordWrap(false);
    setTextFormat(Qt::PlainText);
    setContentsMargins(8, 4, 8, 4);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    hide();
}

QString ReadMessageBar::messageFor(const ReadOutcome& outcome, size_t brushCount,
                                   size_t patternCount)
{
    if (outcome.notABrushFile())
        return tr("Not a brush file");
    if (outcome.unsupportedVersion)
        return tr("Not a brush file Kelbrin can read (version %1)")
            .arg(*outcome.unsupportedVersion);
    if (!outcome.failed())
        return QString();
    if (patternCount > 0)
        return tr("This file is damaged: %1 and %2 could be read")
            .arg(tr("%Ln brush(es)", nullptr, int(brushCount)),
                 tr("%Ln pattern(s)", nullptr, int(patternCount)));
    if (brushCount > 0)
        return tr("This file is damaged: %Ln brush(es) could be read", nullptr, int(brushCount));
    QString text = outcome.outOfMemory ? tr("not enough memory to read this file")
                                       : ReadErrorText(*outcome.error);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

void ReadMessageBar::showOutcome(const ReadOutcome& outcome, size_t brushCount, size_t patternCount)
{
    const QString text = messageFor(outcome, brushCount, patternCount);
    setText(text);
    setVisible(!text.isEmpty());
}
