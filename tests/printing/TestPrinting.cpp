// SPDX-License-Identifier: GPL-3.0-or-later
#include "Version.h"
#include "fakes/FakePrintDialog.h"
#include "fakes/RecordingPrinterFactory.h"
#include "printing/PrintCommand.h"
#include "printing/QtPrinterFactory.h"

#include "TestSupport.h"

#include <QPrinter>
#include <sys/resource.h>

using namespace tikkro;
using namespace Qt::StringLiterals;
using printing::PrintCommand;
using Choice = printing::PrintDialog::Choice;
using Orientation = printing::Printer::Orientation;
using Failure = printing::Printer::Failure;
using Layout = printing::PrintLayout;

namespace {

// Numbered lap lines cut to exactly `length` characters, so that the last
// line usually has no line end.
QString lapStrip(qsizetype length)
{
    QString strip;
    for (int i = 1; strip.size() < length; ++i) {
        strip += QStringLiteral("%1  00:00:%2.250   Lap\n")
                     .arg(i, 5, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0'));
    }
    strip.truncate(length);
    return strip;
}

// A page as "<font><baseline> <text>" lines joined by "|", fonts by their
// initial (Title, Subtitle, Body).
QString render(const Layout::Page& page)
{
    QStringList lines;
    for (const Layout::Line& line : page) {
        const char font = "PTSB"[static_cast<int>(line.font)];
        lines.append(
            QStringLiteral("%1%2 %3").arg(QLatin1Char(font)).arg(line.baseline).arg(line.text));
    }
    return lines.join(u'|');
}

// A PDF file's pages as pdftotext reads them, in points from the page's top
// left: the lines by their bottom, each line's words by their left edge.
using Page = QMap<double, QMap<double, QString>>;

QList<Page> readPdf(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, file, u"-"_s});
    pdftotext.waitForFinished(60000);
    QList<Page> pages;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    const auto at = [&](const char* name) { return xml.attributes().value(name).toDouble(); };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"page") {
            pages.append(Page());
        } else if (xml.isStartElement() && xml.name() == u"word") {
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
    // Under four lines of the printer's font, the header, then an empty
    // line and the strip; a line that would cross the foot starts the next
    // page at its top, and empty lines past the foot are not carried over.
    void pageLayout_data()
    {
        addColumns<QString, double, QStringList>({"strip", "pageHeight", "pages"});
        const QString header =
            u"T24 Tikkro|S31 Morvane's sophisticated Stop Watch|B36 "_s + version::label;
        QTest::newRow("empty strip") << u""_s << 200.0 << QStringList{header};
        QTest::newRow("last line without end")
            << u"a\ntyped"_s << 200.0 << QStringList{header + "|B46 a|B51 typed"};
        QTest::newRow("line end at the end") << u"a\n"_s << 200.0 << QStringList{header + "|B46 a"};
        QTest::newRow("last line on the foot")
            << u"1\n2\n3"_s << 57.0 << QStringList{header + "|B46 1|B51 2|B56 3"};
        QTest::newRow("second page") << u"1\n2\n3\n\n\n\n5\n6"_s << 60.0
                                     << QStringList{header + "|B46 1|B51 2|B56 3", u"B4 5|B9 6"_s};
    }
    void pageLayout()
    {
        QFETCH(QString, strip);
        QFETCH(double, pageHeight);
        QFETCH(QStringList, pages);
        const Layout::Metrics metrics{pageHeight, {3, 4}, {8, 10}, {5, 6}, {4, 5}};
        QStringList rendered;
        for (const Layout::Page& page : Layout::pages(strip, metrics)) {
            rendered.append(render(page));
        }
        QCOMPARE(rendered, pages);
    }

    // Every copy is a whole document; a failing printer ends the command
    // where it fails, leaving that document unended, later copies unstarted
    // and one warning naming the printer or file and the failed step.
    void copies_data()
    {
        // documents: as the recording printers write them
        addColumns<std::optional<Choice>, int, Failure, QString, QString, QString>(
            {"answer", "failingCopy", "failure", "documents", "warning", "loadFailure"});
        const auto three = std::optional(Choice{3, Orientation::Landscape});
        const Failure none = Failure::None;
        QTest::newRow("3 landscape") << three << 0 << none << u"L+L+L+"_s << u""_s << u""_s;
        QTest::newRow("cancel") << std::optional<Choice>() << 0 << none << u""_s << u""_s << u""_s;
        const QString stopped = u"\n\nPrinting stopped at copy %1 of 3."_s;
        QTest::newRow("cannot open 2nd")
            << three << 2 << Failure::CannotOpen << "L+L-"
            << "The printer \"Office\" could not be opened." + stopped.arg(2) << "";
        QTest::newRow("error state in the 1st")
            << three << 1 << Failure::ErrorState << "L-"
            << "The printer \"Office\" reported an error." + stopped.arg(1) << "";
        QTest::newRow("module missing")
            << three << 0 << none << u""_s
            << u"Printing is not possible: its module could not be loaded.\n\nGone"_s << u"Gone"_s;
    }
    void copies()
    {
        QFETCH(std::optional<Choice>, answer);
        QFETCH(int, failingCopy);
        QFETCH(Failure, failure);
        auto factory = std::make_unique<fakes::RecordingPrinterFactory>();
        factory->failingCopy = failingCopy;
        factory->failure = failure;
        const QString& documents = factory->documents;
        QFETCH(QString, loadFailure);
        PrintCommand command([&] {
            return PrintCommand::Printing{std::make_unique<fakes::FakePrintDialog>(answer),
                                          loadFailure.isEmpty() ? std::move(factory) : nullptr,
                                          loadFailure};
        });
        QTEST(command.run(nullptr, lapStrip(2000)).value_or(QString()), "warning");
        QTEST(documents, "documents");
    }

    // Through QPrinter into PDF files. Copies go to files of their own
    // beside the chosen one, so that none overwrites another. A file that
    // cannot be written whole is not left behind in part, under its own name
    // or a copy's, and the warning names it and the reason.
    void pdfFiles_data()
    {
        addColumns<QString, bool, int, QString, QStringList>(
            {"folder", "fullDisk", "stripLength", "warning", "files"});
        QTest::newRow("two copies")
            << "." << false << 100000 << QString() << QStringList{"log.v1-copy2.pdf", "log.v1.pdf"};
        QTest::newRow("missing folder")
            << "missing" << false << 200 << "could not be created." << QStringList();
        QTest::newRow("disk full in the middle")
            << "." << true << 100000 << "File too large" << QStringList();
        // The whole document fits in the file's buffer; only writing it out
        // at the end meets the limit.
        QTest::newRow("disk full at the end")
            << "." << true << 0 << "File too large" << QStringList();
    }
    void pdfFiles()
    {
        QFETCH(QString, folder);
        QFETCH(bool, fullDisk);
        QFETCH(int, stripLength);
        QFETCH(QString, warning);
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        const QString chosen = QDir::cleanPath(dir.filePath(folder) + u"/log.v1.pdf"_s);
        const auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(chosen);
        printer->setPageSize(QPageSize(QPageSize::A4));
        // Margins between screen pixels, where an origin rounded to pixels shows.
        printer->setPageMargins(QMarginsF(13, 17, 11, 19), QPageLayout::Millimeter);
        const QString strip = lapStrip(stripLength);
        // Files may grow to one page of the disk only, which fails a write as
        // a full disk does, for the superuser too.
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        QString text;
        {
            const auto signal = std::signal(SIGXFSZ, SIG_IGN);
            const auto restore = qScopeGuard([&] {
                ::setrlimit(RLIMIT_FSIZE, &saved);
                std::signal(SIGXFSZ, signal);
            });
            const rlimit small{4096, saved.rlim_max};
            QVERIFY(!fullDisk || ::setrlimit(RLIMIT_FSIZE, &small) == 0);
            text = PrintCommand(
                       std::make_unique<fakes::FakePrintDialog>(Choice{2, Orientation::Landscape}),
                       std::make_unique<printing::QtPrinterFactory>(printer))
                       .run(nullptr, strip)
                       .value_or(QString());
        }
        QVERIFY2(warning.isEmpty()
                     ? text.isEmpty()
                     : text.startsWith("The file \"" + chosen + '"') && text.contains(warning) &&
                           text.endsWith(u"Printing stopped at copy 1 of 2."_s),
                 qPrintable(text));
        QCOMPARE(printer->outputFileName(), chosen);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
        if (files.isEmpty() || QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            return;
        }

        // Read back, every line is at the layout's indent from the printable
        // area's left edge, all lines are in order, and each page is filled
        // before the next.
        QPageLayout layout = printer->pageLayout();
        layout.setOrientation(QPageLayout::Landscape);
        const QRectF area = layout.paintRect(QPageLayout::Point);
        QStringList expected{"Tikkro", "Morvane's sophisticated Stop Watch", version::label};
        for (const QString& line : strip.split(u'\n')) {
            expected.append(line.simplified());
        }
        for (const QString& file : files) {
            QStringList printed;
            const QList<Page> pages = readPdf(dir.filePath(file));
            QVERIFY(pages.size() > 1);
            for (const Page& page : pages) {
                for (const auto& words : page) {
                    printed.append(QStringList(words.values()).join(u' '));
                    QVERIFY2(std::abs(words.firstKey() - area.left() -
                                      Layout::LeftIndentMm * 72 / 25.4) < 0.05,
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
};

TIKKRO_TEST(TestPrinting)
#include "TestPrinting.moc"
