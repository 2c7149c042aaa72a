#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

TempFolder::TempFolder() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TempFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString name = file(relative);
    QDir().mkpath(QFileInfo(name).path());
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + name.toStdString());
    return name;
}

QString TempFolder::mkdir(const QString& relative) const {
    const QString name = file(relative);
    QDir().mkpath(name);
    return name;
}

QByteArray crlf(std::initializer_list<const char*> lines) {
    QByteArray out;
    for (const char* l : lines)
        out += QByteArray(l) + "\r\n";
    return out;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
