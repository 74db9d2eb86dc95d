// SPDX-License-Identifier: GPL-3.0-or-later
// The installed files against each other and against the program: names and
// ids that must agree, the rendered icon sizes, the screenshots the metainfo
// points at.
#include "shell/runtime.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>

using namespace kolomaf;

namespace {

const QString appId = QStringLiteral(KOLOMAF_APP_ID);
const QString sourceDir = QStringLiteral(KOLOMAF_SOURCE_DIR);

QString distFile(const QString &suffix)
{
    return sourceDir + QStringLiteral("/dist/") + appId + suffix;
}

// The [Desktop Entry] group; empty when the file does not start with it.
QHash<QString, QString> readDesktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!inEntry && line != QLatin1String("[Desktop Entry]"))
                return {};
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inEntry && eq > 0)
            keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return keys;
}

struct Screenshot
{
    QString url;
    int width = 0, height = 0;
    bool isDefault = false;
    QStringList captionLangs;
};

struct Metainfo
{
    QString id, name, launchable, binary, homepage, firstRelease, firstReleaseDate;
    QStringList categories;
    QList<Screenshot> screenshots;
    int requiredShortest = 0, requiredLongest = 0;
    QString error;
};

Metainfo readMetainfo(const QString &path)
{
    Metainfo m;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        m.error = QStringLiteral("cannot open ") + path;
        return m;
    }
    QXmlStreamReader xml(&f);
    QStringList open;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement())
            open.removeLast();
        if (!xml.isStartElement())
            continue;
        const QString tag = xml.name().toString();
        const QString parent = open.isEmpty() ? QString() : open.last();
        const bool translated = xml.attributes().hasAttribute(QStringLiteral("xml:lang"));
        const auto attr = [&](const char *a) { return xml.attributes().value(QLatin1String(a)).toString(); };
        open.append(tag);
        if (parent == QLatin1String("component") && !translated) {
            if (tag == QLatin1String("id"))
                m.id = xml.readElementText();
            else if (tag == QLatin1String("name"))
                m.name = xml.readElementText();
            else if (tag == QLatin1String("launchable"))
                m.launchable = xml.readElementText();
            else if (tag == QLatin1String("url") && attr("type") == QLatin1String("homepage"))
                m.homepage = xml.readElementText();
            if (xml.isEndElement())
                open.removeLast();
        } else if (tag == QLatin1String("category")) {
            m.categories.append(xml.readElementText());
            open.removeLast();
        } else if (tag == QLatin1String("binary") && parent == QLatin1String("provides")) {
            m.binary = xml.readElementText();
            open.removeLast();
        } else if (tag == QLatin1String("release") && m.firstRelease.isEmpty()) {
            m.firstRelease = attr("version");
            m.firstReleaseDate = attr("date");
        } else if (tag == QLatin1String("screenshot")) {
            m.screenshots.append(Screenshot {});
            m.screenshots.last().isDefault = attr("type") == QLatin1String("default");
        } else if (tag == QLatin1String("caption") && !m.screenshots.isEmpty()) {
            m.screenshots.last().captionLangs.append(translated ? attr("xml:lang") : QStringLiteral("C"));
        } else if (tag == QLatin1String("image") && !m.screenshots.isEmpty()) {
            Screenshot &s = m.screenshots.last();
            s.width = attr("width").toInt();
            s.height = attr("height").toInt();
            s.url = xml.readElementText();
            open.removeLast();
        } else if (tag == QLatin1String("display_length") && parent == QLatin1String("requires")) {
            const bool longest = attr("side") == QLatin1String("longest");
            const int value = xml.readElementText().toInt();
            open.removeLast();
            (longest ? m.requiredLongest : m.requiredShortest) = value;
        }
    }
    if (xml.hasError())
        m.error = xml.errorString();
    return m;
}

} // namespace

