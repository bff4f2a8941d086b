// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/QtPrinterFactory.h"

#include "printing/QtPrinter.h"

#include <QFileInfo>
#include <QPrinter>

namespace tikkro::printing {

QtPrinterFactory::QtPrinterFactory(std::shared_ptr<QPrinter> printer)
    : m_printer(std::move(printer))
{}

std::unique_ptr<Printer> QtPrinterFactory::create(int copy, int /*copies*/)
{
    m_printer->setCopyCount(1);
    const QString chosen = m_printer->outputFileName();
    return std::make_unique<QtPrinter>(
        *m_printer, chosen.isEmpty() ? QString() : fileNameForCopy(chosen, copy));
}

QString QtPrinterFactory::fileNameForCopy(const QString& chosenFileName, int copy)
{
    if (copy <= 1) {
        return chosenFileName;
    }
    const QFileInfo info(chosenFileName);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty()
                             ? chosenFileName
                             : chosenFileName.left(chosenFileName.size() - suffix.size() - 1);
    const QString tag = QStringLiteral("-copy%1").arg(copy);
    return suffix.isEmpty() ? stem + tag : stem + tag + u'.' + suffix;
}

} // namespace tikkro::printing
