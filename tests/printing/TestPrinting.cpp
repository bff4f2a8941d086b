// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/FakePrintDialog.h"
#include "fakes/RecordingPrinterFactory.h"
#include "printing/PrintCommand.h"
#include "printing/QtPrinterFactory.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace tikkro;
using namespace Qt::StringLiterals;
using printing::PrintCommand;
using Choice = printing::PrintDialog::Choice;
using Orientation = printing::Printer::Orientation;

namespace {

// Numbered lap lines cut to exactly `length` characters, so that the last
// line usually has no line end.
QString lapStrip(qsizetype length)
{
    QString strip;
    for (int i = 1; strip.size() < length; ++i)
        strip += QStringLiteral("%1  00:00:%2.250   Lap\r\n")
                     .arg(i, 5, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0'));
    strip.truncate(length);
    return strip;
}

// Copy failingCopy fails after failAfter operations, or cannot be opened
// when failAfter is 0.
std::deque<fakes::RecordingPrinter::Document> print(const QString& strip,
                                                    std::optional<Choice> answer = Choice{},
                                                    int failingCopy = 0, int failAfter = -1)
{
    auto factory = std::make_unique<fakes::RecordingPrinterFactory>();
    factory->failingCopy = failingCopy;
    factory->failAfter = failAfter;
    const auto& documents = factory->documents;
    PrintCommand command(std::make_unique<fakes::FakePrintDialog>(answer), std::move(factory));
    command.run(nullptr, strip);
    return documents;
}

// A PDF file's pages as pdftotext reads them, in points from the page's top
// left: the lines by their bottom, each line's words by their left edge.
using Page = QMap<double, QMap<double, QString>>;

QList<Page> readPdf(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    pdftotext.waitForFinished(60000);
    QList<Page> pages;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    const auto at = [&](const char* name) { return xml.attributes().value(name).toDouble(); };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page")
            pages.append(Page());
        else if (xml.name() == u"word") {
            QString& word = pages.last()[at("yMax")][at("xMin")];
            word = xml.readElementText();
        }
    }
    return pages;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageLayout_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QString>("body"); // the lines after the header, "|" for each line end
        QTest::newRow("empty strip") << u""_s << "";
        QTest::newRow("last line without end") << u"a\r\ntyped"_s << "a|typed";
        QTest::newRow("lone LF joins") << u"ab\ncd\r\n"_s << "abcd|";
        QTest::newRow("lone CR breaks") << u"ab\rcd"_s << "ab|cd";
        const QString longStrip = lapStrip(100000);
        QTest::newRow("100,000 characters") << longStrip << QString(longStrip).replace("\r\n", "|");
    }
    void pageLayout()
    {
        QFETCH(QString, strip);
        QFETCH(QString, body);
        QStringList expected(4);
        expected << "1400 18 bold: Tikkro"
                 << "1400 14: Morvane's sophisticated Stop Watch"
                 << "1400 12: Version 1.0.32" << QString();
        for (const QString& line : body.split(u'|'))
            expected.append(line.isEmpty() ? line : "1400 12: " + line);
        const auto docs = print(strip);
        QCOMPARE(docs.size(), 1u);
        QCOMPARE(docs[0].lines, expected);
        QVERIFY(docs[0].ended);
    }

    // Every copy is a whole document; a failing printer ends the command
    // where it fails, leaving that document unended and later copies unstarted.
    void copies_data()
    {
        QTest::addColumn<std::optional<Choice>>("answer");
        QTest::addColumn<int>("failingCopy");
        QTest::addColumn<int>("failAfter");
        QTest::addColumn<QString>("ended"); // per document: + ended, - failed
        const auto three = std::optional(Choice{3, Orientation::Landscape});
        const int operations = print(lapStrip(200))[0].operations;
        QTest::newRow("3 landscape") << three << 0 << -1 << "+++";
        QTest::newRow("0 copies") << std::optional(Choice{0, {}}) << 0 << -1 << "";
        QTest::newRow("cancel") << std::optional<Choice>() << 0 << -1 << "";
        QTest::newRow("cannot open 2nd") << three << 2 << 0 << "+";
        QTest::newRow("fails in log") << three << 2 << 30 << "+-";
        QTest::newRow("fails at end doc") << three << 3 << operations - 1 << "++-";
    }
    void copies()
    {
        QFETCH(std::optional<Choice>, answer);
        QFETCH(int, failingCopy);
        QFETCH(int, failAfter);
        QFETCH(QString, ended);
        const auto docs = print(lapStrip(200), answer, failingCopy, failAfter);
        QString actual;
        for (const auto& doc : docs) {
            actual += doc.ended ? u'+' : u'-';
            QCOMPARE(doc.orientation, answer->orientation);
            if (doc.ended)
                QCOMPARE(doc.lines, docs.front().lines);
        }
        QCOMPARE(actual, ended);
    }

