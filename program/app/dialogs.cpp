#include "app/dialogs.h"

#include "saved/truck_id_dialog.h"
#include "truckload/add_item.h"

#include <QFileDialog>

namespace velmora {

bool Dialogs::editItem(Hazmat *item, bool fromSearch, const AddItemContext &context, QWidget *parent)
{
    AddItemDialog dialog(item, fromSearch, context, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> Dialogs::truckId(const TruckIdQuestion &question, QWidget *parent)
{
    return askTruckId(*question.prompts, question.saveFolder, question.initial, question.rename,
                      question.offerDefaultId, parent);
}

QString Dialogs::fileName(FileDialogMode mode, const QString &filter, const QString &startPath, QWidget *parent)
{
    if (mode == FileDialogMode::Open)
        return QFileDialog::getOpenFileName(parent, QString(), startPath, filter);
    QFileDialog dialog(parent, mode == FileDialogMode::SaveTruckload ? QStringLiteral("Save Truckload As") : QString(),
                       startPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(filter.contains(QLatin1String("csv")) ? QStringLiteral("csv") : QStringLiteral("vlm"));
    if (mode == FileDialogMode::SaveTruckload)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                 : QString();
}

void Dialogs::exec(QDialog &window) { window.exec(); }

} // namespace velmora
