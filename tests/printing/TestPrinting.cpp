// SPDX-License-Identifier: GPL-3.0-or-later
#include "Version.h"
#include "fakes/FakePrintDialog.h"
#include "fakes/RecordingPrinterFactory.h"
#include "printing/PrintCommand.h"
#include "printing/QtPrintDialog.h"
#include "printing/QtPrinterFactory.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

using namespace tikkro;
using printing::PrintCommand;
using printing::PrintDialog;
using Orientation = printing::Printer::Orientation;

namespace {

const QString versionLine = QStringLiteral("Version ") + QLatin1String(version::text);
const QStringList header{{},
                         {},
                         {},
                         {},
                         "1400 18 bold: Tikkro",
                         "1400 14: Morvane's sophisticated Stop Watch",
                         "1400 12: " + versionLine,
                         {}};

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

struct Recorded
{
    std::optional<PrintDialog::Choice> answer = PrintDialog::Choice{};
    fakes::RecordingPrinterFactory* printers = nullptr;

    std::deque<fakes::RecordingPrinter::Document> print(const QString& strip, int refuseCopy = 0,
                                                        int failingCopy = 0, int failAfter = -1)
    {
        auto dialog = std::make_unique<fakes::FakePrintDialog>();
        dialog->answer = answer;
        auto factory = std::make_unique<fakes::RecordingPrinterFactory>();
        factory->refuseCopy = refuseCopy;
        factory->failingCopy = failingCopy;
        factory->failAfter = failAfter;
        printers = factory.get();
        PrintCommand command(std::move(dialog), std::move(factory));
        command.run(nullptr, strip);
        return printers->documents;
    }
};

// A PDF file's pages as pdftotext reads them: the words of each line, the
// lines top to bottom, in points from the page's top left.
struct Word
{
    double x, top, bottom;
    QString text;
};
struct Page
{
    double width = 0, height = 0;
    QList<QList<Word>> lines;
};

QList<Page> readPdf(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    pdftotext.waitForFinished(60000);
    QList<Page> pages;
    QList<Word> words;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    auto number = [&](const char* name) { return xml.attributes().value(name).toDouble(); };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.name() == u"page" && xml.isStartElement()) {
            pages.append(Page{number("width"), number("height"), {}});
        } else if (xml.name() == u"word" && xml.isStartElement()) {
            words.append({number("xMin"), number("yMin"), number("yMax"), {}});
            words.last().text = xml.readElementText();
        } else if (xml.name() == u"page" && xml.isEndElement()) {
            // pdftotext reads columns one after another; put lines back together.
            std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
                return std::abs(a.top - b.top) > 1 ? a.top < b.top : a.x < b.x;
            });
            for (const Word& word : std::exchange(words, {})) {
                auto& lines = pages.last().lines;
                if (lines.isEmpty() || std::abs(lines.last().first().top - word.top) > 1)
                    lines.append(QList<Word>{});
                lines.last().append(word);
            }
        }
    }
    return pages;
}

QString textOf(const QList<Word>& line)
{
    QStringList words;
    for (const Word& word : line)
        words.append(word.text);
    return words.join(u' ');
}