    // Through QPrinter into PDF files read back by pdftotext. Copies go to
    // files of their own beside the chosen one, so that none overwrites
    // another. In each, every line is at 70 pt from the printable area's left
    // edge, all lines are in order, and each page is filled before the next.
    void pdfCopies()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        const QString chosen = dir.filePath(QStringLiteral("log.v1.pdf"));
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(chosen);
        printer->setPageSize(QPageSize(QPageSize::A4));
        // Margins between screen pixels, where an origin rounded to pixels shows.
        printer->setPageMargins(QMarginsF(13, 17, 11, 19), QPageLayout::Millimeter);
        const QString strip = lapStrip(100000);
        PrintCommand(std::make_unique<fakes::FakePrintDialog>(Choice{2, Orientation::Landscape}),
                     std::make_unique<printing::QtPrinterFactory>(printer))
            .run(nullptr, strip);
        QCOMPARE(printer->outputFileName(), chosen);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{"log.v1-copy2.pdf", "log.v1.pdf"}));

        const QRectF area = printer->pageLayout().paintRect(QPageLayout::Point);
        QVERIFY(area.width() > area.height());
        QStringList expected{"Tikkro", "Morvane's sophisticated Stop Watch", "Version 1.0.32"};
        for (const QString& line : strip.split(QStringLiteral("\r\n")))
            expected.append(line.simplified());
        for (const QString& file : {chosen, dir.filePath(QStringLiteral("log.v1-copy2.pdf"))}) {
            QStringList printed;
            const QList<Page> pages = readPdf(file);
            QVERIFY(pages.size() > 1);
            for (const Page& page : pages) {
                for (const auto& words : page) {
                    printed.append(QStringList(words.values()).join(u' '));
                    QVERIFY2(std::abs(words.firstKey() - area.left() - 70) < 0.05,
                             qPrintable(printed.last()));
                }
                const QList<double> bottoms = page.keys();
                const double pitch = bottoms.last() - bottoms[bottoms.size() - 2];
                QVERIFY(bottoms.last() <= area.bottom() + 0.5);
                QVERIFY(&page == &pages.last() || area.bottom() - bottoms.last() < pitch);
            }
            QCOMPARE(printed, expected);
        }
    }

    // Where one page ends the next takes up, with no line lost or repeated.
    void secondPageTakesUpWhereTheFirstEnds()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext is not installed");
        }
        QTemporaryDir dir;
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(dir.filePath(QStringLiteral("log.pdf")));
        printer->setPageSize(QPageSize(QPageSize::A4));
        const QString strip = lapStrip(6000);
        PrintCommand(std::make_unique<fakes::FakePrintDialog>(Choice{}),
                     std::make_unique<printing::QtPrinterFactory>(printer))
            .run(nullptr, strip);
        const QList<Page> pages = readPdf(dir.filePath(QStringLiteral("log.pdf")));
        QVERIFY(pages.size() > 2);
        const QStringList lines = strip.split(QStringLiteral("\r\n"));
        const auto text = [](const QMap<double, QString>& words) {
            return QStringList(words.values()).join(u' ');
        };
        const qsizetype first = pages[0].size() - 3; // below the three header lines
        QCOMPARE(text(pages[1].first()), lines.at(first).simplified());
        QCOMPARE(text(pages[1].last()), lines.at(first + pages[1].size() - 1).simplified());
    }
};

QTEST_MAIN(TestPrinting)
#include "TestPrinting.moc"
