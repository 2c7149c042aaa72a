#include "prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace zantrel {

void QtPrompter::error(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

bool QtPrompter::confirm(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

bool QtPrompter::question(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

QString QtPrompter::openFile(QWidget* parent, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), folder, qtFilter(filter));
}

QString QtPrompter::saveFile(QWidget* parent, const QString& preset, const QString& filter,
                             const QString& suffix) {
    QFileDialog dialog(parent, QString(), preset, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(preset);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtPrompter::folder(QWidget* parent, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start);
}

QString askGameFolder(Prompter& prompter, QWidget* parent) {
    const QString start = QDir::toNativeSeparators(
        QDir::cleanPath(QDir::current().absoluteFilePath(QStringLiteral(".."))));
    return prompter.folder(
        parent, QCoreApplication::translate("zantrel::Prompter", "Select Your Fallout Directory:"),
        start);
}

QString qtFilter(const QString& delphiStyle) {
    const QStringList parts = delphiStyle.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& name = parts[i];
        filters << (name.contains(QLatin1Char('('))
                        ? name
                        : name + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace zantrel
