// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::printing {

// One printed document, driven like a line printer: a current position that
// text is printed at, a current font, and line ends that move down by one line
// of that font. Positions are in twips from the printable area's top left.
//
// Failures are sticky: once failed() is true every further call does nothing,
// so a caller may issue a run of calls and check once afterwards.
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

    // Takes effect for pages not yet started.
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;

    // Prints the text and ends the line.
    virtual void printLine(const QString& text) = 0;
    // Prints the text; the next text continues right after it on the same line.
    virtual void printText(const QString& text) = 0;
    // Ends the line; an empty line when nothing was printed on it.
    virtual void endLine() = 0;

    // Hands the finished document over. False when it could not be.
    virtual bool endDoc() = 0;

    virtual Failure failure() const = 0;
    bool failed() const { return failure() != Failure::None; }
    // The system's own words on the failure, where it gives any.
    virtual QString failureDetail() const = 0;

    // Where the document goes: the printer's name, or the file's path.
    virtual QString destination() const = 0;
    virtual bool printsToFile() const = 0;
};

} // namespace tikkro::printing
