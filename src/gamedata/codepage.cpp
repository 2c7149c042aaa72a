#include "codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zantrel {

namespace {

const QString kWestern = QStringLiteral("windows-1252");

} // namespace

QString codePageOfLanguage(const QString& language) {
    const QString l = language.trimmed().toLower();
    if (l == QLatin1String("russian"))
        return QStringLiteral("windows-1251");
    if (l == QLatin1String("polish") || l == QLatin1String("czech"))
        return QStringLiteral("windows-1250");
    return kWestern;
}

QStringList availableCodePages() {
    return {QStringLiteral("windows-1250"),
            QStringLiteral("windows-1251"),
            kWestern,
            QStringLiteral("windows-1253"),
            QStringLiteral("windows-1254"),
            QStringLiteral("windows-1257"),
            QStringLiteral("ibm866"),
            QStringLiteral("koi8-r")};
}

bool isKnownCodePage(const QString& name) {
    return !name.trimmed().isEmpty() && QStringDecoder(name.trimmed().toLatin1()).isValid();
}

QString codePageFor(const QString& language, const QString& setting) {
    return isKnownCodePage(setting) ? setting.trimmed().toLower() : codePageOfLanguage(language);
}

QString decodeText(const QByteArray& bytes, const QString& codePage) {
    return TextDecoder(codePage)(bytes);
}

TextDecoder::TextDecoder(const QString& codePage)
    : m_decoder(codePage.toLatin1(), QStringConverter::Flag::Stateless) {}

QString TextDecoder::operator()(const QByteArray& bytes) {
    if (!m_decoder.isValid())
        return QString::fromLatin1(bytes);
    return m_decoder(bytes);
}

std::optional<QByteArray> encodeText(const QString& text, const QString& codePage) {
    QStringEncoder encoder(codePage.toLatin1(), QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInvalidToNull);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace zantrel
