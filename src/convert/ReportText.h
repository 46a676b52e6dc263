#pragma once

#include "convert/BrushPack.h"

#include <QString>

// A conversion's report (what changed of a brush, how a setting was carried) is made in
// English, which `kelbrin-cli convert --json` prints for scripts, and is put into the user's
// language only where a person reads it. Its texts are marked where they are made, fixed ones
// with QT_TRANSLATE_NOOP("PackReport", …) alone, those with values through ReportText:
//     what << ReportText(QT_TRANSLATE_NOOP("PackReport", "name shortened to %1 bytes")).arg(n);

// source as a QString. A text with placeholders is remembered, so that ShownReportText can
// find the values put into it and put them into its translation.
QString ReportText(const char* source);

// A report's text in the user's language: a marked text, or several joined by "; ", with the
// values put into them translated too where they are words of the report, of Photoshop's panel
// or of its blend modes, and numbers written as the user's language writes them. What is no
// marked text stays as it is.
QString ShownReportText(const QString& english);
// Several of them (what changed of a brush), each shown, in one line.
QString ShownReportTexts(const QStringList& english);

// BrushPack::countsText() in the user's language: "37 Pinsel, 5 geändert, …".
QString ShownCountsText(const BrushPack& pack);
// OutcomeName() and FateName() in the user's language.
QString ShownOutcomeName(PackedBrush::Outcome outcome);
QString ShownFateName(SettingFate::Fate fate);
// SettingFateText() in the user's language.
QString ShownSettingFateText(const SettingFate& setting);
