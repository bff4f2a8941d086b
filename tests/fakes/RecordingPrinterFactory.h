// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/Printer.h"
#include "printing/PrinterFactory.h"

#include <QStringList>

#include <deque>

namespace tikkro::fakes {

// Records one document as it would come out: one entry per line, "<x> <size>
// [bold ]: <text>" with the position and font where the line's text starts,
// or "" for an empty line. Fails for good with the given failure once
// failAfter operations have succeeded (negative: never).
class RecordingPrinter final : public printing::Printer
{
public:
    struct Document
    {
        Orientation orientation{};
        QStringList lines;
        int operations = 0;
        bool ended = false;
    };

    RecordingPrinter(Document& document, int failAfter, Failure failure)
        : m_doc(document), m_failAfter(failAfter), m_failure(failure)
    {}

    void setOrientation(Orientation orientation) override { set(m_doc.orientation, orientation); }
    void setCurrentX(double twips) override { set(m_x, twips); }
    void setFontSize(double points) override { set(m_size, points); }
    void setFontBold(bool bold) override { set(m_bold, bold); }
    void printLine(const QString& text) override
    {
        printText(text);
        endLine();
    }
    void printText(const QString& text) override
    {
        if (record() && m_line.isEmpty())
            m_line = QStringLiteral("%1 %2%3: ").arg(m_x).arg(m_size).arg(m_bold ? " bold" : "");
        m_line += text;
    }
    void endLine() override
    {
        if (record())
            m_doc.lines.append(std::exchange(m_line, QString()));
        m_x = 0;
    }
    bool endDoc() override { return m_doc.ended = record(); }
    Failure failure() const override
    {
        return m_doc.operations == m_failAfter ? m_failure : Failure::None;
    }
    QString failureDetail() const override { return {}; }
    QString destination() const override { return QStringLiteral("Office"); }
    bool printsToFile() const override { return false; }

private:
    bool record() { return !failed() && ++m_doc.operations; }
    template <typename T> void set(T& field, T value)
    {
        if (record())
            field = value;
    }

    Document& m_doc;
    const int m_failAfter;
    const Failure m_failure;
    double m_x = 0;
    double m_size = 0;
    bool m_bold = false;
    QString m_line;
};

// Hands out recording printers for the printer "Office" and keeps every
// document they printed. Copy failingCopy fails with `failure` after
// failAfter operations.
class RecordingPrinterFactory final : public printing::PrinterFactory
{
public:
    std::unique_ptr<printing::Printer> create(int copy, int /*copies*/) override
    {
        return std::make_unique<RecordingPrinter>(documents.emplace_back(),
                                                  copy == failingCopy ? failAfter : -1, failure);
    }

    std::deque<RecordingPrinter::Document> documents;
    int failingCopy = 0;
    int failAfter = -1;
    printing::Printer::Failure failure = printing::Printer::Failure::ErrorState;
};

} // namespace tikkro::fakes
