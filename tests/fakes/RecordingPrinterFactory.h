// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/Printer.h"
#include "printing/PrinterFactory.h"

namespace tikkro::fakes {

// Hands out printers for the printer "Office", on a page of 100 mm with
// round font measures, that print nothing but record each document in
// `documents`: its orientation's initial (P or L), then + once handed over
// whole or - where it failed. Copy failingCopy fails for good with `failure`.
class RecordingPrinterFactory final : public printing::PrinterFactory
{
public:
    using Failure = printing::Printer::Failure;

    std::unique_ptr<printing::Printer> create(int copy, int /*copies*/) override
    {
        return std::make_unique<Printer>(documents, copy == failingCopy ? failure : Failure::None);
    }

    QString documents;
    int failingCopy = 0;
    Failure failure = Failure::ErrorState;

private:
    class Printer final : public printing::Printer
    {
    public:
        Printer(QString& documents, Failure failure) : m_documents(documents), m_failure(failure) {}

        std::optional<printing::PrintLayout::Metrics> open(Orientation orientation) override
        {
            m_documents += orientation == Orientation::Landscape ? u'L' : u'P';
            if (m_failure == Failure::CannotOpen) {
                m_documents += u'-';
                return std::nullopt;
            }
            return printing::PrintLayout::Metrics{100, {3, 4}, {8, 10}, {5, 6}, {4, 5}};
        }
        bool print(const QList<printing::PrintLayout::Page>& /*pages*/) override
        {
            m_documents += m_failure == Failure::None ? u'+' : u'-';
            return m_failure == Failure::None;
        }
        Failure failure() const override { return m_failure; }
        QString failureDetail() const override { return {}; }
        QString destination() const override { return QStringLiteral("Office"); }
        bool printsToFile() const override { return false; }

    private:
        QString& m_documents;
        const Failure m_failure;
    };
};

} // namespace tikkro::fakes
