#include "ui/window/PreUnmountListener.h"

#include "platform/Logging.h"

#include <QDBusArgument>
#include <QDBusVariant>
#include <QUrl>

namespace {
// Where GVfs's remote volume monitors (one daemon per kind of volume) send their news; every GIO
// program's GVolumeMonitor turns MountPreUnmount into its mount-pre-unmount signal.
const QString kMonitorPath = QStringLiteral("/org/gtk/Private/RemoteVolumeMonitor");
const QString kMonitorInterface = QStringLiteral("org.gtk.Private.RemoteVolumeMonitor");

QString FirstFileUri(const QVariant& value);

QString FirstFileUri(const QDBusArgument& argument)
{
    using Step = void (QDBusArgument::*)() const;
    // Into a container, through its contents, and out again to what follows it.
    const auto inside = [&argument](Step begin, Step end) {
        (argument.*begin)();
        QString found = FirstFileUri(argument);
        (argument.*end)();
        return found;
    };
    while (!argument.atEnd()) {
        QString found;
        switch (argument.currentType()) {
        case QDBusArgument::BasicType:
        case QDBusArgument::VariantType:
            found = FirstFileUri(argument.asVariant());
            break;
        case QDBusArgument::StructureType:
            found = inside(&QDBusArgument::beginStructure, &QDBusArgument::endStructure);
            break;
        case QDBusArgument::ArrayType:
            found = inside(&QDBusArgument::beginArray, &QDBusArgument::endArray);
            break;
        case QDBusArgument::MapType:
            found = inside(&QDBusArgument::beginMap, &QDBusArgument::endMap);
            break;
        case QDBusArgument::MapEntryType:
            found = inside(&QDBusArgument::beginMapEntry, &QDBusArgument::endMapEntry);
            break;
        case QDBusArgument::UnknownType:
            return {};
        }
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QString FirstFileUri(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QDBusArgument>())
        return FirstFileUri(value.value<QDBusArgument>());
    if (value.metaType() == QMetaType::fromType<QDBusVariant>())
        return FirstFileUri(value.value<QDBusVariant>().variant());
    if (value.metaType() == QMetaType::fromType<QStringList>()) {
        for (const QString& string : value.toStringList())
            if (string.startsWith(QLatin1String("file://")))
                return string;
        return {};
    }
    if (value.metaType() == QMetaType::fromType<QString>() &&
        value.toString().startsWith(QLatin1String("file://")))
        return value.toString();
    return {};
}
} // namespace

bool PreUnmountListener::listen(QDBusConnection bus)
{
    if (!bus.isConnected())
        return false;
    // Any sender: the signal comes from whichever monitor daemon holds the drive.
    return bus.connect(QString(), kMonitorPath, kMonitorInterface,
                       QStringLiteral("MountPreUnmount"), this,
                       SLOT(mountPreUnmount(QDBusMessage)));
}

QString PreUnmountListener::mountPointFromArguments(const QList<QVariant>& arguments)
{
    for (const QVariant& argument : arguments) {
        const QString uri = FirstFileUri(argument);
        if (!uri.isEmpty())
            return QUrl(uri).toLocalFile();
    }
    return {};
}

void PreUnmountListener::mountPreUnmount(const QDBusMessage& message)
{
    const QString mountPoint = mountPointFromArguments(message.arguments());
    if (mountPoint.isEmpty())
        return;
    qCInfo(lcDiscovery, "Letting go of %s: it is about to be unmounted",
           qUtf8Printable(mountPoint));
    Q_EMIT aboutToUnmount(mountPoint);
}
