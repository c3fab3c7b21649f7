#include "ui/window_look.h"

#include <QSettings>

namespace krizovky::ui {
namespace {

const QString kLookKey = QStringLiteral("window/look");
const QString kGeometryKey = QStringLiteral("window/modernGeometry");
const QString kModern = QStringLiteral("modern");
const QString kClassic = QStringLiteral("classic");

// An INI file under the XDG config folder, named after the program
// whatever the application's own names are.
QSettings playerSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("krizovky"),
                     QStringLiteral("krizovky"));
}

}  // namespace

WindowLook rememberedLook() {
    return playerSettings().value(kLookKey).toString() == kModern ? WindowLook::kModern
                                                                  : WindowLook::kClassic;
}

void rememberLook(WindowLook look) {
    QSettings settings = playerSettings();
    settings.setValue(kLookKey, look == WindowLook::kModern ? kModern : kClassic);
}

QByteArray rememberedGeometry() {
    return playerSettings().value(kGeometryKey).toByteArray();
}

void rememberGeometry(const QByteArray& geometry) {
    QSettings settings = playerSettings();
    settings.setValue(kGeometryKey, geometry);
}

}  // namespace krizovky::ui
