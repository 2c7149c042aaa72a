#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zantrel {

namespace {

const char* const kTranslatorName = "zantrel-translator";

QTranslator* loaded(QCoreApplication& app, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(file, folder)) {
        delete translator;
        return nullptr;
    }
    translator->setObjectName(QLatin1String(kTranslatorName));
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

bool installLanguage(QCoreApplication& app, const QString& code) {
    if (code.isEmpty())
        return false;
    // The build compiles the program's translations into its resources.
    if (!loaded(app, QStringLiteral("zantrel_") + code, QStringLiteral(":/i18n")))
        return false;
    loaded(app, QStringLiteral("qtbase_") + code,
           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

void removeLanguage(QCoreApplication& app) {
    for (QTranslator* t : app.findChildren<QTranslator*>(QLatin1String(kTranslatorName),
                                                         Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

} // namespace zantrel
