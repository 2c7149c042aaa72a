#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <optional>

namespace zantrel {

// The code page the game's texts of a language are written in: Windows-1251 for russian,
// Windows-1250 for polish and czech, Windows-1252 for every other language (english,
// french, german, italian, spanish ...). The name is one Qt's converters know.
QString codePageOfLanguage(const QString& language);
// The code page in force: the setting's when it names one Qt can convert, else the
// language's.
QString codePageFor(const QString& language, const QString& setting);
// The code pages a setting may choose, for the settings window.
QStringList availableCodePages();
bool isKnownCodePage(const QString& name);

// Bytes of the code page as text (a byte it leaves undefined as the control character of
// that number).
QString decodeText(const QByteArray& bytes, const QString& codePage);

// decodeText for many texts of one code page: the converter is looked up once (a lookup
// costs more than decoding a name).
class TextDecoder {
public:
    explicit TextDecoder(const QString& codePage);
    QString operator()(const QByteArray& bytes);

private:
    QStringDecoder m_decoder;
};
// Text as bytes of the code page; nothing when it holds a character the code page cannot.
std::optional<QByteArray> encodeText(const QString& text, const QString& codePage);

} // namespace zantrel
