#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSet>
#include <QString>
#include <QTranslator>

void loadTranslation(const QString &catalogue)
{
    static QSet<QString> loaded;
    if (loaded.contains(catalogue))
        return;
    loaded.insert(catalogue);
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
