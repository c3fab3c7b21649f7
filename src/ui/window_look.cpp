#include "ui/window_look.h"

#include <QSettings>

namespace krizovky::ui {
namespace {

const QString kLookKey = QStringLiteral("window/look");
const QString kGeometryKey = QStringLiteral("window/modernGeometry");
const QString kModern = QStringLiteral("modern");
const QString kClassic = QStringLiteral("classic");
const QString kColoursKey = QStringLiteral("board/colours");
const QString kRunHighlightKey = QStringLiteral("board/runHighlight");
const QString kDigitPadKey = QStringLiteral("board/digitPad");
// The schemes in the settings file, in the order of ColourScheme.
const QString kSchemeKeys[] = {QStringLiteral("classic"), QStringLiteral("colourblind"),
                               QStringLiteral("dark")};

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

DisplayOptions rememberedDisplay() {
    const QSettings settings = playerSettings();
    DisplayOptions options;
    const QString colours = settings.value(kColoursKey).toString();
    for (const ColourScheme scheme : kColourSchemes)
        if (colours == kSchemeKeys[static_cast<int>(scheme)]) options.colours = scheme;
    options.runHighlight = settings.value(kRunHighlightKey, options.runHighlight).toBool();
    options.digitPad = settings.value(kDigitPadKey, options.digitPad).toBool();
    return options;
}

void rememberDisplay(const DisplayOptions& options) {
    QSettings settings = playerSettings();
    if (options.colours)
        settings.setValue(kColoursKey, kSchemeKeys[static_cast<int>(*options.colours)]);
    else
        settings.remove(kColoursKey);
    settings.setValue(kRunHighlightKey, options.runHighlight);
    settings.setValue(kDigitPadKey, options.digitPad);
}

QByteArray rememberedGeometry() {
    return playerSettings().value(kGeometryKey).toByteArray();
}

void rememberGeometry(const QByteArray& geometry) {
    QSettings settings = playerSettings();
    settings.setValue(kGeometryKey, geometry);
}

}  // namespace krizovky::ui
