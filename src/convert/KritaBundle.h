#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>
class KritaBundle
{
public:
    struct Resource
    {
        QString mediaType;
        QString fileName;
        QByteArray bytes;
    };
    struct Contents
    {
        QString title;
        QString description;
        QImage preview;
        std::vector<Resource> resources;
    };
    static bool write(const QString& path, const Contents&, QString* error)
    {
        *error = "stub";
        (void)path;
        return false;
    }
    static std::optional<Contents> read(const QString&) { return std::nullopt; }
};