class TestDist : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconSizes_data()
    {
        QTest::addColumn<int>("size");
        const QStringList sizes = QStringLiteral(KOLOMAF_ICON_SIZES).split(QLatin1Char(','));
        QVERIFY(sizes.size() >= 2);
        for (const QString &s : sizes)
            QTest::newRow(qPrintable(s)) << s.toInt();
    }

    void iconSizes()
    {
        QFETCH(int, size);
        const QString path = QStringLiteral(KOLOMAF_ICON_DIR "/%1x%1/apps/").arg(size) + appId + ".png";
        QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        // Above the board the icon is see-through, so the theme's background shows.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, 0)), 0);
        // Below the three coloured blocks lies the green of the board.
        const QRgb green = icon.pixel(size / 2, size * 7 / 10);
        QCOMPARE(qAlpha(green), 255);
        QVERIFY2(qAbs(qRed(green) - 0x2f) < 24 && qAbs(qGreen(green) - 0x8f) < 24 && qAbs(qBlue(green) - 0x5b) < 24,
            qPrintable(QColor(green).name()));
    }

    void scalableIconIsSquare()
    {
        QSvgRenderer svg(sourceDir + QStringLiteral("/assets/kolomaf.svg"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBoxF().width(), svg.viewBoxF().height());
    }

    // The desktop file names the icon, the program and the window class the
    // program really has, so launchers and task bars find each other.
    void desktopEntryMatchesProgram()
    {
        const QHash<QString, QString> entry = readDesktopEntry(distFile(QStringLiteral(".desktop")));
        QVERIFY(!entry.isEmpty());
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Icon")), appId);
        QCOMPARE(entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0),
            QStringLiteral(KOLOMAF_EXECUTABLE));

        Runtime::prepareApplication();
        // Qt's X11 window class is the application name, its Wayland app id
        // the desktop file name.
        QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), QCoreApplication::applicationName());
        QCOMPARE(QGuiApplication::desktopFileName(), appId);

        for (const char *key : {"GenericName", "Comment", "Keywords"}) {
            QVERIFY2(!entry.value(QLatin1String(key)).isEmpty(), key);
            QVERIFY2(!entry.value(QLatin1String(key) + QStringLiteral("[nl]")).isEmpty(), key);
        }
    }

    void metainfoMatchesDesktopEntry()
    {
        const Metainfo m = readMetainfo(distFile(QStringLiteral(".metainfo.xml")));
        QVERIFY2(m.error.isEmpty(), qPrintable(m.error));
        const QHash<QString, QString> entry = readDesktopEntry(distFile(QStringLiteral(".desktop")));
        QCOMPARE(m.id, appId);
        QCOMPARE(m.launchable, appId + QStringLiteral(".desktop"));
        QCOMPARE(m.name, entry.value(QStringLiteral("Name")));
        QCOMPARE(m.binary, QStringLiteral(KOLOMAF_EXECUTABLE));
        QVERIFY(!m.categories.isEmpty());
        const QStringList desktopCategories = entry.value(QStringLiteral("Categories")).split(QLatin1Char(';'));
        for (const QString &c : m.categories)
            QVERIFY2(desktopCategories.contains(c), qPrintable(c));
    }

    // The newest release in the metainfo is the version being built.
    void metainfoNamesThisRelease()
    {
        const Metainfo m = readMetainfo(distFile(QStringLiteral(".metainfo.xml")));
        QCOMPARE(m.firstRelease, QStringLiteral(KOLOMAF_VERSION));
    }

    // The package's changelog starts with the same release, on the same day.
    void changelogNamesThisRelease()
    {
        QFile f(sourceDir + QStringLiteral("/dist/changelog"));
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.first().startsWith(QStringLiteral("kolomaf (" KOLOMAF_VERSION ") ")), qPrintable(lines.first()));
        const auto signature = std::find_if(
            lines.begin(), lines.end(), [](const QString &l) { return l.startsWith(QLatin1String(" -- ")); });
        QVERIFY(signature != lines.end());
        const QString stamp = signature->section(QStringLiteral("  "), 1).trimmed();
        const QDateTime when = QDateTime::fromString(stamp, Qt::RFC2822Date);
        QVERIFY2(when.isValid(), qPrintable(stamp));
        const Metainfo m = readMetainfo(distFile(QStringLiteral(".metainfo.xml")));
        QCOMPARE(when.date().toString(Qt::ISODate), m.firstReleaseDate);
    }

    // Every screenshot is one of docs/screenshots, at its real size, with a
    // caption in English and in Dutch.
    void metainfoScreenshotsExist()
    {
        const Metainfo m = readMetainfo(distFile(QStringLiteral(".metainfo.xml")));
        QVERIFY(m.screenshots.size() >= 3);
        int defaults = 0;
        for (const Screenshot &s : m.screenshots) {
            defaults += s.isDefault;
            QVERIFY2(s.url.startsWith(m.homepage + QStringLiteral("/screenshots/")), qPrintable(s.url));
            const QString file = sourceDir + QStringLiteral("/docs/screenshots/") + s.url.section(QLatin1Char('/'), -1);
            const QImage shot(file);
            QVERIFY2(!shot.isNull(), qPrintable(file));
            QCOMPARE(QSize(s.width, s.height), shot.size());
            QCOMPARE(s.captionLangs, QStringList({QStringLiteral("C"), QStringLiteral("nl")}));
        }
        QCOMPARE(defaults, 1);
    }

    // docs/screenshots holds every screen; the display the metainfo asks for
    // must hold the largest of them.
    void requiredDisplayHoldsEveryScreen()
    {
        const Metainfo m = readMetainfo(distFile(QStringLiteral(".metainfo.xml")));
        QSize largest;
        const QDir shots(sourceDir + QStringLiteral("/docs/screenshots"));
        const QStringList files = shots.entryList({QStringLiteral("*.png")});
        QVERIFY(files.size() > 10);
        for (const QString &f : files)
            largest = largest.expandedTo(QImage(shots.filePath(f)).size());
        QVERIFY2(m.requiredShortest >= largest.height(), qPrintable(QString::number(largest.height())));
        QVERIFY2(m.requiredLongest >= largest.width(), qPrintable(QString::number(largest.width())));
    }
};

QTEST_MAIN(TestDist)
#include "tst_dist.moc"
