// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/Printer.h"
#include "printing/PrinterFactory.h"

#include <deque>

namespace tikkro::fakes {

// Records how one document was printed, on a page of 100 mm with round font
// measures. Fails for good at the step the failure names: opening, the
// second page, drawing or handing the document over.
class RecordingPrinter final : public printing::Printer
{
public:
    struct Document
    {
        Orientation orientation{};
        bool ended = false;
    };

    RecordingPrinter(Document& document, Failure failure) : m_doc(document), m_failure(failure) {}

    std::optional<printing::PrintLayout::Metrics> open(Orientation orientation) override
    {
        m_doc.orientation = orientation;
        if (m_failure == Failure::CannotOpen) {
            return std::nullopt;
        }
        return printing::PrintLayout::Metrics{100, {3, 4}, {8, 10}, {5, 6}, {4, 5}};
    }
    bool print(const QList<printing::PrintLayout::Page>& /*pages*/) override
    {
        return m_doc.ended = m_failure == Failure::None;
    }
    Failure failure() const override { return m_failure; }
    QString failureDetail() const override { return {}; }
    QString destination() const override { return QStringLiteral("Office"); }
    bool printsToFile() const override { return false; }

private:
    Document& m_doc;
    const Failure m_failure;
};

// Hands out recording printers for the printer "Office" and keeps every
// document they printed. Copy failingCopy fails with `failure`.
class RecordingPrinterFactory final : public printing::PrinterFactory
{
public:
    std::unique_ptr<printing::Printer> create(int copy, int /*copies*/) override
    {
        return std::make_unique<RecordingPrinter>(
            documents.emplace_back(),
            copy == failingCopy ? failure : printing::Printer::Failure::None);
    }

    std::deque<RecordingPrinter::Document> documents;
    int failingCopy = 0;
    printing::Printer::Failure failure = printing::Printer::Failure::ErrorState;
};

} // namespace tikkro::fakes
