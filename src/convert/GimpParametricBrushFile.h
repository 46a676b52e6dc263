#pragma once
#include "brush/ComputedBrush.h"
#include <QByteArray>
#include <optional>
class GimpParametricBrushFile
{
public:
    struct Parameters
    {
        QString name;
        double spacing = 25, radius = 0, hardness = 0, aspectRatio = 1, angle = 0;
    };
    static QByteArray write(const Parameters& p)
    {
        return QByteArray("GIMP-VBR\n1.5\n") + p.name.toUtf8() + "\n";
    }
    static std::optional<Parameters> read(const QByteArray&) { return std::nullopt; }
    static Parameters fromComputed(const QString& name, const ComputedBrush::Parameters&)
    {
        Parameters p;
        p.name = name;
        return p;
    }
};
