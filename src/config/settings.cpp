#include "config/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace config {
namespace {

// The program's own place.
QSettings ownPlace() {
    return QSettings(QStringLiteral("Listy"), QStringLiteral("Listy"));
}

// The place a QSettings without a name wrote to in earlier versions. With neither an
// organisation name nor a domain set, Qt names the organisation "Unknown Organization" and the
// application by the executable as it was started (argv[0] without its folder, as Qt takes
// it when no application name is set): <user config>/Unknown Organization/listy.conf for the
// program, the test's own name in a test. The name is taken from argv[0] here, not from
// QCoreApplication::applicationName(), so that naming the application some day does not move
// the old place.
QSettings unnamedPlace() {
    QString executable;
    if (QCoreApplication::instance())
        executable = QFileInfo(QCoreApplication::arguments().value(0)).fileName();
    return QSettings(QStringLiteral("Unknown Organization"), executable);
}

QString printerKey(const QString& printer, const char* value) {
    return QStringLiteral("drukarki/%1/%2")
        .arg(QString::fromLatin1(printer.toUtf8().toPercentEncoding()), QLatin1String(value));
}

}  // namespace

Setting<int> printerOffsetX(const QString& printer) {
    return {printerKey(printer, "przesuniecieX"), 0};
}

Setting<int> printerOffsetY(const QString& printer) {
    return {printerKey(printer, "przesuniecieY"), 0};
}

Setting<QPoint> windowPosition(const QString& window) {
    return {QStringLiteral("okna/%1/pozycja").arg(window), QPoint()};
}

Setting<QSize> windowSize(const QString& window) {
    return {QStringLiteral("okna/%1/rozmiar").arg(window), QSize()};
}

namespace detail {

QVariant stored(const QString& key, Kept kept) {
    QSettings own = ownPlace();
    QVariant value = own.value(key);
    if (value.isValid() || kept != Kept::Unnamed) return value;
    value = unnamedPlace().value(key);
    if (value.isValid()) own.setValue(key, value);
    return value;
}

void store(const QString& key, const QVariant& value) {
    ownPlace().setValue(key, value);
}

}  // namespace detail
}  // namespace config
