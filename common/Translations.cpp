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
constexpr char kEnglish[] = "en";

QString CatalogFile(const QString& Language) {
    return QStringLiteral("%1/morvane_%2.qm").arg(QLatin1String(kCatalogFolder), Language);
}

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

// The catalog for one of the user's languages: its locale's name
// ("pt_BR"), or its language alone ("de" for "de-AT"); empty when the
// program has none.
QString CatalogFor(const QString& Language) {
    const QString Name = QLocale(Language).name();
    for (const QString& Candidate : {Name, Name.section(u'_', 0, 0)})
        if (QFileInfo::exists(CatalogFile(Candidate)))
            return Candidate;
    return {};
}

} // namespace

QStringList UserLanguages() {
    // The C locale takes no more work than reading the three variables.
    if (MessagesLocaleIsC())
        return {};
    return QLocale::system().uiLanguages();
}

QString LoadTranslations(const QStringList& Languages) {
    TInstalled& I = Installed();
    if (!I.English) {
        // The English texts' plural forms ("%n year(s)"), beneath every
        // other catalog.
        I.English = new QTranslator(QCoreApplication::instance());
        if (I.English->load(CatalogFile(QLatin1String(kEnglish))))
            Install(I.English);
    }
    Remove(I.Qt);
    Remove(I.Program);
    for (const QString& Language : Languages) {
        const QString Catalog = CatalogFor(Language);
        if (Catalog.isEmpty())
            continue;
        if (Catalog == QLatin1String(kEnglish))
            break;
        I.Program = new QTranslator(QCoreApplication::instance());
        if (!I.Program->load(CatalogFile(Catalog))) {
            delete I.Program.data();
            break;
        }
        Install(I.Program);
        // Qt's own texts (the OK button, the edit menu) in the same
        // language; where Qt has none, they stay English.
        if (!QCoreApplication::instance())
            return Catalog;
        I.Qt = new QTranslator(QCoreApplication::instance());
        if (I.Qt->load(QStringLiteral("qtbase_") + Catalog,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            Install(I.Qt);
        else
            delete I.Qt.data();
        return Catalog;
    }
    return QLatin1String(kEnglish);
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
    const QStringList Files =
        QDir(QLatin1String(kCatalogFolder))
            .entryList({QStringLiteral("morvane_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& File : Files) {
        const QString Language = File.mid(8, File.size() - 8 - 3);
        if (Language != QLatin1String(kEnglish))
            Languages += Language;
    }
    return Languages;
}
