// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/QtFileDialogService.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace tikkro::desktop {

namespace {

// "csv" of "CSV (*.csv)".
QString firstSuffix(const QString& filter)
{
    static const QRegularExpression suffix(QStringLiteral(R"(\*\.(\w+))"));
    return suffix.match(filter).captured(1);
}

} // namespace

std::optional<FileDialogService::SaveChoice>
QtFileDialogService::askSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                     const QStringList& filters, const QString& selectedFilter)
{
    QFileDialog dialog(parent, caption, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(selectedFilter);
    // The dialog adds the chosen type's extension to a bare name itself, so
    // that it asks before replacing the file that name really means.
    dialog.setDefaultSuffix(firstSuffix(selectedFilter));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(firstSuffix(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return SaveChoice{dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

bool QtFileDialogService::confirmReplace(QWidget* parent, const QString& caption,
                                         const QString& path)
{
    const QString question =
        tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName());
    return QMessageBox::warning(parent, caption, question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace tikkro::desktop