std::shared_ptr<QPrinter> pdfPrinter(const QString& fileName)
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFileName(fileName);
    printer->setPageSize(QPageSize(QPageSize::A4));
    // Margins between screen pixels, where an origin rounded to pixels shows.
    printer->setPageMargins(QMarginsF(13, 17, 11, 19), QPageLayout::Millimeter);
    return printer;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageLayout_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QStringList>("body");
        QTest::newRow("empty strip") << "" << QStringList{""};
        QTest::newRow("log lines") << "01.02.2026  10:00:00    Start\r\n00:00:01.500   Lap\r\n"
                                   << QStringList{"1400 12: 01.02.2026  10:00:00    Start",
                                                  "1400 12: 00:00:01.500   Lap", ""};
        QTest::newRow("last line without end")
            << "a\r\ntyped" << QStringList{"1400 12: a", "1400 12: typed"};
        QTest::newRow("lone LF joins") << "ab\ncd\r\n" << QStringList{"1400 12: abcd", ""};
        QTest::newRow("lone CR breaks") << "ab\rcd" << QStringList{"1400 12: ab", "1400 12: cd"};
        QTest::newRow("empty lines") << "\r\n\r\nx\r\n" << QStringList{"", "", "1400 12: x", ""};
        const QString longStrip = lapStrip(100000);
        QStringList longBody;
        for (const QString& line : longStrip.split(QStringLiteral("\r\n")))
            longBody.append("1400 12: " + line);
        QTest::newRow("100,000 characters") << longStrip << longBody;
    }
    void pageLayout()
    {
        QFETCH(QString, strip);
        QFETCH(QStringList, body);
        const auto docs = Recorded{}.print(strip);
        QCOMPARE(docs.size(), 1u);
        QCOMPARE(docs[0].lines, header + body);
        QVERIFY(docs[0].ended);
    }

    void copiesOrientationCancel_data()
    {
        QTest::addColumn<std::optional<PrintDialog::Choice>>("answer");
        QTest::addColumn<int>("documents");
        QTest::newRow("3 landscape")
            << std::optional(PrintDialog::Choice{3, Orientation::Landscape}) << 3;
        QTest::newRow("1 portrait")
            << std::optional(PrintDialog::Choice{1, Orientation::Portrait}) << 1;
        QTest::newRow("0 copies") << std::optional(PrintDialog::Choice{0, Orientation::Portrait})
                                  << 0;
        QTest::newRow("-1 copies")
            << std::optional(PrintDialog::Choice{-1, Orientation::Portrait}) << 0;
        QTest::newRow("cancel") << std::optional<PrintDialog::Choice>() << 0;
    }
    void copiesOrientationCancel()
    {
        QFETCH(std::optional<PrintDialog::Choice>, answer);
        QFETCH(int, documents);
        const auto docs = Recorded{answer}.print(QStringLiteral("00:00:01.000   Lap\r\n"));
        QCOMPARE(docs.size(), static_cast<size_t>(documents));
        for (const auto& doc : docs) {
            QCOMPARE(doc.orientation, answer->orientation);
            QCOMPARE(doc.lines, docs[0].lines);
            QVERIFY(doc.ended);
        }
    }

    // A failing printer ends the command where it fails: that document is
    // left unended and no later copy is started.
    void printerFailureStopsQuietly_data()
    {
        QTest::addColumn<int>("refuseCopy");
        QTest::addColumn<int>("failingCopy");
        QTest::addColumn<int>("failAfter");
        QTest::addColumn<QList<bool>>("ended");
        QTest::newRow("cannot open 2nd") << 2 << 0 << -1 << QList<bool>{true};
        QTest::newRow("fails in header") << 0 << 1 << 7 << QList<bool>{false};
        QTest::newRow("fails in log") << 0 << 2 << 30 << QList<bool>{true, false};
        QTest::newRow("fails at end doc") << 0 << 3 << 0 << QList<bool>{true, true, false};
    }
    void printerFailureStopsQuietly()
    {
        QFETCH(int, refuseCopy);
        QFETCH(int, failingCopy);
        QFETCH(int, failAfter);
        QFETCH(QList<bool>, ended);
        const QString strip = lapStrip(200);
        if (failAfter == 0) // all but the last operation
            failAfter = Recorded{}.print(strip)[0].operations - 1;
        const auto docs =
            Recorded{PrintDialog::Choice{3, {}}}.print(strip, refuseCopy, failingCopy, failAfter);
        QList<bool> actual;
        for (const auto& doc : docs)
            actual.append(doc.ended);
        QCOMPARE(actual, ended);
    }

    // Through QPrinter into a PDF file, read back by pdftotext: every line at
    // 70 pt from the printable area's left edge, all lines in order, and each
    // page filled before the next begins.
    void pdfLongStrip()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        auto printer = pdfPrinter(dir.filePath(QStringLiteral("strip.pdf")));
        const QRectF area = printer->pageLayout().paintRect(QPageLayout::Point);
        const QString strip = lapStrip(100000);
        PrintCommand(std::make_unique<fakes::FakePrintDialog>(),
                     std::make_unique<printing::QtPrinterFactory>(printer))
            .run(nullptr, strip);

        QStringList expected{"Tikkro", "Morvane's sophisticated Stop Watch", versionLine};
        for (const QString& line : strip.split(QStringLiteral("\r\n")))
            expected.append(line.simplified());
        QStringList printed;
        const QList<Page> pages = readPdf(printer->outputFileName());
        QVERIFY(pages.size() > 1);
        for (const Page& page : pages) {
            for (const auto& line : page.lines) {
                printed.append(textOf(line));
                QVERIFY2(
                    std::abs(line[0].x - area.left() - 70) < 0.05,
                    qPrintable(textOf(line) + " at " + QString::number(line[0].x - area.left())));
            }
            const double lastBottom = page.lines.last()[0].bottom;
            const double pitch = lastBottom - page.lines[page.lines.size() - 2][0].bottom;
            QVERIFY(lastBottom <= area.bottom() + 0.5);
            QVERIFY(&page == &pages.last() || area.bottom() - lastBottom < pitch);
        }
        QCOMPARE(printed, expected);
    }

    // Printing to a file, copies go to files of their own beside the chosen
    // one, so that none overwrites another; the printer keeps the chosen name.
    void pdfCopiesGoToSeparateFiles()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        const QString chosen = dir.filePath(QStringLiteral("log.v1.pdf"));
        auto printer = pdfPrinter(chosen);
        auto dialog = std::make_unique<fakes::FakePrintDialog>();
        dialog->answer = PrintDialog::Choice{3, Orientation::Landscape};
        PrintCommand(std::move(dialog), std::make_unique<printing::QtPrinterFactory>(printer))
            .run(nullptr, QStringLiteral("00:00:01.000   Lap\r\n"));

        const QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files, (QStringList{"log.v1-copy2.pdf", "log.v1-copy3.pdf", "log.v1.pdf"}));
        for (const QString& file : files) {
            const QList<Page> pages = readPdf(dir.filePath(file));
            QCOMPARE(pages.size(), 1);
            QVERIFY(pages[0].width > pages[0].height);
            QCOMPARE(textOf(pages[0].lines.last()), QStringLiteral("00:00:01.000 Lap"));
        }
        QCOMPARE(printer->outputFileName(), chosen);
    }

    // Qt's own dialog on a machine without printers: cancelled it gives
    // nothing; accepted, the copies chosen and a PDF file to print to.
    void qtDialogWithoutPrinters()
    {
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        if (printer->outputFormat() != QPrinter::PdfFormat)
            QSKIP("this machine has a printer installed");
        printing::QtPrintDialog dialog(printer);
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QVERIFY(!dialog.exec(nullptr));

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("chosen.pdf"));
        QTimer::singleShot(0, [&] {
            auto* open = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(open);
            open->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(file);
            open->findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(2);
            open->accept();
        });
        const auto choice = dialog.exec(nullptr);
        QVERIFY(choice);
        QCOMPARE(choice->copies, 2);
        QCOMPARE(printer->outputFileName(), file);
    }
};

QTEST_MAIN(TestPrinting)
#include "TestPrinting.moc"
