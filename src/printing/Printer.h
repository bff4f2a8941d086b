// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/printing/PrintLayout.h"

#include <QString>

#include <optional>

namespace tikkro::printing {

// One printed document: it measures its printable area and fonts for the
// layout, then draws the laid-out pages and hands the document over.
class Printer
{
public:
    enum class Orientation
    {
        Portrait = 1,
        Landscape = 2
    };

    // The step at which a document failed, for telling the user.
    enum class Failure
    {
        None,
        CannotOpen,
        CannotStartPage,
        CannotFinish,
        ErrorState
    };

    virtual ~Printer() = default;

    // Opens the document with its pages in the given orientation. Nothing
    // when it cannot be opened.
    virtual std::optional<PrintLayout::Metrics> open(Orientation orientation) = 0;
    // Draws the pages and hands the finished document over. False when any
    // step fails; the document is then left as far as it got.
    virtual bool print(const QList<PrintLayout::Page>& pages) = 0;

    virtual Failure failure() const = 0;
    // The system's own words on the failure, where it gives any.
    virtual QString failureDetail() const = 0;

    // Where the document goes: the printer's name, or the file's path.
    virtual QString destination() const = 0;
    virtual bool printsToFile() const = 0;
};

} // namespace tikkro::printing
