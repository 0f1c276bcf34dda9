#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

constexpr char kCatalogFolder[] = ":/i18n";
constexpr char kCatalogName[] = "morvane";
constexpr char kEnglish[] = "en";

// The catalogs loaded: owned by the application object and installed there
// when there is one, else kept for Translate alone.
struct TInstalled {
    QPointer<QTranslator> English;
    QPointer<QTranslator> Program;
    QPointer<QTranslator> Qt;
};

TInstalled& Installed() {
    static TInstalled I;
    return I;
}

void Remove(QPointer<QTranslator>& Translator) {
    if (Translator) {
        if (QCoreApplication::instance())
            QCoreApplication::removeTranslator(Translator);
        delete Translator.data();
    }
}

// Makes Translator's texts those of tr() and QCoreApplication::translate,
// when there is an application object to install it in.
void Install(QTranslator* Translator) {
    if (QCoreApplication::instance())
        QCoreApplication::installTranslator(Translator);
}

} // namespace

QStringList UserLanguages() {
    // The C locale takes no more work than reading the three variables.
    if (MessagesLocaleIsC())
        return {};
    return QLocale::system().uiLanguages();
}

QString LoadProgramCatalog(QTranslator& Catalog, const QStringList& Languages) {
    for (const QString& Language : Languages) {
        // The toolkit finds the catalog for the language's locale, trying
        // its region, script and language in turn ("de_AT", then "de").
        if (Catalog.load(QLocale(Language), QLatin1String(kCatalogName), QStringLiteral("_"),
                         QLatin1String(kCatalogFolder)))
            return Catalog.language();
    }
    return QLatin1String(kEnglish);
}

QString LoadTranslations(const QStringList& Languages) {
    TInstalled& I = Installed();
    if (!I.English) {
        // The English texts' plural forms ("%n year(s)"), beneath every
        // other catalog.
        I.English = new QTranslator(QCoreApplication::instance());
        if (I.English->load(QLatin1String(kCatalogName) + u'_' + QLatin1String(kEnglish),
                            QLatin1String(kCatalogFolder)))
            Install(I.English);
    }
    Remove(I.Qt);
    Remove(I.Program);
    auto* Program = new QTranslator(QCoreApplication::instance());
    const QString Catalog = LoadProgramCatalog(*Program, Languages);
    if (Catalog == QLatin1String(kEnglish)) {
        delete Program; // the English base, already beneath
        return Catalog;
    }
    I.Program = Program;
    Install(Program);
    // Qt's own texts (the OK button, the edit menu) in the same language;
    // where Qt has none, they stay English.
    if (!QCoreApplication::instance())
        return Catalog;
    I.Qt = new QTranslator(QCoreApplication::instance());
    if (I.Qt->load(QLocale(Catalog), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        Install(I.Qt);
    else
        delete I.Qt.data();
    return Catalog;
}

QString Translate(const char* Context, const char* Source, const char* Comment, int N) {
    if (QCoreApplication::instance())
        return QCoreApplication::translate(Context, Source, Comment, N);
    // The catalogs in the order the application object would ask them: the
    // last installed first.
    const TInstalled& I = Installed();
    QString Text;
    for (const QTranslator* Catalog : {I.Program.data(), I.English.data()})
        if (Catalog && !(Text = Catalog->translate(Context, Source, Comment, N)).isNull())
            break;
    if (Text.isNull())
        Text = QString::fromUtf8(Source);
    if (N >= 0)
        Text.replace(QLatin1String("%n"), QString::number(N))
            .replace(QLatin1String("%Ln"), QLocale().toString(N));
    return Text;
}

QStringList ShippedLanguages() {
    QStringList Languages;
    const QFileInfoList Files =
        QDir(QLatin1String(kCatalogFolder))
            .entryInfoList({QLatin1String(kCatalogName) + QStringLiteral("_*.qm")}, QDir::Files,
                           QDir::Name);
    for (const QFileInfo& File : Files) {
        // "morvane_pt_BR.qm" is the catalog of "pt_BR".
        const QString Language = File.completeBaseName().section(u'_', 1);
        if (Language != QLatin1String(kEnglish))
            Languages += Language;
    }
    return Languages;
}
