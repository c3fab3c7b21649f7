#include "ui/text_convert.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace krizovky::ui {
namespace {

constexpr const char* kCodePage = "windows-1250";

}  // namespace

bool cp1250Available() {
    return QStringDecoder(kCodePage).isValid();
}

QString fromCp1250(std::string_view bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decoder(kCodePage);
    if (!decoder.isValid()) return QString::fromLatin1(view);
    return decoder.decode(view);
}

std::string toCp1250(const QString& text) {
    // No text of the game holds a NUL, so a NUL can only be a character that
    // the code page lacks.
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::ConvertInvalidToNull);
    QByteArray bytes = encoder.isValid() ? encoder.encode(text) : text.toLatin1();
    bytes.replace('\0', '?');
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromNativePath(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string toNativePath(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace krizovky::ui
